// SPDX-License-Identifier: GPL-3.0-or-later
// The library at work: snapshots kept, counted and read back, setups saved,
// renamed and deleted, and two programs using one file.

#include "library/library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "library/library_fixture.h"
#include "library/library_path.h"

namespace vuriru {
namespace {

using testing::FullData;
using testing::FullRecord;
using ::testing::HasSubstr;
using testing::LibraryFolder;

class LibraryUse : public LibraryFolder {};

TEST_F(LibraryUse, ASnapshotComesBackAsItWasKeptWithItsReasonAndVersions) {
  Library library(File(), Ticking());
  ASSERT_TRUE(library.CanWrite()) << library.ProblemText();
  const LibraryResult kept = library.RecordSnapshot(FullRecord(), SnapshotReason::kBeforeApply);
  ASSERT_TRUE(kept.ok) << kept.message;
  EXPECT_FALSE(kept.counted);
  const LibraryResult v1 = library.RecordSnapshot(testing::V1Record(), SnapshotReason::kBeforeV1Send);
  ASSERT_TRUE(v1.ok);
  EXPECT_GT(v1.id, kept.id);

  const std::optional<Snapshot> full = library.GetSnapshot(kept.id);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->info.reason, SnapshotReason::kBeforeApply);
  EXPECT_EQ(full->info.kind, "full");
  EXPECT_EQ(full->info.software, "V3.12_240517");
  EXPECT_EQ(full->info.adapter, "V2.05_23114");
  EXPECT_EQ(full->info.program, "0.1.0");
  EXPECT_EQ(full->info.count, 1);
  EXPECT_EQ(full->info.takenAtMs, 1'700'000'001'000);
  ASSERT_TRUE(full->record.full);
  const EscData& data = *full->record.full;
  const EscData sent = FullData();
  for (const SettingRow& row : SettingsTable()) {
    if (row.fileOffset != kNotCarried) {
      EXPECT_EQ(data.settings.Current(row.setting), sent.settings.Current(row.setting)) << row.caption;
    }
  }
  EXPECT_EQ(data.settings.runningLog, sent.settings.runningLog);
  EXPECT_EQ(data.boostCurve, sent.boostCurve);
  EXPECT_EQ(data.brakeCurve, sent.brakeCurve);
  EXPECT_EQ(data.throttleCurve, sent.throttleCurve);

  const std::optional<Snapshot> block = library.GetSnapshot(v1.id);
  ASSERT_TRUE(block && block->record.v1);
  EXPECT_EQ(block->info.kind, "v1-bec");
  EXPECT_EQ(block->record.v1->index, testing::V1Record().v1->index);
  EXPECT_TRUE(block->record.v1->IsBecShown());
  EXPECT_FALSE(block->record.full);

  UserText why;
  EXPECT_FALSE(library.GetSnapshot(99, &why));
  EXPECT_EQ(EnglishText(why), "there is no snapshot 99; 'history' lists them");
}

TEST_F(LibraryUse, TheSameDataAgainIsCountedOnTheNewestSnapshotOfItsKindAndSoftware) {
  Library library(File(), Ticking());
  const int64_t first = library.RecordSnapshot(FullRecord(1), SnapshotReason::kRead).id;
  const LibraryResult again = library.RecordSnapshot(FullRecord(1), SnapshotReason::kBeforeApply);
  EXPECT_TRUE(again.ok && again.counted);
  EXPECT_EQ(again.id, first);
  const SnapshotInfo counted = library.ListSnapshots().front();
  EXPECT_EQ(counted.count, 2);
  EXPECT_EQ(counted.reason, SnapshotReason::kRead);
  EXPECT_GT(counted.lastSeenAtMs, counted.takenAtMs);

  // Other software, other data, and data equal only to an older snapshot are new.
  EXPECT_FALSE(library.RecordSnapshot(FullRecord(1, "V3.13_240901"), SnapshotReason::kRead).counted);
  EXPECT_FALSE(library.RecordSnapshot(FullRecord(2), SnapshotReason::kAfterApply).counted);
  EXPECT_FALSE(library.RecordSnapshot(FullRecord(1), SnapshotReason::kRead).counted);
  // A running log that moved on is other data too.
  ControllerRecord hotter = FullRecord(1);
  hotter.full->settings.Log(RunningLog::EscMaxTemp) = 70;
  EXPECT_FALSE(library.RecordSnapshot(hotter, SnapshotReason::kRead).counted);
  EXPECT_EQ(library.SnapshotCount(), 5u);
}

TEST_F(LibraryUse, ListsNewestFirstWithinALimit) {
  Library library(File(), Ticking());
  for (int32_t mode : {0, 1, 2}) library.RecordSnapshot(FullRecord(mode), SnapshotReason::kRead);
  const std::vector<SnapshotInfo> all = library.ListSnapshots();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_GT(all[0].id, all[1].id);
  EXPECT_GT(all[1].id, all[2].id);
  EXPECT_EQ(library.ListSnapshots(2).size(), 2u);
  EXPECT_EQ(library.ListSnapshots(2).front().id, all[0].id);
}

TEST_F(LibraryUse, ARecordThatDoesNotFitItsKindIsRefusedWithoutHarm) {
  Library library(File(), Ticking());
  ControllerRecord odd = FullRecord();
  odd.kind = "lcd";
  EXPECT_FALSE(library.RecordSnapshot(odd, SnapshotReason::kRead).ok);
  ControllerRecord empty = FullRecord();
  empty.full.reset();
  EXPECT_FALSE(library.RecordSnapshot(empty, SnapshotReason::kRead).ok);
  EXPECT_TRUE(library.CanWrite());
  EXPECT_EQ(library.SnapshotCount(), 0u);
}

TEST_F(LibraryUse, SetupsAreSavedListedLoadedRenamedAndDeleted) {
  Library library(File(), Ticking());
  const LibraryResult saved = library.SaveSetup("Track A", "wet, 17.5T", FullData(2), "V3.12_240517");
  ASSERT_TRUE(saved.ok) << saved.message;
  ASSERT_TRUE(library.SaveSetup("Track B", "", FullData(0), "").ok);

  std::vector<SetupInfo> setups = library.ListSetups();
  ASSERT_EQ(setups.size(), 2u);
  EXPECT_EQ(setups[0].name, "Track B");
  EXPECT_EQ(setups[1].name, "Track A");
  EXPECT_EQ(setups[1].note, "wet, 17.5T");

  const std::optional<NamedSetup> loaded = library.GetSetup("Track A");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->data.settings.Current(Setting::RunMode), 2);
  EXPECT_EQ(loaded->data.throttleCurve, FullData().throttleCurve);
  EXPECT_EQ(loaded->info.software, "V3.12_240517");

  EXPECT_THAT(library.SaveSetup("Track A", "", FullData(1), "").message, HasSubstr("exists already"));
  const LibraryResult replaced = library.SaveSetup("Track A", "dry", FullData(1), "", true);
  ASSERT_TRUE(replaced.ok);
  EXPECT_EQ(replaced.id, saved.id);
  EXPECT_EQ(library.GetSetup("Track A")->data.settings.Current(Setting::RunMode), 1);
  EXPECT_EQ(library.GetSetup("Track A")->info.note, "dry");

  EXPECT_THAT(library.RenameSetup("Track A", "Track B").message, HasSubstr("\"Track B\" exists already"));
  EXPECT_THAT(library.RenameSetup("Track C", "Track D").message, HasSubstr("no setup named \"Track C\""));
  ASSERT_TRUE(library.RenameSetup("Track A", "Club race").ok);
  EXPECT_FALSE(library.GetSetup("Track A"));
  EXPECT_EQ(library.GetSetup("Club race")->info.id, saved.id);

  ASSERT_TRUE(library.DeleteSetup("Club race").ok);
  EXPECT_THAT(library.DeleteSetup("Club race").message, HasSubstr("no setup named"));
  ASSERT_EQ(library.ListSetups().size(), 1u);
  // Ids are never given twice.
  EXPECT_GT(library.SaveSetup("Track A", "", FullData(), "").id, saved.id + 1);
}

TEST_F(LibraryUse, SetupNamesMustBeAddressableOnTheCommandLine) {
  Library library(File(), Ticking());
  for (const std::string& name :
       std::vector<std::string>{"", "12", "device", " padded", "padded ", "tab\there", std::string(101, 'x')}) {
    const LibraryResult saved = library.SaveSetup(name, "", FullData(), "");
    EXPECT_FALSE(saved.ok) << name;
    EXPECT_EQ(saved.message, SetupNameProblem(name));
  }
  EXPECT_FALSE(library.RenameSetup("x", "007").ok);
  EXPECT_TRUE(library.ListSetups().empty());
  EXPECT_EQ(SetupNameProblem("Track A 2"), "");
  EXPECT_EQ(SetupNameProblem("12b"), "");
}

TEST_F(LibraryUse, TwoProgramsKeepSnapshotsInOneFileAtTheSameTime) {
  Library window(File(), Ticking());
  Library cli(File(), Ticking());
  for (int32_t mode = 0; mode < 3; ++mode) {
    ASSERT_TRUE(window.RecordSnapshot(FullRecord(mode), SnapshotReason::kRead).ok);
    ASSERT_TRUE(cli.RecordSnapshot(testing::V1Record(), SnapshotReason::kRead).ok);
    ASSERT_TRUE(cli.SaveSetup("setup " + std::to_string(mode), "", FullData(mode), "").ok);
  }
  // Three full records, one V1 record (counted twice more) and three setups, seen from both.
  EXPECT_EQ(window.SnapshotCount(), 4u);
  EXPECT_EQ(cli.ListSnapshots().size(), 4u);
  EXPECT_EQ(window.ListSetups().size(), 3u);
}

TEST_F(LibraryUse, AnEmptyPathIsAnUnusedLibraryThatSaysNothing) {
  Library library("");
  EXPECT_FALSE(library.CanRead());
  EXPECT_FALSE(library.RecordSnapshot(FullRecord(), SnapshotReason::kRead).ok);
  EXPECT_TRUE(library.ListSnapshots().empty());
  EXPECT_FALSE(library.TakeNotice());
}

TEST(LibraryPath, UnderTheXdgDataFolderOrTheHomeFolder) {
  EXPECT_EQ(DefaultLibraryPath("/data", "/home/me"), "/data/vuriru-link/library.sqlite3");
  EXPECT_EQ(DefaultLibraryPath(nullptr, "/home/me"), "/home/me/.local/share/vuriru-link/library.sqlite3");
  EXPECT_EQ(DefaultLibraryPath("", "/home/me"), "/home/me/.local/share/vuriru-link/library.sqlite3");
  EXPECT_EQ(DefaultLibraryPath("relative/dir", "/home/me"), "/home/me/.local/share/vuriru-link/library.sqlite3");
  EXPECT_EQ(DefaultLibraryPath(nullptr, nullptr), "");
}

}  // namespace
}  // namespace vuriru
