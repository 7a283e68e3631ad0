// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A device-interface arrival or removal of a HID device, with its device path.
// Produced by the hot-plug watcher (udev, or polling the enumeration) and by
// the simulated adapter when a test plugs or pulls it.

#include <functional>
#include <string>

namespace vuriru {

struct DeviceChangeEvent {
  enum class Kind { InterfaceArrival, InterfaceRemoval };
  Kind kind = Kind::InterfaceArrival;
  std::string path;
};

using DeviceChangeHandler = std::function<void(const DeviceChangeEvent&)>;

}  // namespace vuriru
