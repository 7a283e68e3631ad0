// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_keys.h"

#include <algorithm>
#include <map>

#include "settings/settings_pages.h"
#include "settings/settings_table.h"

namespace vuriru {

namespace {

std::vector<FileSettingKey> BuildKeys() {
  struct Row {
    const PageSettingRow* row;
    const PageTable* page;
  };
  std::vector<Row> rows;
  std::map<std::string, int> captionCount;
  for (const PageTable* table : AllPageTables()) {
    for (const PageSettingRow& row : table->rows) {
      if (SettingRowFor(row.setting).fileOffset == kNotCarried || row.options.empty()) continue;
      rows.push_back({&row, table});
      ++captionCount[SettingRowFor(row.setting).caption];
    }
  }
  std::vector<FileSettingKey> keys;
  for (const Row& r : rows) {
    std::string key = SettingRowFor(r.row->setting).caption;
    if (captionCount[key] > 1) key += " (" + r.page->title + ")";
    keys.push_back({r.row->setting, key, &r.row->options, SettingRowFor(r.row->setting).frameSlot != kNotCarried});
  }
  return keys;
}

// The text without the factory marker and without trailing blanks.
std::string Plain(std::string_view text) {
  std::string plain(text);
  for (size_t at = plain.find("(*)"); at != std::string::npos; at = plain.find("(*)")) plain.erase(at, 3);
  while (!plain.empty() && (plain.back() == ' ' || plain.back() == '\t')) plain.pop_back();
  return plain;
}

}  // namespace

const std::vector<FileSettingKey>& FileSettingKeys() {
  static const std::vector<FileSettingKey> keys = BuildKeys();
  return keys;
}

const FileSettingKey* FindFileSettingKey(std::string_view key) {
  for (const FileSettingKey& entry : FileSettingKeys()) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

int32_t ShownIndex(const std::vector<std::string>& options, int32_t index) {
  if (options.empty()) return 0;
  return std::clamp(index, 0, static_cast<int32_t>(options.size()) - 1);
}

std::string ShownText(const std::vector<std::string>& options, int32_t index) {
  if (options.empty()) return "";
  return options[static_cast<size_t>(ShownIndex(options, index))];
}

std::optional<int32_t> OptionIndexOfText(const std::vector<std::string>& options, std::string_view text) {
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i] == text) return static_cast<int32_t>(i);
  }
  const std::string wanted = Plain(text);
  if (wanted.empty()) return std::nullopt;
  for (size_t i = 0; i < options.size(); ++i) {
    if (Plain(options[i]) == wanted) return static_cast<int32_t>(i);
  }
  return std::nullopt;
}

EscData WithFileValues(const EscData& base, const EscData& from) {
  EscData result = base;
  for (const SettingRow& row : SettingsTable()) {
    if (row.fileOffset != kNotCarried) result.settings.Current(row.setting) = from.settings.Current(row.setting);
  }
  result.settings.runningLog = from.settings.runningLog;
  result.boostCurve = from.boostCurve;
  result.brakeCurve = from.brakeCurve;
  result.throttleCurve = from.throttleCurve;
  return result;
}

}  // namespace vuriru
