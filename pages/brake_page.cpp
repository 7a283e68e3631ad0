#include "pages/brake_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "pages/settings_pages.h"

namespace vuriru {

namespace {
const char kCustom[] = "Custom";
}

CBrake::CBrake(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CSettingsPage(BrakePageTable(), block, parent),
      m_curve(curves.brake),
      m_host(host),
      m_editor(new CBrakeLine(curves.brake, host, this)) {
  m_editor->hide();
  connect(m_editor, &CCurveLine::Closed, this, [this] { update(); });
  // Unlike the other pages, the labels show the factory options from the
  // start, before any read or refresh.
  HideAll();
  for (size_t row = 0; row < RowCount(); ++row) ValueLabel(row)->setText(QString::fromStdString(ValueText(row)));
  ShowLabels();
}

void CBrake::HideAll() {
  for (size_t row = 0; row < RowCount(); ++row) {
    OptionList(row)->hide();
    ValueLabel(row)->hide();
  }
}

void CBrake::ShowLabels() {
  for (size_t row = 0; row < RowCount(); ++row) {
    if (Table().rows[row].visible) ValueLabel(row)->show();
  }
}

void CBrake::PrepareForSwitch() {
  CloseAllLists();
  if (m_curve.CloseFlag() == CurveModel::kShown) HideAll();
  CloseAllLists();
}

void CBrake::OnCurveSelectorChosen(size_t row, int index) {
  if (OptionList(row)->item(index)->text() == QLatin1String(kCustom)) {
    TakeChoice(row, index);
    m_curve.Show(m_host.State());
    HideAll();
    HelpPanel()->hide();
    m_editor->show();
    m_editor->raise();
    m_editor->MapPoints();
    return;
  }
  CurrentIndex(row) = 0;
  FactoryIndex(row) = 0;
  m_editor->ResetCurve();
  TakeChoice(row, 0);
}

bool CBrake::RestoreAfterEditor() {
  if (!m_curve.TakeClosed()) return false;
  m_editor->hide();
  ShowLabels();
  // A page shown before any page button was pressed ends itself, as a dialog
  // closed with cancel would.
  if (!m_host.State().g_pageChosen) QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
  return true;
}

void CBrake::paintEvent(QPaintEvent* event) {
  RestoreAfterEditor();
  CSettingsPage::paintEvent(event);
}

}  // namespace vuriru
