#include "pages/boost_page.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "pages/settings_pages.h"

namespace vuriru {

namespace {
const char kCustom[] = "Custom";
// The labels the boost timing switches on and off.
constexpr int kFirstRuledLabel = 1096;
constexpr int kLastRuledLabel = 1099;
}  // namespace

CBoost::CBoost(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CSettingsPage(BoostPageTable(), block, parent),
      m_block(block),
      m_curves(curves),
      m_host(host),
      m_editor(new CBoostLine(curves.boost, curves.boostRpm, host, this)) {
  m_editor->hide();
  connect(m_editor, &CCurveLine::Closed, this, [this] { update(); });
  HelpPanel()->installEventFilter(this);
  // The grey of the ruled labels follows the boost timing from the start.
  CollectSelections();
}

void CBoost::ChooseOption(size_t row, int index) {
  CSettingsPage::ChooseOption(row, index);
  if (row == RowOf(Setting::BoostTiming) && index >= 0 && index < OptionList(row)->count()) AfterBoostTimingChoice();
}

void CBoost::AfterBoostTimingChoice() {
  m_curves.boost.ResetCurve();
  ValueLabel(RowOf(Setting::BoostTiming))->update();
  RefreshFromIndexes();
}

bool CBoost::IsBlocked(size_t row) const {
  const int id = Table().rows[row].labelId;
  return id >= kFirstRuledLabel && id <= kLastRuledLabel && m_block.Current(Setting::BoostTiming) == 0;
}

void CBoost::HideAll() {
  for (size_t row = 0; row < RowCount(); ++row) {
    OptionList(row)->hide();
    ValueLabel(row)->hide();
  }
}

void CBoost::ShowLabels() {
  for (size_t row = 0; row < RowCount(); ++row) {
    if (Table().rows[row].visible) ValueLabel(row)->show();
  }
}

void CBoost::OnCurveSelectorChosen(size_t row, int index) {
  // SLOPE is hidden on this page; should it be offered, "Custom" opens the
  // boost editor with its rpm axis set from START RPM and END RPM.
  if (OptionList(row)->item(index)->text() == QLatin1String(kCustom)) {
    TakeChoice(row, index);
    m_editor->UpdateRpmLabels(m_block.Current(Setting::BoostStartRpm), m_block.Current(Setting::BoostEndRpm));
    RefreshFromIndexes();
    m_curves.boost.Show(m_host.State());
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

bool CBoost::RestoreAfterEditor() {
  if (!m_curves.boost.TakeClosed()) return false;
  m_editor->hide();
  ShowLabels();
  // A page shown before any page button was pressed ends itself, as a dialog
  // closed with cancel would.
  if (!m_host.State().g_pageChosen) QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
  return true;
}

void CBoost::paintEvent(QPaintEvent* event) {
  RestoreAfterEditor();
  CSettingsPage::paintEvent(event);
}

bool CBoost::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HelpPanel() && event->type() == QEvent::FocusOut) SetHelpText(" ");
  return CSettingsPage::eventFilter(watched, event);
}

}  // namespace vuriru
