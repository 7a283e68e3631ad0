// SPDX-License-Identifier: GPL-3.0-or-later
// Times the settings library with 10 000 snapshots in it: keeping one more
// snapshot (a new one, and one counted on the newest), listing them all,
// and reading one back to compare it with the settings at hand. Prints the
// median and the slowest of several runs; the goal for each is under 50 ms.
// Usage: library_bench [FOLDER] (default: a fresh folder under /tmp).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "files/settings_review.h"
#include "library/library.h"
#include "library/library_rows.h"
#include "settings/settings_table.h"

namespace vuriru::bench {
namespace {

constexpr int kSnapshots = 10000;
constexpr int kRuns = 21;
constexpr double kGoalMs = 50.0;

// Data that differs from one snapshot to the next.
EscData DataNumber(int n) {
  EscData data;
  LoadFactorySettings(data.settings);
  data.settings.Current(Setting::RunMode) = n % 3;
  data.settings.Current(Setting::PunchRate1) = n % 30;
  data.settings.Current(Setting::DragBrake) = n % 101;
  data.settings.Log(RunningLog::MotorMaxRpm) = static_cast<uint32_t>(n % 65536);
  for (StoredCurve* curve : {&data.boostCurve, &data.brakeCurve, &data.throttleCurve}) {
    curve->x[1] = static_cast<uint8_t>(1 + n % 98);
    curve->y[1] = static_cast<uint8_t>(n % 101);
    curve->x[2] = 100;
    curve->y[2] = 100;
  }
  return data;
}

ControllerRecord RecordNumber(int n) {
  return FullControllerRecord(DataNumber(n), "V3.12_240517", "V2.05_23114");
}

// Fills the library in one transaction, as 10 000 reads over the years would.
bool Fill(const std::filesystem::path& path) {
  { Library create(path); }
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return false;
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  SqliteStatement insert(db,
                         "INSERT INTO snapshots (taken_at, last_seen_at, seen_count, reason, kind, software, adapter, "
                         "program, settings, battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm, boost_curve, "
                         "brake_curve, throttle_curve) VALUES (?1, ?1, 1, 'read', 'full', 'V3.12_240517', "
                         "'V2.05_23114', 'bench', ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
  bool ok = true;
  for (int n = 0; n < kSnapshots && ok; ++n) {
    insert.Reset();
    insert.Bind(1, int64_t{1'700'000'000'000} + n * int64_t{60'000});
    BindRecordColumns(insert, 2, *EncodeRecordColumns(RecordNumber(n)));
    ok = insert.Step() == SQLITE_DONE;
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return ok;
}

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool Report(const char* what, const std::function<void()>& step) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    step();
    times.push_back(MsSince(start));
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  const double slowest = times.back();
  const bool met = slowest < kGoalMs;
  std::printf("%-52s median %7.2f ms   slowest %7.2f ms   %s\n", what, median, slowest,
              met ? "under 50 ms" : "OVER 50 ms");
  return met;
}

int Run(int argc, char** argv) {
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1])
               : std::filesystem::temp_directory_path() / ("vuriru-library-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / "library.sqlite3";
  std::filesystem::remove(path);

  const auto filling = std::chrono::steady_clock::now();
  if (!Fill(path)) {
    std::fprintf(stderr, "library_bench: the library could not be filled\n");
    return 1;
  }
  std::printf("filled %d snapshots in %.0f ms (one transaction)\n", kSnapshots, MsSince(filling));

  bool met = true;
  const auto opening = std::chrono::steady_clock::now();
  Library library(path);
  std::printf("%-52s %7.2f ms\n", "open the library", MsSince(opening));
  if (!library.CanWrite()) {
    std::fprintf(stderr, "library_bench: %s\n", library.ProblemText().c_str());
    return 1;
  }

  int next = kSnapshots;
  met &= Report("record a new snapshot", [&] { library.RecordSnapshot(RecordNumber(next++), SnapshotReason::kRead); });
  met &= Report("record the newest again (counted)",
                [&] { library.RecordSnapshot(RecordNumber(next - 1), SnapshotReason::kBeforeApply); });
  size_t listed = 0;
  met &= Report("list every snapshot", [&] { listed = library.ListSnapshots().size(); });
  const EscData current = DataNumber(7);
  size_t changes = 0;
  for (const auto& [what, id] : {std::pair{"diff against the oldest snapshot", int64_t{1}},
                                 std::pair{"diff against a middle snapshot", int64_t{kSnapshots / 2}},
                                 std::pair{"diff against the newest snapshot", int64_t{kSnapshots}}}) {
    met &= Report(what, [&] {
      const std::optional<Snapshot> snapshot = library.GetSnapshot(id);
      if (snapshot && snapshot->record.full) {
        changes = ChangeLines(CompareEscData(*snapshot->record.full, current, ReviewScope::kStored)).size();
      }
    });
  }
  std::printf("(listed %zu snapshots; the last diff found %zu changes)\n", listed, changes);
  if (argc <= 1) std::filesystem::remove_all(folder);
  return met ? 0 : 1;
}

}  // namespace
}  // namespace vuriru::bench

int main(int argc, char** argv) {
  return vuriru::bench::Run(argc, argv);
}
