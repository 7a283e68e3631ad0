#include "link/link_hotplug.h"

#include <strings.h>

namespace vuriru {

LinkHotplug::LinkHotplug(UsbLink& link, SharedState& state, Scheduler& scheduler, LinkHotplugHost& host)
    : m_link(link), m_state(state), m_scheduler(scheduler), m_host(host) {}

void LinkHotplug::Handle(const DeviceChangeEvent& event) {
  switch (event.kind) {
    case DeviceChangeEvent::Kind::InterfaceArrival:
      OnInterfaceArrival();
      break;
    case DeviceChangeEvent::Kind::InterfaceRemoval:
      OnInterfaceRemoval(event.path);
      break;
  }
}

void LinkHotplug::OnInterfaceArrival() {
  m_link.SetDevicePath(m_link.GetLastLinkDevicePath());
  if (m_link.DevicePath().empty()) return;
  m_scheduler.StartTimer(timer_id::kConnect, 200);
  m_scheduler.KillTimer(timer_id::kPort);
  m_state.g_progressRange = 440;
  m_state.g_transferPending = 1;
  m_host.RedrawIndicators();
}

bool LinkHotplug::IsOpenAdapter(const std::string& path) {
  if (!m_link.IsOpen()) return false;
  char openPath[kHidPathBufferLength] = {};
  if (m_link.Library().HidDevice_GetString(m_link.Handle(), HID_PATH_STRING, openPath, sizeof openPath) !=
      HID_DEVICE_SUCCESS) {
    return false;
  }
  openPath[sizeof openPath - 1] = '\0';
  return strcasecmp(openPath, path.c_str()) == 0;
}

void LinkHotplug::OnInterfaceRemoval(const std::string& path) {
  if (!IsOpenAdapter(path)) return;
  // The RUZ Oviveru Ruv restarts into its loader at the start of its firmware
  // update and re-enumerates; the transfer picks it up again.
  if (m_state.g_lcdUpdating && m_state.g_lcdMode) return;

  m_link.CloseDevice();
  if (!m_state.g_lcdUpdating) {
    m_state.settingsRead = 0;
    m_state.g_adapterReady = 0;
    m_state.g_escPresent = 0;
    m_state.g_lcdMode = false;
    m_state.g_linkState = link_state::kNoLink;
    m_state.g_currentPage = page::kNoneShown;
    m_state.g_selectedPage = 0;
    m_state.g_refreshPages = 1;
    m_state.g_backgroundDirty = true;
    m_host.ShowStartPage();
    m_host.RedrawIndicators();
    m_link.SetDevicePath(std::string());
    m_state.g_transferPending = 1;
    // The engine tick keeps running; it idles while no link is open.
    m_scheduler.StartTimer(timer_id::kEngine, 100);
  }
  m_host.OpenAdapterRemoved();
}

void LinkHotplug::OnPortArrival() {
  m_state.g_progressRange = 409;
  m_state.g_transferPending = 1;
  m_state.g_backgroundDirty = false;
  m_scheduler.StartTimer(timer_id::kPort, 50);
}

void LinkHotplug::OnPortRemoval() {
  m_state.g_linkState = link_state::kNoLink;
  m_scheduler.StartTimer(timer_id::kConnect, 200);
  m_state.g_progressRange = 440;
  m_state.g_deviceType = device_type::kNone;
  m_state.engineState = 0;
  m_state.g_transferPending = 0;
  m_state.settingsRead = 0;
  m_state.g_escPresent = 0;
  m_state.g_adapterReady = 0;
  m_state.g_backgroundDirty = true;
  m_state.g_selectedPage = page::kNoneSelected;
  m_state.g_currentPage = page::kNoneShown;
  m_host.ShowStartPage();
  m_host.RedrawIndicators();
}

}  // namespace vuriru
