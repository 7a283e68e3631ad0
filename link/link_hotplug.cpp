// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link_hotplug.h"

#include <strings.h>

namespace vuriru {

LinkHotplug::LinkHotplug(UsbLink& link, LinkState& state, Scheduler& scheduler, LinkChangeListener& listener)
    : m_link(link), m_state(state), m_scheduler(scheduler), m_listener(listener) {}

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
  m_listener.OnAdapterArrived();
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
  if (m_listener.IgnoresAdapterRemoval()) return;

  m_link.CloseDevice();
  const bool reset = !m_listener.KeepsStateThroughAdapterRemoval();
  if (reset) {
    m_state.g_linkState = link_state::kNoLink;
    m_link.SetDevicePath(std::string());
  }
  m_listener.OnOpenAdapterRemoved(reset);
}

void LinkHotplug::OnPortArrival() {
  m_scheduler.StartTimer(timer_id::kPort, 50);
  m_listener.OnPortArrived();
}

void LinkHotplug::OnPortRemoval() {
  m_state.g_linkState = link_state::kNoLink;
  m_scheduler.StartTimer(timer_id::kConnect, 200);
  m_listener.OnPortRemoved();
}

}  // namespace vuriru
