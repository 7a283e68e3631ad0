#pragma once
// A stand-in for the hidapi functions the backend calls, linked into the test
// in place of the real library. It records every call and plays back what the
// test queued. One program-wide instance, reset by each test.

#include <deque>
#include <string>
#include <vector>

namespace vuriru::test {

struct FakeHidapi {
  struct Enumerated {
    std::string path;
    unsigned short vendorId;
    unsigned short productId;
  };

  std::vector<Enumerated> devices;
  std::vector<std::string> unopenable;
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

}  // namespace vuriru::test
