// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog/run_log_limits.h"

#include "settings/settings_pages.h"
#include "settings/settings_table.h"

namespace vuriru {

namespace {

const PageSettingRow* PageRowOf(Setting setting) {
  for (const PageTable* table : AllPageTables()) {
    for (const PageSettingRow& row : table->rows) {
      if (row.setting == setting) return &row;
    }
  }
  return nullptr;
}

// The option as the user reads it, without the factory mark.
std::string WithoutMark(std::string text) {
  if (const size_t mark = text.find("(*)"); mark != std::string::npos) text.erase(mark, 3);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::optional<double> OptionNumber(const std::string& text) {
  // Counted in tenths as whole numbers, so that "6.2" is the double nearest 6.2.
  int64_t whole = 0;
  size_t at = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at < 9) whole = whole * 10 + (text[at++] - '0');
  if (at == 0) return std::nullopt;
  if (at + 1 < text.size() && text[at] == '.' && text[at + 1] >= '0' && text[at + 1] <= '9') {
    return static_cast<double>(whole * 10 + (text[at + 1] - '0')) / 10.0;
  }
  return static_cast<double>(whole);
}

std::optional<LimitValue> LimitOfOption(Setting setting, int32_t index) {
  const PageSettingRow* row = PageRowOf(setting);
  if (row == nullptr || index < 0 || static_cast<size_t>(index) >= row->options.size()) return std::nullopt;
  const std::string& listed = row->options[static_cast<size_t>(index)];
  const std::string option = WithoutMark(listed);
  const std::optional<double> number = OptionNumber(option);
  if (!number) return std::nullopt;
  const std::string caption = SettingRowFor(setting).caption;
  return LimitValue{*number, caption + " " + option, caption, listed};
}

}  // namespace vuriru
