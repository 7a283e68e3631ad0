#include "pages/throttle_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "pages/settings_pages.h"

namespace vuriru {

namespace {
const char kCustom[] = "Custom";
}

CThrottle::CThrottle(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CSettingsPage(ThrottlePageTable(), block, parent),
      m_curve(curves.throttle),
      m_host(host),
      m_editor(new CThrottleLine(curves.throttle, host, this)) {
  m_editor->hide();
  // OK and CANCEL repaint the page, which then takes its labels back.
  connect(m_editor, &CCurveLine::Closed, this, [this] { update(); });
  ShowLabels();
}

void CThrottle::HideAll() {
  for (size_t row = 0; row < RowCount(); ++row) {
    OptionList(row)->hide();
    ValueLabel(row)->hide();
  }
}

void CThrottle::ShowLabels() {
  for (size_t row = 0; row < RowCount(); ++row) {
    if (Table().rows[row].visible) ValueLabel(row)->show();
  }
}

void CThrottle::PrepareForSwitch() {
  HideAll();
  if (m_curve.CloseFlag() == CurveModel::kShown) {
    HideAll();
  } else {
    ShowLabels();
  }
}

void CThrottle::OnCurveSelectorChosen(size_t row, int index) {
  if (OptionList(row)->item(index)->text() == QLatin1String(kCustom)) {
    TakeChoice(row, index);
    HideAll();
    m_curve.Show(m_host.State());
    m_editor->show();
    m_editor->raise();
    m_editor->MapPoints();
    HelpPanel()->hide();
    return;
  }
  CurrentIndex(row) = 0;
  FactoryIndex(row) = 0;
  m_editor->ResetCurve();
  TakeChoice(row, 0);
}

bool CThrottle::RestoreAfterEditor() {
  if (!m_curve.TakeClosed()) return false;
  m_editor->hide();
  ShowLabels();
  // A page shown before any page button was pressed ends itself, as a dialog
  // closed with cancel would.
  if (!m_host.State().g_pageChosen) QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
  return true;
}

void CThrottle::paintEvent(QPaintEvent* event) {
  RestoreAfterEditor();
  CSettingsPage::paintEvent(event);
}

}  // namespace vuriru
