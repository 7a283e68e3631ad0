// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON settings file: what an export holds, and which imports are taken,
// warned about or refused.

#include "files/json_settings_file.h"

#include <nlohmann/json.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files/settings_keys.h"
#include "sample_esc_data.h"

namespace vuriru {
namespace {

using ::testing::HasSubstr;
using testing::SampleEscData;
using Json = nlohmann::ordered_json;

EscData FactoryBase() {
  EscData base;
  LoadFactorySettings(base.settings);
  base.boostCurve = testing::ThreePointCurve(10, 90);
  base.brakeCurve = testing::ThreePointCurve(10, 90);
  base.throttleCurve = testing::ThreePointCurve(10, 90);
  return base;
}

Json Exported(const EscData& data = SampleEscData()) {
  return Json::parse(EncodeJsonFile(data, "V3.12_240517"));
}

JsonFileImport Import(const Json& json) {
  return DecodeJsonFile(json.dump(), FactoryBase());
}

TEST(JsonFileExport, HoldsTheHeaderEveryFileSettingTheCurvesAndTheRunningLog) {
  const Json json = Exported();
  EXPECT_EQ(json["format"], "vuriru-link settings");
  EXPECT_EQ(json["version"], 1);
  EXPECT_EQ(json["controller"], Json({{"kind", "full"}, {"software", "V3.12_240517"}}));

  ASSERT_EQ(json["settings"].size(), 32u);
  EXPECT_EQ(json["settings"].begin().key(), "RUN MODE");
  EXPECT_EQ(json["settings"]["RUN MODE"], Json({{"index", 2}, {"text", "Forward/Reverse"}}));
  EXPECT_EQ(json["settings"]["THREVERSE SPD"], Json({{"index", 3}, {"text", "100%"}}));
  EXPECT_EQ(json["settings"]["D.Brake Rate"]["index"], 55);
  EXPECT_TRUE(json["settings"].contains("START RPM (Boost)"));
  EXPECT_TRUE(json["settings"].contains("START RPM (Turbo)"));
  EXPECT_FALSE(json["settings"].contains("START RPM"));
  EXPECT_FALSE(json["settings"].contains("PROFILE"));
  // Texts exactly as listed: the factory marker and trailing blanks stay.
  EXPECT_EQ(json["settings"]["Moter Rotation"]["text"], "Normal(*)");
  EXPECT_EQ(json["settings"]["BEC Output"]["text"], "7.4V");

  EXPECT_EQ(json["curves"]["throttle"], Json::parse("[[0,0],[50,80],[100,100]]"));
  EXPECT_EQ(json["curves"]["boost"], Json::parse("[[0,0],[30,60],[100,100]]"));
  EXPECT_EQ(json["runningLog"], Json::parse(R"({"batteryMinVolts": 7.4, "escMaxCelsius": 65,
                                                "motorMaxCelsius": 81, "motorMaxRpm": 300000})"));
}

TEST(JsonFileExport, AnIndexPastItsListIsWrittenAsTheLastOptionSoTheFileImportsAgain) {
  EscData data = SampleEscData();
  data.settings.Current(Setting::RunMode) = 7;
  const Json json = Exported(data);
  EXPECT_EQ(json["settings"]["RUN MODE"], Json({{"index", 2}, {"text", "Forward/Reverse"}}));
  EXPECT_TRUE(Import(json).ok);
}

TEST(JsonFileImport, AnExportImportsAsTheSameSettingsRunningLogAndCurvePoints) {
  const EscData sample = SampleEscData();
  const JsonFileImport imported = DecodeJsonFile(EncodeJsonFile(sample, "V3.12_240517"), FactoryBase());
  ASSERT_TRUE(imported.ok) << imported.message;
  EXPECT_TRUE(imported.warnings.empty());
  EXPECT_EQ(imported.software, "V3.12_240517");
  for (const FileSettingKey& entry : FileSettingKeys()) {
    EXPECT_EQ(imported.data.settings.Current(entry.setting), sample.settings.Current(entry.setting)) << entry.key;
  }
  EXPECT_EQ(imported.data.settings.runningLog, sample.settings.runningLog);
  EXPECT_EQ(StoredPoints(imported.data.throttleCurve), StoredPoints(sample.throttleCurve));
  EXPECT_EQ(StoredPoints(imported.data.brakeCurve), StoredPoints(sample.brakeCurve));
  EXPECT_EQ(StoredPoints(imported.data.boostCurve), StoredPoints(sample.boostCurve));
  // Settings a file does not hold keep the program's values.
  EXPECT_EQ(imported.data.settings.Current(Setting::Profile), FactoryBase().settings.Current(Setting::Profile));
  EXPECT_EQ(imported.data.settings.factory, FactoryBase().settings.factory);
}

TEST(JsonFileImport, CurvesAreSampledAsTheEditorSamplesThem) {
  Json json = Exported();
  json["curves"]["throttle"] = Json::parse("[[0,0],[50,25],[100,100]]");
  const JsonFileImport imported = Import(json);
  ASSERT_TRUE(imported.ok) << imported.message;
  const StoredCurve& curve = imported.data.throttleCurve;
  EXPECT_EQ(curve.table[0], 0);
  EXPECT_EQ(curve.table[19], 25);  // the input 50
  EXPECT_EQ(curve.table[39], 100);
  EXPECT_EQ(curve.x[3], 0);  // nothing left behind the end point
  // Entries past the 40 sampled ones keep the program's.
  EXPECT_EQ(curve.table[45], FactoryBase().throttleCurve.table[45]);
}

TEST(JsonFileImport, TakesAnIndexOrATextWithOrWithoutMarkerAndTrailingBlanks) {
  Json json = Exported();
  json["settings"]["RUN MODE"] = {{"text", "Forward/Brake"}};         // listed "Forward/Brake(*)"
  json["settings"]["Moter Rotation"] = {{"text", "Reverse"}};         // listed "Reverse "
  json["settings"]["BEC Output"] = {{"index", 0}};                    // index alone
  json["settings"]["DEAD BAND"] = "6%";                               // a bare text
  json["settings"]["RPM Lock"] = 9;                                   // a bare index
  json["settings"]["SWITCHPOINT"] = {{"index", 4}, {"text", "16K"}};  // both, agreeing
  const JsonFileImport imported = Import(json);
  ASSERT_TRUE(imported.ok) << imported.message;
  const SettingsBlock& s = imported.data.settings;
  EXPECT_EQ(s.Current(Setting::RunMode), 0);
  EXPECT_EQ(s.Current(Setting::MoterRotation), 1);
  EXPECT_EQ(s.Current(Setting::BecOutput), 0);
  EXPECT_EQ(s.Current(Setting::DeadBand), 2);
  EXPECT_EQ(s.Current(Setting::RpmLock), 9);
  EXPECT_EQ(s.Current(Setting::ThrottleSwitchPoint), 4);
}

// Matching without the marker and trailing blanks must never make two
// options of one list read the same.
TEST(JsonFileImport, EveryOptionTextNamesItsOwnIndexWithOrWithoutMarkerAndBlanks) {
  for (const FileSettingKey& entry : FileSettingKeys()) {
    const std::vector<std::string>& options = *entry.options;
    for (size_t i = 0; i < options.size(); ++i) {
      std::string plain = options[i];
      if (const size_t marker = plain.find("(*)"); marker != std::string::npos) plain.erase(marker, 3);
      while (!plain.empty() && plain.back() == ' ') plain.pop_back();
      EXPECT_EQ(OptionIndexOfText(options, options[i]), static_cast<int32_t>(i)) << entry.key << " " << options[i];
      EXPECT_EQ(OptionIndexOfText(options, plain), static_cast<int32_t>(i)) << entry.key << " " << plain;
      EXPECT_EQ(OptionIndexOfText(options, plain + "  "), static_cast<int32_t>(i)) << entry.key << " " << plain;
    }
  }
  EXPECT_FALSE(OptionIndexOfText(*FindFileSettingKey("RUN MODE")->options, ""));
  EXPECT_FALSE(OptionIndexOfText(*FindFileSettingKey("RUN MODE")->options, "(*)"));
}

TEST(JsonFileImport, RefusesABadSettingNamingItsKey) {
  const std::vector<std::pair<Json, std::string>> cases = {
      {{{"index", 3}}, "\"RUN MODE\": index 3 is outside its list (0 to 2)"},
      {{{"index", -1}}, "\"RUN MODE\": index -1 is outside its list"},
      {{{"index", 1.5}}, "\"RUN MODE\": the index must be a whole number"},
      {{{"text", "Backward"}}, "\"RUN MODE\": \"Backward\" is not one of its options"},
      {{{"text", "forward/brake"}}, "is not one of its options"},
      {{{"index", 0}, {"text", "Forward/Reverse"}}, "\"RUN MODE\": index 0 is \"Forward/Brake(*)\", but the text says"},
      {{{"text", 2}}, "\"RUN MODE\": the text must be one of its options"},
      {Json::object(), "\"RUN MODE\": give the option's \"index\" or its \"text\""},
      {true, "\"RUN MODE\": give the option's"},
  };
  for (const auto& [value, problem] : cases) {
    Json json = Exported();
    json["settings"]["RUN MODE"] = value;
    const JsonFileImport imported = Import(json);
    EXPECT_FALSE(imported.ok) << value.dump();
    EXPECT_THAT(imported.problem, HasSubstr(problem)) << value.dump();
    EXPECT_EQ(imported.message, "Import file error! " + imported.problem);
    EXPECT_EQ(imported.caption, "Import");
  }
}

TEST(JsonFileImport, RefusesACurveTheEditorCouldNotMake) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"[[0,0]]", "a curve has 2 to 40 points, this one 1"},
      {"[[0,0],[50,50],[40,60],[100,100]]", "point 3 lies left of the point before it"},
      {"[[0,0],[50,101],[100,100]]", "point 2 lies outside 0 to 100"},
      {"[[0,0],[50,-1],[100,100]]", "point 2 lies outside 0 to 100"},
      {"[[5,0],[100,100]]", "a curve starts at [0, 0]"},
      {"[[0,0],[100,90]]", "a curve ends at [100, 100]"},
      {"[[0,0],[100,100],[100,100]]", "a curve ends at [100, 100] and reaches it only there"},
      {"[[0,0],[50],[100,100]]", "point 2 must be [x, y]"},
      {"[[0,0],[50,\"a\"],[100,100]]", "point 2 must be [x, y]"},
      {"{\"x\": 1}", "must be a list of [x, y] points"},
  };
  for (const auto& [curve, problem] : cases) {
    Json json = Exported();
    json["curves"]["brake"] = Json::parse(curve);
    const JsonFileImport imported = Import(json);
    EXPECT_FALSE(imported.ok) << curve;
    EXPECT_THAT(imported.problem, HasSubstr("\"curves.brake\": " + problem)) << curve;
  }
  Json json = Exported();
  std::string fortyOne = "[[0,0]";
  for (int i = 1; i < 40; ++i) fortyOne += ",[" + std::to_string(i) + ",1]";
  json["curves"]["throttle"] = Json::parse(fortyOne + ",[100,100]]");
  EXPECT_THAT(Import(json).problem, HasSubstr("\"curves.throttle\": a curve has 2 to 40 points, this one 41"));
}

TEST(JsonFileImport, RefusesAnotherKindFormatOrVersionAndWhatIsNoSettingsFile) {
  const auto problemOf = [](const std::function<void(Json&)>& change) {
    Json json = Exported();
    change(json);
    const JsonFileImport imported = Import(json);
    EXPECT_FALSE(imported.ok);
    return imported.problem;
  };
  EXPECT_THAT(problemOf([](Json& j) { j["controller"]["kind"] = "v1"; }),
              HasSubstr("\"controller.kind\": the file is for a \"v1\" controller"));
  EXPECT_THAT(problemOf([](Json& j) { j["controller"].erase("kind"); }), HasSubstr("\"controller.kind\": missing"));
  EXPECT_THAT(problemOf([](Json& j) { j.erase("controller"); }), HasSubstr("\"controller\": missing"));
  EXPECT_THAT(problemOf([](Json& j) { j["format"] = "something else"; }), HasSubstr("\"format\": not a settings file"));
  EXPECT_THAT(problemOf([](Json& j) { j["version"] = 2; }), HasSubstr("\"version\": version 2 is not one"));
  EXPECT_THAT(problemOf([](Json& j) { j["version"] = "1"; }), HasSubstr("\"version\": must be"));
  EXPECT_THAT(problemOf([](Json& j) { j["settings"] = Json::array(); }), HasSubstr("\"settings\": must be an object"));
  EXPECT_THAT(problemOf([](Json& j) { j["runningLog"]["batteryMinVolts"] = 25.6; }),
              HasSubstr("\"runningLog.batteryMinVolts\": 25.6 is outside 0 to 25.5"));
  EXPECT_THAT(problemOf([](Json& j) { j["runningLog"]["motorMaxRpm"] = -1000; }),
              HasSubstr("\"runningLog.motorMaxRpm\""));
  EXPECT_THAT(problemOf([](Json& j) { j["runningLog"]["escMaxCelsius"] = "hot"; }),
              HasSubstr("\"runningLog.escMaxCelsius\": must be a number"));

  for (const std::string text : {"", "not json", "[1, 2]", "{\"format\": ", "{\"version\": 2e11000}"}) {
    EXPECT_FALSE(DecodeJsonFile(text, FactoryBase()).ok) << text;
  }
  EXPECT_THAT(DecodeJsonFile(std::string(100, '[') + std::string(100, ']'), FactoryBase()).problem,
              HasSubstr("nests deeper"));
  EXPECT_THAT(DecodeJsonFile(std::string(kJsonFileLimit + 1, ' '), FactoryBase()).problem, HasSubstr("larger"));
}

TEST(JsonFileImport, WarnsOfUnknownKeysAndOfWhatTheFileLeavesOut) {
  Json json = Exported();
  json["comment"] = "wet track";
  json["settings"]["TURBO BOOST"] = 1;
  json["settings"]["RUN MODE"]["note"] = "x";
  json["settings"].erase("DEAD BAND");
  json["curves"]["steering"] = Json::array();
  json["curves"].erase("boost");
  json["runningLog"]["laps"] = 3;
  json["controller"]["serial"] = "none";
  const JsonFileImport imported = Import(json);
  ASSERT_TRUE(imported.ok) << imported.message;
  std::vector<std::string> warnings;
  for (const UserText& warning : imported.warnings) warnings.push_back(EnglishText(warning));
  EXPECT_THAT(warnings, ::testing::UnorderedElementsAre(
                            "unknown key \"comment\" left out", "unknown setting \"TURBO BOOST\" left out",
                            "unknown key \"RUN MODE.note\" left out", "unknown curve \"steering\" left out",
                            "unknown key \"runningLog.laps\" left out", "unknown key \"controller.serial\" left out",
                            "1 setting is not in the file and keeps its present value: \"DEAD BAND\"",
                            "1 curve is not in the file and keeps its present points: \"boost\""));
  EXPECT_EQ(imported.data.settings.Current(Setting::DeadBand), FactoryBase().settings.Current(Setting::DeadBand));
  EXPECT_EQ(imported.data.boostCurve, FactoryBase().boostCurve);
}

TEST(JsonFileImport, RunningLogValuesAreRoundedToWhatTheFileKeeps) {
  Json json = Exported();
  json["runningLog"] = {
      {"batteryMinVolts", 7.26}, {"escMaxCelsius", 0}, {"motorMaxCelsius", 255}, {"motorMaxRpm", 65535000}};
  const JsonFileImport imported = Import(json);
  ASSERT_TRUE(imported.ok) << imported.message;
  EXPECT_EQ(imported.data.settings.Log(RunningLog::BatteryMinVoltage), 73u);
  EXPECT_EQ(imported.data.settings.Log(RunningLog::MotorMaxTemp), 255u);
  EXPECT_EQ(imported.data.settings.Log(RunningLog::MotorMaxRpm), 65535u);
}

TEST(JsonFileImport, KeysAndTextsFromTheFileAreQuotedWithControlCharactersEscaped) {
  Json json = Exported();
  json["settings"]["RUN MODE"] = {{"text", "\x1b]0;owned\x07"}};
  const JsonFileImport imported = Import(json);
  ASSERT_FALSE(imported.ok);
  EXPECT_EQ(imported.problem.find('\x1b'), std::string::npos) << imported.problem;
  EXPECT_THAT(imported.problem, HasSubstr("\\u001b"));
}

}  // namespace
}  // namespace vuriru
