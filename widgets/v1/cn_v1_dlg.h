// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thirteen-setting layout of the V1 panel: numbered captions, no BEC, the
// turbo settings 11..13 shown only for controllers whose settings reply is 15
// bytes or longer, and two boxes with the controller's versions.

#include "comms/engine/engine_state.h"
#include "v1/v1_settings_block.h"
#include "widgets/v1/v1_panel_base.h"

class QLineEdit;

namespace vuriru {

class CCnV1Dlg : public CV1PanelBase {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 180;
  static constexpr int kHardwareBoxId = 1065;
  static constexpr int kSoftwareBoxId = 1066;
  inline static const char* const kUpdateDoneText = QT_TRANSLATE_NOOP("Messages", "Esc Software Update OK!");

  // The block and host outlive the panel.
  CCnV1Dlg(CnV1SettingsBlock& block, V1PanelHost& host, QWidget* parent = nullptr);

  // After a read whose reply was `replyLength` bytes long: the block into the
  // members and lists, the turbo settings shown for 15 bytes or more.
  void ShowReadValues(size_t replyLength);
  void SetVersionTexts(const std::string& hardware, const std::string& software);

  bool AreTurboSettingsShown() const;
  QLineEdit* HardwareBox() const { return m_hardwareBox; }
  QLineEdit* SoftwareBox() const { return m_softwareBox; }

 protected:
  // A read or send started in the middle of a store or a firmware transfer
  // would cut it off, so a running transfer refuses the press; the
  // indicators do not count here.
  bool IsPanelBusy() const override;
  void OnSendSettings() override;

 private:
  void ShowTurboSettings(bool shown);

  QLineEdit* m_hardwareBox;
  QLineEdit* m_softwareBox;
};

}  // namespace vuriru
