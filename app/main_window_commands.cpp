// The main window's commands: page buttons, Apply, Default, the Device menu
// and device changes. None of them talks to the controller; they set the
// shared state and leave the work to the engine's next tick.

#include "app/main_window.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"

namespace vuriru {

namespace {

constexpr const char* kApplyQuestion = "Do you want to apply?";
constexpr const char* kApplyCaption = "Apply";
constexpr const char* kDefaultQuestion = "Do you want to default?";
constexpr const char* kDefaultCaption = "Default";
constexpr int kCancelled = 2;

}  // namespace

void CQorProDlg::PrepareTargetPage(uint8_t page) {
  switch (page) {
    case page::kDeviceInfo:
      m_firmwarePage->ClearHelp();
      break;
    case page::kThrottle:
      m_throttle->ClearHelp();
      m_throttle->HideAll();
      break;
    case page::kData:
      m_data->ClearHelp();
      break;
    default:
      if (QWidget* widget = PageWidget(page)) {
        auto* settings = static_cast<CSettingsPage*>(widget);
        settings->ClearHelp();
        settings->CloseAllLists();
      }
      break;
  }
}

void CQorProDlg::AfterPageSwitch(uint8_t page) {
  switch (page) {
    case page::kBrake:
      m_brake->PrepareForSwitch();
      break;
    case page::kThrottle:
      m_throttle->PrepareForSwitch();
      break;
    case page::kDeviceInfo:
      ReloadBackground();
      m_firmwarePage->RefreshDeviceInfo();
      m_firmwarePage->ApplyTargetLook();
      m_firmwarePage->update();
      break;
    default:
      break;
  }
}

void CQorProDlg::OnPageButton(uint8_t page) {
  // In RUZ Oviveru Ruv mode the device page is the only one there is, and it
  // stays reachable although no controller is present.
  const bool lcdDevicePage = page == page::kDeviceInfo && m_state.g_lcdMode;
  const bool busy = IsBusy();
  if (busy && !lcdDevicePage) {
    Refuse(page == page::kDeviceInfo ? WindowCommand::kDevicePage : WindowCommand::kPage);
    return;
  }
  ShowStatus(QString());
  if (!busy) {
    // What the button's drawing records on a press; repeated here so that a
    // click without a drawing in between (keyboard, tests) counts the same.
    m_state.g_selectedPage = page;
    m_state.g_lastPage = page;
  }
  PrepareTargetPage(page);
  ShowPage(m_state.g_selectedPage);
  m_state.g_currentPage = m_state.g_selectedPage;
  m_state.g_pageChosen = true;
  AfterPageSwitch(page);
  UpdateCommandLooks();
  update();
}

void CQorProDlg::RedrawNoteButtons() {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) PageWidget(page)->update();
}

void CQorProDlg::StartSettingsWrite() {
  m_state.g_progressPos = 0;
  m_state.g_transferPending = 1;
  m_state.g_progressRange = 409;
  m_engine.Retry() = 0;
  if (m_state.g_linkState == link_state::kOpen) m_engine.SendSettings();
  UpdateCommandLooks();
  update();
}

void CQorProDlg::OnApply() {
  if (IsBusy()) {
    Refuse(WindowCommand::kApply);
    return;
  }
  ShowStatus(QString());
  m_state.g_pressedCommand = command::kApply;
  RedrawNoteButtons();
  if (m_dialogs.Ask(kApplyQuestion, kApplyCaption, QuestionButtons::kOkCancel) != Answer::kOk) {
    m_nConfirmState = kCancelled;
    m_buttons[button_id::kApply]->update();
    return;
  }
  ShowPage(m_state.g_selectedPage);
  for (CSettingsPage* settings : SettingsPages()) settings->CollectSelections();
  m_curves.boost.LoadStoredCurve();
  m_curves.brake.LoadStoredCurve();
  m_curves.throttle.LoadStoredCurve();
  StartSettingsWrite();
}

void CQorProDlg::OnDefault() {
  if (IsBusy()) {
    Refuse(WindowCommand::kDefault);
    return;
  }
  ShowStatus(QString());
  m_state.g_pressedCommand = command::kDefault;
  RedrawNoteButtons();
  if (m_dialogs.Ask(kDefaultQuestion, kDefaultCaption, QuestionButtons::kOkCancel) != Answer::kOk) {
    m_nConfirmState = kCancelled;
    m_buttons[button_id::kDefault]->update();
    return;
  }
  ShowPage(m_state.g_selectedPage);
  for (CSettingsPage* settings : SettingsPages()) settings->ApplyFactoryIndexes();
  m_boost->Editor()->ResetCurve();
  m_brake->Editor()->ResetCurve();
  m_throttle->Editor()->ResetCurve();
  // The editors' store of their points, without closing them: it clears the
  // stored points first, so no point of an earlier, longer curve is sent
  // behind the reset curve's end point.
  for (CurveModel* model : {&m_curves.boost, &m_curves.brake, &m_curves.throttle}) model->StorePoints();
  StartSettingsWrite();
}

void CQorProDlg::OnDeviceEsc() {
  if (m_state.g_escPresent == 0 || !m_state.g_lcdMode) return;
  m_state.g_lcdMode = false;
  m_state.g_selectedPage = page::kGeneral;
  m_state.g_currentPage = page::kDeviceInfo;
  m_firmwarePage->RefreshDeviceInfo();
  OnPageButton(page::kGeneral);
  m_firmwarePage->ApplyTargetLook();
}

void CQorProDlg::OnDeviceLcd() {
  if (m_state.g_adapterReady != 1 || m_state.g_escPresent != 0) return;
  if (!m_state.g_lcdMode) {
    m_state.g_lcdMode = true;
    m_state.g_deviceType = device_type::kFull;
    m_state.g_selectedPage = page::kDeviceInfo;
    OnPageButton(page::kDeviceInfo);
    m_firmwarePage->RefreshDeviceInfo();
    ShowStatusIndicators(false);
    m_firmwarePage->ApplyTargetLook();
  }
  update();
}

void CQorProDlg::OnDeviceChange(const DeviceChangeEvent& event) {
  // Handled on the next turn of the event loop: an adapter can vanish in the
  // middle of a write, and the link must not be closed under that write.
  m_scheduler.RunAfter(0, [alive = std::weak_ptr<bool>(m_alive), this, event] {
    if (!alive.lock()) return;
    m_hotplug.Handle(event);
    UpdateCommandLooks();
  });
}

}  // namespace vuriru
