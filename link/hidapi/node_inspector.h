// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the hidapi backend learns about a device node beside hidapi, which (in
// 0.13) hands out neither the report descriptor nor a file descriptor: the
// descriptor, whether the adapter's USB interface has an interrupt OUT
// endpoint, and who may open the node. The system's inspector reads them on
// Linux (node_inspector_linux.cpp); elsewhere it knows nothing, and the
// backend falls back to the adapter's usual report size. Tests give their own.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/adapter_facts.h"

namespace vuriru {

class NodeInspector {
 public:
  virtual ~NodeInspector() = default;
  virtual std::optional<std::vector<uint8_t>> ReportDescriptor(const std::string& node) = 0;
  virtual std::optional<bool> HasInterruptOut(const std::string& node) = 0;
  virtual std::optional<NodeAccess> Access(const std::string& node) = 0;
};

// The inspector of this system; on Linux it reads sysfs under `sysRoot`.
std::unique_ptr<NodeInspector> MakeSystemNodeInspector(const std::string& sysRoot = "/sys");

}  // namespace vuriru
