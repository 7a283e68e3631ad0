#include "widgets/v1/cn_v1_dlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "v1/v1_reply.h"
#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

constexpr CnV1Setting kTurboSettings[] = {CnV1Setting::TurboTiming, CnV1Setting::BoostStartRpm,
                                          CnV1Setting::TurboDelay};

}  // namespace

CCnV1Dlg::CCnV1Dlg(CnV1SettingsBlock& block, V1PanelHost& host, QWidget* parent)
    : CV1PanelBase(kDialogId, host, parent),
      m_block(block),
      m_hardwareBox(AddVersionBox(kHardwareBoxId, QStringLiteral("HARDWARE"), 0)),
      m_softwareBox(AddVersionBox(kSoftwareBoxId, QStringLiteral("SOFTWARE"), 1)) {
  for (const auto& row : CnV1SettingsTable()) AddSetting(row.caption, row.listId, row.options);
  ShowTurboSettings(false);
  ShowFactoryValues();
}

void CCnV1Dlg::ShowFactoryValues() {
  const CnV1SettingsBlock factory = CnV1FactoryBlock();
  for (size_t i = 0; i < kCnV1SettingCount; ++i) m_index[i] = factory.index[i];
  RefreshLists();
  SetStatusText(kDefaultOkText);
  m_host.Beep();
}

void CCnV1Dlg::ShowReadValues(size_t replyLength) {
  for (size_t i = 0; i < kCnV1SettingCount; ++i) m_index[i] = m_block.index[i];
  ShowTurboSettings(CnV1HasTurboSettings(replyLength));
  RefreshLists();
  SetStatusText(kReadOkText);
  m_host.Beep();
}

void CCnV1Dlg::TakePanelValues() {
  ReadLists();
  CopyMembersToBlock();
}

void CCnV1Dlg::ShowSendDone() {
  SetStatusText(kSendOkText);
  m_host.State().g_transferPending = 0;
  m_host.FinishProgress();
  m_host.Beep();
}

void CCnV1Dlg::SetVersionTexts(const std::string& hardware, const std::string& software) {
  m_hardwareBox->setText(QString::fromStdString(hardware));
  m_softwareBox->setText(QString::fromStdString(software));
}

bool CCnV1Dlg::AreTurboSettingsShown() const {
  return !List(static_cast<size_t>(CnV1Setting::TurboTiming))->isHidden();
}

void CCnV1Dlg::ShowTurboSettings(bool shown) {
  for (CnV1Setting setting : kTurboSettings) ShowSetting(static_cast<size_t>(setting), shown);
}

void CCnV1Dlg::CopyMembersToBlock() {
  for (size_t i = 0; i < kCnV1SettingCount; ++i) m_block.index[i] = m_index[i];
}

void CCnV1Dlg::OnReadSettings() {
  SharedState& state = m_host.State();
  // A read started in the middle of a store or a firmware transfer would cut
  // it off, so a running transfer refuses the press.
  if (state.g_transferPending != 0) return;
  RefreshLists();
  state.g_curveEditorOpen = 0;
  if (state.g_linkState == link_state::kOpen) {
    m_host.StartV1Read();
  } else {
    state.g_progressRange = kProgressTotal;
    state.g_transferPending = 1;
    m_host.ShowProgress();
  }
  SetStatusText(kReadingText);
}

void CCnV1Dlg::OnSendSettings() {
  SharedState& state = m_host.State();
  if (state.g_transferPending != 0) return;
  ReadLists();
  CopyMembersToBlock();
  state.g_progressRange = kProgressTotal;
  // Without a link nothing can be sent, and no acknowledgement would ever end
  // a transfer marked as running, so the panel stays usable instead.
  if (state.g_linkState == link_state::kOpen) m_host.SendSettings();
  SetStatusText(kSendingText);
}

void CCnV1Dlg::OnUpdateFirmware() {
  // The firmware transfer needs the open link to write to.
  if (m_host.State().g_linkState == link_state::kOpen) m_host.SendFirmwareFile();
}

}  // namespace vuriru
