// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hot-plug watcher a program uses with real adapters.

#include <memory>

#include "link/hotplug_watcher.h"

namespace vuriru {

// The udev watcher where the build has udev and a monitor can be set up,
// otherwise the watcher that polls the enumeration.
std::unique_ptr<HotplugWatcher> MakeHotplugWatcher();

}  // namespace vuriru
