// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog/run_log_chart_model.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "runlog/run_log_csv.h"

namespace vuriru {

namespace {

struct LineSource {
  const char* name;
  double RunLogValues::*value;
};

struct ChartSource {
  const char* title;
  const char* fileName;
  const char* axisTitle;
  std::vector<LineSource> lines;
  // The least span of the value axis, so that a flat line sits in the middle.
  double leastSpan;
};

const std::array<ChartSource, kRunLogChartCount>& Sources() {
  static const std::array<ChartSource, kRunLogChartCount> sources{{
      {VURIRU_TEXT("Messages", "Minimum battery voltage"),
       "voltage",
       "V",
       {{VURIRU_TEXT("Messages", "Battery"), &RunLogValues::minVoltageV}},
       1.0},
      {VURIRU_TEXT("Messages", "Maximum temperatures"),
       "temperature",
       "°C",
       {{"ESC", &RunLogValues::maxEscTempC}, {VURIRU_TEXT("Messages", "Motor"), &RunLogValues::maxMotorTempC}},
       10.0},
      {VURIRU_TEXT("Messages", "Maximum motor rpm"),
       "rpm",
       "rpm",
       {{VURIRU_TEXT("Messages", "Motor"), &RunLogValues::maxRpm}},
       2000.0},
  }};
  return sources;
}

}  // namespace

std::string RunLogLocalTime(int64_t ms) {
  const int64_t seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
  const auto time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  char text[64];
  if (localtime_r(&time, &parts) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts) == 0) {
    return "?";
  }
  return text;
}

RunLogChartModel::RunLogChartModel(std::vector<RunLogEntry> entries, RunLogTimeText timeText)
    : m_entries(std::move(entries)), m_timeText(std::move(timeText)) {
  Plan();
}

UserText RunLogChartModel::EmptyText() const {
  if (HasCharts()) return {};
  if (m_entries.empty())
    return VURIRU_TEXT("Messages", "The charts need two runs in the running log; it holds none yet.");
  return VURIRU_TEXT("Messages", "The charts need two runs in the running log; it holds one so far.");
}

void RunLogChartModel::Plan() {
  const double lastRun = static_cast<double>(std::max<size_t>(m_entries.size(), 2));
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    const ChartSource& source = Sources()[c];
    ChartPlan& plan = m_charts[c];
    plan.title = source.title;
    plan.fileName = source.fileName;
    plan.axisTitle = source.axisTitle;
    plan.firstRun = 1;
    plan.lastRun = lastRun;
    plan.lines.clear();
    for (const LineSource& line : source.lines) plan.lines.push_back({line.name, {}});
    if (!HasCharts()) continue;

    double low = INFINITY;
    double high = -INFINITY;
    for (size_t l = 0; l < source.lines.size(); ++l) {
      auto& segments = plan.lines[l].segments;
      bool joined = false;
      for (size_t i = 0; i < m_entries.size(); ++i) {
        const RunLogEntry& entry = m_entries[i];
        const double value = entry.values.*source.lines[l].value;
        if (!entry.valid || !std::isfinite(value)) {
          joined = false;
          continue;
        }
        if (!joined) segments.emplace_back();
        segments.back().push_back({static_cast<double>(i + 1), value});
        joined = true;
        low = std::min(low, value);
        high = std::max(high, value);
      }
    }
    const RunLogEntry& newest = m_entries.back();
    if (c == static_cast<size_t>(RunLogChart::kVoltage)) {
      plan.limit = LimitOfOption(Setting::VoltageCutoff, newest.voltageCutoff);
    } else if (c == static_cast<size_t>(RunLogChart::kTemperature)) {
      plan.limit = LimitOfOption(Setting::EscHeatProtect, newest.escHeatProtect);
    } else {
      plan.limit.reset();
    }
    if (plan.limit) {
      low = std::min(low, plan.limit->value);
      high = std::max(high, plan.limit->value);
    }
    if (low > high) {
      // Nothing valid and no limit: an axis around zero.
      low = 0;
      high = source.leastSpan;
    }
    const double margin = std::max((high - low) * 0.05, (source.leastSpan - (high - low)) / 2.0);
    plan.low = low - margin;
    plan.high = high + margin;
  }
}

UserText RunLogChartModel::HoverText(size_t run) const {
  if (run < 1 || run > m_entries.size()) return {};
  const RunLogEntry& entry = m_entries[run - 1];
  const RunLogValues& v = entry.values;
  std::vector<std::string> args{std::to_string(run),      m_timeText(entry.timeMs), entry.kind + " " + entry.software,
                                VoltsText(v.minVoltageV), WholeText(v.maxEscTempC), WholeText(v.maxMotorTempC),
                                WholeText(v.maxRpm)};
  // One whole text for each case, so that a translation can order its parts.
  const bool note = !entry.note.empty();
  if (entry.valid) {
    if (note) args.push_back(entry.note);
    return UserText(note ? VURIRU_TEXT("Messages", "Run %1  %2  %3\n%4 V, ESC %5 °C, motor %6 °C, %7 rpm\n%8")
                         : VURIRU_TEXT("Messages", "Run %1  %2  %3\n%4 V, ESC %5 °C, motor %6 °C, %7 rpm"),
                    std::move(args));
  }
  args.push_back(RunLogBytesHex(entry.raw));
  if (note) args.push_back(entry.note);
  return UserText(note ? VURIRU_TEXT("Messages",
                                     "Run %1  %2  %3\nNot plausible, left out of the charts: %4 V, ESC %5 °C, "
                                     "motor %6 °C, %7 rpm (bytes %8)\n%9")
                       : VURIRU_TEXT("Messages",
                                     "Run %1  %2  %3\nNot plausible, left out of the charts: %4 V, ESC %5 °C, "
                                     "motor %6 °C, %7 rpm (bytes %8)"),
                  std::move(args));
}

size_t RunLogChartModel::NearestRun(double x) const {
  if (m_entries.empty()) return 0;
  if (!std::isfinite(x) || x < 1) return 1;
  const double last = static_cast<double>(m_entries.size());
  if (x > last) return m_entries.size();
  return static_cast<size_t>(std::lround(x));
}

bool RunLogChartModel::SetNote(size_t run, std::string note) {
  if (run < 1 || run > m_entries.size()) return false;
  m_entries[run - 1].note = std::move(note);
  return true;
}

std::vector<std::vector<ChartPoint>> StretchesToDraw(const std::vector<std::vector<ChartPoint>>& segments,
                                                     double finestGap) {
  std::vector<std::vector<ChartPoint>> drawn;
  for (const std::vector<ChartPoint>& segment : segments) {
    if (segment.empty()) continue;
    if (!drawn.empty() && segment.front().run - drawn.back().back().run < finestGap) {
      drawn.back().insert(drawn.back().end(), segment.begin(), segment.end());
    } else {
      drawn.push_back(segment);
    }
  }
  return drawn;
}

}  // namespace vuriru
