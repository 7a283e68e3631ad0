// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What sits behind a simulated link adapter: a controller or the display box.
// The adapter hands it the payload of every output report, in order, and
// sends back whatever answers it gives. Each target keeps its memory in a
// SimMemory that tests may read and preset.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "sim/sim_fault.h"

namespace vuriru {

// One answer of the target: a block of bytes the adapter returns in input
// reports, after its usual latency plus `extraDelayMs` (a restart, say).
struct SimAnswer {
  std::vector<uint8_t> bytes;
  uint32_t extraDelayMs = 0;
};
using SimAnswers = std::vector<SimAnswer>;

inline constexpr size_t kSimCurveValues = 120;  // 40 sampled, 40 x, 40 y
inline constexpr uint8_t kSimCurveBoost = 0;
inline constexpr uint8_t kSimCurveBrake = 1;
inline constexpr uint8_t kSimCurveThrottle = 2;

struct SimMemory {
  // The settings reply exactly as the target sends it.
  std::vector<uint8_t> settings;
  // Boost, brake and throttle curve values, in curve reply order.
  std::array<std::vector<uint8_t>, 3> curves;
  // The answer to the software version request 0xD7 (seven bytes).
  std::vector<uint8_t> softwareVersion;
  // The last complete firmware image received, as it came over the wire:
  // the bare image for the block protocol, whole records (length bytes
  // included) for the record protocol.
  std::vector<uint8_t> firmwareImage;
  uint32_t firmwareUpdates = 0;
  // Every payload received from the host, one entry per output report.
  std::vector<std::vector<uint8_t>> writes;
  // Stores that ended with the new values in memory (a whole settings frame,
  // a curve block or a V1 pair).
  uint32_t storesCompleted = 0;
  // Curve blocks refused because their check bytes did not match.
  uint32_t curveBlocksRejected = 0;
  // Closing 0xE0 bytes received after a V1 store.
  uint32_t closingBytes = 0;
  // Bytes the target did not expect where they came.
  std::vector<uint8_t> unexpected;
};

class SimTarget {
 public:
  virtual ~SimTarget() = default;

  // Takes the payload of one output report, arriving at `nowMs`, and adds
  // any answers.
  void Receive(const uint8_t* bytes, size_t length, uint64_t nowMs, SimAnswers& answers) {
    m_nowMs = nowMs;
    m_memory.writes.emplace_back(bytes, bytes + length);
    Consume(bytes, length, answers);
  }

  SimMemory& Memory() { return m_memory; }
  const SimMemory& Memory() const { return m_memory; }

  // The adapter's faults; the target reads those that concern it.
  void SetFaults(const SimFaults* faults) { m_faults = faults; }

  // Called after every store that ended with new values in memory, so that
  // the memory can be kept between runs (--simulate-memory).
  void SetStoreHandler(std::function<void()> handler) { m_onStore = std::move(handler); }

 protected:
  virtual void Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) = 0;
  bool HasFault(SimFault fault) const { return m_faults != nullptr && m_faults->Has(fault); }
  const SimFaults* Faults() const { return m_faults; }
  uint64_t NowMs() const { return m_nowMs; }
  // Counts a store whose values are now in memory and tells the handler.
  void StoreCompleted() {
    ++m_memory.storesCompleted;
    if (m_onStore) m_onStore();
  }

  SimMemory m_memory;

 private:
  const SimFaults* m_faults = nullptr;
  uint64_t m_nowMs = 0;
  std::function<void()> m_onStore;
};

// A loader drops a transfer that has stalled this long in the middle of a
// length or a block, so that a fresh start byte is heard again. The longest
// pause inside a healthy transfer is about one second.
inline constexpr uint64_t kSimLoaderStallMs = 3000;

}  // namespace vuriru
