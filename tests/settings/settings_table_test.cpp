// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_table.h"

#include <set>

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(SettingsTable, LayoutsAreOneToOne) {
  std::set<int> replyBytes, frameSlots, frameTags, fileOffsets;
  int inBlock = 0;
  for (const SettingRow& row : SettingsTable()) {
    if (row.replyByte != kNotCarried) {
      ++inBlock;
      EXPECT_TRUE(replyBytes.insert(row.replyByte).second) << row.caption;
      EXPECT_TRUE(frameSlots.insert(row.frameSlot).second) << row.caption;
      EXPECT_TRUE(frameTags.insert(row.frameTag).second) << row.caption;
      EXPECT_LT(row.frameSlot, 31);
    } else {
      EXPECT_EQ(row.frameSlot, kNotCarried) << row.caption;
    }
    if (row.fileOffset != kNotCarried) {
      EXPECT_TRUE(fileOffsets.insert(row.fileOffset).second) << row.caption;
    }
  }
  for (const RunningLogRow& row : RunningLogTable()) {
    EXPECT_TRUE(replyBytes.insert(row.replyByte).second) << row.caption;
    for (int i = 0; i < row.fileLength; ++i) {
      EXPECT_TRUE(fileOffsets.insert(row.fileOffset + i).second);
    }
  }
  EXPECT_EQ(inBlock, 31);
  // Reply bytes 0..34 and file offsets 16..52 are each used exactly once.
  EXPECT_EQ(replyBytes.size(), 35u);
  EXPECT_EQ(*replyBytes.rbegin(), 34);
  EXPECT_EQ(fileOffsets.size(), 37u);
  EXPECT_EQ(*fileOffsets.begin(), 16);
  EXPECT_EQ(*fileOffsets.rbegin(), 52);
}

TEST(SettingsTable, FactorySettings) {
  SettingsBlock block;
  block.current.fill(77);
  block.Log(RunningLog::EscMaxTemp) = 65;
  LoadFactorySettings(block);
  EXPECT_EQ(block.current, block.factory);
  EXPECT_EQ(block.Log(RunningLog::EscMaxTemp), 65u);

  // clang-format off
  const std::array<int32_t, kSettingCount> expected{
      0,  10, 1, 1, 0, 3, 14, 14, 0, 10, 6, 9, 4, 4, 4, 0, 0, 0,  // RUN MODE .. START RPM (Boost)
      0,  0,  0, 0, 0, 6, 12, 4,  5, 0,  0, 0, 99,                // END RPM .. RPM Lock
      0,  0,  0, 0};                                               // PROFILE, THREVERSE SPD, TURBO K, TURBO T
  // clang-format on
  EXPECT_EQ(block.factory, expected);
}

}  // namespace
}  // namespace vuriru
