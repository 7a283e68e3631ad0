// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/language.h"

#include <memory>

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

// The translations are compiled into this static library; initialising the
// resource by name keeps the linker from dropping it.
static void InitTranslationResource() {
  Q_INIT_RESOURCE(vuriru_translations);
}

namespace vuriru {
namespace {

const char* const kChineseTranslation = ":/vuriru/i18n/vuriru_zh_CN.qm";
const char* const kLanguageKey = "window/language";
// The units of the numbered options that read as words.
[[maybe_unused]] const char* const kUnits[] = {QT_TRANSLATE_NOOP("Settings", "deg")};

struct Installed {
  Language language = Language::kEnglish;
  std::unique_ptr<QTranslator> translator;
  // Qt's own texts: the buttons of its dialog boxes and its file dialog.
  std::unique_ptr<QTranslator> qtTexts;
};

// Qt's translation of its own texts, from the system's Qt (Debian's
// qt6-translations-l10n); without it those few texts stay English.
std::unique_ptr<QTranslator> QtOwnTexts(Language language) {
  if (language == Language::kEnglish) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + LanguageCode(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return nullptr;
  }
  return translator;
}

Installed& Current() {
  static Installed installed;
  return installed;
}

QString Translate(const char* context, const std::string& source) {
  if (source.empty()) return {};
  return QCoreApplication::translate(context, source.c_str());
}

}  // namespace

Language CurrentLanguage() {
  return Current().language;
}

bool SetLanguage(Language language) {
  static const bool initialised = (InitTranslationResource(), true);
  (void)initialised;
  Installed& installed = Current();
  if (language == installed.language) return true;
  std::unique_ptr<QTranslator> next;
  if (language == Language::kChinese) {
    next = std::make_unique<QTranslator>();
    if (!next->load(QString::fromLatin1(kChineseTranslation))) return false;
  }
  // The old translators go first, so that a lookup never finds both.
  if (installed.translator) QCoreApplication::removeTranslator(installed.translator.get());
  if (installed.qtTexts) QCoreApplication::removeTranslator(installed.qtTexts.get());
  installed.translator = std::move(next);
  installed.qtTexts = QtOwnTexts(language);
  installed.language = language;
  if (installed.qtTexts) QCoreApplication::installTranslator(installed.qtTexts.get());
  if (installed.translator) QCoreApplication::installTranslator(installed.translator.get());
  // Qt posts the LanguageChange events to the windows; delivering them now
  // means every widget shows the new language when this returns.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  return true;
}

Language LanguageForLocale(const QLocale& locale) {
  return locale.language() == QLocale::Chinese ? Language::kChinese : Language::kEnglish;
}

QString LanguageCode(Language language) {
  return language == Language::kChinese ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

QString ArtworkFolder(Language language) {
  return language == Language::kChinese ? QStringLiteral("zh_CN") : QString();
}

Language LanguageFromCode(const QString& code) {
  return code == LanguageCode(Language::kChinese) ? Language::kChinese : Language::kEnglish;
}

Language RememberedLanguage(const QLocale& locale) {
  const QSettings settings;
  const QString code = settings.value(QString::fromLatin1(kLanguageKey)).toString();
  if (code.isEmpty()) return LanguageForLocale(locale);
  return LanguageFromCode(code);
}

void RememberLanguage(Language language) {
  QSettings settings;
  settings.setValue(QString::fromLatin1(kLanguageKey), LanguageCode(language));
}

QString SettingText(const std::string& source) {
  const QString shown = Translate(kSettingsTextContext, source);
  if (shown.isEmpty() || shown != QString::fromStdString(source)) return shown;
  // A numbered option ("12deg", "3.0v(*)") is not listed one by one: its unit
  // is translated and its figure and factory mark are kept.
  static const QRegularExpression numbered(QStringLiteral("^([0-9.]+)([A-Za-z]+)(\\(\\*\\))?$"));
  const QRegularExpressionMatch match = numbered.match(shown);
  if (!match.hasMatch()) return shown;
  return match.captured(1) + Translate(kSettingsTextContext, match.captured(2).toStdString()) + match.captured(3);
}

QString MessageText(const UserText& text) {
  const QString format = Translate(kMessageTextContext, text.source);
  if (text.args.empty() && text.parts.empty() && !text.sentence) return format;
  std::vector<std::string> parts;
  parts.reserve(text.parts.size());
  for (const UserText& part : text.parts) parts.push_back(MessageText(part).toStdString());
  return QString::fromStdString(FinishText(format.toStdString(), text, std::move(parts)));
}

QString ButtonText(const std::string& source) {
  return Translate("Buttons", source);
}

}  // namespace vuriru
