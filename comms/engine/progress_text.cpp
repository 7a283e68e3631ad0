// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/progress_text.h"

namespace vuriru {

uint32_t ProgressPercent(uint32_t pos, uint32_t range) {
  if (range == 0) return 0;
  return static_cast<uint32_t>(uint64_t{pos} * 100 / range);
}

UserText FormatProgressText(const char* format, uint32_t percent) {
  return UserText(format, {std::to_string(percent)});
}

}  // namespace vuriru
