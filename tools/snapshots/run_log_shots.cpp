// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/snapshots/run_log_shots.h"

#include <vector>

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QTemporaryDir>

#include "library/library.h"
#include "library/run_log.h"
#include "widgets/charts/run_log_view.h"

namespace vuriru::snapshots {

namespace {

// Thirty runs a week apart: the pack sags a little and the motor warms as
// the gearing goes up; runs 9 and 22 read an untouched (erased) log.
std::vector<RunLogEntry> Season() {
  std::vector<RunLogEntry> entries;
  for (int run = 1; run <= 30; ++run) {
    RunLogEntry entry;
    entry.id = run;
    entry.timeMs = 1'714'572'202'000 + int64_t{run - 1} * 7 * 86'400'000;
    entry.software = run < 15 ? "V3.10_240201" : "V3.12_240517";
    const auto wobble = static_cast<uint8_t>((run * 7) % 5);
    entry.raw = {static_cast<uint8_t>(74 - run / 6 - wobble % 3), static_cast<uint8_t>(58 + run / 2 + wobble),
                 static_cast<uint8_t>(66 + run / 2 + 2 * wobble), static_cast<uint8_t>(38 + run / 4 + wobble)};
    if (run == 9 || run == 22) entry.raw = {0xFF, 0xFF, 0xFF, 0xFF};
    entry.values = RunLogValuesOf(entry.raw);
    entry.valid = RunLogValuesValid(entry.values);
    entry.voltageCutoff = 34;  // "6.2v"
    entry.escHeatProtect = 1;  // "105 degree Celsius"
    if (run == 12) entry.note = "heat 3, FDR 4.2";
    if (run == 26) entry.note = "A main, 28 \u00B0C track";
    entries.push_back(entry);
  }
  return entries;
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

void RunLogShots(Snapshots& shots) {
  // Kept in a library of its own, as the window's view is, so that the note
  // row shows.
  QTemporaryDir folder;
  Library library(QDir(folder.path()).filePath(QStringLiteral("library.sqlite3")).toStdString());
  for (const RunLogEntry& entry : Season()) library.RecordRunLog(entry);
  RunLogView season(library);
  season.show();
  season.ChooseRun(12);
  Settle();
  shots.Save(season, QStringLiteral("run-log-history"));
  shots.Save(*season.ChartView(RunLogChart::kTemperature), QStringLiteral("run-log-temperature"));

  std::vector<RunLogEntry> one = Season();
  one.resize(1);
  RunLogView single(one);
  single.show();
  Settle();
  shots.Save(single, QStringLiteral("run-log-one-run"));
}

}  // namespace vuriru::snapshots
