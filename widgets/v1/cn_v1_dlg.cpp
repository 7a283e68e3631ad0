// SPDX-License-Identifier: GPL-3.0-or-later
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
    : CV1PanelBase(kDialogId, block.index, host, parent),
      m_hardwareBox(AddVersionBox(kHardwareBoxId, "HARDWARE", 0)),
      m_softwareBox(AddVersionBox(kSoftwareBoxId, "SOFTWARE", 1)) {
  AddSettings(CnV1SettingsTable());
  ShowTurboSettings(false);
  ShowFactoryValues();
}

void CCnV1Dlg::ShowReadValues(size_t replyLength) {
  ShowTurboSettings(CnV1HasTurboSettings(replyLength));
  ShowBlockValues();
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

bool CCnV1Dlg::IsPanelBusy() const {
  return m_host.State().g_transferPending != 0;
}

void CCnV1Dlg::OnSendSettings() {
  if (IsPanelBusy()) return;
  SharedState& state = m_host.State();
  ReadLists();
  CopyMembersToBlock();
  state.g_progressRange = kProgressTotal;
  // Without a link nothing can be sent, and no acknowledgement would ever end
  // a transfer marked as running, so the panel stays usable instead.
  if (state.g_linkState == link_state::kOpen) m_host.SendSettings();
  SetStatusText(kSendingText);
}

}  // namespace vuriru
