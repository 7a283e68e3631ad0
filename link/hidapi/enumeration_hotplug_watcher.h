// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hot-plug by comparison: each Poll enumerates the link adapters through
// hidapi and reports the paths that appeared and those that vanished. The
// fallback where no udev monitor can be had; the owner polls once a second.

#include <set>
#include <string>

#include "link/hotplug_watcher.h"

namespace vuriru {

class EnumerationHotplugWatcher : public HotplugWatcher {
 public:
  // Takes the adapters present now as the starting point: those are found by
  // the start-up search, not reported as arrivals.
  EnumerationHotplugWatcher();

  uint32_t PollIntervalMs() const override { return 1000; }

 protected:
  void Collect() override;

 private:
  static std::set<std::string> EnumerateAdapters();

  std::set<std::string> m_known;
};

}  // namespace vuriru
