// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"

#include <iterator>

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

std::string FinishText(std::string_view format, const UserText& text, std::vector<std::string> filledParts) {
  std::string filled;
  if (text.args.empty() && filledParts.empty()) {
    // A fixed text is taken as it is, even where it holds a %.
    filled = format;
  } else {
    std::vector<std::string> all = text.args;
    all.insert(all.end(), std::make_move_iterator(filledParts.begin()), std::make_move_iterator(filledParts.end()));
    filled = FillText(format, all);
  }
  return text.sentence ? AsSentence(std::move(filled)) : filled;
}

std::string EnglishText(const UserText& text) {
  std::vector<std::string> parts;
  parts.reserve(text.parts.size());
  for (const UserText& part : text.parts) parts.push_back(EnglishText(part));
  return FinishText(text.source, text, std::move(parts));
}

std::string AsSentence(std::string text) {
  if (text.empty()) return text;
  if (text.front() >= 'a' && text.front() <= 'z') text.front() = static_cast<char>(text.front() - 'a' + 'A');
  for (const std::string_view end : {".", "!", "?", "\u3002", "\uFF01", "\uFF1F"}) {
    if (text.ends_with(end)) return text;
  }
  return text + ".";
}

UserText AsSentence(UserText text) {
  text.sentence = true;
  return text;
}

}  // namespace vuriru
