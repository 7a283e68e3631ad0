// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/curve_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace vuriru {

namespace {
const char kCustom[] = "Custom";
}

CCurvePage::CCurvePage(const PageTable& table, SettingsBlock& block, CurveModel& curve, ButtonHost& host,
                       QWidget* parent)
    : CSettingsPage(table, block, parent), m_curve(curve), m_host(host) {}

void CCurvePage::AttachEditor(CCurveLine* editor) {
  m_curveEditor = editor;
  m_curveEditor->hide();
  // OK and CANCEL repaint the page, which then takes its labels back.
  connect(m_curveEditor, &CCurveLine::Closed, this, [this] { update(); });
}

void CCurvePage::HideAll() {
  for (size_t row = 0; row < RowCount(); ++row) {
    OptionList(row)->hide();
    ValueLabel(row)->hide();
  }
}

void CCurvePage::ShowLabels() {
  for (size_t row = 0; row < RowCount(); ++row) {
    if (Table().rows[row].visible) ValueLabel(row)->show();
  }
}

void CCurvePage::OnCurveSelectorChosen(size_t row, int index) {
  // Decided on the table's English option, whatever language the list shows.
  if (Table().rows[row].options[static_cast<size_t>(index)] == kCustom) {
    TakeChoice(row, index);
    BeforeShowingEditor();
    m_curve.Show();
    m_host.State().g_curveEditorOpen = 1;
    HideAll();
    HelpPanel()->hide();
    m_curveEditor->show();
    m_curveEditor->raise();
    m_curveEditor->MapPoints();
    return;
  }
  CurrentIndex(row) = 0;
  FactoryIndex(row) = 0;
  m_curveEditor->ResetCurve();
  TakeChoice(row, 0);
}

bool CCurvePage::RestoreAfterEditor() {
  if (!m_curve.TakeClosed()) return false;
  m_curveEditor->hide();
  ShowLabels();
  // A page shown before any page button was pressed ends itself, as a dialog
  // closed with cancel would.
  if (!m_host.State().g_pageChosen) QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
  return true;
}

void CCurvePage::paintEvent(QPaintEvent* event) {
  RestoreAfterEditor();
  CSettingsPage::paintEvent(event);
}

}  // namespace vuriru
