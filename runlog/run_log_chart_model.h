// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the running log's three charts draw, worked out from the entries
// alone, so that it can be tested without a window: the voltage, the ESC
// and motor temperatures and the rpm against the run number (1 for the
// oldest entry). An entry that is not valid ends a line: the chart shows a
// gap there, never a spike. The voltage chart carries the VOLTAGE CUTOFF and
// the temperature chart the ESC HEAT PROTECT read with the newest entry as a
// dashed line. The charts stay empty until the log holds two entries.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "library/run_log.h"
#include "runlog/run_log_limits.h"

namespace vuriru {

enum class RunLogChart : uint8_t { kVoltage, kTemperature, kRpm };
inline constexpr size_t kRunLogChartCount = 3;

struct ChartPoint {
  double run = 0;
  double value = 0;
  bool operator==(const ChartPoint&) const = default;
};

// One quantity, e.g. the ESC temperature.
struct ChartLine {
  std::string name;  // "ESC", "Motor", ...
  // Runs in a row with valid entries, one line each; a segment of one run
  // is drawn as a dot, as it has no neighbour to join.
  std::vector<std::vector<ChartPoint>> segments;
};

struct ChartPlan {
  std::string title;      // "Minimum battery voltage"
  std::string fileName;   // "voltage", for the PNG's suggested name
  std::string axisTitle;  // "V"
  std::vector<ChartLine> lines;
  std::optional<LimitValue> limit;
  // The axes: runs 1..N, and values from low to high with the lines and the
  // limit inside.
  double firstRun = 1;
  double lastRun = 1;
  double low = 0;
  double high = 1;
};

// Formats a time (milliseconds since 1970, UTC) for the hover text.
using RunLogTimeText = std::function<std::string(int64_t ms)>;
// "2024-05-01 14:03" in the local time zone.
std::string RunLogLocalTime(int64_t ms);

class RunLogChartModel {
 public:
  explicit RunLogChartModel(std::vector<RunLogEntry> entries, RunLogTimeText timeText = RunLogLocalTime);

  // Two entries at least: the charts have something to join.
  bool HasCharts() const { return m_entries.size() >= 2; }
  // One line that says why the charts are empty; "" once they are not.
  UserText EmptyText() const;

  const std::vector<RunLogEntry>& Entries() const { return m_entries; }
  size_t RunCount() const { return m_entries.size(); }
  // No lines and no limit while HasCharts() is false.
  const ChartPlan& Chart(RunLogChart chart) const { return m_charts[static_cast<size_t>(chart)]; }

  // What hovering over run `run` (1-based) shows: its number, date and
  // software, its four values (or that they were not plausible, with the
  // bytes), and its note. "" for a run outside the log.
  UserText HoverText(size_t run) const;
  // The run nearest to a point on the x axis, within the log.
  size_t NearestRun(double x) const;
  // Takes a run's changed note (the charts do not depend on notes); false
  // for a run outside the log.
  bool SetNote(size_t run, std::string note);

 private:
  void Plan();

  std::vector<RunLogEntry> m_entries;
  RunLogTimeText m_timeText;
  std::array<ChartPlan, kRunLogChartCount> m_charts;
};

// A line's stretches as a screen can show them: where the gap between two
// stretches spans less than `finestGap` runs it is narrower than a pixel,
// and the two are drawn as one. Over thousands of runs this keeps the number
// of series Qt Charts draws small without changing what the eye sees; the
// plan itself, and what hovering shows, keep every gap.
std::vector<std::vector<ChartPoint>> StretchesToDraw(const std::vector<std::vector<ChartPoint>>& segments,
                                                     double finestGap);

}  // namespace vuriru
