// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli end to end on the simulated adapter with the virtual clock:
// what read, show, export, apply and default print, write and put on the wire.

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "files/data_file_io.h"

namespace vuriru::testing {
namespace {

using ::testing::HasSubstr;

class CliCommands : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }

  CliRun Run(std::vector<std::string> args) { return RunCliProcess(args, m_scratch); }
  CliRun Simulate(const std::string& kind, std::vector<std::string> args) {
    args.insert(args.begin(), {"--simulate", kind, "--virtual-time"});
    return Run(args);
  }
  std::string Path(const std::string& name) const { return (m_scratch / name).string(); }

  // The blocks the trace shows the program writing, one per line.
  std::vector<std::vector<std::string>> Written(const std::string& tracePath) {
    std::ifstream in(tracePath);
    std::vector<std::vector<std::string>> blocks;
    for (std::string line; std::getline(in, line);) {
      std::istringstream words(line);
      std::string ms, direction;
      words >> ms >> direction;
      if (direction != ">") continue;
      blocks.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    return blocks;
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

TEST_F(CliCommands, ReadPrintsEverySettingThenTheRunningLogThenTheCurves) {
  const CliRun run = Simulate("full", {"read"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u + 32u + 4u + 6u);
  EXPECT_EQ(lines[0], "Adapter: V2.05_23114");
  EXPECT_EQ(lines[1], "Controller: full");
  const std::regex settingLine(R"(([^=]+) = .* \(index \d+\))");
  for (size_t i = 0; i < 32; ++i) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[3 + i], match, settingLine)) << lines[3 + i];
    EXPECT_EQ(match[1].str(), ExpectedSettingKeys()[i]);
  }
  EXPECT_EQ(lines[35], "Data/BATT MIN VOLTAGE =  7.20V");
  EXPECT_THAT(lines[39], ::testing::StartsWith("Curve throttle: points (0,0) "));
  EXPECT_THAT(lines[44], ::testing::StartsWith("Curve boost: table 0 "));
}

TEST_F(CliCommands, ReadAsJsonHasTheSettingKeysRunningLogAndCurves) {
  const CliRun run = Simulate("full", {"--json", "read"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto json = nlohmann::ordered_json::parse(run.out);
  EXPECT_EQ(json["adapter"], "V2.05_23114");
  EXPECT_EQ(json["controller"]["kind"], "full");
  EXPECT_TRUE(json["controller"]["software"].is_string());

  std::vector<std::string> keys;
  for (const auto& [key, value] : json["settings"].items()) {
    keys.push_back(key);
    EXPECT_TRUE(value["index"].is_number_integer()) << key;
    EXPECT_TRUE(value["text"].is_string()) << key;
  }
  EXPECT_EQ(keys, ExpectedSettingKeys());
  EXPECT_EQ(json["settings"]["General/RUN MODE"]["text"], "Forward/Brake/Reverse");

  for (const char* key : {"battery_min_voltage", "esc_max_temp", "motor_max_temp", "motor_max_rpm"}) {
    EXPECT_TRUE(json["running_log"][key].is_number_unsigned()) << key;
  }
  EXPECT_EQ(json["running_log"]["battery_min_voltage"], 72);
  for (const char* curve : {"throttle", "brake", "boost"}) {
    const auto& points = json["curves"][curve]["points"];
    ASSERT_GE(points.size(), 2u) << curve;
    EXPECT_EQ(points.front(), nlohmann::ordered_json::array({0, 0})) << curve;
    EXPECT_EQ(points.back(), nlohmann::ordered_json::array({100, 100})) << curve;
    EXPECT_EQ(json["curves"][curve]["table"].size(), 40u) << curve;
  }
}

TEST_F(CliCommands, V1ControllersPrintTheirPanelSettings) {
  const auto keysOf = [](const CliRun& run) {
    const auto json = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["settings"].items()) keys.push_back(key);
    return keys;
  };
  const CliRun plain = Simulate("v1", {"--json", "read"});
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const std::vector<std::string> plainKeys = keysOf(plain);
  EXPECT_EQ(plainKeys.size(), 10u);
  EXPECT_EQ(plainKeys.front(), "V1/Cut-off Voltage");
  EXPECT_THAT(plainKeys, ::testing::Not(::testing::Contains("V1/BEC")));

  const CliRun bec = Simulate("v1-bec", {"--json", "read"});
  ASSERT_EQ(bec.exitCode, 0) << bec.err;
  EXPECT_EQ(nlohmann::ordered_json::parse(bec.out)["controller"]["kind"], "v1-bec");
  EXPECT_THAT(keysOf(bec), ::testing::Contains("V1/BEC"));
}

TEST_F(CliCommands, InfoNamesTheAdapterControllerAndSoftware) {
  const CliRun run = Simulate("v1-hgm", {"info"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("Adapter: V2.05_23114\nController: v1-hgm\nSoftware: V"));
}

TEST_F(CliCommands, ListShowsTheSimulatedAdapter) {
  const CliRun run = Simulate("none", {"--json", "list"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::ordered_json::parse(run.out),
            nlohmann::ordered_json::parse(R"([{"path": "/dev/hidraw-sim0", "opens": true}])"));
}

TEST_F(CliCommands, ExportSavesUnderTheDataNameAndShowPrintsWhatReadPrinted) {
  const CliRun exported = Simulate("full", {"export", Path("car.bak")});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  ASSERT_TRUE(std::filesystem::exists(Path("car.DATA")));
  EXPECT_FALSE(std::filesystem::exists(Path("car.bak")));
  EXPECT_EQ(std::filesystem::file_size(Path("car.DATA")), 804u);

  const auto read = nlohmann::ordered_json::parse(Simulate("full", {"--json", "read"}).out);
  const CliRun shown = Run({"--json", "show", Path("car.DATA")});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  const auto show = nlohmann::ordered_json::parse(shown.out);
  EXPECT_EQ(show["settings"], read["settings"]);
  EXPECT_EQ(show["running_log"], read["running_log"]);
  for (const char* curve : {"throttle", "brake", "boost"}) {
    EXPECT_EQ(show["curves"][curve]["points"], read["curves"][curve]["points"]) << curve;
  }
  EXPECT_TRUE(show["adapter"].is_null());
}

TEST_F(CliCommands, ExportReplacesAnExistingFileOnlyWhenAsked) {
  std::ofstream(Path("car.DATA")) << "keep me";
  const CliRun refused = Simulate("full", {"export", Path("car.DATA")});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_THAT(refused.err, HasSubstr("--overwrite"));
  EXPECT_EQ(std::filesystem::file_size(Path("car.DATA")), 7u);

  const CliRun replaced = Simulate("full", {"export", "--overwrite", Path("car.DATA")});
  EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
  EXPECT_EQ(std::filesystem::file_size(Path("car.DATA")), 804u);
}

TEST_F(CliCommands, ApplyStoresTheFileFrameAndCurvesAndConfirmsThem) {
  ASSERT_EQ(Simulate("full", {"export", Path("car.DATA")}).exitCode, 0);
  EscData data;
  {
    const DataFileImport imported = ReadDataFile(Path("car.DATA"), EscData{});
    ASSERT_TRUE(imported.ok);
    data = imported.data;
  }
  data.settings.Current(Setting::RunMode) = 2;
  data.settings.Current(Setting::BoostTiming) = 33;
  ASSERT_TRUE(SaveDataFile(Path("changed.DATA"), data).ok);

  const CliRun run = Simulate("full", {"--trace", Path("trace.txt"), "apply", Path("changed.DATA")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("reading it back shows the same values"));

  // The settings frame goes out in two writes of 30 and 36 bytes, each curve
  // block in chunks of 42, 42 and 50 bytes.
  std::vector<size_t> sizes;
  for (const auto& block : Written(Path("trace.txt"))) sizes.push_back(block.size());
  const std::vector<size_t> store = {30, 36, 1, 42, 42, 50, 1, 42, 42, 50, 1, 42, 42, 50};
  EXPECT_NE(std::search(sizes.begin(), sizes.end(), store.begin(), store.end()), sizes.end());
  bool runModeSent = false;
  for (const auto& block : Written(Path("trace.txt"))) {
    if (block.size() == 30 && block[0] == "A4" && block[1] == "02") runModeSent = true;
  }
  EXPECT_TRUE(runModeSent) << "the first half of the frame carries RUN MODE 2";
}

TEST_F(CliCommands, DefaultStoresFactoryValuesOnFullAndV1Controllers) {
  for (const char* kind : {"full", "v1", "v1-bec", "v1-hgm"}) {
    const CliRun run = Simulate(kind, {"default"});
    EXPECT_EQ(run.exitCode, 0) << kind << ": " << run.err;
    EXPECT_THAT(run.out, HasSubstr("Stored the factory settings")) << kind;
  }
}

TEST_F(CliCommands, TraceRecordsEveryBlockWithVirtualMillisecondsAndUpperCaseHex) {
  ASSERT_EQ(Simulate("full", {"--trace", Path("trace.txt"), "read"}).exitCode, 0);
  std::ifstream in(Path("trace.txt"));
  const std::regex format(R"((\d+) [<>]( [0-9A-F]{2})+)");
  uint64_t previous = 0;
  std::vector<std::string> lines;
  const std::regex note(R"(\d+ # .+)");
  std::vector<std::string> notes;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_match(line, note)) {  // a remark, such as the connect report's route
      notes.push_back(line);
      continue;
    }
    std::smatch match;
    ASSERT_TRUE(std::regex_match(line, match, format)) << line;
    const uint64_t ms = std::stoull(match[1].str());
    EXPECT_GE(ms, previous) << line;
    previous = ms;
    lines.push_back(line);
  }
  ASSERT_GE(lines.size(), 4u);
  ASSERT_FALSE(notes.empty());
  EXPECT_THAT(notes.front(), ::testing::HasSubstr("# connect report over "));
  EXPECT_EQ(lines[0], "0 > FD 43 4F 4E 4E");
  EXPECT_THAT(lines[1], ::testing::StartsWith("100 < D7 "));
}

}  // namespace
}  // namespace vuriru::testing
