// What the engine, the firmware transfer, the hot-plug handling and the V1
// panels ask of the main window.

#include <QApplication>
#include <QLineEdit>

#include "app/main_window.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"
#include "window/v1_busy_rule.h"

namespace vuriru {

// ---- EngineHost ----

void CQorProDlg::ShowProgress(uint32_t pos, uint32_t range) {
  m_progress->ShowProgress(range, pos);
}

void CQorProDlg::SetProgressText(const std::string& text) {
  m_progress->SetCaption(QString::fromStdString(text));
  // The bar follows the caption's figure, which the engine takes from the
  // shared position and range.
  m_progress->SetProgress(m_state.g_progressRange, m_state.g_progressPos);
}

void CQorProDlg::HideProgress() {
  m_progress->HideProgress();
}

void CQorProDlg::RedrawIndicators() {
  m_buttons[button_id::kEscIndicator]->update();
  m_buttons[button_id::kUsbIndicator]->update();
}

void CQorProDlg::RedrawWindow() {
  update();
}

void CQorProDlg::RedrawPressedButton(int32_t command) {
  if (command == command::kApply) m_buttons[button_id::kApply]->update();
  if (command == command::kDefault) m_buttons[button_id::kDefault]->update();
}

void CQorProDlg::ShowCommandButtons() {
  if (m_state.g_deviceType != device_type::kFull || m_state.g_lcdMode) return;
  m_buttons[button_id::kApply]->show();
  m_buttons[button_id::kDefault]->show();
}

void CQorProDlg::FocusPageButton(uint8_t page) {
  const int id =
      page >= page::kDeviceInfo && page <= page::kData ? button_id::kDeviceInfo + page - 1 : button_id::kDeviceInfo;
  m_buttons[id]->setFocus();
}

void CQorProDlg::SetEscLabel(const std::string& /*text*/) {
  // The label beside the indicator is never shown; the indicator's image says it.
  RedrawIndicators();
}

void CQorProDlg::SetHardwareVersionText(const std::string& /*text*/) {
  m_firmwarePage->OnConnectVersionArrived();
}

void CQorProDlg::SetSoftwareVersionText(const std::string& text) {
  m_general->DeviceEdit()->setText(QString::fromStdString(text));
}

void CQorProDlg::ShowV1Panel() {
  for (int id : {button_id::kDeviceInfo, button_id::kGeneral, button_id::kThrottle, button_id::kBrake,
                 button_id::kBoost, button_id::kTurbo, button_id::kData, button_id::kApply, button_id::kDefault}) {
    m_buttons[id]->hide();
  }
  HidePagesAndEditors();
  m_cnV1Dlg->hide();
  m_v1Dlg->show();
}

void CQorProDlg::ShowV1ReadValues() {
  m_v1Dlg->ShowReadValues();
}

void CQorProDlg::TakeV1PanelValues() {
  m_v1Dlg->TakePanelValues();
}

void CQorProDlg::ShowV1SendDone() {
  m_v1Dlg->ShowSendDone();
}

void CQorProDlg::HideCnV1Panel() {
  m_cnV1Dlg->hide();
}

void CQorProDlg::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
  m_dialogs.Tell(text, caption, icon);
}

void CQorProDlg::RedrawCurve(CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      m_boost->Editor()->MapPoints();
      break;
    case CurveNumber::Brake:
      m_brake->Editor()->MapPoints();
      break;
    case CurveNumber::Throttle:
      m_throttle->Editor()->MapPoints();
      break;
  }
}

void CQorProDlg::RefreshPagesFromIndexes() {
  for (CSettingsPage* settings : SettingsPages()) settings->RefreshFromIndexes();
}

void CQorProDlg::FormatRunningLog() {
  m_data->FormatRunningLog();
}

void CQorProDlg::Beep() {
  QApplication::beep();
}

void CQorProDlg::UpdateMainWindow() {
  update();
}

// ---- FirmwareHost ----

std::string CQorProDlg::ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) {
  return m_dialogs.ChooseOpenFile(filter, defaultName);
}

void CQorProDlg::ShowV1TransferText(const std::string& text) {
  m_v1Dlg->SetStatusText(text);
}

void CQorProDlg::ClearV1ReadBusy() {
  // The panels keep no read-busy flag of their own; the shared flags say it.
}

void CQorProDlg::HideAllPages() {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) PageWidget(page)->hide();
}

void CQorProDlg::StartFirmwareUpdate() {
  if (!m_firmware) m_firmware.emplace(m_engine, *this);
  m_firmware->SendFirmwareFile();
}

// ---- LinkHotplugHost ----

void CQorProDlg::ShowStartPage() {
  m_firmwarePage->hide();
  m_general->hide();
  m_data->hide();
  ShowPage(page::kNoneShown);
  ShowStatusIndicators(true);
  m_state.g_backgroundDirty = true;
  ReloadBackground();
  update();
}

void CQorProDlg::OpenAdapterRemoved() {
  if (m_firmware) m_firmware->OnAdapterRemoved();
  m_engine.AbandonForLostLink();
}

// ---- V1PanelHost ----

V1ConnectionIndicators CQorProDlg::ConnectionIndicators() const {
  return {m_state.g_escPresent == 1 ? kIndicatorConnected : 0, m_state.g_adapterReady == 1 ? kIndicatorConnected : 0};
}

void CQorProDlg::StartV1Read() {
  m_engine.StartV1Read();
}

void CQorProDlg::SendSettings() {
  m_engine.SendSettings();
}

void CQorProDlg::SendFirmwareFile() {
  StartFirmwareUpdate();
}

void CQorProDlg::ShowProgress() {
  m_progress->ShowProgress(m_state.g_progressRange, m_state.g_progressPos);
}

void CQorProDlg::FinishProgress() {
  m_progress->HideProgress();
}

}  // namespace vuriru
