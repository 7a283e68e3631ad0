// SPDX-License-Identifier: GPL-3.0-or-later
// What the window keeps in the settings library and asks before it writes:
// a snapshot after the first read and after every store, what the
// controller held before every write, the change lists of Apply, Default and
// Import, and a library that cannot be used told once without holding up
// the controller. The window controller runs on a simulated controller.

#include <fstream>

#include <gtest/gtest.h>

#include "files/json_file_io.h"
#include "files/settings_review.h"
#include "library/full_disk_vfs.h"
#include "window/history_rig.h"
#include "window/write_review.h"

namespace vuriru::test {
namespace {

using vuriru::testing::RegisterFullDiskVfs;
using vuriru::testing::SetDiskFull;

constexpr int32_t kSimRunMode = 1;  // "Forward/Brake/Reverse", the simulated controller's value

class WindowHistory : public ::testing::Test {
 protected:
  std::filesystem::path LibraryFile() const { return folder / "library.sqlite3"; }
  // What another program keeps meanwhile: a snapshot of the same controller
  // that differs, so that the window's next snapshot is a row of its own.
  void KeepOtherSnapshot(HistoryRig& rig) {
    Library other(LibraryFile());
    EscData data{rig.settings, rig.curves.boost.Stored(), rig.curves.brake.Stored(), rig.curves.throttle.Stored()};
    data.settings.Current(Setting::RunMode) = 2;
    ASSERT_TRUE(
        other.RecordSnapshot(FullControllerRecord(data, rig.engine.SoftwareVersionText(), ""), SnapshotReason::kRead)
            .ok);
  }
  EscData Held(Library& library, int64_t id) {
    const std::optional<Snapshot> snapshot = library.GetSnapshot(id);
    EXPECT_TRUE(snapshot && snapshot->record.full);
    return snapshot && snapshot->record.full ? *snapshot->record.full : EscData{};
  }

  ScratchFolder folder;
};

TEST_F(WindowHistory, TheFirstReadIsKeptAsItWasRead) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  const std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kRead);
  EXPECT_EQ(snapshots[0].kind, "full");
  EXPECT_EQ(snapshots[0].software, rig.engine.SoftwareVersionText());
  EXPECT_EQ(snapshots[0].adapter, rig.engine.ConnectVersionText());
  const EscData held = Held(*rig.library, snapshots[0].id);
  EXPECT_EQ(held.settings.Current(Setting::RunMode), kSimRunMode);
  EXPECT_EQ(held.settings.runningLog, rig.settings.runningLog);
  EXPECT_EQ(StoredPoints(held.throttleCurve), StoredPoints(rig.curves.throttle.Stored()));
  EXPECT_TRUE(rig.dialogs.told.empty());
}

TEST_F(WindowHistory, ApplyListsTheChangeThenKeepsWhatWasHeldBeforeAndWhatWasSentAfter) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  KeepOtherSnapshot(rig);
  rig.settings.Current(Setting::RunMode) = 2;
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0],
            "Apply: Do you want to apply?\n\nRUN MODE: Forward/Brake/Reverse \u2192 Forward/Reverse");
  // The snapshot before the write is in the library before anything is sent.
  std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 3u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kBeforeApply);
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.Current(Setting::RunMode), kSimRunMode);

  ASSERT_TRUE(rig.RunUntilIdle());
  snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 4u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kAfterApply);
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.Current(Setting::RunMode), 2);
  EXPECT_TRUE(rig.dialogs.told.empty());
}

TEST_F(WindowHistory, ApplyWithoutAChangeSaysSoAndStillStores) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  const uint32_t stores = rig.Memory().storesCompleted;
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0], std::string("Apply: Do you want to apply?\n\n") + kNothingChanges);
  ASSERT_TRUE(rig.RunUntilIdle());
  EXPECT_GT(rig.Memory().storesCompleted, stores);
  // Read, before and after the store all held the same: one row, counted.
  const std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(snapshots[0].count, 3);
}

TEST_F(WindowHistory, CancelledApplyCollectsNothingKeepsNothingAndMarksTheConfirmState) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  KeepOtherSnapshot(rig);
  rig.settings.Current(Setting::RunMode) = 0;
  rig.view.steps.clear();
  rig.controller.OnApply();
  EXPECT_EQ(rig.controller.m_nConfirmState, 2);
  EXPECT_FALSE(rig.view.Has("Collect"));
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_EQ(rig.Snapshots().size(), 2u);
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_NE(rig.dialogs.asked[0].find("RUN MODE: Forward/Brake/Reverse \u2192 Forward/Brake(*)"), std::string::npos);
}

TEST_F(WindowHistory, TheApplyListComparesWithTheLastStoreNotTheFirstRead) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  rig.settings.Current(Setting::RunMode) = 2;
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_TRUE(rig.RunUntilIdle());
  rig.dialogs.asked.clear();
  rig.controller.OnApply();
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0], std::string("Apply: Do you want to apply?\n\n") + kNothingChanges);
}

TEST_F(WindowHistory, DefaultListsWhatItWouldSendAndKeepsTheStoreAfterwards) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnDefault();
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  const std::string& question = rig.dialogs.asked[0];
  EXPECT_EQ(question.rfind("Default: Do you want to default?\n\n", 0), 0u) << question;
  EXPECT_NE(question.find("RUN MODE: Forward/Brake/Reverse \u2192 Forward/Brake(*)"), std::string::npos) << question;
  EXPECT_NE(question.find("throttle curve changes"), std::string::npos) << question;
  ASSERT_TRUE(rig.RunUntilIdle());
  const std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 2u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kAfterDefault);
  EXPECT_EQ(snapshots[1].reason, SnapshotReason::kRead);
  EXPECT_EQ(snapshots[1].count, 2);  // before default: what was read
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.Current(Setting::RunMode), 0);
}

TEST_F(WindowHistory, WhatWasHeldKeepsTheControllersRunningLogAfterAnImport) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  const auto readLog = rig.settings.runningLog;
  // A file from another car: its running log comes onto the pages.
  EscData other{rig.settings, rig.curves.boost.Stored(), rig.curves.brake.Stored(), rig.curves.throttle.Stored()};
  other.settings.Current(Setting::RunMode) = 2;
  other.settings.Log(RunningLog::EscMaxTemp) = 99;
  const std::filesystem::path file = folder / "other.json";
  ASSERT_TRUE(SaveJsonFile(file, other, "V9").ok);
  rig.dialogs.answers = {Answer::kOk};
  ASSERT_TRUE(rig.controller.ImportFrom(file.string()));
  ASSERT_EQ(rig.settings.Log(RunningLog::EscMaxTemp), 99u);

  KeepOtherSnapshot(rig);
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_TRUE(rig.RunUntilIdle());
  const std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 4u);
  ASSERT_EQ(snapshots[1].reason, SnapshotReason::kBeforeApply);
  EXPECT_EQ(Held(*rig.library, snapshots[1].id).settings.runningLog, readLog);
  EXPECT_EQ(Held(*rig.library, snapshots[1].id).settings.Current(Setting::RunMode), kSimRunMode);
  ASSERT_EQ(snapshots[0].reason, SnapshotReason::kAfterApply);
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.runningLog, readLog);
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.Current(Setting::RunMode), 2);
}

TEST_F(WindowHistory, AFirmwareFileChosenKeepsWhatWasHeldFirstAndACancelledChoiceKeepsNothing) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  KeepOtherSnapshot(rig);
  rig.dialogs.openFile.clear();
  EXPECT_EQ(rig.controller.ChooseFirmwareFile("*.xup", ""), "");
  EXPECT_EQ(rig.Snapshots().size(), 2u);
  rig.dialogs.openFile = (folder / "esc.xup").string();
  EXPECT_EQ(rig.controller.ChooseFirmwareFile("*.xup", ""), rig.dialogs.openFile);
  const std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 3u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kBeforeFirmwareUpdate);
  EXPECT_EQ(Held(*rig.library, snapshots[0].id).settings.Current(Setting::RunMode), kSimRunMode);
}

TEST_F(WindowHistory, AV1ControllersReadIsKeptAndItsSendKeepsWhatWasReadNotThePanelsValues) {
  HistoryRig rig(LibraryFile(), SimTargetKind::kV1Bec);
  rig.controller.Start();
  ASSERT_TRUE(rig.clock.RunUntil(
      [&] { return rig.state.g_deviceType == device_type::kV1 && rig.state.g_transferPending == 0; }, 60000));
  std::vector<SnapshotInfo> snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(snapshots[0].kind, "v1-bec");
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kRead);
  const V1SettingsBlock read = rig.v1;

  // The panel puts its values into the block, then sends.
  rig.v1[V1Setting::MotorTiming] = read[V1Setting::MotorTiming] == 0 ? 1 : 0;
  rig.state.g_transferPending = 1;
  rig.controller.OnV1Send();
  snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(snapshots[0].count, 2);  // before V1 send: the same block as read
  const std::optional<Snapshot> kept = rig.library->GetSnapshot(snapshots[0].id);
  ASSERT_TRUE(kept && kept->record.v1);
  EXPECT_EQ(kept->record.v1->index, read.index);
  ASSERT_TRUE(rig.clock.RunUntil([&] { return rig.state.g_transferPending == 0; }, 60000));

  // The next send keeps what the controller took.
  const V1SettingsBlock sent = rig.v1;
  rig.v1[V1Setting::MotorTiming] = read[V1Setting::MotorTiming];
  rig.state.g_transferPending = 1;
  rig.controller.OnV1Send();
  snapshots = rig.Snapshots();
  ASSERT_EQ(snapshots.size(), 2u);
  EXPECT_EQ(snapshots[0].reason, SnapshotReason::kBeforeV1Send);
  const std::optional<Snapshot> before = rig.library->GetSnapshot(snapshots[0].id);
  ASSERT_TRUE(before && before->record.v1);
  EXPECT_EQ(before->record.v1->index, sent.index);
}

TEST_F(WindowHistory, EveryFirstReadOfAFullControllerKeepsOneRunEvenWhenItEqualsTheLast) {
  HistoryRig rig(LibraryFile());
  ASSERT_TRUE(rig.StartAndRead());
  std::vector<RunLogEntry> runs = rig.library->ListRunLog();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].software, rig.engine.SoftwareVersionText());
  for (size_t i = 0; i < kRunningLogCount; ++i) EXPECT_EQ(runs[0].raw[i], rig.settings.runningLog[i]) << i;
  EXPECT_EQ(runs[0].voltageCutoff, rig.settings.Current(Setting::VoltageCutoff));
  EXPECT_EQ(runs[0].escHeatProtect, rig.settings.Current(Setting::EscHeatProtect));

  // Each connection is a run: the same log read again is kept again.
  const std::string path = SimulatedHidLibrary::SimPath(0);
  ASSERT_TRUE(rig.hid.Pull(path));
  ASSERT_TRUE(rig.clock.RunUntil([&] { return rig.state.g_linkState == 0; }, 10000));
  ASSERT_TRUE(rig.hid.Plug(path));
  ASSERT_TRUE(rig.RunUntilIdle());
  runs = rig.library->ListRunLog();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_NE(runs[1].id, runs[0].id);
  EXPECT_EQ(runs[1].raw, runs[0].raw);
  // A store is not a read: no run.
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_TRUE(rig.RunUntilIdle());
  EXPECT_EQ(rig.library->ListRunLog().size(), 2u);
  EXPECT_TRUE(rig.dialogs.told.empty());
}

TEST_F(WindowHistory, NeitherAV1ControllerNorTheBoxKeepsARun) {
  for (SimTargetKind target : {SimTargetKind::kV1Bec, SimTargetKind::kLcd}) {
    std::filesystem::remove(LibraryFile());
    HistoryRig rig(LibraryFile(), target);
    rig.controller.Start();
    rig.clock.AdvanceBy(20000);
    EXPECT_NE(rig.state.g_linkState, 0) << SimTargetName(target);
    EXPECT_TRUE(rig.library->ListRunLog().empty()) << SimTargetName(target);
  }
}

TEST_F(WindowHistory, ADamagedLibraryIsToldOnceLeftAsItIsAndReadsAndStoresGoOn) {
  const std::filesystem::path file = LibraryFile();
  {
    std::ofstream garbage(file, std::ios::binary);
    garbage << std::string(4096, 'x');
  }
  HistoryRig rig(file);
  ASSERT_TRUE(rig.StartAndRead());
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_EQ(rig.dialogs.told[0].rfind(std::string(kLibraryCaption) + ": ", 0), 0u) << rig.dialogs.told[0];
  EXPECT_NE(rig.dialogs.told[0].find("keeps no history"), std::string::npos) << rig.dialogs.told[0];

  rig.settings.Current(Setting::RunMode) = 2;
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_TRUE(rig.RunUntilIdle());
  EXPECT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(file), 4096u);
}

TEST_F(WindowHistory, AFullDiskBeforeAWriteIsToldBeforeTheWriteWhichGoesAhead) {
  RegisterFullDiskVfs();
  LibraryOptions options;
  options.vfs = vuriru::testing::kFullDiskVfs;
  HistoryRig rig(LibraryFile(), SimTargetKind::kFull, options);
  ASSERT_TRUE(rig.StartAndRead());
  ASSERT_EQ(rig.Snapshots().size(), 1u);
  KeepOtherSnapshot(rig);

  SetDiskFull(true);
  rig.settings.Current(Setting::RunMode) = 2;
  const size_t writes = rig.Memory().writes.size();
  const uint32_t stores = rig.Memory().storesCompleted;
  std::optional<size_t> writesWhenTold;
  rig.dialogs.whenTold = [&] { writesWhenTold = rig.Memory().writes.size(); };
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  // Told while nothing of the store had gone out yet.
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_NE(rig.dialogs.told[0].find("is full"), std::string::npos) << rig.dialogs.told[0];
  EXPECT_NE(rig.dialogs.told[0].find("the write goes ahead"), std::string::npos) << rig.dialogs.told[0];
  EXPECT_EQ(writesWhenTold, writes);
  ASSERT_TRUE(rig.RunUntilIdle());
  SetDiskFull(false);
  EXPECT_GT(rig.Memory().storesCompleted, stores);

  // The history is off for the session: the next write is not held up again.
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnDefault();
  ASSERT_TRUE(rig.RunUntilIdle());
  EXPECT_EQ(rig.dialogs.told.size(), 1u);
}

TEST_F(WindowHistory, WithoutALibraryNothingIsKeptOrTold) {
  HistoryRig rig(std::filesystem::path{});
  ASSERT_TRUE(rig.StartAndRead());
  rig.dialogs.answers = {Answer::kOk};
  rig.controller.OnApply();
  ASSERT_TRUE(rig.RunUntilIdle());
  EXPECT_TRUE(rig.dialogs.told.empty());
  EXPECT_TRUE(rig.Snapshots().empty());
}

}  // namespace
}  // namespace vuriru::test
