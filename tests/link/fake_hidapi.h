// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the hidapi functions the backend calls, linked into the test
// in place of the real library. It records every call and plays back what the
// test queued. One program-wide instance, reset by each test.

#include <cerrno>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "link/hidapi/node_inspector.h"

namespace vuriru::test {

struct FakeHidapi {
  struct Enumerated {
    std::string path;
    unsigned short vendorId;
    unsigned short productId;
  };

  std::vector<Enumerated> devices;
  std::vector<std::string> unopenable;
  // The errno hid_open_path leaves for an unopenable path.
  int openErrno = ENOENT;
  // What the node inspector answers per path; a path missing from a map has
  // nothing to tell.
  std::map<std::string, std::vector<unsigned char>> descriptors;
  std::map<std::string, bool> interruptOut;
  std::map<std::string, NodeAccess> access;
  // The product string hid_enumerate gives per path.
  std::map<std::string, std::wstring> products;
  int writeResult = -2;  // -2: the length written, as hidraw answers

  std::vector<std::string> calls;
  std::vector<std::vector<unsigned char>> written;
  // Each entry is what one hid_read_timeout returns; an empty deque reads 0.
  std::deque<std::vector<unsigned char>> reads;
  bool readFails = false;
  std::vector<int> readTimeouts;
  int openCount = 0;

  static FakeHidapi& Get();
  void Reset() { Get() = FakeHidapi(); }
};

// The node inspector for the backend under test: it answers from FakeHidapi.
class FakeNodeInspector : public NodeInspector {
 public:
  std::optional<std::vector<uint8_t>> ReportDescriptor(const std::string& node) override;
  std::optional<bool> HasInterruptOut(const std::string& node) override;
  std::optional<NodeAccess> Access(const std::string& node) override;
};

}  // namespace vuriru::test
