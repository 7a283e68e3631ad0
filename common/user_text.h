// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text the user reads, kept as its English source text and the arguments
// that fill its %1..%9 places. The window looks the source text up in the
// user's language and fills in the same arguments; the command-line tool and
// the files print the English. Decisions never read a translated text: they
// read indexes, or these English source texts.
//
// VURIRU_TEXT(context, text) marks a text for the translation tools
// (scripts/translations); to the compiler it is the text itself. The plain
// layers use two contexts: "Settings" for the page and panel tables (captions,
// options, help texts) and "Messages" for what the engine, the firmware
// update, the link and the window controller tell the user.

#include <string>
#include <string_view>
#include <vector>

#define VURIRU_TEXT(context, text) text

namespace vuriru {

inline constexpr const char* kSettingsTextContext = "Settings";
inline constexpr const char* kMessageTextContext = "Messages";

struct UserText {
  std::string source;  // English, with %1..%9 where the arguments go
  std::vector<std::string> args;

  UserText() = default;
  // A fixed text without arguments.
  UserText(std::string text) : source(std::move(text)) {}  // NOLINT(google-explicit-constructor)
  UserText(const char* text) : source(text) {}             // NOLINT(google-explicit-constructor)
  UserText(std::string format, std::vector<std::string> arguments)
      : source(std::move(format)), args(std::move(arguments)) {}

  bool empty() const { return source.empty(); }
  bool operator==(const UserText&) const = default;
};

// `format` with every %n (n from 1 to 9) replaced by args[n - 1], in one pass,
// so that an argument that itself holds "%1" stays as it is. A %n without an
// argument, and every other %, stay as written.
std::string FillText(std::string_view format, const std::vector<std::string>& args);

// The English text: the source with its arguments filled in.
std::string EnglishText(const UserText& text);

}  // namespace vuriru
