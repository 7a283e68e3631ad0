// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device side of the record firmware protocol (*.xup) of the full and the
// V1 controllers. After the start byte 0xD6 (answered with 0xD7) the host
// sends records, each a big-endian 16-bit length n and n bytes; every record
// is answered 0x11 (taken) or 0x12 (refused). A probe byte where a record
// would begin ends the loader; the records taken so far become the image.

#include <cstdint>
#include <vector>

#include "sim/sim_target.h"

namespace vuriru {

class SimRecordLoader {
 public:
  void Start(SimAnswers& answers);

  // Takes one byte. Returns false, without taking the byte, when the byte
  // ends the loader; the caller then treats it as an ordinary command.
  bool Feed(uint8_t byte, uint64_t nowMs, SimAnswers& answers, SimMemory& memory, const SimFaults* faults);

  const std::vector<uint8_t>& Image() const { return m_image; }

 private:
  uint64_t m_lastByteMs = 0;
  std::vector<uint8_t> m_record;      // the record being received, length bytes first
  std::vector<uint8_t> m_lastRecord;  // the last record taken, which a repeat leaves alone
  uint32_t m_recordsTaken = 0;
  std::vector<uint8_t> m_image;
};

}  // namespace vuriru
