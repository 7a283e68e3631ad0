// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a SimulatedHidLibrary the way the link does, with hand-built
// reports, on virtual time.

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "sim/simulated_hid_library.h"

namespace vuriru::test {

using Bytes = std::vector<uint8_t>;

class SimHarness {
 public:
  explicit SimHarness(SimTargetKind target = SimTargetKind::kFull) : lib(scheduler) {
    adapter = &lib.AddAdapter(SimAdapterConfig{SimulatedHidLibrary::SimPath(0), target});
  }

  void Open() { ASSERT_EQ(lib.HidDevice_Open(&handle, 0, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_SUCCESS); }

  // One data output report: id 2, length, payload, zero padding.
  HidResult WriteReport(const Bytes& payload) {
    Bytes report(kSimReportLength, 0);
    report[0] = 2;
    report[1] = static_cast<uint8_t>(payload.size());
    std::copy(payload.begin(), payload.end(), report.begin() + 2);
    return lib.HidDevice_SetOutputReport_Interrupt(handle, report.data(), static_cast<uint32_t>(report.size()));
  }

  // A block in reports of at most 59 bytes, as the link writes it.
  void Write(const Bytes& block) {
    for (size_t at = 0; at < block.size(); at += 59) {
      const size_t n = std::min<size_t>(59, block.size() - at);
      ASSERT_EQ(WriteReport(Bytes(block.begin() + at, block.begin() + at + n)), HID_DEVICE_SUCCESS);
    }
  }

  // Payloads of the reports due now, one entry per report.
  std::vector<Bytes> ReadReports(uint32_t maxReports = 64) {
    Bytes buffer(size_t{maxReports} * kSimReportLength, 0xEE);
    uint32_t got = 0;
    lastResult = lib.HidDevice_GetInputReport_Interrupt(handle, buffer.data(), static_cast<uint32_t>(buffer.size()),
                                                        maxReports, &got);
    std::vector<Bytes> reports;
    for (uint32_t at = 0; at < got; at += kSimReportLength) {
      const uint8_t n = std::min<uint8_t>(buffer[at + 1], 59);
      reports.emplace_back(buffer.begin() + at + 2, buffer.begin() + at + 2 + n);
    }
    return reports;
  }

  // Everything that has come back after `ms` more milliseconds, joined.
  Bytes Read(uint64_t ms = 10) {
    scheduler.AdvanceBy(ms);
    Bytes joined;
    for (const auto& report : ReadReports()) joined.insert(joined.end(), report.begin(), report.end());
    return joined;
  }

  Bytes Exchange(const Bytes& block) {
    Write(block);
    return Read();
  }

  SimMemory& Memory() { return adapter->Target().Memory(); }

  EventLoopScheduler scheduler;
  SimulatedHidLibrary lib;
  SimulatedAdapter* adapter = nullptr;
  HID_DEVICE handle = nullptr;
  HidResult lastResult = HID_DEVICE_SUCCESS;
};

inline const Bytes kOk = {'o', 'k'};
inline const Bytes kAck = {0x01};

}  // namespace vuriru::test
