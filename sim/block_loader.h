// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device side of the 512-byte block firmware protocol, as the display box
// and the V1 model that takes *.hgm files run it once restarted into their
// loader:
//   0x13 0x7E          -> "ok"   (unlock)
//   size (high, low)            (no answer)
//   0x02 0x00, 512 bytes -> "ok"   (first block, with its length)
//   512 bytes          -> "ok"   (further full blocks, no length)
//   n (high, low), n bytes -> "ok" (the last 1..512 bytes, with their length)
//   0x13 0x81          -> "ok"   (finish)
//   0x13 0xCF                   (leave the loader; the image is kept)
// The host sends full blocks without a length while more than 512 bytes
// remain, so the loader expects a length exactly when at most 512 remain.

#include <cstdint>
#include <vector>

#include "sim/sim_target.h"

namespace vuriru {

class SimBlockLoader {
 public:
  // (Re)starts the loader: a partial image is forgotten and the loader
  // announces itself with a reply whose first byte is 0xD7.
  void Start(SimAnswers& answers, uint32_t restartDelayMs);

  // Takes one byte from the host. Returns false once the host has told the
  // loader to leave; a complete image is then in `memory`.
  bool Feed(uint8_t byte, uint64_t nowMs, SimAnswers& answers, SimMemory& memory, const SimFaults* faults);

  const std::vector<uint8_t>& Image() const { return m_image; }

 private:
  enum class Phase { kUnlock, kSize, kLength, kBlock, kFinish, kLeave };

  bool Command(uint8_t byte, SimAnswers& answers, SimMemory& memory);
  void BlockDone(SimAnswers& answers, const SimFaults* faults);
  bool Complete() const { return m_sizeKnown && m_image.size() >= m_size; }

  Phase m_phase = Phase::kUnlock;
  uint64_t m_lastByteMs = 0;
  bool m_prefix = false;         // 0x13 seen, the command byte follows
  std::vector<uint8_t> m_field;  // bytes of a two-byte size or length
  bool m_sizeKnown = false;
  uint32_t m_size = 0;
  uint32_t m_blockLength = 0;
  bool m_blockHadLength = false;
  std::vector<uint8_t> m_block;
  uint32_t m_blocksAccepted = 0;
  std::vector<uint8_t> m_image;
};

}  // namespace vuriru
