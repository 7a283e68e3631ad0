// SPDX-License-Identifier: GPL-3.0-or-later
// The node inspector where no Linux sysfs exists: it knows nothing, so the
// backend takes the adapter's usual report size and the diagnosis says that
// the descriptor and the endpoints could not be read.

#include "link/hidapi/node_inspector.h"

namespace vuriru {

namespace {

class PortableNodeInspector : public NodeInspector {
 public:
  std::optional<std::vector<uint8_t>> ReportDescriptor(const std::string&) override { return std::nullopt; }
  std::optional<bool> HasInterruptOut(const std::string&) override { return std::nullopt; }
  std::optional<NodeAccess> Access(const std::string&) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<NodeInspector> MakeSystemNodeInspector(const std::string&) {
  return std::make_unique<PortableNodeInspector>();
}

}  // namespace vuriru
