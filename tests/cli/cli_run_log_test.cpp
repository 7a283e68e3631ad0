// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli's running log, end to end on the simulated controllers: one run
// per first read of a full controller (an equal one too), none for a V1
// controller or the display box, and `log` as text, CSV and JSON, with
// --last and --set-note.

#include <fstream>
#include <nlohmann/json.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"

namespace vuriru::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using Json = nlohmann::ordered_json;

// The simulated full controller's running log: 7.20 V, 68 and 81 degrees,
// 42000 rpm, with VOLTAGE CUTOFF "6.2v".
constexpr const char* kCsvRun =
    "[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z,full,V3.12_240517,7.2,68,81,"
    "42000,1,4844512a,";

class CliRunLog : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }

  std::string Path(const std::string& name) const { return (m_scratch / name).string(); }

  CliRun Device(std::vector<std::string> args, const std::string& kind = "full") {
    args.insert(args.begin(), {"--simulate", kind, "--virtual-time", "--library", Path("library.sqlite3")});
    return RunCliProcess(args, m_scratch);
  }
  CliRun Offline(std::vector<std::string> args) {
    args.insert(args.begin(), {"--library", Path("library.sqlite3")});
    return RunCliProcess(args, m_scratch);
  }
  Json LogJson(std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"--json", "log"});
    const CliRun run = Offline(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Json::parse(run.out);
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

TEST_F(CliRunLog, EveryFirstReadOfAFullControllerIsARunEvenAnEqualOne) {
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  ASSERT_EQ(Device({"export", Path("car.DATA")}).exitCode, 0);
  const Json log = LogJson();
  ASSERT_EQ(log["runs"].size(), 2u);
  EXPECT_EQ(log["library"], Path("library.sqlite3"));
  const Json& run = log["runs"][0];
  EXPECT_EQ(run["id"], 1);
  EXPECT_THAT(run["time"].get<std::string>(), MatchesRegex("[0-9-]+T[0-9:]+Z"));
  EXPECT_EQ(run["kind"], "full");
  EXPECT_EQ(run["software"], "V3.12_240517");
  EXPECT_EQ(run["min_voltage_v"], 7.2);
  EXPECT_EQ(run["max_esc_temp_c"], 68);
  EXPECT_EQ(run["max_motor_temp_c"], 81);
  EXPECT_EQ(run["max_rpm"], 42000);
  EXPECT_EQ(run["valid"], true);
  EXPECT_EQ(run["raw"], "4844512a");
  EXPECT_EQ(run["note"], "");
  EXPECT_EQ(run["voltage_cutoff"], Json::parse(R"({"index": 34, "text": "6.2v"})"));
  EXPECT_TRUE(run["esc_heat_protect"].contains("text"));
  EXPECT_EQ(log["runs"][1]["id"], 2);
  EXPECT_EQ(log["runs"][1]["raw"], "4844512a");
  // The snapshot of the same settings is counted; the runs are apart from it.
  const Json history = Json::parse(Offline({"--json", "history"}).out);
  EXPECT_EQ(history["snapshots"].size(), 1u);
}

TEST_F(CliRunLog, TheReadOnTheWayToAFirmwareUpdateIsARunToo) {
  std::ofstream(Path("esc.DATA")) << "not firmware";
  // The file does not fit the controller; the read before that check counts.
  const CliRun run = Device({"firmware", Path("esc.DATA")});
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(LogJson()["runs"].size(), 1u);
}

TEST_F(CliRunLog, AV1ControllerTheDisplayBoxAndTheReadBackAfterAStoreAddNoRun) {
  ASSERT_EQ(Device({"read"}, "v1").exitCode, 0);
  ASSERT_EQ(Device({"read"}, "v1-bec").exitCode, 0);
  ASSERT_EQ(Device({"info"}, "lcd").exitCode, 0);
  EXPECT_EQ(LogJson()["runs"].size(), 0u);
  // default reads first (a run), stores, then reads back (not a run).
  const CliRun stored = Device({"default"});
  ASSERT_EQ(stored.exitCode, 0) << stored.err;
  EXPECT_EQ(LogJson()["runs"].size(), 1u);
}

TEST_F(CliRunLog, CsvIsExactQuotedAndOldestFirst) {
  const CliRun empty = Offline({"log", "--csv"});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "time,kind,software,min_voltage_v,max_esc_temp_c,max_motor_temp_c,max_rpm,valid,raw,note\r\n");

  ASSERT_EQ(Device({"read"}).exitCode, 0);
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  ASSERT_EQ(Offline({"log", "--set-note", "1", "heat 3, FDR 4.2"}).exitCode, 0);
  ASSERT_EQ(Offline({"log", "--set-note", "2", "the \"A\" main\nrain"}).exitCode, 0);
  const CliRun csv = Offline({"log", "--csv"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_THAT(csv.out,
              MatchesRegex(std::string("time,kind,software,min_voltage_v,max_esc_temp_c,max_motor_temp_c,"
                                       "max_rpm,valid,raw,note\r\n") +
                           kCsvRun + "\"heat 3, FDR 4.2\"\r\n" + kCsvRun + "\"the \"\"A\"\" main\nrain\"\r\n"));
  const CliRun last = Offline({"log", "--csv", "--last", "1"});
  EXPECT_THAT(last.out, MatchesRegex(std::string("time,[a-z_,]+\r\n") + kCsvRun + "\"the \"\"A\"\" main\nrain\"\r\n"));
}

TEST_F(CliRunLog, TextAndJsonListTheNewestNWithTheirNotes) {
  const CliRun none = Offline({"log"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_THAT(none.out, HasSubstr("holds no runs yet"));
  EXPECT_EQ(LogJson()["runs"], Json::array());

  for (int i = 0; i < 3; ++i) ASSERT_EQ(Device({"read"}).exitCode, 0);
  const CliRun noted = Offline({"log", "--set-note", "3", "heat 3"});
  EXPECT_EQ(noted.exitCode, 0) << noted.err;
  EXPECT_EQ(noted.out, "Run 3 has its note now.\n");
  const CliRun text = Offline({"log", "--last", "2"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[0], MatchesRegex("run 2  [0-9-]+ [0-9:]+  full V3.12_240517  7.2 V  ESC 68 \u00B0C  motor 81 "
                                     "\u00B0C  42000 rpm"));
  EXPECT_THAT(lines[1], MatchesRegex(".*42000 rpm  heat 3"));

  const Json last = LogJson({"--last", "2"});
  ASSERT_EQ(last["runs"].size(), 2u);
  EXPECT_EQ(last["runs"][0]["id"], 2);
  EXPECT_EQ(last["runs"][1]["note"], "heat 3");
  // An empty note clears it.
  EXPECT_EQ(Offline({"log", "--set-note", "3", ""}).out, "Run 3 has no note now.\n");
  EXPECT_EQ(LogJson()["runs"][2]["note"], "");
}

TEST_F(CliRunLog, RefusesWhatItCannotDo) {
  ASSERT_EQ(Device({"read"}).exitCode, 0);
  const CliRun missing = Offline({"log", "--set-note", "9", "x"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_THAT(missing.err, HasSubstr("there is no run 9 in the running log"));
  const CliRun notAnId = Offline({"log", "--set-note", "first", "x"});
  EXPECT_EQ(notAnId.exitCode, 2);
  EXPECT_THAT(notAnId.err, HasSubstr("--set-note takes the run's id first"));
  EXPECT_EQ(Offline({"log", "--set-note", "1"}).exitCode, 2);
  EXPECT_EQ(Offline({"log", "--last", "0"}).exitCode, 2);
  const CliRun both = Offline({"--json", "log", "--csv"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_THAT(both.err, HasSubstr("CSV or JSON, not both"));
  const CliRun tooLong = Offline({"log", "--set-note", "1", std::string(1001, 'x')});
  EXPECT_EQ(tooLong.exitCode, 2);
  EXPECT_THAT(tooLong.err, HasSubstr("at most 1000 bytes"));

  std::ofstream(Path("damaged.sqlite3")) << "not a database, but long enough to be read as one's first page";
  const CliRun damaged = RunCliProcess({"--library", Path("damaged.sqlite3"), "log"}, m_scratch);
  EXPECT_EQ(damaged.exitCode, 3);
}

TEST_F(CliRunLog, HelpListsTheCommandAndItsOptions) {
  const CliRun help = Offline({"log", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--csv"));
  EXPECT_THAT(help.out, HasSubstr("--last N"));
  EXPECT_THAT(help.out, HasSubstr("--set-note ENTRY TEXT"));
  EXPECT_THAT(Offline({"--help"}).out, HasSubstr("log"));
}

}  // namespace
}  // namespace vuriru::testing
