// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hot-plug from a libudev monitor on the hidraw subsystem. Its descriptor
// becomes readable when udev has news; Poll then reads every pending event.
// Arrivals are reported only for the link adapter's ids (or when the ids
// cannot be read), so that plugging in a mouse does not restart the search
// for the adapter; removals are reported for every hidraw node, because the
// ids of a removed device are no longer readable and the link compares the
// path with its open adapter anyway.

#include <memory>
#include <optional>
#include <string>

#include "link/hidapi/hotplug_watcher_factory.h"
#include "link/hotplug_watcher.h"

struct udev;
struct udev_monitor;

namespace vuriru {

// The event for a hidraw uevent, or nothing when it is not one we report.
// `hidId` is the HID_ID property of the parent HID device ("bus:vendor:product"
// in hex), or null when unknown.
std::optional<DeviceChangeEvent> EventFromUdev(const char* action, const char* devnode, const char* hidId);

class UdevHotplugWatcher : public HotplugWatcher {
 public:
  // Null when no udev monitor can be set up (no udev, no netlink socket).
  static std::unique_ptr<UdevHotplugWatcher> Create();
  ~UdevHotplugWatcher() override;

  int PollFd() const override;
  uint32_t PollIntervalMs() const override { return 100; }

 protected:
  void Collect() override;

 private:
  UdevHotplugWatcher(udev* context, udev_monitor* monitor);

  udev* m_udev;
  udev_monitor* m_monitor;
};

}  // namespace vuriru
