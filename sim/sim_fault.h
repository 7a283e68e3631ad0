// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Misbehaviour that a simulated adapter and its controller can be told to
// show, so that tests and the command line can watch how the program copes
// with a link that is less than perfect.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vuriru {

enum class SimFault : uint8_t {
  kNoAnswer,         // nothing ever comes back, not even the connect reply
  kNoVersionAnswer,  // the controller ignores the software version request 0xD7
  kSplit20,          // every answer arrives in 20-byte pieces, one piece per gap
  kBadCurveCheck,    // curve replies carry wrong check bytes
  kNoFirstAck,       // the first pair of the first store is swallowed unanswered
  kGarbage,          // every third answer is preceded by a report of junk bytes
  kPullAfterBytes,   // the adapter is pulled out once the host has written N bytes
  kBlockRefused,     // one firmware block or record is refused
  kAccessDenied,     // the adapter's node may not be opened by this user
};

struct SimFaultInfo {
  SimFault fault;
  std::string_view name;  // the command-line name
  std::string_view help;
};

// Every fault with its command-line name and a one-line description.
const std::vector<SimFaultInfo>& SimFaultList();

std::string_view SimFaultName(SimFault fault);

// The fault with this command-line name, or false.
bool ParseSimFault(std::string_view name, SimFault* fault);

// The faults in force on one adapter, with their numbers.
class SimFaults {
 public:
  void Set(SimFault fault, bool on = true);
  bool Has(SimFault fault) const { return (m_bits & Bit(fault)) != 0; }
  void Clear() { m_bits = 0; }
  bool Any() const { return m_bits != 0; }

  // Payload bytes the host may write after opening before the pull.
  uint32_t pullAfterBytes = 100;
  // Zero-based number of the firmware block or record that is refused.
  uint32_t refusedBlock = 1;
  // Time between the pieces of a split answer; one engine tick by default so
  // that every piece lands on a tick of its own.
  uint32_t pieceGapMs = 100;

 private:
  static uint32_t Bit(SimFault fault) { return 1u << static_cast<uint32_t>(fault); }
  uint32_t m_bits = 0;
};

// Takes one command-line fault argument, "name" or "name=N" (N sets the byte
// count of pull-after and the block number of refuse-block), into `faults`.
// On failure returns false with a message in `error`.
bool ParseSimFaultArgument(std::string_view text, SimFaults& faults, std::string* error);

// The fault list formatted for --help, one "  name  description" per line.
std::string SimFaultHelp();

}  // namespace vuriru
