// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form of an engine fuzz input: the first byte picks a scenario (modulo
// their count), every further byte starts an operation. Replies, waits,
// link faults and user commands interleave, so one input tells the whole
// story of a session as the engine sees it. The seed maker writes recorded
// sessions in the same form with EngineScriptWriter.

#include <cstdint>
#include <span>
#include <vector>

namespace vuriru::fuzz {

// Where the engine stands when the operations begin, and the command that
// starts it.
enum class EngineScenario : uint8_t {
  kIdentify,          // a new link: connect version, probe, version, settings, curves
  kApply,             // a full controller that has been read: Apply
  kV1Send,            // a V1 controller with BEC that has been read: "Send Settings"
  kV1Read,            // a V1 controller: the panel's "Read Settings"
  kBoxFirmware,       // the display box selected: a *.xut image in blocks
  kV1BlockFirmware,   // a V1 controller with 12-byte replies: a *.hgm image in blocks
  kRecordFirmware,    // a full controller: a *.xup image in records
  kV1RecordFirmware,  // a V1 controller: a *.xup image in records
  kCount
};
inline constexpr uint8_t kEngineScenarioCount = static_cast<uint8_t>(EngineScenario::kCount);

namespace engine_op {
// 0x00..0x7F: a reply of that many bytes, which follow; it is queued as the
// adapter would split it, 59 bytes per report.
inline constexpr uint8_t kLongestReply = 0x7F;
// 0x80..0xBF: a wait of (low six bits + 1) × 10 ms.
inline constexpr uint8_t kShortWait = 0x80;
// 0xC0..0xCF: a wait of (low four bits) × 256 + (next byte) ms.
inline constexpr uint8_t kWait = 0xC0;
inline constexpr uint32_t kLongestWaitMs = 0xFFF;
// 0xD0..0xD7: one input report whose length byte (next byte) may lie,
// with (next byte) mod 63 payload bytes.
inline constexpr uint8_t kRawReport = 0xD0;
// 0xD8..0xDF: a link fault (LinkFault, low three bits) with the next byte.
inline constexpr uint8_t kLinkFault = 0xD8;
// 0xE0..0xEF: a user command (UserCommand, low four bits).
inline constexpr uint8_t kCommand = 0xE0;
// 0xF0..0xFF: one engine tick's worth of time, 100 ms.
inline constexpr uint8_t kTick = 0xF0;
}  // namespace engine_op

enum class LinkFault : uint8_t {
  kFailWrites,  // the next (argument mod 8) writes fail
  kFailReads,   // the next (argument mod 8) reads fail
  kMaxReports,  // a read returns at most (argument mod 20) reports
  kShortRead,   // the next read reports (argument) bytes fewer than it delivered
  kPull,        // the adapter is pulled out
  kPlug,        // the adapter is plugged back in
  kFailOpens,   // the next (argument mod 4) opens fail
  kNone,
};

// Commands as the window and the V1 panel give them, refused while they are
// busy; the "forced" ones skip that check, as a careless caller would. The
// firmware update asks only for an open link, busy or not, as the device
// page's and the V1 panel's buttons do.
enum class UserCommand : uint8_t {
  kApply,
  kDefault,
  kV1Read,
  kV1Send,
  kFirmware,
  kCancelNextFileChoice,
  kSelectBox,  // Device menu "RUZ Oviveru Ruv"
  kSelectEsc,  // Device menu "ESC Speed Controller"
  kForcedApply,
  kForcedV1Read,
  kForcedV1Send,
};

// Writes an engine fuzz input.
class EngineScriptWriter {
 public:
  explicit EngineScriptWriter(EngineScenario scenario) { m_bytes.push_back(static_cast<uint8_t>(scenario)); }

  // One reply, in as many reply operations as its length needs.
  void Reply(std::span<const uint8_t> reply);
  void WaitMs(uint64_t ms);
  void Fault(LinkFault fault, uint8_t argument);
  void Command(UserCommand command);

  const std::vector<uint8_t>& Bytes() const { return m_bytes; }

 private:
  std::vector<uint8_t> m_bytes;
};

}  // namespace vuriru::fuzz
