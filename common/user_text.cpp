// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"

namespace vuriru {

std::string FillText(std::string_view format, const std::vector<std::string>& args) {
  std::string filled;
  filled.reserve(format.size());
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(format[i + 1] - '1');
      if (n < args.size()) {
        filled += args[n];
        ++i;
        continue;
      }
    }
    filled += c;
  }
  return filled;
}

std::string EnglishText(const UserText& text) {
  return text.args.empty() ? text.source : FillText(text.source, text.args);
}

}  // namespace vuriru
