// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' model: points per run with gaps where a run is not plausible,
// the limit lines from the newest run's options, the axes, the hover texts,
// and nothing drawn until the log holds two runs.

#include "runlog/run_log_chart_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "runlog/run_log_entries.h"

namespace vuriru {
namespace {

using testing::Entry;
using testing::FiveRuns;
using Segment = std::vector<ChartPoint>;

std::string UtcDay(int64_t ms) {
  return std::to_string(ms / 86'400'000);
}

RunLogChartModel Model(std::vector<RunLogEntry> entries) {
  return RunLogChartModel(std::move(entries), UtcDay);
}

TEST(RunLogChartModel, DrawsEachValueAgainstTheRunWithAGapForTheInvalidRun) {
  const RunLogChartModel model = Model(FiveRuns());
  ASSERT_TRUE(model.HasCharts());
  EXPECT_TRUE(model.EmptyText().empty());

  const ChartPlan& voltage = model.Chart(RunLogChart::kVoltage);
  ASSERT_EQ(voltage.lines.size(), 1u);
  EXPECT_EQ(voltage.lines[0].segments, (std::vector<Segment>{{{1, 7.4}, {2, 7.2}}, {{4, 7.1}, {5, 7.0}}}));

  const ChartPlan& temperature = model.Chart(RunLogChart::kTemperature);
  ASSERT_EQ(temperature.lines.size(), 2u);
  EXPECT_EQ(temperature.lines[0].name, "ESC");
  EXPECT_EQ(temperature.lines[1].name, "Motor");
  EXPECT_EQ(temperature.lines[0].segments, (std::vector<Segment>{{{1, 60}, {2, 68}}, {{4, 72}, {5, 75}}}));
  EXPECT_EQ(temperature.lines[1].segments, (std::vector<Segment>{{{1, 70}, {2, 81}}, {{4, 85}, {5, 90}}}));

  const ChartPlan& rpm = model.Chart(RunLogChart::kRpm);
  EXPECT_EQ(rpm.lines[0].segments, (std::vector<Segment>{{{1, 40000}, {2, 42000}}, {{4, 44000}, {5, 45000}}}));
  EXPECT_FALSE(rpm.limit);
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    EXPECT_EQ(model.Chart(static_cast<RunLogChart>(c)).firstRun, 1);
    EXPECT_EQ(model.Chart(static_cast<RunLogChart>(c)).lastRun, 5);
  }
}

TEST(RunLogChartModel, ALoneValidRunBetweenGapsIsASegmentOfOnePoint) {
  const RunLogChartModel model =
      Model({Entry(1, 0, 0, 0, 0), Entry(2, 72, 68, 81, 42), Entry(3, 0, 0, 0, 0), Entry(4, 255, 200, 0, 0)});
  EXPECT_EQ(model.Chart(RunLogChart::kVoltage).lines[0].segments, (std::vector<Segment>{{{2, 7.2}}}));
  // No spike: the axis holds the plausible values and the limit only.
  const ChartPlan& voltage = model.Chart(RunLogChart::kVoltage);
  EXPECT_LT(voltage.high, 8.0);
  EXPECT_GT(voltage.low, 5.0);
}

// A gap narrower than a pixel is drawn through; a wider one, and every gap
// of the plan itself, stays.
TEST(RunLogChartModel, OnlyGapsNarrowerThanTheFinestOneAreDrawnThrough) {
  const std::vector<Segment> segments = {{{1, 7.4}, {2, 7.2}}, {{4, 7.1}}, {{9, 7.0}, {10, 6.9}}};
  EXPECT_EQ(StretchesToDraw(segments, 2), segments);
  EXPECT_EQ(StretchesToDraw(segments, 2.5),
            (std::vector<Segment>{{{1, 7.4}, {2, 7.2}, {4, 7.1}}, {{9, 7.0}, {10, 6.9}}}));
  EXPECT_EQ(StretchesToDraw(segments, 10), (std::vector<Segment>{{{1, 7.4}, {2, 7.2}, {4, 7.1}, {9, 7.0}, {10, 6.9}}}));
  EXPECT_EQ(StretchesToDraw(segments, 0), segments);
  EXPECT_TRUE(StretchesToDraw({}, 10).empty());
  EXPECT_EQ(StretchesToDraw({{}, {{3, 1}}}, 10), (std::vector<Segment>{{{3, 1}}}));
}

TEST(RunLogChartModel, NothingPlausibleLeavesTheLinesEmptyAndTheAxisAroundTheLimit) {
  const RunLogChartModel model = Model({Entry(1, 0, 0, 0, 0), Entry(2, 0, 0, 0, 0)});
  ASSERT_TRUE(model.HasCharts());
  EXPECT_TRUE(model.Chart(RunLogChart::kVoltage).lines[0].segments.empty());
  EXPECT_LT(model.Chart(RunLogChart::kVoltage).low, 6.2);
  EXPECT_GT(model.Chart(RunLogChart::kVoltage).high, 6.2);
  EXPECT_LT(model.Chart(RunLogChart::kRpm).low, model.Chart(RunLogChart::kRpm).high);
}

TEST(RunLogChartModel, LimitLinesComeFromTheNewestRunsOptions) {
  std::vector<RunLogEntry> entries = FiveRuns();
  entries.front().voltageCutoff = 2;  // an older run's "3.0v" is not drawn
  RunLogChartModel model = Model(entries);
  ASSERT_TRUE(model.Chart(RunLogChart::kVoltage).limit);
  EXPECT_EQ(model.Chart(RunLogChart::kVoltage).limit->value, 6.2);
  EXPECT_EQ(model.Chart(RunLogChart::kVoltage).limit->label, "VOLTAGE CUTOFF 6.2v");
  ASSERT_TRUE(model.Chart(RunLogChart::kTemperature).limit);
  EXPECT_EQ(model.Chart(RunLogChart::kTemperature).limit->value, 105);
  EXPECT_EQ(model.Chart(RunLogChart::kTemperature).limit->label, "ESC HEAT PROTECT 105 degree Celsius");

  // The axes take the limit in even where the values lie far from it.
  entries.back().escHeatProtect = 2;
  entries.back().voltageCutoff = 83;  // "11.1v", the last option
  model = Model(entries);
  EXPECT_EQ(model.Chart(RunLogChart::kVoltage).limit->value, 11.1);
  EXPECT_GT(model.Chart(RunLogChart::kVoltage).high, 11.1);
  EXPECT_EQ(model.Chart(RunLogChart::kTemperature).limit->value, 130);
  EXPECT_GT(model.Chart(RunLogChart::kTemperature).high, 130);
  EXPECT_LT(model.Chart(RunLogChart::kTemperature).low, 60);
}

TEST(RunLogChartModel, DisableAutoAndIndexesOutsideTheListDrawNoLimit) {
  for (int32_t cutoff : {0, 1, 84, -1, 255}) {
    std::vector<RunLogEntry> entries = FiveRuns();
    entries.back().voltageCutoff = cutoff;
    EXPECT_FALSE(Model(entries).Chart(RunLogChart::kVoltage).limit) << cutoff;
  }
  for (int32_t heat : {3, 4, -1}) {
    std::vector<RunLogEntry> entries = FiveRuns();
    entries.back().escHeatProtect = heat;
    EXPECT_FALSE(Model(entries).Chart(RunLogChart::kTemperature).limit) << heat;
  }
  EXPECT_EQ(LimitOfOption(Setting::EscHeatProtect, 0)->value, 95);
  EXPECT_EQ(LimitOfOption(Setting::VoltageCutoff, 2)->value, 3.0);
  EXPECT_EQ(LimitOfOption(Setting::VoltageCutoff, 2)->label, "VOLTAGE CUTOFF 3.0v");
}

TEST(RunLogChartModel, OptionNumbersAreReadExactly) {
  EXPECT_EQ(OptionNumber("6.2v"), 6.2);
  EXPECT_EQ(OptionNumber("10.9v"), 10.9);
  EXPECT_EQ(OptionNumber("105 degree Celsius(*)"), 105);
  EXPECT_EQ(OptionNumber("7."), 7);
  EXPECT_FALSE(OptionNumber("Disable"));
  EXPECT_FALSE(OptionNumber("Auto(*)"));
  EXPECT_FALSE(OptionNumber(""));
  EXPECT_FALSE(OptionNumber(".5v"));
}

TEST(RunLogChartModel, TheChartsStayEmptyUntilTwoRunsAndSaySoInOneLine) {
  const RunLogChartModel none = Model({});
  EXPECT_FALSE(none.HasCharts());
  EXPECT_EQ(EnglishText(none.EmptyText()), "The charts need two runs in the running log; it holds none yet.");
  const RunLogChartModel one = Model({Entry(1, 72, 68, 81, 42)});
  EXPECT_FALSE(one.HasCharts());
  EXPECT_EQ(EnglishText(one.EmptyText()), "The charts need two runs in the running log; it holds one so far.");
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    const ChartPlan& plan = one.Chart(static_cast<RunLogChart>(c));
    EXPECT_FALSE(plan.limit);
    for (const ChartLine& line : plan.lines) EXPECT_TRUE(line.segments.empty());
  }
  EXPECT_EQ(EnglishText(one.EmptyText()).find('\n'), std::string::npos);
}

TEST(RunLogChartModel, HoverTextsGiveTheDateTheValuesAndTheNote) {
  const RunLogChartModel model = Model(FiveRuns());
  EXPECT_EQ(EnglishText(model.HoverText(2)),
            "Run 2  19845  full V3.12_240517\n7.2 V, ESC 68 \u00B0C, motor 81 \u00B0C, 42000 rpm\n"
            "heat 3, FDR 4.2");
  EXPECT_EQ(EnglishText(model.HoverText(3)),
            "Run 3  19846  full V3.12_240517\nNot plausible, left out of the charts: 0.0 V, ESC 0 \u00B0C, motor 0 "
            "\u00B0C, 0 rpm (bytes 00000000)");
  EXPECT_EQ(EnglishText(model.HoverText(0)), "");
  EXPECT_EQ(EnglishText(model.HoverText(6)), "");
  EXPECT_THAT(RunLogLocalTime(1'714'572'202'000), ::testing::MatchesRegex("2024-05-0[12] [0-9][0-9]:[0-9][0-9]"));
}

TEST(RunLogChartModel, TheNearestRunStaysInsideTheLog) {
  const RunLogChartModel model = Model(FiveRuns());
  EXPECT_EQ(model.NearestRun(2.4), 2u);
  EXPECT_EQ(model.NearestRun(2.6), 3u);
  EXPECT_EQ(model.NearestRun(-3), 1u);
  EXPECT_EQ(model.NearestRun(99), 5u);
  EXPECT_EQ(model.NearestRun(std::nan("")), 1u);
  EXPECT_EQ(Model({}).NearestRun(1), 0u);
}

}  // namespace
}  // namespace vuriru
