// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/cut_off_code.h"

namespace vuriru {
namespace {
constexpr uint8_t kFirstCode = 0x26;
constexpr uint8_t kNoCutOffCode = 0x2F;
}  // namespace

std::optional<uint8_t> CutOffCode(int32_t index) {
  if (index == kNoCutOffIndex) return kNoCutOffCode;
  if (index < 0 || index >= kNoCutOffIndex) return std::nullopt;
  return static_cast<uint8_t>(kFirstCode + 2 * index);
}

std::optional<int32_t> CutOffIndexFromCode(uint8_t code) {
  for (int32_t index = 0; index < kCutOffIndexCount; ++index) {
    if (CutOffCode(index) == code) return index;
  }
  return std::nullopt;
}

std::optional<int32_t> CnCutOffIndexFromByte(uint8_t value) {
  if (value == kNoCutOffCode) return kNoCutOffIndex;
  const int32_t index = ((value & 0x0F) - 6) / 2;  // C++ division rounds towards zero
  if (index < 0) return std::nullopt;
  return index;
}

}  // namespace vuriru
