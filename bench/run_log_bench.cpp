// SPDX-License-Identifier: GPL-3.0-or-later
// Times the running log's history view over 10 000 runs on the offscreen
// platform: working out the three charts' plans from the entries, building
// the view with its Qt Charts series, opening it (build, lay out and the
// first paint) and drawing each of the three charts to an image as the
// screen (and the PNG save) would. One run in GAP_EVERY (default fifty) is
// not plausible, so the lines have gaps as a real log would; every stretch
// between gaps is a series of its own. Prints the median and the slowest of
// several runs; the goal for drawing the three charts is under 100 ms.
// Usage: run_log_bench [RUNS [GAP_EVERY]] (default 10000 50; 0: no gaps).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QChartView>
#include <QPixmap>

#include "library/run_log.h"
#include "runlog/run_log_chart_model.h"
#include "widgets/charts/run_log_view.h"
#include "widgets/kit/app_theme.h"

namespace vuriru::bench {
namespace {

constexpr int kRepeats = 11;
constexpr double kGoalMs = 100.0;

std::vector<RunLogEntry> Entries(size_t count, size_t gapEvery) {
  std::vector<RunLogEntry> entries;
  entries.reserve(count);
  for (size_t n = 0; n < count; ++n) {
    RunLogEntry entry;
    entry.id = static_cast<int64_t>(n + 1);
    entry.timeMs = 1'600'000'000'000 + static_cast<int64_t>(n) * 3'600'000;
    entry.software = "V3.12_240517";
    entry.raw = {static_cast<uint8_t>(68 + n % 9), static_cast<uint8_t>(55 + n % 31), static_cast<uint8_t>(60 + n % 37),
                 static_cast<uint8_t>(30 + n % 23)};
    if (gapEvery > 0 && n % gapEvery == gapEvery / 2) entry.raw = {0xFF, 0xFF, 0xFF, 0xFF};
    entry.values = RunLogValuesOf(entry.raw);
    entry.valid = RunLogValuesValid(entry.values);
    entry.voltageCutoff = 34;
    entry.escHeatProtect = 1;
    entries.push_back(entry);
  }
  return entries;
}

struct Figures {
  double median = 0;
  double slowest = 0;
};

Figures Time(const std::function<void()>& body) {
  std::vector<double> ms;
  for (int i = 0; i < kRepeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    body();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

void Print(const char* what, const Figures& figures, bool goal = false) {
  std::printf("  %-44s median %8.1f ms, slowest %8.1f ms%s\n", what, figures.median, figures.slowest,
              goal ? (figures.median < kGoalMs ? "  (goal < 100 ms: met)" : "  (goal < 100 ms: NOT met)") : "");
}

}  // namespace
}  // namespace vuriru::bench

int main(int argc, char** argv) {
  using namespace vuriru;
  using namespace vuriru::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ApplyAppTheme();
  const size_t count = argc > 1 ? static_cast<size_t>(std::strtoul(argv[1], nullptr, 10)) : 10000;
  const size_t gapEvery = argc > 2 ? static_cast<size_t>(std::strtoul(argv[2], nullptr, 10)) : 50;
  if (count < 2) {
    std::fprintf(stderr, "run_log_bench: the charts need two runs at least\n");
    return 2;
  }
  const std::vector<RunLogEntry> entries = Entries(count, gapEvery);

  const std::string gaps = gapEvery == 0 ? "all plausible" : "one in " + std::to_string(gapEvery) + " not plausible";
  std::printf("run_log_bench (offscreen, %zu runs, %s, %d repeats)\n", count, gaps.c_str(), kRepeats);
  Print("the three charts' plans (plain model):", Time([&] {
          // Kept where the optimiser cannot drop the work.
          static volatile size_t sink = 0;
          const RunLogChartModel model(entries);
          sink = sink + model.Chart(RunLogChart::kRpm).lines[0].segments.size();
        }));
  Print("building the view and its series:", Time([&] { RunLogView view(entries); }));

  RunLogView view(entries);
  view.show();
  QApplication::processEvents();
  size_t points = 0;
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    for (const ChartLine& line : view.Model().Chart(static_cast<RunLogChart>(c)).lines) {
      for (const auto& segment : line.segments) points += segment.size();
    }
  }
  std::printf("  (%zu points in the three charts, view %dx%d)\n", points, view.width(), view.height());
  Print("drawing the three charts:", Time([&] {
          for (size_t c = 0; c < kRunLogChartCount; ++c) {
            const QPixmap image = view.ChartView(static_cast<RunLogChart>(c))->grab();
            if (image.isNull()) std::fprintf(stderr, "run_log_bench: a chart drew nothing\n");
          }
        }),
        true);
  Print("opening: build, lay out, first paint:", Time([&] {
          RunLogView fresh(entries);
          fresh.show();
          QApplication::processEvents();
        }));
  Print("choosing another run (marker, text):", Time([&] {
          static size_t run = 1;
          view.ChooseRun(run++ % count + 1);
          for (size_t c = 0; c < kRunLogChartCount; ++c) {
            view.ChartView(static_cast<RunLogChart>(c))->grab();
          }
        }));
  return 0;
}
