// SPDX-License-Identifier: GPL-3.0-or-later
// What the History window lists and does, without a widget: setups before
// snapshots, what loading one would change, Load filling the pages without a
// write, Export in either form, setups saved, replaced, renamed and deleted,
// and V1 snapshots only looked at.

#include "window/history_browser.h"

#include <fstream>

#include <gtest/gtest.h>

#include "files/data_file_io.h"
#include "files/settings_review.h"
#include "window/history_rig.h"

namespace vuriru::test {
namespace {

class HistoryBrowserTest : public ::testing::Test {
 protected:
  HistoryBrowserTest() : rig(folder / "library.sqlite3"), browser(*rig.library, rig.controller, rig.dialogs) {}
  void SetUp() override { ASSERT_TRUE(rig.StartAndRead()); }

  const HistoryEntry* Find(const std::vector<HistoryEntry>& entries, const std::string& reasonOrName) {
    for (const HistoryEntry& entry : entries) {
      if (entry.reasonOrName == reasonOrName) return &entry;
    }
    return nullptr;
  }
  HistoryEntry ReadSnapshot() {
    const std::vector<HistoryEntry> entries = browser.Entries();
    const HistoryEntry* read = Find(entries, "read");
    EXPECT_NE(read, nullptr);
    return read != nullptr ? *read : HistoryEntry{};
  }

  ScratchFolder folder;
  HistoryRig rig;
  HistoryBrowser browser;
};

TEST_F(HistoryBrowserTest, SetupsComeFirstThenSnapshotsNewestFirst) {
  ASSERT_TRUE(browser.SaveEditsAsSetup("Track A", "wet, 17.5T"));
  rig.library->RecordSnapshot(V1ControllerRecord(V1FactoryBlock(), "v1", "V1.05", ""), SnapshotReason::kRead);
  const std::vector<HistoryEntry> entries = browser.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].kind, HistoryEntry::Kind::kSetup);
  EXPECT_EQ(entries[0].reasonOrName, "Track A");
  EXPECT_EQ(EnglishText(entries[0].kindText), "setup");
  EXPECT_EQ(entries[0].note, "wet, 17.5T");
  EXPECT_EQ(entries[0].software, rig.engine.SoftwareVersionText());
  EXPECT_EQ(EnglishText(entries[1].kindText), "V1 snapshot (v1)");
  EXPECT_FALSE(entries[1].full);
  EXPECT_EQ(entries[2].reasonOrName, "read");
  EXPECT_EQ(EnglishText(entries[2].kindText), "snapshot");
  EXPECT_EQ(entries[2].when.size(), std::string("2024-05-01 14:03:22").size());
}

TEST_F(HistoryBrowserTest, DetailsSayWhatLoadingWouldChangeOnTheEditedValues) {
  const HistoryEntry read = ReadSnapshot();
  EXPECT_NE(EnglishText(browser.Details(read)).find(kNothingChanges), std::string::npos)
      << EnglishText(browser.Details(read));
  rig.settings.Current(Setting::RunMode) = 2;
  const std::string details = EnglishText(browser.Details(read));
  EXPECT_EQ(details.rfind("Snapshot ", 0), 0u) << details;
  EXPECT_NE(details.find("Controller: full, software " + rig.engine.SoftwareVersionText()), std::string::npos);
  EXPECT_NE(details.find("RUN MODE: Forward/Reverse \u2192 Forward/Brake/Reverse"), std::string::npos) << details;
}

TEST_F(HistoryBrowserTest, LoadFillsThePagesAndWritesNothing) {
  const HistoryEntry read = ReadSnapshot();
  rig.settings.Current(Setting::RunMode) = 2;
  rig.settings.Log(RunningLog::EscMaxTemp) = 1;
  const size_t writes = rig.Memory().writes.size();
  rig.view.steps.clear();
  ASSERT_TRUE(browser.Load(read));
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 1);
  EXPECT_NE(rig.settings.Log(RunningLog::EscMaxTemp), 1u);
  EXPECT_TRUE(rig.view.Has("Pages refreshed"));
  EXPECT_TRUE(rig.view.Has("Running log"));
  EXPECT_EQ(rig.state.g_transferPending, 0);
  rig.clock.AdvanceBy(50);
  EXPECT_EQ(rig.Memory().writes.size(), writes);
  EXPECT_FALSE(rig.engine.HasEditsNotApplied());
}

TEST_F(HistoryBrowserTest, LoadWaitsWhileTheControllerIsBusyAndSaysWhy) {
  const HistoryEntry read = ReadSnapshot();
  rig.settings.Current(Setting::RunMode) = 2;
  rig.state.g_curveEditorOpen = 1;
  EXPECT_FALSE(browser.Load(read));
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_NE(rig.dialogs.told[0].find("Close the curve editor first"), std::string::npos);
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 2);
}

TEST_F(HistoryBrowserTest, AV1SnapshotIsOnlyLookedAt) {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  rig.library->RecordSnapshot(V1ControllerRecord(block, "v1-bec", "V1.05", ""), SnapshotReason::kBeforeV1Send);
  const std::vector<HistoryEntry> entries = browser.Entries();
  const HistoryEntry* v1 = Find(entries, "before V1 send");
  ASSERT_NE(v1, nullptr);
  const std::string details = EnglishText(browser.Details(*v1));
  EXPECT_NE(details.find("Cut-off Voltage: 3.0V/Cell(*)"), std::string::npos) << details;
  EXPECT_NE(details.find("kept to be looked at"), std::string::npos) << details;
  const SettingsBlock before = rig.settings;
  EXPECT_FALSE(browser.Load(*v1));
  EXPECT_EQ(rig.settings.current, before.current);
  rig.dialogs.saveFile = (folder / "v1.DATA").string();
  EXPECT_FALSE(browser.Export(*v1));
  EXPECT_FALSE(std::filesystem::exists(folder / "v1.DATA"));
  EXPECT_FALSE(browser.SaveAsSetup(*v1, "old car", ""));
  EXPECT_TRUE(rig.library->ListSetups().empty());
}

TEST_F(HistoryBrowserTest, ExportSavesJsonOrDataByTheChosenName) {
  const HistoryEntry read = ReadSnapshot();
  rig.settings.Current(Setting::RunMode) = 2;
  rig.dialogs.saveFile = (folder / "read.json").string();
  ASSERT_TRUE(browser.Export(read));
  std::ifstream json(folder / "read.json");
  const std::string text((std::istreambuf_iterator<char>(json)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("\"RUN MODE\": {\n      \"index\": 1,"), std::string::npos) << text.substr(0, 400);
  EXPECT_NE(text.find(rig.engine.SoftwareVersionText()), std::string::npos);

  rig.dialogs.saveFile = (folder / "read").string();
  ASSERT_TRUE(browser.Export(read));
  const DataFileImport back = ReadDataFile(folder / "read.DATA", EscData{});
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.data.settings.Current(Setting::RunMode), 1);
  // The edited values stay as they were.
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 2);
}

TEST_F(HistoryBrowserTest, ASetupOfATakenNameIsReplacedOnlyAfterYes) {
  rig.settings.Current(Setting::RunMode) = 2;
  ASSERT_TRUE(browser.SaveEditsAsSetup("Track A", "dry"));
  const HistoryEntry read = ReadSnapshot();
  EXPECT_FALSE(browser.SaveAsSetup(read, "Track A", "wet"));
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0], "History: A setup named \"Track A\" exists already. Replace it?");
  EXPECT_EQ(rig.library->GetSetup("Track A")->data.settings.Current(Setting::RunMode), 2);
  rig.dialogs.answers = {Answer::kYes};
  ASSERT_TRUE(browser.SaveAsSetup(read, "Track A", "wet"));
  const std::optional<NamedSetup> setup = rig.library->GetSetup("Track A");
  ASSERT_TRUE(setup);
  EXPECT_EQ(setup->data.settings.Current(Setting::RunMode), 1);
  EXPECT_EQ(setup->info.note, "wet");
}

TEST_F(HistoryBrowserTest, ANameThatCannotBeUsedIsToldAsASentence) {
  EXPECT_FALSE(browser.SaveEditsAsSetup("12", ""));
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_EQ(rig.dialogs.told[0].rfind("History: \"12\" would be read as a snapshot id", 0), 0u) << rig.dialogs.told[0];
  EXPECT_EQ(rig.dialogs.told[0].back(), '.');
}

TEST_F(HistoryBrowserTest, SetupsAreRenamedAndDeletedAfterYesSnapshotsNever) {
  ASSERT_TRUE(browser.SaveEditsAsSetup("Track A", ""));
  HistoryEntry setup = browser.Entries().front();
  ASSERT_TRUE(browser.Rename(setup, "Track B"));
  setup = browser.Entries().front();
  EXPECT_EQ(setup.name, "Track B");

  EXPECT_FALSE(browser.Delete(setup));  // answered No
  EXPECT_TRUE(rig.library->GetSetup("Track B"));
  rig.dialogs.answers = {Answer::kYes};
  ASSERT_TRUE(browser.Delete(setup));
  EXPECT_FALSE(rig.library->GetSetup("Track B"));

  const HistoryEntry read = ReadSnapshot();
  EXPECT_FALSE(browser.Rename(read, "renamed"));
  EXPECT_FALSE(browser.Delete(read));
  EXPECT_EQ(rig.library->ListSnapshots().size(), 1u);
}

}  // namespace
}  // namespace vuriru::test
