// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's language: English (the source texts) or Simplified Chinese,
// chosen from the system locale at start, switched at run time from the
// Language menu and remembered between runs. Switching installs or removes
// the translator; Qt then sends every widget a LanguageChange event, on which
// each one sets its texts and pictures again.
//
// Decisions never read a translated text: pages and panels keep the English
// source texts and indexes, and translate only what they show.

#include <string>

#include <QLocale>
#include <QString>

#include "common/user_text.h"

namespace vuriru {

enum class Language { kEnglish, kChinese };

// The language the window shows now.
Language CurrentLanguage();
// Installs the translator for `language` (none for English). False when the
// Chinese translation cannot be loaded; the window then stays English.
bool SetLanguage(Language language);

// Chinese for a Chinese system locale, English for every other.
Language LanguageForLocale(const QLocale& locale);
// "en" or "zh_CN": the name under which the choice is remembered, and the
// folder of the pictures drawn for that language ("" for English).
QString LanguageCode(Language language);
QString ArtworkFolder(Language language);
// The language a code names; English for an unknown code.
Language LanguageFromCode(const QString& code);

// The choice kept in the user's settings, or the locale's when there is none.
Language RememberedLanguage(const QLocale& locale);
void RememberLanguage(Language language);

// A text of the page and panel tables (captions, options, help texts), and a
// message of the plain layers with its arguments filled in, in the current
// language.
QString SettingText(const std::string& source);
QString MessageText(const UserText& text);
// A button image's word.
QString ButtonText(const std::string& source);

}  // namespace vuriru
