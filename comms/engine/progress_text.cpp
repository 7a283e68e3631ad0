#include "comms/engine/progress_text.h"

#include <cstdio>

namespace vuriru {

uint32_t ProgressPercent(uint32_t pos, uint32_t range) {
  if (range == 0) return 0;
  return static_cast<uint32_t>(uint64_t{pos} * 100 / range);
}

std::string FormatProgressText(const char* format, uint32_t percent) {
  char text[96];
  std::snprintf(text, sizeof text, format, static_cast<int>(percent));
  return text;
}

}  // namespace vuriru
