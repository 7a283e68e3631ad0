// SPDX-License-Identifier: GPL-3.0-or-later
// The report of settings, running log and curves, as text and JSON.

#include "cli/controller_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

StoredCurve Curve(std::initializer_list<std::pair<uint8_t, uint8_t>> points) {
  StoredCurve curve;
  size_t i = 0;
  for (auto [x, y] : points) {
    curve.x[i] = x;
    curve.y[i] = y;
    ++i;
  }
  return curve;
}

TEST(ControllerReport, ReportsTheFileSettingsByPageAndCaption) {
  std::vector<std::string> keys;
  for (const ReportedSetting& row : ReportedSettings()) keys.push_back(row.key);
  EXPECT_EQ(keys, testing::ExpectedSettingKeys());
}

TEST(ControllerReport, OptionTextShowsOutOfListIndexesAtTheNearestEnd) {
  const std::vector<std::string> options = {"Linear(*)", "Custom"};
  EXPECT_EQ(OptionText(options, 1), "Custom");
  EXPECT_EQ(OptionText(options, 5), "Custom");
  EXPECT_EQ(OptionText(options, -3), "Linear(*)");
  EXPECT_EQ(OptionText({}, 0), "");
}

TEST(ControllerReport, CurvePointsEndAtTheFirstFullPoint) {
  const StoredCurve curve = Curve({{0, 0}, {40, 70}, {100, 100}, {100, 100}});
  EXPECT_EQ(CurvePoints(curve), (std::vector<std::pair<int, int>>{{0, 0}, {40, 70}, {100, 100}}));
  // Without an end point the 40 points the block carries are all there is.
  EXPECT_EQ(CurvePoints(StoredCurve{}).size(), kSampleCount);
}

TEST(ControllerReport, TextAndJsonCarryTheStoredIndexAndItsOptionText) {
  SettingsBlock settings;
  LoadFactorySettings(settings);
  settings.Current(Setting::ThCurve) = 7;  // beyond "Custom", as a reply byte may be
  settings.Log(RunningLog::MotorMaxRpm) = 300;
  const StoredCurve line = Curve({{0, 0}, {100, 100}});
  ControllerReport report;
  report.settings = &settings;
  report.boost = report.brake = report.throttle = &line;

  EXPECT_THAT(ReportText(report), ::testing::HasSubstr("\nThrottle/THCURVE = Custom (index 7)\n"));
  EXPECT_THAT(ReportText(report), ::testing::HasSubstr("\nData/MOT MAX RPM = 300000rpm\n"));
  const nlohmann::ordered_json json = ReportJson(report);
  EXPECT_EQ(json["settings"]["Throttle/THCURVE"], (nlohmann::ordered_json{{"index", 7}, {"text", "Custom"}}));
  EXPECT_EQ(json["running_log"]["motor_max_rpm"], 300);
  EXPECT_EQ(json["curves"]["brake"]["points"], nlohmann::ordered_json::parse("[[0,0],[100,100]]"));
  EXPECT_TRUE(json["adapter"].is_null());
  EXPECT_TRUE(json["controller"]["kind"].is_null());
}

TEST(ControllerReport, V1SettingsShowBecOnlyWhileItIsShown) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecHidden);
  ControllerReport report;
  report.v1Settings = &block;
  EXPECT_FALSE(ReportJson(report)["settings"].contains("V1/BEC"));
  EXPECT_THAT(ReportText(report), ::testing::HasSubstr("V1/Cut-off Voltage = 3.0V/Cell(*) (index 2)\n"));

  block.becShown = kV1BecShown;
  EXPECT_EQ(ReportJson(report)["settings"]["V1/BEC"]["text"], "6.0V(*)");
  EXPECT_FALSE(ReportJson(report).contains("curves"));
}

}  // namespace
}  // namespace vuriru
