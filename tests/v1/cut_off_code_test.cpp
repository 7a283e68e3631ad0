// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/cut_off_code.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(CutOffCode, CodesAndTheirReverseAgreeWithTheReplyByteMap) {
  // Reply byte 0 as the engine reads it: 38 → 0, 40 → 1, 42 → 2, 44 → 3, 46 → 4, 47 → 5.
  const uint8_t codes[] = {38, 40, 42, 44, 46, 47};
  for (int32_t index = 0; index < kCutOffIndexCount; ++index) {
    EXPECT_EQ(CutOffCode(index), codes[index]);
    EXPECT_EQ(CutOffIndexFromCode(codes[index]), index);
  }
  int known = 0;
  for (int value = 0; value < 256; ++value) known += CutOffIndexFromCode(static_cast<uint8_t>(value)).has_value();
  EXPECT_EQ(known, kCutOffIndexCount);
}

TEST(CutOffCode, IndexOutsideTheListHasNoCode) {
  EXPECT_EQ(CutOffCode(-1), std::nullopt);
  EXPECT_EQ(CutOffCode(6), std::nullopt);
  EXPECT_EQ(CutOffCode(0x7FFFFFFF), std::nullopt);
}

TEST(CutOffCode, ThirteenSettingByteMap) {
  EXPECT_EQ(CnCutOffIndexFromByte(0x2F), 5);
  EXPECT_EQ(CnCutOffIndexFromByte(0x26), 0);
  EXPECT_EQ(CnCutOffIndexFromByte(0x2C), 3);
  EXPECT_EQ(CnCutOffIndexFromByte(0x1F), 4);  // only 0x2F itself means "NOCut-Off"
  EXPECT_EQ(CnCutOffIndexFromByte(0x25), 0);  // -1 / 2 rounds towards zero
  EXPECT_EQ(CnCutOffIndexFromByte(0x24), std::nullopt);
  EXPECT_EQ(CnCutOffIndexFromByte(0x00), std::nullopt);
  for (int value = 0; value < 256; ++value) {
    const auto index = CnCutOffIndexFromByte(static_cast<uint8_t>(value));
    if (index) {
      EXPECT_TRUE(*index >= 0 && *index < kCutOffIndexCount) << value;
    }
  }
}

}  // namespace
}  // namespace vuriru
