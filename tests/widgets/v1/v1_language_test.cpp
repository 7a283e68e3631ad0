// SPDX-License-Identifier: GPL-3.0-or-later
// The V1 panel in both languages: its captions, choices and status fit their
// slots, a switch at run time shows what a panel built in that language
// shows, and the panel keeps its choices and factory marks whatever it shows.

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

#include "v1/v1_settings_table.h"
#include "widgets/kit/language.h"
#include "widgets/v1/recording_panel_host.h"
#include "widgets/v1/v1_dlg.h"

namespace vuriru {
namespace {

const char* Name(Language language) {
  return language == Language::kChinese ? "zh_CN" : "en";
}

bool HasChinese(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
  }
  return false;
}

class V1PanelLanguage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureV1QtApplication(); }
  void TearDown() override { SetLanguage(Language::kEnglish); }
};

// The width a closed list shows its choice in, beside the arrow.
int ChoiceWidth(QComboBox* list) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
}

// Everything the panel shows in words.
QStringList ShownTexts(const CV1Dlg& panel) {
  QStringList texts;
  for (size_t i = 0; i < kV1SettingCount; ++i) {
    texts << panel.Caption(i)->text();
    for (int item = 0; item < panel.List(i)->count(); ++item) texts << panel.List(i)->itemText(item);
  }
  for (int id : {1214, 1217}) texts << panel.Label(id)->text();
  texts << panel.StatusText();
  return texts;
}

TEST_F(V1PanelLanguage, CaptionsAndStatusFitInBothLanguagesAndChineseChoicesFitTheirLists) {
  for (Language language : {Language::kEnglish, Language::kChinese}) {
    ASSERT_TRUE(SetLanguage(language));
    testing::RecordingPanelHost host;
    V1SettingsBlock block;
    block.becShown = kV1BecShown;
    CV1Dlg panel(block, host);
    panel.ShowReadValues();
    panel.show();
    for (size_t i = 0; i < kV1SettingCount; ++i) {
      QLabel* caption = panel.Caption(i);
      EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->contentsRect().width())
          << Name(language) << " " << caption->text().toStdString();
      // The English choices are the source texts, cut where the list is too
      // narrow; the Chinese ones are written to fit whole.
      if (language != Language::kChinese) continue;
      QComboBox* list = panel.List(i);
      for (int item = 0; item < list->count(); ++item) {
        EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(item)), ChoiceWidth(list))
            << list->itemText(item).toStdString();
      }
    }
    for (int id : {1214, 1217}) {
      QLabel* label = panel.Label(id);
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
          << Name(language) << " " << label->text().toStdString();
    }
  }
}

TEST_F(V1PanelLanguage, ASwitchAtRunTimeShowsWhatAPanelBuiltInThatLanguageShowsAndKeepsTheChoices) {
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  testing::RecordingPanelHost chineseHost;
  V1SettingsBlock chineseBlock;
  CV1Dlg builtChinese(chineseBlock, chineseHost);
  const QStringList chinese = ShownTexts(builtChinese);

  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  testing::RecordingPanelHost host;
  V1SettingsBlock block;
  CV1Dlg panel(block, host);
  panel.List(static_cast<size_t>(V1Setting::CutOffVoltage))->setCurrentIndex(2);
  const QStringList english = ShownTexts(panel);

  ASSERT_TRUE(SetLanguage(Language::kChinese));
  EXPECT_EQ(ShownTexts(panel), chinese);
  // The choice stays on its index, and the factory option keeps its mark.
  EXPECT_EQ(panel.List(static_cast<size_t>(V1Setting::CutOffVoltage))->currentIndex(), 2);
  const QComboBox* cutOff = panel.List(static_cast<size_t>(V1Setting::CutOffVoltage));
  const int factory = V1FactoryBlock().index[static_cast<size_t>(V1Setting::CutOffVoltage)];
  EXPECT_TRUE(cutOff->itemText(factory).endsWith(QStringLiteral("(*)"))) << cutOff->itemText(factory).toStdString();
  EXPECT_TRUE(HasChinese(panel.Caption(static_cast<size_t>(V1Setting::CutOffVoltage))->text()));
  EXPECT_TRUE(HasChinese(panel.StatusText()));

  // What the panel writes to the block is the same in both languages.
  panel.TakePanelValues();
  EXPECT_EQ(block.index[static_cast<size_t>(V1Setting::CutOffVoltage)], 2);

  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  EXPECT_EQ(ShownTexts(panel), english);
}

}  // namespace
}  // namespace vuriru
