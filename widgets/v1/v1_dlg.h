// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The V1 panel in use: ten settings plus the BEC setting, which is shown only
// for controllers that identified themselves as having it. It reads, edits and
// stores the program-wide V1 settings block.

#include "comms/engine/engine_state.h"
#include "v1/v1_settings_block.h"
#include "widgets/v1/v1_panel_base.h"

namespace vuriru {

class CV1Dlg : public CV1PanelBase {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 179;

  // The block and host outlive the panel. Sets BEC-shown to hidden and shows
  // the factory values.
  CV1Dlg(V1SettingsBlock& block, V1PanelHost& host, QWidget* parent = nullptr);

  // After a V1 read: the block into the members and lists, BEC shown or
  // hidden by the block, "Read Ok", beep.
  void ShowReadValues();

  bool IsBecShown() const;

 protected:
  // Busy while a transfer runs, a curve editor is open, or the indicators do
  // not show the link its state claims (window/v1_busy_rule.h).
  bool IsPanelBusy() const override;
  void OnSendSettings() override;

 private:
  void ShowBec(bool shown);

  V1SettingsBlock& m_block;
};

}  // namespace vuriru
