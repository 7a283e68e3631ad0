// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/boost_page.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "settings/settings_pages.h"

namespace vuriru {

namespace {
// The labels the boost timing switches on and off.
constexpr int kFirstRuledLabel = 1096;
constexpr int kLastRuledLabel = 1099;
}  // namespace

CBoost::CBoost(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CCurvePage(BoostPageTable(), block, curves.boost, host, parent),
      m_block(block),
      m_editor(new CBoostLine(curves.boost, curves.boostRpm, host, this)) {
  AttachEditor(m_editor);
  HelpPanel()->installEventFilter(this);
  // The grey of the ruled labels follows the boost timing from the start.
  CollectSelections();
}

void CBoost::ChooseOption(size_t row, int index) {
  CSettingsPage::ChooseOption(row, index);
  if (row == RowOf(Setting::BoostTiming) && index >= 0 && index < OptionList(row)->count()) AfterBoostTimingChoice();
}

void CBoost::AfterBoostTimingChoice() {
  m_curve.ResetCurve();
  ValueLabel(RowOf(Setting::BoostTiming))->update();
  RefreshFromIndexes();
}

bool CBoost::IsBlocked(size_t row) const {
  const int id = Table().rows[row].labelId;
  return id >= kFirstRuledLabel && id <= kLastRuledLabel && m_block.Current(Setting::BoostTiming) == 0;
}

void CBoost::BeforeShowingEditor() {
  m_editor->UpdateRpmLabels(m_block.Current(Setting::BoostStartRpm), m_block.Current(Setting::BoostEndRpm));
  RefreshFromIndexes();
}

bool CBoost::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HelpPanel() && event->type() == QEvent::FocusOut) SetHelpText(" ");
  return CSettingsPage::eventFilter(watched, event);
}

}  // namespace vuriru
