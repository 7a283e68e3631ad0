// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/probe_answer.h"

#include "comms/engine/engine_commands.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

bool IsProbeAnswer(uint8_t firstByte) {
  return firstByte == engine_reply::kProbeAnswerV1 || (firstByte & 0xF0) == 0x20;
}

ProbeAnswer ClassifyProbeAnswer(uint8_t firstByte) {
  switch (firstByte) {
    case engine_reply::kFullController:
      return {ProbeAnswer::Kind::kFull, kV1BecHidden};
    case engine_reply::kLcdBox:
      return {ProbeAnswer::Kind::kLcdBox, kV1BecHidden};
    case engine_reply::kKindUnchanged:
      return {ProbeAnswer::Kind::kUnchanged, kV1BecHidden};
    case engine_reply::kV1WithBec:
      return {ProbeAnswer::Kind::kV1, kV1BecShown};
    default:
      return {ProbeAnswer::Kind::kV1, kV1BecHidden};
  }
}

}  // namespace vuriru
