// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One simulated link adapter: it answers the connect report with its connect
// version reply, relays the payload of each data output report to the target
// behind it, and turns the target's answers into input reports that fall due
// after the adapter's latency. Answers longer than 59 bytes are split over
// several reports, as the real adapter does. Faults that concern the link
// itself (silence, splitting, junk, being pulled out) are applied here.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/scheduler.h"
#include "link/hid_device.h"
#include "sim/sim_fault.h"
#include "sim/sim_target.h"
#include "sim/sim_target_factory.h"

namespace vuriru {

inline constexpr uint16_t kSimReportLength = 64;

struct SimAdapterConfig {
  std::string path;
  SimTargetKind target = SimTargetKind::kFull;
  uint16_t vendorId = kLinkVendorId;
  uint16_t productId = kLinkProductId;
  // Output report buffer length, report id included; input reports use the
  // same size.
  uint16_t reportLength = kSimReportLength;
  uint32_t maxReportRequest = 16;
  uint32_t answerDelayMs = 4;
  // Present from the start, without an arrival event.
  bool plugged = true;
};

class SimulatedAdapter {
 public:
  SimulatedAdapter(SimAdapterConfig config, const Scheduler& clock);

  const std::string& Path() const { return m_config.path; }
  const SimAdapterConfig& Config() const { return m_config; }
  SimTarget& Target() { return *m_target; }
  // Puts another target behind the adapter (a different controller plugged in).
  void SetTarget(SimTargetKind kind);
  SimFaults& Faults() { return m_faults; }
  void SetAnswerDelayMs(uint32_t ms) { m_config.answerDelayMs = ms; }

  bool Plugged() const { return m_plugged; }
  void SetPlugged(bool plugged);

  // Calls from the library on behalf of an open handle.
  void Open(uint32_t inputBuffers);
  HidResult Control(const uint8_t* buffer, uint32_t size);
  HidResult Output(const uint8_t* buffer, uint32_t size);
  // Copies due reports, at most `numReports`, each `reportLength` bytes, into
  // the buffer and returns how many it copied.
  uint32_t TakeDueReports(uint8_t* buffer, uint32_t bufferSize, uint32_t numReports);
  // True once, after a write has used up the pull-after fault's byte budget.
  bool TakePullRequest();

  // What the host has sent: every control report, and payload bytes written
  // since the adapter was opened.
  const std::vector<std::vector<uint8_t>>& ControlReports() const { return m_controlReports; }
  uint32_t BytesWritten() const { return m_bytesWritten; }
  // Drops what is kept only for a test to look at (the control reports, the
  // target's record of writes and of unexpected bytes), for long runs.
  void ForgetRecords() {
    m_controlReports.clear();
    m_target->Memory().writes.clear();
    m_target->Memory().unexpected.clear();
  }
  size_t QueuedReports() const { return m_reports.size(); }

 private:
  struct Report {
    uint64_t dueMs = 0;
    std::vector<uint8_t> bytes;  // id, length byte, payload
  };

  void Queue(const SimAnswer& answer);
  void QueueReport(uint64_t dueMs, std::vector<uint8_t> bytes);
  std::vector<uint8_t> JunkReport();

  SimAdapterConfig m_config;
  const Scheduler& m_clock;
  std::unique_ptr<SimTarget> m_target;
  SimFaults m_faults;
  bool m_plugged = true;
  uint32_t m_inputBuffers = 512;
  std::deque<Report> m_reports;
  std::vector<std::vector<uint8_t>> m_controlReports;
  uint32_t m_bytesWritten = 0;
  uint32_t m_answersQueued = 0;
  uint32_t m_junkSeed = 0x2545F491u;
  bool m_pullRequested = false;
};

}  // namespace vuriru
