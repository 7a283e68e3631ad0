// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_controller.h"

#include <array>

#include "link/link_refusal.h"
#include "window/button_art.h"

namespace vuriru {

namespace {

// The button row from left to right: the seven page buttons, Apply, Default.
constexpr std::array kRowButtons = {button_id::kDeviceInfo, button_id::kGeneral, button_id::kThrottle,
                                    button_id::kBrake,      button_id::kBoost,   button_id::kTurbo,
                                    button_id::kData,       button_id::kApply,   button_id::kDefault};

bool IsPage(uint8_t page) {
  return page >= page::kDeviceInfo && page <= page::kData;
}

int PageButton(uint8_t page) {
  return IsPage(page) ? button_id::kDeviceInfo + page - 1 : button_id::kDeviceInfo;
}

}  // namespace

WindowController::WindowController(const Parts& parts)
    : m_state(parts.state),
      m_engine(parts.engine),
      m_link(parts.link),
      m_scheduler(parts.scheduler),
      m_view(parts.view),
      m_dialogs(parts.dialogs),
      m_settings(parts.settings),
      m_curves(parts.curves) {}

void WindowController::Start() {
  m_scheduler.SetTimerHandler([this](int id) {
    m_engine.HandleTimer(id);
    // An adapter that is plugged in but may not be opened would otherwise look
    // like no adapter at all; say why, and how to mend it, once per refusal.
    if (id == timer_id::kConnect && m_link.TakeRefusalNotice()) {
      m_dialogs.Tell(LinkRefusalText(m_link.Refusal(), m_link.RefusedNode()), kRefusedAdapterCaption,
                     MessageIcon::kExclamation);
    }
    // Whatever the tick changed, the buttons' looks follow within a tick.
    UpdateCommandLooks();
  });
  m_backgroundFile = "1.bmp";
  SetRowShown(false);

  m_state.g_selectedPage = page::kNoneSelected;
  m_state.g_currentPage = page::kNoneShown;
  m_state.g_adapterReady = 0;
  m_state.g_escPresent = 0;
  m_state.g_linkState = link_state::kNoLink;
  m_state.g_deviceType = device_type::kNone;
  m_nConfirmState = 0;
  m_state.g_pageChosen = false;

  ShowStatusIndicators(true);
  ShowPage(m_state.g_selectedPage);

  m_state.g_curveEditorOpen = 0;
  m_state.g_refreshPages = 1;
  m_state.g_updateDoneNotice = 0;
  m_state.g_backgroundDirty = false;
  m_engine.PrepareUserStore(Transaction::kRead);
  m_view.RedrawIndicators();

  m_link.SetDevicePath(m_link.GetLastLinkDevicePath());
  m_state.settingsRead = 0;
  m_view.SetProgressCaption(kReadProgressCaption, 0, m_state.g_progressRange);
  m_scheduler.StartTimer(timer_id::kConnect, 500);
  UpdateCommandLooks();
  // A library that could not be opened says so once the window is up.
  if (m_library != nullptr) {
    m_scheduler.RunAfter(0, [alive = std::weak_ptr<bool>(m_alive), this] {
      if (alive.lock()) TellLibraryNotice(false);
    });
  }
}

void WindowController::Stop() {
  m_scheduler.SetTimerHandler({});
  m_firmware.reset();
}

void WindowController::SetRowShown(bool shown) {
  for (int id : kRowButtons) m_view.SetButtonShown(id, shown);
}

void WindowController::SetSettingsButtonsShown(bool shown) {
  for (int id : kRowButtons) {
    if (id != button_id::kDeviceInfo) m_view.SetButtonShown(id, shown);
  }
}

void WindowController::HidePagesAndEditors() {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) m_view.SetPageShown(page, false);
  m_view.HideCurveEditors();
  // A V1 panel left on show would sit over the start picture after its
  // controller is gone.
  m_view.SetV1PanelShown(V1PanelKind::kV1, false);
  m_view.SetV1PanelShown(V1PanelKind::kThirteenSettings, false);
}

void WindowController::ShowPage(uint8_t page) {
  if (m_state.g_curveEditorOpen != 0 || m_state.g_currentPage == m_state.g_selectedPage) return;
  const bool controllerReady =
      m_state.g_linkState == link_state::kOpen && m_state.g_adapterReady == 1 && m_state.g_escPresent == 1;
  if (!controllerReady && !m_state.g_lcdMode) {
    SetRowShown(true);
    HidePagesAndEditors();
    ShowStatusIndicators(true);
    m_state.g_backgroundDirty = true;
    ReloadBackground();
    m_view.Redraw();
    return;
  }
  if (m_state.g_deviceType == device_type::kV1) {
    SetRowShown(false);
    m_view.SetV1PanelShown(V1PanelKind::kV1, true);
    m_view.SetV1PanelShown(V1PanelKind::kThirteenSettings, false);
  } else if (m_state.g_deviceType == device_type::kFull) {
    m_view.FocusButton(PageButton(m_state.g_currentPage));
    if (controllerReady) {
      SetRowShown(!m_state.g_lcdMode);
    } else {
      // The RUZ Oviveru Ruv alone: its device page and nothing else.
      SetSettingsButtonsShown(false);
      m_view.SetButtonShown(button_id::kDeviceInfo, true);
      for (uint8_t other = page::kGeneral; other <= page::kData; ++other) m_view.SetPageShown(other, false);
      m_view.SetPageShown(page::kDeviceInfo, true);
      m_state.g_backgroundDirty = true;
    }
    ShowStatusIndicators(true);
    if (IsPage(m_state.g_currentPage)) m_view.SetPageShown(m_state.g_currentPage, false);
    if (IsPage(page)) m_view.SetPageShown(page, true);
    m_state.g_backgroundDirty = true;
    ReloadBackground();
  } else if (m_state.g_deviceType == device_type::kV1Chinese) {
    SetRowShown(false);
    m_view.SetV1PanelShown(V1PanelKind::kThirteenSettings, true);
    m_view.SetV1PanelShown(V1PanelKind::kV1, false);
  }
  m_view.Redraw();
}

void WindowController::ReloadBackground() {
  if (!m_state.g_backgroundDirty) return;
  m_state.g_backgroundDirty = false;
  std::string file = "1.bmp";
  if (m_state.g_linkState == link_state::kOpen) {
    if (m_state.g_adapterReady == 1 && m_state.g_escPresent == 1) {
      switch (m_state.g_deviceType) {
        case device_type::kV1:
          file = "V1Menu.bmp";
          break;
        case device_type::kV1Chinese:
          file = "CnV1Menu.bmp";
          break;
        case device_type::kFull:
          file = "V3Menu.bmp";
          break;
        default:
          break;
      }
    } else if (m_state.g_lcdMode) {
      file = "V3Menu.bmp";
    }
  }
  m_backgroundFile = file;
  m_view.SetBackground(file);
}

void WindowController::ShowStatusIndicators(bool show) {
  if (show) {
    m_view.SetIndicatorsShown(true);
  } else if (m_state.g_deviceType != device_type::kFull) {
    m_view.SetIndicatorsShown(false);
  }
}

bool WindowController::IsBusy() const {
  return m_state.g_transferPending != 0 || m_state.g_curveEditorOpen != 0 || m_state.g_linkState != link_state::kOpen ||
         m_state.g_adapterReady == 0 || m_state.g_escPresent == 0;
}

void WindowController::ShowStartPage() {
  m_view.SetPageShown(page::kDeviceInfo, false);
  m_view.SetPageShown(page::kGeneral, false);
  m_view.SetPageShown(page::kData, false);
  ShowPage(page::kNoneShown);
  ShowStatusIndicators(true);
  m_state.g_backgroundDirty = true;
  ReloadBackground();
  m_view.Redraw();
}

void WindowController::EndCommand() {
  if (m_state.g_pressedCommand == command::kApply || m_state.g_pressedCommand == command::kDefault) {
    m_view.RedrawButton(m_state.g_pressedCommand == command::kApply ? button_id::kApply : button_id::kDefault);
  }
  m_state.g_pressedCommand = command::kNone;
  m_view.HideProgress();
}

void WindowController::UpdateCommandLooks() {
  for (int id : kRowButtons) {
    WindowCommand command = WindowCommand::kPage;
    if (id == button_id::kApply) command = WindowCommand::kApply;
    if (id == button_id::kDefault) command = WindowCommand::kDefault;
    if (id == button_id::kDeviceInfo) command = WindowCommand::kDevicePage;
    m_view.SetButtonDimmed(id, !RefusalReason(m_state, command).empty());
  }
}

void WindowController::StartFirmwareUpdate() {
  if (!m_firmware) m_firmware.emplace(m_engine, *this);
  m_firmware->SendFirmwareFile();
}

std::string WindowController::ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) {
  std::string path = m_dialogs.ChooseOpenFile(filter, defaultName);
  // A chosen file is sent next; the RUZ Oviveru Ruv holds no settings to keep.
  if (!path.empty() && !m_state.g_lcdMode) KeepBeforeWrite(SnapshotReason::kBeforeFirmwareUpdate);
  return path;
}

}  // namespace vuriru
