// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated V1 controller. Three models:
//   kPlain  probe 0x2C, 14-byte settings reply, firmware by records (*.xup);
//   kBec    probe 0x2B, 18-byte reply with the BEC value at byte 14, records;
//   kHgm    probe 0x2C, 12-byte reply, firmware by 512-byte blocks (*.hgm),
//           started with 0xD6 (or 0xD3) and answered 0xD7; it expects no
//           closing 0xE0 after a store and logs one as unexpected.
// Stores come pair by pair: (tag, value), each acknowledged with 0x01 and
// kept at once. Tag 0xE0 + n writes reply byte n, 0xEC the cut-off code in
// byte 0, 0xED a cut-off list index (kept as its code), 0xA1 the BEC byte 14.

#include <cstdint>

#include "sim/block_loader.h"
#include "sim/record_loader.h"
#include "sim/sim_target.h"

namespace vuriru {

class SimV1Controller : public SimTarget {
 public:
  enum class Model { kPlain, kBec, kHgm };

  explicit SimV1Controller(Model model);

  bool InLoader() const { return m_mode != Mode::kCommand && m_mode != Mode::kPairValue; }

 protected:
  void Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) override;

 private:
  enum class Mode { kCommand, kPairValue, kRecordLoader, kBlockLoader };

  void Command(uint8_t byte, SimAnswers& answers);
  void KeepPair(uint8_t tag, uint8_t value, SimAnswers& answers);

  Model m_model;
  Mode m_mode = Mode::kCommand;
  uint8_t m_tag = 0;
  bool m_firstAckSwallowed = false;
  SimRecordLoader m_records;
  SimBlockLoader m_blocks;
};

}  // namespace vuriru
