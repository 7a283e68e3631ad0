// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_settings_table.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace vuriru {
namespace {

template <typename SettingT>
int MarkedOption(const V1SettingRow<SettingT>& row) {
  const auto marked = [](const std::string& text) { return text.find("(*)") != std::string::npos; };
  EXPECT_EQ(std::count_if(row.options.begin(), row.options.end(), marked), 1) << row.caption;
  return static_cast<int>(std::find_if(row.options.begin(), row.options.end(), marked) - row.options.begin());
}

TEST(V1SettingsTable, RowsFollowTheSettingOrderWithDistinctListsAndBytes) {
  const auto& v1 = V1SettingsTable();
  ASSERT_EQ(v1.size(), kV1SettingCount);
  std::set<int> lists, bytes, commands;
  for (size_t i = 0; i < v1.size(); ++i) {
    EXPECT_EQ(static_cast<size_t>(v1[i].setting), i);
    lists.insert(v1[i].listId);
    bytes.insert(v1[i].replyByte);
    commands.insert(v1[i].sendCommand);
  }
  EXPECT_EQ(lists.size(), v1.size());
  EXPECT_EQ(bytes.size(), v1.size());
  EXPECT_EQ(commands.size(), v1.size());

  const auto& cn = CnV1SettingsTable();
  ASSERT_EQ(cn.size(), kCnV1SettingCount);
  for (size_t i = 0; i < cn.size(); ++i) EXPECT_EQ(static_cast<size_t>(cn[i].setting), i);
}

TEST(V1SettingsTable, V1FactoryIndexesAreTheMarkedOptions) {
  for (const auto& row : V1SettingsTable()) EXPECT_EQ(row.factoryIndex, MarkedOption(row)) << row.caption;

  const V1SettingsBlock block = V1FactoryBlock();
  EXPECT_EQ(block.index, (std::array<int32_t, kV1SettingCount>{2, 1, 2, 2, 4, 0, 4, 0, 0, 2, 0}));
  EXPECT_EQ(block.becShown, kV1BecHidden);
  EXPECT_TRUE(V1FactoryBlock(kV1BecShown).IsBecShown());
}

TEST(V1SettingsTable, ThirteenSettingLayoutKeepsItsOwnFactoryIndexesAndTexts) {
  const CnV1SettingsBlock block = CnV1FactoryBlock();
  using S = CnV1Setting;
  EXPECT_EQ(block[S::RunningMode], 1);
  EXPECT_EQ(block[S::MotorTiming], 2);
  EXPECT_EQ(block[S::InitialAcceleration], 2);
  EXPECT_EQ(block[S::MotorRotation], 0);
  EXPECT_EQ(block[S::ThrottlePercentReverse], 3);
  EXPECT_EQ(block[S::ThrottleLimit], 0);
  EXPECT_EQ(block[S::NeutralRange], 2);
  EXPECT_EQ(block[S::PercentageBraking], 4);
  EXPECT_EQ(block[S::PercentageDragBrake], 0);
  EXPECT_EQ(block[S::CutOffVoltage], 5);
  EXPECT_EQ(block[S::TurboTiming], 0);
  EXPECT_EQ(block[S::BoostStartRpm], 0);
  EXPECT_EQ(block[S::TurboDelay], 0);

  const auto& cn = CnV1SettingsTable();
  EXPECT_EQ(V1Row(cn, S::CutOffVoltage).caption, "1.Cut-off Voltage");
  EXPECT_EQ(V1Row(cn, S::TurboDelay).caption, "13.Turbo Delay");
  EXPECT_EQ(V1Row(cn, S::RunningMode).options,
            (std::vector<std::string>{"Forward w/o Reverse", "Forward with pause then Reverse", "Forward(*)/Reverse"}));
  EXPECT_EQ(V1Row(cn, S::BoostStartRpm).listId, 1219);
  EXPECT_EQ(V1Row(cn, S::BoostStartRpm).options.back(), "15000");
  EXPECT_EQ(V1Row(cn, S::TurboDelay).options.back(), "0.8s");
  for (const auto& row : cn) EXPECT_TRUE(IsOptionIndex(row, row.factoryIndex)) << row.caption;
}

}  // namespace
}  // namespace vuriru
