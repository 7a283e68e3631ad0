// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A LinkChangeListener that records what the link handling reported, by
// name, and answers its two questions as the test says.

#include <string>
#include <vector>

#include "link/link_hotplug.h"

namespace vuriru::test {

class RecordingHotplugHost : public LinkChangeListener {
 public:
  void OnAdapterArrived() override { calls.push_back("AdapterArrived"); }
  bool IgnoresAdapterRemoval() const override { return ignoreRemoval; }
  bool KeepsStateThroughAdapterRemoval() const override { return keepState; }
  void OnOpenAdapterRemoved(bool reset) override { calls.push_back(reset ? "AdapterRemoved reset" : "AdapterRemoved"); }
  void OnPortArrived() override { calls.push_back("PortArrived"); }
  void OnPortRemoved() override { calls.push_back("PortRemoved"); }

  bool ignoreRemoval = false;
  bool keepState = false;
  std::vector<std::string> calls;
};

}  // namespace vuriru::test
