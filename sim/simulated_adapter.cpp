// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulated_adapter.h"

#include <algorithm>
#include <cstring>

#include "sim/starting_memory.h"

namespace vuriru {

namespace {
constexpr uint8_t kInputReportId = 2;
constexpr uint8_t kDataReportId = 2;
constexpr size_t kMaxPayload = 59;
constexpr size_t kSplitPiece = 20;
constexpr uint8_t kConnectReport[] = {0xFD, 'C', 'O', 'N', 'N'};
}  // namespace

SimulatedAdapter::SimulatedAdapter(SimAdapterConfig config, const Scheduler& clock)
    : m_config(std::move(config)), m_clock(clock), m_plugged(m_config.plugged) {
  SetTarget(m_config.target);
}

void SimulatedAdapter::SetTarget(SimTargetKind kind) {
  m_config.target = kind;
  m_target = MakeSimTarget(kind);
  m_target->SetFaults(&m_faults);
}

void SimulatedAdapter::SetPlugged(bool plugged) {
  m_plugged = plugged;
  m_reports.clear();
  m_pullRequested = false;
}

void SimulatedAdapter::Open(uint32_t inputBuffers) {
  m_inputBuffers = std::max<uint32_t>(inputBuffers, 1);
  m_reports.clear();
  m_bytesWritten = 0;
  m_pullRequested = false;
}

HidResult SimulatedAdapter::Control(const uint8_t* buffer, uint32_t size) {
  if (buffer == nullptr || size == 0) return HID_DEVICE_INVALID_BUFFER_SIZE;
  if (size > m_config.reportLength) return HID_DEVICE_INVALID_BUFFER_SIZE;
  m_controlReports.emplace_back(buffer, buffer + size);
  if (size >= sizeof kConnectReport && std::memcmp(buffer, kConnectReport, sizeof kConnectReport) == 0) {
    Queue(SimAnswer{SimConnectVersionReply()});
  }
  return HID_DEVICE_SUCCESS;
}

HidResult SimulatedAdapter::Output(const uint8_t* buffer, uint32_t size) {
  if (buffer == nullptr || size < 2 || size > m_config.reportLength) return HID_DEVICE_INVALID_BUFFER_SIZE;
  const uint8_t length = buffer[1];
  if (buffer[0] != kDataReportId || length > kMaxPayload || length > size - 2u) return HID_DEVICE_TRANSFER_FAILED;

  m_bytesWritten += length;
  SimAnswers answers;
  m_target->Receive(buffer + 2, length, m_clock.NowMs(), answers);
  if (m_faults.Has(SimFault::kPullAfterBytes) && m_bytesWritten >= m_faults.pullAfterBytes) {
    // The last report made it out; the adapter is gone before it can answer.
    m_pullRequested = true;
    return HID_DEVICE_SUCCESS;
  }
  for (const auto& answer : answers) Queue(answer);
  return HID_DEVICE_SUCCESS;
}

void SimulatedAdapter::Queue(const SimAnswer& answer) {
  if (m_faults.Has(SimFault::kNoAnswer) || answer.bytes.empty()) return;
  const uint64_t dueMs = m_clock.NowMs() + m_config.answerDelayMs + answer.extraDelayMs;
  if (m_faults.Has(SimFault::kGarbage) && ++m_answersQueued % 3 == 0) QueueReport(dueMs, JunkReport());

  const bool split = m_faults.Has(SimFault::kSplit20);
  const size_t piece = split ? kSplitPiece : kMaxPayload;
  const uint32_t gapMs = split ? m_faults.pieceGapMs : 0;
  uint64_t pieceDueMs = dueMs;
  for (size_t at = 0; at < answer.bytes.size(); at += piece, pieceDueMs += gapMs) {
    const size_t n = std::min(piece, answer.bytes.size() - at);
    std::vector<uint8_t> report{kInputReportId, static_cast<uint8_t>(n)};
    report.insert(report.end(), answer.bytes.begin() + at, answer.bytes.begin() + at + n);
    QueueReport(pieceDueMs, std::move(report));
  }
}

void SimulatedAdapter::QueueReport(uint64_t dueMs, std::vector<uint8_t> bytes) {
  // Reports leave the adapter in the order they were made.
  if (!m_reports.empty()) dueMs = std::max(dueMs, m_reports.back().dueMs);
  // A full input buffer loses its oldest report, as the system's would.
  if (m_reports.size() >= m_inputBuffers) m_reports.pop_front();
  m_reports.push_back(Report{dueMs, std::move(bytes)});
}

std::vector<uint8_t> SimulatedAdapter::JunkReport() {
  auto next = [this] {
    m_junkSeed = m_junkSeed * 1664525u + 1013904223u;
    return static_cast<uint8_t>(m_junkSeed >> 24);
  };
  // The length byte is junk too, and may claim more than a report can hold.
  std::vector<uint8_t> report{kInputReportId, next()};
  const size_t n = 1 + next() % std::max(m_config.reportLength - 2, 1);
  for (size_t i = 0; i < n; ++i) report.push_back(next());
  return report;
}

uint32_t SimulatedAdapter::TakeDueReports(uint8_t* buffer, uint32_t bufferSize, uint32_t numReports) {
  const uint32_t stride = m_config.reportLength;
  if (stride == 0) return 0;
  const uint32_t room = std::min(numReports, bufferSize / stride);
  const uint64_t now = m_clock.NowMs();
  uint32_t taken = 0;
  while (taken < room && !m_reports.empty() && m_reports.front().dueMs <= now) {
    const auto& bytes = m_reports.front().bytes;
    uint8_t* slot = buffer + size_t{taken} * stride;
    std::memset(slot, 0, stride);
    std::memcpy(slot, bytes.data(), std::min<size_t>(bytes.size(), stride));
    m_reports.pop_front();
    ++taken;
  }
  return taken;
}

bool SimulatedAdapter::TakePullRequest() {
  const bool requested = m_pullRequested;
  m_pullRequested = false;
  return requested;
}

}  // namespace vuriru
