#include "widgets/v1/v1_dlg.h"

#include <QComboBox>
#include <QLabel>

#include "v1/v1_settings_table.h"
#include "window/v1_busy_rule.h"

namespace vuriru {
namespace {

constexpr size_t kBecSlot = static_cast<size_t>(V1Setting::Bec);

}  // namespace

CV1Dlg::CV1Dlg(V1SettingsBlock& block, V1PanelHost& host, QWidget* parent)
    : CV1PanelBase(kDialogId, host, parent), m_block(block) {
  for (const auto& row : V1SettingsTable()) AddSetting(row.caption, row.listId, row.options);
  for (const V1HiddenList& list : V1HiddenLists()) AddUnusedList(list.listId, list.options);
  m_block.becShown = kV1BecHidden;
  ShowBec(false);
  ShowFactoryValues();
}

void CV1Dlg::ShowFactoryValues() {
  const V1SettingsBlock factory = V1FactoryBlock();
  for (size_t i = 0; i < kV1SettingCount; ++i) m_index[i] = factory.index[i];
  RefreshLists();
  SetStatusText(kDefaultOkText);
  m_host.Beep();
}

void CV1Dlg::ShowReadValues() {
  for (size_t i = 0; i < kV1SettingCount; ++i) m_index[i] = m_block.index[i];
  ShowBec(m_block.IsBecShown());
  RefreshLists();
  SetStatusText(kReadOkText);
  m_host.Beep();
}

void CV1Dlg::TakePanelValues() {
  ReadLists();
  CopyMembersToBlock();
}

void CV1Dlg::ShowSendDone() {
  SetStatusText(kSendOkText);
  m_host.State().g_transferPending = 0;
  m_host.FinishProgress();
  m_host.Beep();
}

bool CV1Dlg::IsBecShown() const {
  return !List(kBecSlot)->isHidden();
}

void CV1Dlg::CopyMembersToBlock() {
  for (size_t i = 0; i < kV1SettingCount; ++i) m_block.index[i] = m_index[i];
}

void CV1Dlg::ShowBec(bool shown) {
  ShowSetting(kBecSlot, shown);
}

void CV1Dlg::OnReadSettings() {
  SharedState& state = m_host.State();
  if (IsV1PanelBusy(state, m_host.ConnectionIndicators())) return;
  RefreshLists();
  state.g_curveEditorOpen = 0;
  if (state.g_linkState == link_state::kOpen) {
    m_host.StartV1Read();
  } else {
    // Nothing can be read; the progress dialog's own handling ends the wait.
    state.g_progressRange = kProgressTotal;
    state.g_transferPending = 1;
    m_host.ShowProgress();
  }
  SetStatusText(kReadingText);
}

void CV1Dlg::OnSendSettings() {
  SharedState& state = m_host.State();
  if (IsV1PanelBusy(state, m_host.ConnectionIndicators())) return;
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

void CV1Dlg::OnUpdateFirmware() {
  if (m_host.State().g_linkState == link_state::kOpen) m_host.SendFirmwareFile();
}

}  // namespace vuriru
