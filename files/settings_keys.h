// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings a settings file holds, each under the key the JSON file and
// the change reviews name it by: its caption, with the page in brackets
// where two pages use the same caption ("START RPM (Boost)",
// "START RPM (Turbo)"). Keys and option texts are English whatever the
// window's language.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/data_file_codec.h"
#include "settings/settings_block.h"

namespace vuriru {

struct FileSettingKey {
  Setting setting;
  std::string key;
  const std::vector<std::string>* options;  // as listed, "(*)" marker and blanks included
  bool stored;                              // sent to the controller (false: THREVERSE SPD)
};

// Every setting a *.DATA file carries, in the pages' order (General,
// Throttle, Brake, Boost, Turbo, each in its column order).
const std::vector<FileSettingKey>& FileSettingKeys();
const FileSettingKey* FindFileSettingKey(std::string_view key);

// The option an index shows as: an index past either end of the list shows
// the nearest end, as a page shows it after its refresh.
int32_t ShownIndex(const std::vector<std::string>& options, int32_t index);
std::string ShownText(const std::vector<std::string>& options, int32_t index);

// The option a text names: the option listed exactly so, or else the one
// that reads the same once the factory marker "(*)" and trailing blanks are
// left out of both ("Normal" names "Normal(*)", "Reverse" names "Reverse ").
std::optional<int32_t> OptionIndexOfText(const std::vector<std::string>& options, std::string_view text);

// What an import of `from` makes of `base`: the settings a file holds, the
// running log and the three stored curves from `from`, everything else (the
// page-only settings, the factory indexes) from `base`.
EscData WithFileValues(const EscData& base, const EscData& from);

}  // namespace vuriru
