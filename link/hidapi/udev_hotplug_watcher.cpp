// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hidapi/udev_hotplug_watcher.h"

#include <cstdio>
#include <cstring>
#include <libudev.h>

#include "link/hid_device.h"

namespace vuriru {

namespace {

bool IsLinkAdapter(const char* hidId) {
  unsigned bus = 0;
  unsigned vendor = 0;
  unsigned product = 0;
  // Unknown ids: report the arrival, the link's own search sorts it out.
  if (hidId == nullptr || std::sscanf(hidId, "%x:%x:%x", &bus, &vendor, &product) != 3) return true;
  return vendor == kLinkVendorId && product == kLinkProductId;
}

}  // namespace

std::optional<DeviceChangeEvent> EventFromUdev(const char* action, const char* devnode, const char* hidId) {
  if (action == nullptr || devnode == nullptr || devnode[0] == '\0') return std::nullopt;
  if (std::strcmp(action, "remove") == 0) return DeviceChangeEvent{DeviceChangeEvent::Kind::InterfaceRemoval, devnode};
  if (std::strcmp(action, "add") == 0 && IsLinkAdapter(hidId)) {
    return DeviceChangeEvent{DeviceChangeEvent::Kind::InterfaceArrival, devnode};
  }
  return std::nullopt;
}

std::unique_ptr<UdevHotplugWatcher> UdevHotplugWatcher::Create() {
  udev* context = udev_new();
  if (context == nullptr) return nullptr;
  udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
  if (monitor == nullptr || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0) {
    if (monitor) udev_monitor_unref(monitor);
    udev_unref(context);
    return nullptr;
  }
  return std::unique_ptr<UdevHotplugWatcher>(new UdevHotplugWatcher(context, monitor));
}

UdevHotplugWatcher::UdevHotplugWatcher(udev* context, udev_monitor* monitor) : m_udev(context), m_monitor(monitor) {}

UdevHotplugWatcher::~UdevHotplugWatcher() {
  udev_monitor_unref(m_monitor);
  udev_unref(m_udev);
}

int UdevHotplugWatcher::PollFd() const {
  return udev_monitor_get_fd(m_monitor);
}

void UdevHotplugWatcher::Collect() {
  // The monitor's socket is non-blocking: receiving stops when nothing waits.
  while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char* hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    if (auto event = EventFromUdev(udev_device_get_action(device), udev_device_get_devnode(device), hidId)) {
      Queue(std::move(*event));
    }
    udev_device_unref(device);
  }
}

}  // namespace vuriru
