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
  // Texts of their own that fill the places after `args`: each is put in the
  // user's language before it goes in, so that a message can carry another
  // one (a refusal inside "the write goes ahead").
  std::vector<UserText> parts;
  // Shown as a sentence of its own: the plain layers word some texts as parts
  // of a line ("there is no setup named ..."), which the window then shows
  // with a capital letter and a closing full stop.
  bool sentence = false;

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

// The English text: the source with its arguments and parts filled in.
std::string EnglishText(const UserText& text);

// `text` (a filled text, in any language) as a sentence: a first Latin
// letter capitalised, and a full stop added unless it ends with one (".",
// "!", "?" or their Chinese forms).
std::string AsSentence(std::string text);
UserText AsSentence(UserText text);

// `format` filled with `args` and then with `filledParts`, the parts already
// in the language of `format`; EnglishText() and the window's translation
// both finish a text through it.
std::string FinishText(std::string_view format, const UserText& text, std::vector<std::string> filledParts);

}  // namespace vuriru
