// SPDX-License-Identifier: GPL-3.0-or-later
// The Chinese translation file as the build compiles it: every entry has a
// finished translation, the factory option's "(*)" stays in its text, and
// the %1..%9 places of a message are all kept.

#include <map>
#include <set>
#include <string>
#include <vector>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete", or empty when finished
};

// <byte value="xd"/> inside a text stands for a carriage return.
QString ReadText(QXmlStreamReader& xml) {
  QString text;
  const QString element = xml.name().toString();
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
      text += QChar(xml.attributes().value(QLatin1String("value")).toString().toInt(nullptr, 16));
    }
    if (xml.isEndElement() && xml.name() == element) break;
  }
  return text;
}

std::vector<Entry> ReadEntries(QString* language) {
  QFile file(QStringLiteral(VURIRU_TS_FILE));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<Entry> entries;
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("TS")) *language = xml.attributes().value(QLatin1String("language")).toString();
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) entries.push_back({context, {}, {}, {}});
    if (xml.name() == QLatin1String("source")) entries.back().source = ReadText(xml);
    if (xml.name() == QLatin1String("translation")) {
      entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
      entries.back().translation = ReadText(xml);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

std::multiset<QString> Places(const QString& text) {
  std::multiset<QString> places;
  QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text);
  while (it.hasNext()) places.insert(it.next().captured());
  return places;
}

TEST(TranslationFile, EveryEntryIsFinished) {
  QString language;
  const std::vector<Entry> entries = ReadEntries(&language);
  EXPECT_EQ(language, QStringLiteral("zh_CN"));
  ASSERT_GT(entries.size(), 200u);
  for (const Entry& entry : entries) {
    EXPECT_TRUE(entry.type.isEmpty()) << entry.context.toStdString() << ": " << entry.source.toStdString() << " is "
                                      << entry.type.toStdString();
    EXPECT_FALSE(entry.translation.trimmed().isEmpty()) << entry.source.toStdString();
  }
}

TEST(TranslationFile, FactoryMarksAndPlacesAreKept) {
  QString language;
  for (const Entry& entry : ReadEntries(&language)) {
    EXPECT_EQ(entry.source.contains(QStringLiteral("(*)")), entry.translation.contains(QStringLiteral("(*)")))
        << entry.source.toStdString() << " -> " << entry.translation.toStdString();
    EXPECT_EQ(Places(entry.source), Places(entry.translation))
        << entry.source.toStdString() << " -> " << entry.translation.toStdString();
  }
}

// Names stay as they are in every language.
TEST(TranslationFile, NamesAreNotTranslated) {
  QString language;
  for (const Entry& entry : ReadEntries(&language)) {
    for (const char* name : {"RUZ Oviveru Ruv", "Vuriru USB Link", "Calvex", "vuriru-cli doctor"}) {
      if (entry.source.contains(QLatin1String(name))) {
        EXPECT_TRUE(entry.translation.contains(QLatin1String(name))) << entry.source.toStdString();
      }
    }
  }
}

}  // namespace
