// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/json_settings_file.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "curves/curve_sampling.h"
#include "files/settings_keys.h"

namespace vuriru {

namespace {

using Json = nlohmann::ordered_json;

// Deeper nesting than the format's own three levels is refused before the
// parser sees it, so that no input can make it recurse without bound.
constexpr int kDeepestNesting = 16;
// A key or text from the file is quoted in a message at most this long.
constexpr size_t kQuotedLength = 60;

constexpr const char* kCurveNames[] = {"throttle", "brake", "boost"};

struct RunningLogKey {
  const char* key;
  RunningLog value;
  double unit;   // physical units per step of the stored value
  double limit;  // the largest stored value
};
// Volts in steps of 0.1 V, degrees Celsius, rpm in steps of 1000 rpm; the
// file's block holds one byte each, and two for the rpm.
constexpr RunningLogKey kRunningLogKeys[] = {
    {"batteryMinVolts", RunningLog::BatteryMinVoltage, 0.1, 255},
    {"escMaxCelsius", RunningLog::EscMaxTemp, 1, 255},
    {"motorMaxCelsius", RunningLog::MotorMaxTemp, 1, 255},
    {"motorMaxRpm", RunningLog::MotorMaxRpm, 1000, 65535},
};

StoredCurve EscData::*CurveMember(std::string_view name) {
  if (name == "throttle") return &EscData::throttleCurve;
  if (name == "brake") return &EscData::brakeCurve;
  return &EscData::boostCurve;
}

// A key or text from the file as a message shows it: in quotes, with control
// characters escaped, and cut short when long.
std::string Quoted(std::string_view text) {
  std::string shown(text.substr(0, kQuotedLength));
  if (text.size() > kQuotedLength) shown += "...";
  return Json(shown).dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool TooDeep(std::string_view text) {
  int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
      continue;
    }
    if (c == '"') inString = true;
    if (c == '[' || c == '{') {
      if (++depth > kDeepestNesting) return true;
    }
    if (c == ']' || c == '}') --depth;
  }
  return false;
}

class Decoder {
 public:
  explicit Decoder(const EscData& base) { m_result.data = base; }

  JsonFileImport Run(std::string_view text) {
    if (text.size() > kJsonFileLimit) {
      return Refuse(VURIRU_TEXT("Messages", "the file is larger than a settings file can be"));
    }
    if (TooDeep(text)) return Refuse(VURIRU_TEXT("Messages", "the file nests deeper than a settings file does"));
    Json json;
    try {
      json = Json::parse(text);
    } catch (const Json::exception& error) {
      // A syntax error, or a number too large for any type ("2e11000").
      return Refuse(UserText(VURIRU_TEXT("Messages", "not JSON (%1)"), {error.what()}));
    }
    if (!json.is_object()) return Refuse(VURIRU_TEXT("Messages", "not a settings file: the file is no JSON object"));
    if (!Header(json)) return Failed();
    for (const auto& [key, value] : json.items()) {
      if (key == "format" || key == "version" || key == "controller") continue;
      if (key == "settings") {
        if (!Settings(value)) return Failed();
      } else if (key == "curves") {
        if (!Curves(value)) return Failed();
      } else if (key == "runningLog") {
        if (!RunningLogValues(value)) return Failed();
      } else {
        Warn(UnknownKey(key));
      }
    }
    if (!json.contains("settings")) Settings(Json::object());
    if (!json.contains("curves")) Curves(Json::object());
    if (!json.contains("runningLog")) {
      Warn(VURIRU_TEXT("Messages", "the running log is not in the file and keeps its present values"));
    }
    m_result.ok = true;
    return m_result;
  }

 private:
  JsonFileImport Refuse(UserText problem) {
    m_problem = std::move(problem);
    return Failed();
  }

  JsonFileImport Failed() { return RefusedJsonImport(m_problem); }

  bool Problem(UserText problem) {
    m_problem = std::move(problem);
    return false;
  }

  // "<key>: <what is wrong>", the key as the file spells it.
  bool KeyProblem(const std::string& key, const char* format, std::vector<std::string> args = {}) {
    args.insert(args.begin(), key);
    return Problem(UserText(format, std::move(args)));
  }

  void Warn(UserText warning) { m_result.warnings.push_back(std::move(warning)); }

  static UserText UnknownKey(const std::string& key) {
    return UserText(VURIRU_TEXT("Messages", "unknown key %1 left out"), {Quoted(key)});
  }

  // One warning for everything of a kind the file leaves out.
  void WarnMissing(const std::vector<std::string>& missing, const char* one, const char* many) {
    if (missing.empty()) return;
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + Quoted(name);
    Warn(missing.size() == 1 ? UserText(one, {names}) : UserText(many, {std::to_string(missing.size()), names}));
  }

  bool Header(const Json& json) {
    const auto format = json.find("format");
    if (format == json.end() || !format->is_string() || format->get<std::string>() != kJsonFormatName) {
      return Problem(
          UserText(VURIRU_TEXT("Messages", "\"format\": not a settings file; it must say \"%1\""), {kJsonFormatName}));
    }
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer()) {
      return Problem(UserText(VURIRU_TEXT("Messages", "\"version\": must be the format's version number, %1"),
                              {std::to_string(kJsonFormatVersion)}));
    }
    if (version->get<int64_t>() != kJsonFormatVersion) {
      return Problem(
          UserText(VURIRU_TEXT("Messages", "\"version\": version %1 is not one this program reads (it reads %2)"),
                   {version->dump(), std::to_string(kJsonFormatVersion)}));
    }
    const auto controller = json.find("controller");
    if (controller == json.end() || !controller->is_object()) {
      return Problem(
          VURIRU_TEXT("Messages", "\"controller\": missing; a settings file names the controller kind it is for"));
    }
    for (const auto& [key, value] : controller->items()) {
      if (key == "kind") {
        if (!value.is_string() || value.get<std::string>() != kJsonControllerKind) {
          return Problem(value.is_string()
                             ? UserText(VURIRU_TEXT("Messages",
                                                    "\"controller.kind\": the file is for a %1 controller; these "
                                                    "settings are a full controller's"),
                                        {Quoted(value.get<std::string>())})
                             : UserText(VURIRU_TEXT("Messages",
                                                    "\"controller.kind\": the file is for another controller; these "
                                                    "settings are a full controller's")));
        }
      } else if (key == "software") {
        if (value.is_string()) m_result.software = value.get<std::string>();
      } else {
        Warn(UnknownKey("controller." + key));
      }
    }
    if (!controller->contains("kind")) {
      return Problem(
          VURIRU_TEXT("Messages", "\"controller.kind\": missing; a settings file names the controller kind it is for"));
    }
    return true;
  }

  bool Settings(const Json& settings) {
    if (!settings.is_object()) {
      return Problem(VURIRU_TEXT("Messages", "\"settings\": must be an object of settings by their captions"));
    }
    for (const auto& [key, value] : settings.items()) {
      const FileSettingKey* entry = FindFileSettingKey(key);
      if (entry == nullptr) {
        Warn(UserText(VURIRU_TEXT("Messages", "unknown setting %1 left out"), {Quoted(key)}));
        continue;
      }
      std::optional<int32_t> index;
      if (!TakeSetting(*entry, value, index)) return false;
      m_result.data.settings.Current(entry->setting) = *index;
    }
    std::vector<std::string> missing;
    for (const FileSettingKey& entry : FileSettingKeys()) {
      if (!settings.contains(entry.key)) missing.push_back(entry.key);
    }
    WarnMissing(missing, VURIRU_TEXT("Messages", "1 setting is not in the file and keeps its present value: %1"),
                VURIRU_TEXT("Messages", "%1 settings are not in the file and keep their present values: %2"));
    return true;
  }

  bool TakeSetting(const FileSettingKey& entry, const Json& value, std::optional<int32_t>& index) {
    const std::string name = Quoted(entry.key);
    const std::vector<std::string>& options = *entry.options;
    const Json* indexValue = nullptr;
    const Json* textValue = nullptr;
    if (value.is_object()) {
      for (const auto& [key, part] : value.items()) {
        if (key == "index") {
          indexValue = &part;
        } else if (key == "text") {
          textValue = &part;
        } else {
          Warn(UnknownKey(entry.key + "." + key));
        }
      }
    } else if (value.is_number()) {
      indexValue = &value;
    } else if (value.is_string()) {
      textValue = &value;
    }
    if (indexValue == nullptr && textValue == nullptr) {
      return KeyProblem(name, VURIRU_TEXT("Messages", "%1: give the option's \"index\" or its \"text\""));
    }
    const std::string last = std::to_string(options.size() - 1);
    if (indexValue != nullptr) {
      if (!indexValue->is_number_integer()) {
        return KeyProblem(name, VURIRU_TEXT("Messages", "%1: the index must be a whole number from 0 to %2"), {last});
      }
      const int64_t wanted = indexValue->get<int64_t>();
      if (wanted < 0 || wanted >= static_cast<int64_t>(options.size())) {
        return KeyProblem(name, VURIRU_TEXT("Messages", "%1: index %2 is outside its list (0 to %3)"),
                          {indexValue->dump(), last});
      }
      index = static_cast<int32_t>(wanted);
    }
    if (textValue != nullptr) {
      if (!textValue->is_string()) {
        return KeyProblem(name, VURIRU_TEXT("Messages", "%1: the text must be one of its options, in quotes"));
      }
      const std::string text = textValue->get<std::string>();
      const std::optional<int32_t> named = OptionIndexOfText(options, text);
      if (!named) return KeyProblem(name, VURIRU_TEXT("Messages", "%1: %2 is not one of its options"), {Quoted(text)});
      if (index && *index != *named) {
        return KeyProblem(name, VURIRU_TEXT("Messages", "%1: index %2 is %3, but the text says %4"),
                          {std::to_string(*index), Quoted(options[static_cast<size_t>(*index)]), Quoted(text)});
      }
      index = named;
    }
    return true;
  }

  bool Curves(const Json& curves) {
    if (!curves.is_object()) {
      return Problem(VURIRU_TEXT("Messages", "\"curves\": must be an object with the throttle, brake and boost curve"));
    }
    for (const auto& [key, value] : curves.items()) {
      const bool known = key == kCurveNames[0] || key == kCurveNames[1] || key == kCurveNames[2];
      if (!known) {
        Warn(UserText(VURIRU_TEXT("Messages", "unknown curve %1 left out"), {Quoted(key)}));
        continue;
      }
      if (!Curve(key, value, m_result.data.*CurveMember(key))) return false;
    }
    std::vector<std::string> missing;
    for (const char* name : kCurveNames) {
      if (!curves.contains(name)) missing.push_back(std::string(name));
    }
    WarnMissing(missing, VURIRU_TEXT("Messages", "1 curve is not in the file and keeps its present points: %1"),
                VURIRU_TEXT("Messages", "%1 curves are not in the file and keep their present points: %2"));
    return true;
  }

  // A curve the editor could make: 2 to 40 points from (0,0) to (100,100),
  // each within 0..100, x never decreasing, and (100,100) only at the end.
  bool Curve(const std::string& name, const Json& value, StoredCurve& curve) {
    const std::string key = Quoted("curves." + name);
    if (!value.is_array()) return KeyProblem(key, VURIRU_TEXT("Messages", "%1: must be a list of [x, y] points"));
    if (value.size() < 2 || value.size() > kSampleCount) {
      return KeyProblem(key, VURIRU_TEXT("Messages", "%1: a curve has 2 to %2 points, this one %3"),
                        {std::to_string(kSampleCount), std::to_string(value.size())});
    }
    StoredCurve made = curve;
    made.x.fill(0);
    made.y.fill(0);
    for (size_t i = 0; i < value.size(); ++i) {
      const Json& point = value[i];
      const std::string number = std::to_string(i + 1);
      if (!point.is_array() || point.size() != 2 || !point[0].is_number_integer() || !point[1].is_number_integer()) {
        return KeyProblem(key, VURIRU_TEXT("Messages", "%1: point %2 must be [x, y] with two whole numbers"), {number});
      }
      const int64_t x = point[0].get<int64_t>();
      const int64_t y = point[1].get<int64_t>();
      if (x < 0 || x > 100 || y < 0 || y > 100) {
        return KeyProblem(key, VURIRU_TEXT("Messages", "%1: point %2 lies outside 0 to 100"), {number});
      }
      if (i > 0 && x < made.x[i - 1]) {
        return KeyProblem(key, VURIRU_TEXT("Messages", "%1: point %2 lies left of the point before it"), {number});
      }
      const bool end = x == 100 && y == 100;
      if (end != (i + 1 == value.size())) {
        return KeyProblem(key, VURIRU_TEXT("Messages", "%1: a curve ends at [100, 100] and reaches it only there"));
      }
      made.x[i] = static_cast<uint8_t>(x);
      made.y[i] = static_cast<uint8_t>(y);
    }
    if (made.x[0] != 0 || made.y[0] != 0)
      return KeyProblem(key, VURIRU_TEXT("Messages", "%1: a curve starts at [0, 0]"));
    SampleCurve(made.x, made.y, static_cast<uint32_t>(value.size()), made.table);
    if (!IsPossibleCurve(made)) {
      return KeyProblem(key, VURIRU_TEXT("Messages", "%1: not a curve the editor could make"));
    }
    curve = made;
    return true;
  }

  bool RunningLogValues(const Json& log) {
    if (!log.is_object()) {
      return Problem(VURIRU_TEXT("Messages", "\"runningLog\": must be an object of the four running-log values"));
    }
    for (const auto& [key, value] : log.items()) {
      const RunningLogKey* entry = nullptr;
      for (const RunningLogKey& candidate : kRunningLogKeys) {
        if (key == candidate.key) entry = &candidate;
      }
      if (entry == nullptr) {
        Warn(UnknownKey("runningLog." + key));
        continue;
      }
      const std::string name = Quoted("runningLog." + key);
      if (!value.is_number()) return KeyProblem(name, VURIRU_TEXT("Messages", "%1: must be a number"));
      const double steps = std::round(value.get<double>() / entry->unit);
      if (!(steps >= 0 && steps <= entry->limit)) {
        return KeyProblem(name, VURIRU_TEXT("Messages", "%1: %2 is outside 0 to %3"),
                          {value.dump(), Number(entry->limit * entry->unit)});
      }
      m_result.data.settings.Log(entry->value) = static_cast<uint32_t>(steps);
    }
    return true;
  }

  static std::string Number(double value) { return Json(value).dump(); }

  JsonFileImport m_result;
  UserText m_problem;
};

}  // namespace

JsonFileImport RefusedJsonImport(UserText problem) {
  JsonFileImport refused;
  refused.problem = EnglishText(problem);
  // "Import file error!" and why, each a text of its own for the window.
  refused.messageText = UserText("%1 %2");
  refused.messageText.parts = {UserText(kImportErrorText), std::move(problem)};
  refused.message = EnglishText(refused.messageText);
  refused.caption = kImportErrorCaption;
  return refused;
}

std::string EncodeJsonFile(const EscData& data, const std::string& software) {
  Json json;
  json["format"] = kJsonFormatName;
  json["version"] = kJsonFormatVersion;
  json["controller"] = {{"kind", kJsonControllerKind}, {"software", software}};
  Json settings = Json::object();
  for (const FileSettingKey& entry : FileSettingKeys()) {
    const int32_t index = data.settings.Current(entry.setting);
    settings[entry.key] = {{"index", ShownIndex(*entry.options, index)}, {"text", ShownText(*entry.options, index)}};
  }
  json["settings"] = settings;
  Json curves = Json::object();
  for (const char* name : kCurveNames) {
    Json points = Json::array();
    for (const CurvePoint& point : StoredPoints(data.*CurveMember(name))) points.push_back({point.x, point.y});
    curves[name] = points;
  }
  json["curves"] = curves;
  Json log = Json::object();
  for (const RunningLogKey& entry : kRunningLogKeys) {
    const uint32_t stored = data.settings.Log(entry.value);
    if (entry.unit < 1) {
      log[entry.key] = static_cast<double>(stored) / 10.0;
    } else {
      log[entry.key] = static_cast<uint64_t>(stored) * static_cast<uint64_t>(entry.unit);
    }
  }
  json["runningLog"] = log;
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

JsonFileImport DecodeJsonFile(std::string_view text, const EscData& base) {
  return Decoder(base).Run(text);
}

}  // namespace vuriru
