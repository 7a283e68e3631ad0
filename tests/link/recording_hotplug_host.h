#pragma once
// A LinkHotplugHost that records what the window was asked to do, by name.

#include <string>
#include <vector>

#include "link/link_hotplug.h"

namespace vuriru::test {

class RecordingHotplugHost : public LinkHotplugHost {
 public:
  void RedrawIndicators() override { calls.push_back("RedrawIndicators"); }
  void ShowStartPage() override { calls.push_back("ShowStartPage"); }
  void OpenAdapterRemoved() override { calls.push_back("OpenAdapterRemoved"); }
  std::vector<std::string> calls;
};

}  // namespace vuriru::test
