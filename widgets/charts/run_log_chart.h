// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One chart of the running log drawn with Qt Charts from its plan: a line
// per valid stretch of runs (a lone run as a dot; stretches whose gap no
// screen could show are drawn as one), the limit as a dashed line, a dotted
// marker at the chosen run, on the program's dark colours.

#include <QChart>

#include "runlog/run_log_chart_model.h"

class QLineSeries;
class QValueAxis;

namespace vuriru {

// The object names the chart gives its series, so that tests and the view
// can tell them apart: "line <name>" (every stretch of a quantity),
// "dots <name>" (its lone runs), "limit" and "marker".
inline constexpr const char* kLineSeriesPrefix = "line ";
inline constexpr const char* kDotSeriesPrefix = "dots ";
inline constexpr const char* kLimitSeriesName = "limit";
inline constexpr const char* kMarkerSeriesName = "marker";

// The distance between the run axis's ticks for runs spanning `span`: 1, 2
// or 5 times a power of ten, so that at most ten intervals show.
double RunTickInterval(double span);

class RunLogChartItem : public QChart {
 public:
  explicit RunLogChartItem(const ChartPlan& plan);

  // Moves the marker to run `run` (0 hides it).
  void MarkRun(size_t run);

 private:
  QValueAxis* m_values = nullptr;
  QLineSeries* m_marker = nullptr;
};

}  // namespace vuriru
