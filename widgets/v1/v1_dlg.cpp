// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/v1/v1_dlg.h"

#include <QComboBox>

#include "v1/v1_settings_table.h"
#include "window/v1_busy_rule.h"

namespace vuriru {
namespace {

constexpr size_t kBecSlot = static_cast<size_t>(V1Setting::Bec);

}  // namespace

CV1Dlg::CV1Dlg(V1SettingsBlock& block, V1PanelHost& host, QWidget* parent)
    : CV1PanelBase(kDialogId, block.index, host, parent), m_block(block) {
  AddSettings(V1SettingsTable());
  for (const V1HiddenList& list : V1HiddenLists()) AddUnusedList(list.listId, list.options);
  m_block.becShown = kV1BecHidden;
  ShowBec(false);
  ShowFactoryValues();
}

void CV1Dlg::ShowReadValues() {
  ShowBec(m_block.IsBecShown());
  ShowBlockValues();
}

bool CV1Dlg::IsBecShown() const {
  return !List(kBecSlot)->isHidden();
}

void CV1Dlg::ShowBec(bool shown) {
  ShowSetting(kBecSlot, shown);
}

bool CV1Dlg::IsPanelBusy() const {
  return IsV1PanelBusy(m_host.State(), m_host.ConnectionIndicators());
}

void CV1Dlg::OnSendSettings() {
  if (IsPanelBusy()) return;
  SharedState& state = m_host.State();
  ReadLists();
  state.g_progressRange = kProgressTotal;
  if (state.g_linkState == link_state::kOpen) {
    CopyMembersToBlock();
    SetStatusText(kSendingText);
    // Held until the last pair is acknowledged (ShowSendDone) or the store
    // ends otherwise, so that "Read Settings" cannot cut a store short.
    state.g_transferPending = 1;
    m_host.SendSettings();
  }
  SetStatusText(kSendingText);
}

}  // namespace vuriru
