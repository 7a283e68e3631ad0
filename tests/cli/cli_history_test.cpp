// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli with the settings library, end to end on the simulated full
// controller whose memory lasts from one run to the next: snapshots kept by
// every command, history, diff, apply --dry-run, restore, setups, JSON
// files, and a library that cannot be used.

#include <fstream>
#include <nlohmann/json.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/settings_source.h"

namespace vuriru::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

class CliHistory : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }

  std::string Path(const std::string& name) const { return (m_scratch / name).string(); }

  // A run on the simulated `kind` whose memory is kept in the scratch folder,
  // with the library there too.
  CliRun Device(std::vector<std::string> args, const std::string& kind = "full") {
    args.insert(args.begin(), {"--simulate", kind, "--virtual-time", "--simulate-memory", Path(kind + ".memory"),
                               "--library", Path("library.sqlite3")});
    return RunCliProcess(args, m_scratch);
  }
  // A run that needs no device.
  CliRun Offline(std::vector<std::string> args) {
    args.insert(args.begin(), {"--library", Path("library.sqlite3")});
    return RunCliProcess(args, m_scratch);
  }

  Json HistoryJson() {
    const CliRun run = Offline({"--json", "history"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Json::parse(run.out);
  }
  std::vector<std::string> Reasons() {
    std::vector<std::string> reasons;
    const Json history = HistoryJson();
    for (const Json& snapshot : history["snapshots"]) {
      reasons.push_back(snapshot["reason"].get<std::string>() + " x" + std::to_string(snapshot["count"].get<int>()));
    }
    return reasons;
  }

  // The controller's settings exported as JSON, with `change` made to them.
  std::string EditedJson(const std::string& name, const std::function<void(Json&)>& change) {
    const std::string original = Path("original.json");
    if (!std::filesystem::exists(original)) {
      const CliRun exported = Device({"export", original});
      EXPECT_EQ(exported.exitCode, 0) << exported.err;
    }
    Json json = Json::parse(std::ifstream(original));
    change(json);
    std::ofstream(Path(name)) << json.dump(2);
    return Path(name);
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

TEST_F(CliHistory, AReadIsKeptOnceAndCountedWhenNothingChanged) {
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  const CliRun again = Device({"read"});
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(again.err, "");

  const Json history = HistoryJson();
  ASSERT_EQ(history["snapshots"].size(), 1u);
  const Json& snapshot = history["snapshots"][0];
  EXPECT_EQ(snapshot["id"], 1);
  EXPECT_EQ(snapshot["reason"], "read");
  EXPECT_EQ(snapshot["count"], 2);
  EXPECT_EQ(snapshot["kind"], "full");
  EXPECT_EQ(snapshot["software"], "V3.12_240517");
  EXPECT_EQ(snapshot["adapter"], "V2.05_23114");
  EXPECT_THAT(snapshot["program"].get<std::string>(), ::testing::StartsWith("vuriru-cli "));

  const CliRun text = Offline({"history"});
  EXPECT_THAT(text.out, ::testing::MatchesRegex("snapshot 1  [0-9-]+ [0-9:]+  read  full V3.12_240517  \\(2 times, "
                                                "last [0-9-]+ [0-9:]+\\)\n"));
}

TEST_F(CliHistory, ApplyOfAJsonFileKeepsBeforeAndAfterAndTheNextRunReadsItBack) {
  const std::string edited = EditedJson("edited.json", [](Json& json) {
    json["settings"]["RUN MODE"] = {{"text", "Forward/Brake"}};
    json["settings"]["Moter Rotation"] = {{"text", "Normal"}};
    json["curves"]["throttle"] = Json::parse("[[0,0],[50,20],[100,100]]");
    json["wheelbase"] = 235;
  });
  const CliRun dryRun = Device({"apply", "--dry-run", edited});
  ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err;
  EXPECT_EQ(dryRun.out, "Changes from the controller to " + edited +
                            ":\nRUN MODE: Forward/Brake/Reverse \u2192 Forward/Brake(*)\nMoter Rotation: Reverse  "
                            "\u2192 Normal(*)\nthrottle curve changes\n");
  EXPECT_THAT(dryRun.err, HasSubstr("warning: " + edited + ": unknown key \"wheelbase\" left out"));
  EXPECT_THAT(Reasons(), ElementsAre("read x2"));  // export, dry run; nothing written

  const CliRun applied = Device({"apply", edited});
  ASSERT_EQ(applied.exitCode, 0) << applied.err;
  // The read, and the same before the write, counted; the read-back is new.
  EXPECT_THAT(Reasons(), ElementsAre("after apply x1", "read x4"));

  const Json read = Json::parse(Device({"--json", "read"}).out);
  EXPECT_EQ(read["settings"]["General/RUN MODE"]["text"], "Forward/Brake(*)");
  EXPECT_EQ(read["curves"]["throttle"]["points"], Json::parse("[[0,0],[50,20],[100,100]]"));
  EXPECT_THAT(Device({"apply", "--dry-run", edited}).out, HasSubstr(":\nNothing changes"));
}

TEST_F(CliHistory, DefaultThenRestoreOfTheFirstSnapshotBringsTheSettingsBack) {
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  const CliRun defaulted = Device({"default"});
  ASSERT_EQ(defaulted.exitCode, 0) << defaulted.err;
  EXPECT_THAT(Reasons(), ElementsAre("after default x1", "read x3"));
  EXPECT_THAT(Device({"diff", "1"}).out, HasSubstr("RUN MODE: Forward/Brake/Reverse \u2192 Forward/Brake(*)"));

  const CliRun restored = Device({"restore", "1"});
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_THAT(restored.out, HasSubstr("Stored snapshot 1 on the full controller"));
  EXPECT_EQ(Device({"diff", "device", "1"}).out,
            "Changes from the controller to snapshot 1:\nNothing changes: every "
            "setting and curve stays as it is.\n");
  // Reads count on the newest snapshot; the read-back after the restore
  // equals snapshot 1, but snapshot 2 is newer, so it is kept again.
  EXPECT_THAT(Reasons(), ElementsAre("after apply x2", "after default x4", "read x3"));
}

TEST_F(CliHistory, SetupsAreSavedFromTheDeviceOrAFileListedRenamedRestoredAndDeleted) {
  const CliRun saved = Device({"setup", "save", "Track A", "--note", "wet, 17.5T"});
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_EQ(saved.out, "Saved the setup \"Track A\" from the controller.\n");
  const std::string edited = EditedJson("club.json", [](Json& json) { json["settings"]["RPM Lock"] = 9; });
  ASSERT_EQ(Offline({"setup", "save", "Club", edited}).exitCode, 0);

  const CliRun taken = Offline({"setup", "save", "Club", edited});
  EXPECT_EQ(taken.exitCode, 2);
  EXPECT_THAT(taken.err, HasSubstr("exists already; choose another name, or add --overwrite"));
  EXPECT_EQ(Offline({"setup", "save", "--overwrite", "Club", edited}).exitCode, 0);
  const CliRun number = Offline({"setup", "save", "42", edited});
  EXPECT_EQ(number.exitCode, 2);
  EXPECT_THAT(number.err, HasSubstr("would be read as a snapshot id"));

  const CliRun listed = Offline({"setup", "list"});
  EXPECT_THAT(Lines(listed.out), ElementsAre(HasSubstr("setup \"Club\""), HasSubstr("wet, 17.5T")));
  EXPECT_THAT(Offline({"diff", "Track A", "Club"}).out, HasSubstr("RPM Lock: 81% \u2192 10%"));

  ASSERT_EQ(Offline({"setup", "rename", "Club", "Club race"}).exitCode, 0);
  const CliRun restored = Device({"restore", "Club race"});
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_THAT(Device({"diff", "device", "Club race"}).out, HasSubstr("Nothing changes"));

  ASSERT_EQ(Offline({"setup", "delete", "Club race"}).exitCode, 0);
  const CliRun gone = Offline({"setup", "delete", "Club race"});
  EXPECT_EQ(gone.exitCode, 2);
  EXPECT_THAT(gone.err, HasSubstr("there is no setup named \"Club race\""));
  EXPECT_EQ(HistoryJson()["setups"].size(), 1u);
}

TEST_F(CliHistory, DiffBetweenFilesCountsEverySettingAFileHoldsAndPrintsJson) {
  const std::string a = EditedJson("a.json", [](Json&) {});
  const std::string b = EditedJson("b.json", [](Json& json) { json["settings"]["THREVERSE SPD"] = 2; });
  const CliRun diff = Offline({"--json", "diff", a, b});
  ASSERT_EQ(diff.exitCode, 0) << diff.err;
  Json expected = {{"from", a}, {"to", b}, {"settings", Json::array()}, {"curves", Json::array()}};
  expected["settings"].push_back({{"key", "THREVERSE SPD"},
                                  {"from", {{"index", 0}, {"text", "25%(*)"}}},
                                  {"to", {{"index", 2}, {"text", "75%"}}}});
  EXPECT_EQ(Json::parse(diff.out), expected);
  // Against the controller, which does not keep THREVERSE SPD, it does not count.
  EXPECT_THAT(Device({"diff", b}).out, HasSubstr("Nothing changes"));
}

TEST_F(CliHistory, ShowPrintsAJsonFileAndRefusesABadOneNamingTheKey) {
  const std::string edited = EditedJson("shown.json", [](Json& json) { json["settings"]["DEAD BAND"] = "9%"; });
  const CliRun shown = Offline({"show", edited});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_THAT(shown.out, HasSubstr("General/DEAD BAND = 9% (index 5)"));

  const std::string bad = EditedJson("bad.json", [](Json& json) { json["settings"]["RUN MODE"]["index"] = 9; });
  const CliRun refused = Offline({"apply", bad});
  EXPECT_EQ(refused.exitCode, 3);
  EXPECT_THAT(refused.err, HasSubstr(bad + ": Import file error! \"RUN MODE\": index 9 is outside its list (0 to 2)"));
}

TEST_F(CliHistory, V1ReadsAndStoresAreKeptButTheyCannotBeRestored) {
  ASSERT_EQ(Device({"default"}, "v1-bec").exitCode, 0);
  const Json history = HistoryJson();
  ASSERT_EQ(history["snapshots"].size(), 2u);
  EXPECT_EQ(history["snapshots"][0]["reason"], "after default");
  EXPECT_EQ(history["snapshots"][1]["reason"], "read");
  EXPECT_EQ(history["snapshots"][1]["count"], 2);  // the read, and again before the V1 send
  EXPECT_EQ(history["snapshots"][1]["kind"], "v1-bec");
  const CliRun restore = Device({"restore", "1"});
  EXPECT_EQ(restore.exitCode, 2);
  EXPECT_THAT(restore.err, HasSubstr("snapshot 1 holds a v1-bec controller's settings"));
}

TEST_F(CliHistory, ALibraryThatCannotBeUsedIsOneWarningAndTheDeviceWorkStillGetsDone) {
  const std::string garbage(4096, 'x');
  std::ofstream(Path("library.sqlite3")) << garbage;
  const CliRun read = Device({"read"});
  EXPECT_EQ(read.exitCode, 0);
  EXPECT_THAT(Lines(read.err), ElementsAre(HasSubstr("warning: The settings library " + Path("library.sqlite3") +
                                                     " is damaged and was left as it is")));
  const std::string edited = EditedJson("x.json", [](Json& json) { json["settings"]["RPM Lock"] = 9; });
  const CliRun applied = Device({"apply", edited});
  EXPECT_EQ(applied.exitCode, 0);
  EXPECT_THAT(applied.err, HasSubstr("could not be kept in the history; the write goes ahead"));

  const CliRun history = Offline({"history"});
  EXPECT_EQ(history.exitCode, 3);
  EXPECT_THAT(history.err, HasSubstr("is damaged"));
  std::ifstream in(Path("library.sqlite3"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

TEST_F(CliHistory, SimulatedMemoryOfAnotherTargetIsRefused) {
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  std::filesystem::copy_file(Path("full.memory"), Path("v1.memory"));
  const CliRun run = Device({"read"}, "v1");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.err, HasSubstr("a full target's, but --simulate names v1"));
}

TEST(SettingsSource, TheDeviceThenAnExistingFileThenAnIdThenASetupName) {
  const std::filesystem::path scratch = MakeScratchFolder();
  std::ofstream(scratch / "7") << "x";
  EXPECT_EQ(ClassifySource("device").kind, SourceKind::kDevice);
  EXPECT_EQ(ClassifySource((scratch / "7").string()).kind, SourceKind::kFile);
  const SourceArgument id = ClassifySource("7");
  EXPECT_EQ(id.kind, SourceKind::kSnapshot);
  EXPECT_EQ(id.id, 7);
  EXPECT_EQ(ClassifySource("Track A").kind, SourceKind::kSetup);
  EXPECT_EQ(ClassifySource("7b").kind, SourceKind::kSetup);
  EXPECT_EQ(ClassifySource("99999999999999999999").kind, SourceKind::kSetup);
  std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace vuriru::testing
