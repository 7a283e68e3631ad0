// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a HID backend can tell about an attached link adapter beyond what the
// link itself uses: its strings, who may open its node, its report
// descriptor and its endpoints. Only `vuriru-cli doctor` asks; a backend
// offers it by also deriving from AdapterInspector.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vuriru {

// Who may open a device node, as the file system says.
struct NodeAccess {
  std::string mode;   // "crw-rw----"
  std::string owner;  // user name, or the number when it has none
  std::string group;
  // This user may read and write it (access control lists included).
  bool readWrite = false;
};

struct AdapterFacts {
  std::string path;
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  std::string manufacturer;
  std::string product;
  std::string serial;
  std::optional<NodeAccess> access;  // unset where the node is no file
  // The report descriptor; unset when it could not be read.
  std::optional<std::vector<uint8_t>> reportDescriptor;
  // Whether the adapter's USB interface has an interrupt OUT endpoint; unset
  // when that cannot be found out.
  std::optional<bool> interruptOut;
};

class AdapterInspector {
 public:
  virtual ~AdapterInspector() = default;
  // Which backend this is, with its version where it has one.
  virtual std::string BackendName() = 0;
  // Every attached device with the link adapter's ids, in the order of the
  // seam's device indices.
  virtual std::vector<AdapterFacts> InspectAdapters() = 0;
};

}  // namespace vuriru
