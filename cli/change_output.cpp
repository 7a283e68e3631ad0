// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/change_output.h"

#include <nlohmann/json.hpp>

namespace vuriru {

void PrintChanges(const ChangeList& changes, const std::string& from, const std::string& to, bool json,
                  std::ostream& out) {
  if (json) {
    nlohmann::ordered_json settings = nlohmann::ordered_json::array();
    for (const SettingChange& change : changes.settings) {
      settings.push_back({{"key", change.key},
                          {"from", {{"index", change.fromIndex}, {"text", change.fromText}}},
                          {"to", {{"index", change.toIndex}, {"text", change.toText}}}});
    }
    nlohmann::ordered_json curves = nlohmann::ordered_json::array();
    for (CurveNumber number : changes.curves) curves.push_back(CurveName(number));
    const nlohmann::ordered_json result = {{"from", from}, {"to", to}, {"settings", settings}, {"curves", curves}};
    out << result.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    return;
  }
  out << "Changes from " << from << " to " << to << ":\n";
  if (changes.Empty()) {
    out << kNothingChanges << "\n";
    return;
  }
  for (const std::string& line : ChangeLines(changes)) out << line << "\n";
}

}  // namespace vuriru
