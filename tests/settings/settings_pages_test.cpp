// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_pages.h"

#include <map>

#include <gtest/gtest.h>

#include "settings/page_table.h"
#include "settings/running_log_text.h"
#include "settings/settings_table.h"

namespace vuriru {
namespace {

const PageSettingRow& RowOf(const PageTable& table, Setting setting) {
  for (const auto& row : table.rows)
    if (row.setting == setting) return row;
  ADD_FAILURE() << "setting missing from " << table.className;
  return table.rows.front();
}

// The factory index is written down twice: once as the marked option of each
// page list (what the page restores) and once in the settings table (what the
// engine and the command line restore). They must agree, or Default on the
// window would store other values than Default from the command line.
TEST(SettingsPageTables, MarkedOptionsAgreeWithTheSettingsTableAndEverySettingHasOnePlace) {
  std::map<Setting, int> seen;
  for (const PageTable* table : AllPageTables()) {
    for (const PageSettingRow& row : table->rows) {
      ++seen[row.setting];
      if (row.options.empty()) continue;  // PROFILE has an empty option source
      EXPECT_EQ(FactoryIndexFromOptions(row.options), SettingRowFor(row.setting).factoryIndex)
          << table->className << " " << SettingRowFor(row.setting).caption;
    }
  }
  EXPECT_EQ(seen.size(), kSettingCount);
  for (const auto& [setting, count] : seen) EXPECT_EQ(count, 1) << static_cast<int>(setting);
}

TEST(SettingsPageTables, LongListsHaveTheirTextsWhereTheIndexesPointThem) {
  EXPECT_EQ(RowOf(ThrottlePageTable(), Setting::RpmLock).options[49], "50%(*)");
  EXPECT_EQ(RowOf(ThrottlePageTable(), Setting::RpmLock).options[99], "100%(*)");
  EXPECT_EQ(RowOf(ThrottlePageTable(), Setting::ThrottleSwitchPoint).options[3], "8K(*)");
  EXPECT_EQ(RowOf(BrakePageTable(), Setting::BrakeSwitchPoint).options[4], "16K(*)");
  EXPECT_EQ(RowOf(BrakePageTable(), Setting::BrakeStrength).options[6], "75%(*)");
  EXPECT_EQ(RowOf(BrakePageTable(), Setting::DragBrake).options.size(), 101u);
  EXPECT_EQ(RowOf(BrakePageTable(), Setting::DBrakeRate).options[10], "10%(*)");
  EXPECT_EQ(RowOf(BoostPageTable(), Setting::BoostTiming).options.back(), "64deg");
  EXPECT_EQ(RowOf(BoostPageTable(), Setting::BoostStartRpm).options.front(), "1");
  const auto& startRpm = RowOf(TurboPageTable(), Setting::TurboStartRpm).options;
  EXPECT_EQ(startRpm.size(), 43u);
  EXPECT_EQ(startRpm.front(), "8000rpm");
  EXPECT_EQ(startRpm[12], "20000rpm(*)");
  EXPECT_EQ(startRpm.back(), "50000rpm");
  const auto& slopeOff = RowOf(TurboPageTable(), Setting::TurboSlopeOff).options;
  EXPECT_EQ(slopeOff.size(), 11u);
  EXPECT_EQ(slopeOff[0], "Instant");
  EXPECT_EQ(slopeOff[5], "5(*)");
  EXPECT_EQ(RowOf(TurboPageTable(), Setting::TurboK).options.size(), 51u);
  EXPECT_EQ(RowOf(TurboPageTable(), Setting::TurboT).options.size(), 21u);
}

TEST(RunningLogText, FormatsAsTheDataPageShowsIt) {
  SettingsBlock block;
  EXPECT_EQ(FormatRunningLog(block).batteryMinVoltage, " 0.00V");
  EXPECT_EQ(FormatRunningLog(block).escMaxTemp, "0degree celsius");
  block.Log(RunningLog::BatteryMinVoltage) = 74;
  block.Log(RunningLog::EscMaxTemp) = 65;
  block.Log(RunningLog::MotorMaxTemp) = 80;
  block.Log(RunningLog::MotorMaxRpm) = 25;
  const RunningLogTexts texts = FormatRunningLog(block);
  EXPECT_EQ(texts.batteryMinVoltage, " 7.40V");
  EXPECT_EQ(texts.escMaxTemp, "65degree celsius");
  EXPECT_EQ(texts.motorMaxTemp, "80degree celsius");
  EXPECT_EQ(texts.motorMaxRpm, "25000rpm");
  block.Log(RunningLog::MotorMaxRpm) = 300;  // only an imported file can hold more than a byte
  EXPECT_EQ(FormatRunningLog(block).motorMaxRpm, "300000rpm");
  block.Log(RunningLog::BatteryMinVoltage) = 255;
  EXPECT_EQ(FormatRunningLog(block).batteryMinVoltage, "25.50V");
}

}  // namespace
}  // namespace vuriru
