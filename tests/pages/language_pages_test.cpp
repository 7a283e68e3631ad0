// SPDX-License-Identifier: GPL-3.0-or-later
// The pages in both languages: every label, value and help text fits its
// slot, measured offscreen with the window's fonts; a switch at run time
// changes every text shown to what a page built in that language shows; and
// the choices mean the same in both.

#include <functional>
#include <string>
#include <vector>

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

#include "curves/curve_set.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/page_set.h"
#include "pages/qt_app.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "settings/settings_table.h"
#include "widgets/curves/curve_line.h"
#include "widgets/kit/fake_button_host.h"
#include "widgets/kit/language.h"

namespace vuriru {
namespace {

const char* Name(Language language) {
  return language == Language::kChinese ? "zh_CN" : "en";
}

// All seven pages, built in the language current at construction.
struct Pages {
  Pages() : set({block, curves, host, software, connect, {}}, &parent, 0, 0) {
    host.state.g_pageChosen = true;
    parent.resize(800, 600);
    parent.show();
  }
  std::vector<CSettingsPage*> Settings() const {
    return {set.General(), set.Throttle(), set.Brake(), set.Boost(), set.Turbo()};
  }

  testing::FakeButtonHost host;
  SettingsBlock block;
  CurveSet curves{block};
  std::string software = "V1.2_06202014";
  std::string connect = "V2.0";
  QWidget parent;
  CPageSet set;
};

class PagesInBothLanguages : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureQtApplication(); }
  void TearDown() override { SetLanguage(Language::kEnglish); }
};

// A help panel shows its whole text without scrolling.
bool HelpFits(QPlainTextEdit* panel) {
  panel->show();
  panel->ensurePolished();
  QApplication::processEvents();
  return panel->verticalScrollBar()->maximum() == 0;
}

TEST_F(PagesInBothLanguages, EveryValueAndHelpTextFitsItsSlot) {
  // Measured with the font the package depends on, not with a stand-in.
  ASSERT_TRUE(QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei")))
      << "fonts-wqy-microhei is not installed (scripts/setup)";
  for (Language language : {Language::kEnglish, Language::kChinese}) {
    ASSERT_TRUE(SetLanguage(language));
    Pages pages;
    for (CSettingsPage* page : pages.Settings()) {
      page->show();
      const PageTable& table = page->Table();
      for (size_t row = 0; row < page->RowCount(); ++row) {
        if (!table.rows[row].visible) continue;
        QLabel* label = page->ValueLabel(row);
        QListWidget* list = page->OptionList(row);
        page->OpenList(row);
        for (int i = 0; i < list->count(); ++i) {
          const QString text = list->item(i)->text();
          EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width())
              << Name(language) << " " << table.className << " " << text.toStdString();
          EXPECT_LE(list->fontMetrics().horizontalAdvance(text) + 4, list->viewport()->width())
              << Name(language) << " " << table.className << " list " << text.toStdString();
        }
        EXPECT_TRUE(HelpFits(page->HelpPanel())) << Name(language) << " " << table.className << " help of row " << row
                                                 << ": " << page->HelpPanel()->toPlainText().toStdString();
        page->CloseAllLists();
      }
      page->hide();
    }

    CData* data = pages.set.Data();
    data->show();
    data->FormatRunningLog();
    for (RunningLog value : {RunningLog::BatteryMinVoltage, RunningLog::EscMaxTemp, RunningLog::MotorMaxRpm}) {
      QLabel* label = data->ValueLabel(value);
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << Name(language);
      data->ShowHelpFor(value);
      EXPECT_TRUE(HelpFits(data->HelpPanel())) << Name(language);
    }
    // The History button holds its word with the style's margins around it.
    QPushButton* history = data->HistoryButton();
    EXPECT_EQ(history->text(), language == Language::kEnglish ? QStringLiteral("History") : QStringLiteral("历史记录"));
    const int margin = history->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, history);
    EXPECT_LE(history->fontMetrics().horizontalAdvance(history->text()) + 2 * margin, history->width())
        << Name(language);
    EXPECT_LE(history->fontMetrics().height(), history->height()) << Name(language);

    CFirmware* device = pages.set.DeviceInfo();
    device->show();
    for (int id : {CFirmware::kDeviceLabelId, CFirmware::kHardwareLabelId, CFirmware::kSoftwareLabelId,
                   CFirmware::kInformationLabelId}) {
      QLabel* label = device->Label(id);
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
          << Name(language) << " " << label->text().toStdString();
      device->ShowHelpFor(id);
      EXPECT_TRUE(HelpFits(device->HelpPanel())) << Name(language);
    }
  }
}

// What a page shows: its value labels, list items and help text.
QStringList ShownTexts(const Pages& pages) {
  QStringList texts;
  for (CSettingsPage* page : pages.Settings()) {
    for (size_t row = 0; row < page->RowCount(); ++row) {
      texts << page->ValueLabel(row)->text();
      for (int i = 0; i < page->OptionList(row)->count(); ++i) texts << page->OptionList(row)->item(i)->text();
    }
    texts << page->HelpPanel()->toPlainText();
  }
  CData* data = pages.set.Data();
  for (RunningLog value : {RunningLog::BatteryMinVoltage, RunningLog::EscMaxTemp, RunningLog::MotorMaxRpm}) {
    texts << data->ValueLabel(value)->text();
  }
  texts << data->HelpPanel()->toPlainText();
  CFirmware* device = pages.set.DeviceInfo();
  for (int id : {CFirmware::kDeviceLabelId, CFirmware::kHardwareLabelId}) texts << device->Label(id)->text();
  texts << device->HelpPanel()->toPlainText();
  return texts;
}

TEST_F(PagesInBothLanguages, ASwitchAtRunTimeShowsWhatPagesBuiltInThatLanguageShow) {
  const auto prepare = [](Pages& pages) {
    pages.set.ApplyFactoryIndexes();
    pages.set.Data()->FormatRunningLog();
    pages.set.DeviceInfo()->RefreshDeviceInfo();
  };
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  Pages builtChinese;
  prepare(builtChinese);
  const QStringList chinese = ShownTexts(builtChinese);

  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  Pages switched;
  prepare(switched);
  const QStringList english = ShownTexts(switched);
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  EXPECT_EQ(ShownTexts(switched), chinese);
  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  EXPECT_EQ(ShownTexts(switched), english);

  // Every text with words changed: no English word stays on a Chinese page.
  // Units racers write in Latin letters ("rpm"), versions and the hardware's
  // model name stay.
  int changed = 0;
  for (qsizetype i = 0; i < english.size(); ++i) {
    if (english[i] != chinese[i]) ++changed;
    if (english[i].contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))) &&
        !english[i].contains(QStringLiteral("rpm")) && !english[i].startsWith(QStringLiteral("V1.")) &&
        english[i] != QStringLiteral("TURBO")) {
      EXPECT_NE(english[i], chinese[i]) << english[i].toStdString();
    }
  }
  EXPECT_GT(changed, 50);
}

TEST_F(PagesInBothLanguages, FactoryMarksAndChoicesMeanTheSameInBothLanguages) {
  std::vector<std::vector<int32_t>> factory;
  for (Language language : {Language::kEnglish, Language::kChinese}) {
    ASSERT_TRUE(SetLanguage(language));
    Pages pages;
    std::vector<int32_t> indexes;
    for (const SettingRow& row : SettingsTable()) indexes.push_back(pages.block.Factory(row.setting));
    factory.push_back(indexes);
    // The factory option's text keeps its mark in both languages.
    for (CSettingsPage* page : pages.Settings()) {
      for (size_t row = 0; row < page->RowCount(); ++row) {
        QListWidget* list = page->OptionList(row);
        const int32_t marked = pages.block.Factory(page->Table().rows[row].setting);
        if (list->count() == 0 ||
            page->Table().rows[row].options[static_cast<size_t>(marked)].find("(*)") == std::string::npos) {
          continue;
        }
        EXPECT_TRUE(list->item(marked)->text().contains(QStringLiteral("(*)")))
            << Name(language) << " " << list->item(marked)->text().toStdString();
      }
    }
    // The boost page's SLOPE "Custom" opens its editor; "Linear(*)" closes it.
    CBoost* boost = pages.set.Boost();
    boost->show();
    const size_t slope = boost->RowOf(Setting::BoostSlope);
    boost->OpenList(slope);
    boost->ChooseOption(slope, 1);
    EXPECT_EQ(pages.host.state.g_curveEditorOpen, 1) << Name(language);
    EXPECT_EQ(pages.block.Current(Setting::BoostSlope), 1);
    EXPECT_EQ(boost->ValueText(slope), "Custom");
  }
  EXPECT_EQ(factory[0], factory[1]);
}

TEST_F(PagesInBothLanguages, TheCurveEditorTitlesAreTranslatedAndFit) {
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  Pages pages;
  for (CCurvePage* page :
       std::initializer_list<CCurvePage*>{pages.set.Throttle(), pages.set.Brake(), pages.set.Boost()}) {
    QLabel* title = page->Editor()->TitleLabel();
    EXPECT_FALSE(title->text().contains(QRegularExpression(QStringLiteral("[A-Z]{3,}"))))
        << title->text().toStdString();
    EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->width());
  }
}

}  // namespace
}  // namespace vuriru
