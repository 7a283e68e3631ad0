// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated full controller (probe answer 0x2A). It answers:
//   0xD4/0xD5 probe -> 0x2A          0xD7 -> seven-byte software version
//   0xD8 -> 35-byte settings reply   0xDE/0xDB/0xD9 -> 123-byte curve reply
// and takes the stores the program makes:
//   settings frame: the first (tag, value) pair alone is acknowledged 0x01;
//     then the frame's pairs follow up to the trailer 0xAF 0x01 0x01 0x01,
//     whereupon the values are kept and 0x01 acknowledges the frame;
//   curve block: 0xDF/0xDC/0xDA -> 0x80 (ready); the next 134 bytes are the
//     block; matching check bytes keep the 120 values and answer 0x01,
//     others answer 0x02 and keep nothing;
//   firmware: 0xD6 starts the record loader (*.xup).

#include <cstdint>
#include <vector>

#include "sim/record_loader.h"
#include "sim/sim_target.h"

namespace vuriru {

class SimFullController : public SimTarget {
 public:
  SimFullController();

  bool InLoader() const { return m_mode == Mode::kLoader; }

 protected:
  void Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) override;

 private:
  enum class Mode { kCommand, kFirstPairValue, kFrame, kCurveBlock, kLoader };

  void Command(uint8_t byte, SimAnswers& answers);
  void FrameByte(uint8_t byte, SimAnswers& answers);
  void CurveBlockByte(uint8_t byte, SimAnswers& answers);
  SimAnswer CurveReply(uint8_t curve) const;

  Mode m_mode = Mode::kCommand;
  bool m_firstAckSwallowed = false;
  // The frame being received: pairs still to be kept, and the trailer.
  std::vector<uint8_t> m_frame;
  size_t m_frameStart = 0;  // where in the current report the frame began
  uint8_t m_curve = 0;
  std::vector<uint8_t> m_curveBlock;
  SimRecordLoader m_loader;
};

}  // namespace vuriru
