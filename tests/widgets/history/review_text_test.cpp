// SPDX-License-Identifier: GPL-3.0-or-later
// The review questions and a history entry's details as the window shows
// them: in English exactly the English text the plain layers give, in
// Chinese with the captions, options and our own words translated and the
// user's names, the file names and the figures kept.

#include "widgets/history/review_text.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "files/settings_keys.h"
#include "settings/settings_table.h"
#include "widgets/kit/language.h"

namespace vuriru::test {
namespace {

int Argc = 1;
char Arg0[] = "test_history_widgets";
char* Argv[] = {Arg0, nullptr};

class ReviewTextTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }
  void SetUp() override { ASSERT_TRUE(SetLanguage(Language::kEnglish)); }
  void TearDown() override { SetLanguage(Language::kEnglish); }
};

EscData Factory() {
  EscData data;
  LoadFactorySettings(data.settings);
  return data;
}

// The first setting whose file key carries its page's title, as two pages
// list a setting of that caption.
const FileSettingKey& KeyWithPage() {
  for (const FileSettingKey& entry : FileSettingKeys()) {
    if (entry.key.find(" (") != std::string::npos && entry.options->size() > 1) return entry;
  }
  ADD_FAILURE() << "no setting shares its caption";
  return FileSettingKeys().front();
}

// An import that changes a setting named with its page, puts another beyond
// its list, changes the throttle curve and has a remark.
ReviewQuestion BusyImport() {
  const EscData pages = Factory();
  EscData imported = pages;
  const FileSettingKey& paged = KeyWithPage();
  int32_t& index = imported.settings.Current(paged.setting);
  index = index == 0 ? 1 : 0;
  imported.settings.Current(Setting::RunMode) = 77;
  ReviewQuestion question =
      ImportQuestion("car.json", pages, imported, {"\"SLOPE\" is not in the file; it keeps its value"});
  question.changes.curves.push_back(CurveNumber::Throttle);
  return question;
}

TEST_F(ReviewTextTest, InEnglishTheWindowShowsTheEnglishTextByteForByte) {
  const ReviewQuestion question = BusyImport();
  ASSERT_EQ(question.changes.curves.size(), 1u);
  EXPECT_EQ(ReviewQuestionText(question).toStdString(), EnglishText(question));
  const ReviewQuestion nothing = ApplyQuestion(Factory(), Factory());
  EXPECT_EQ(ReviewQuestionText(nothing).toStdString(), EnglishText(nothing));
  const ReviewQuestion alone = ApplyQuestion(std::nullopt, Factory());
  EXPECT_EQ(ReviewQuestionText(alone).toStdString(), EnglishText(alone));
}

TEST_F(ReviewTextTest, InChineseCaptionsOptionsAndCurvesAreTranslatedAndNamesKept) {
  const ReviewQuestion question = BusyImport();
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  const QString shown = ReviewQuestionText(question);
  const std::string english = EnglishText(question);
  EXPECT_TRUE(shown.startsWith(QStringLiteral("car.json 将改变以下内容："))) << shown.toStdString();
  const FileSettingKey& paged = KeyWithPage();
  const std::string caption = SettingRowFor(paged.setting).caption;
  const std::string page = paged.key.substr(caption.size() + 2, paged.key.size() - caption.size() - 3);
  EXPECT_TRUE(shown.contains(QLatin1Char('\n') + SettingText(caption) + QStringLiteral(" (") + SettingText(page) +
                             QStringLiteral("): ")))
      << shown.toStdString();
  EXPECT_NE(SettingText(page).toStdString(), page);
  EXPECT_TRUE(shown.contains(QStringLiteral("\n运行模式: 前进/刹车(*) \u2192 索引 77，超出选项列表")))
      << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("\n油门曲线有改变"))) << shown.toStdString();
  // The file's own remarks stay as the files word them.
  EXPECT_TRUE(shown.endsWith(QStringLiteral("读取文件时注意到：\n\"SLOPE\" is not in the file; it keeps its value")))
      << shown.toStdString();
  // The question itself is unchanged: the English text, and what it lists.
  EXPECT_EQ(EnglishText(question), english);
  EXPECT_EQ(ReviewQuestionText(ApplyQuestion(Factory(), Factory())),
            QStringLiteral("确定要写入设置吗？\n\n没有任何改变：所有设置和曲线保持原样。"));
}

TEST_F(ReviewTextTest, DetailsTranslateOurWordsAndKeepTheUsers) {
  EntryDetails details;
  details.lines.push_back({UserText("Snapshot %1, %2, %3", {"7", "after apply", "2024-05-01 14:03:22"}), {1}, {}});
  details.lines.push_back({UserText("Note: %1", {"after apply"}), {}, {}});
  details.lines.push_back({UserText{}, {}, {}});
  details.lines.push_back({UserText("%1: %2", {"RUN MODE", "Forward/Reverse"}), {}, {0, 1}});
  details.review = ApplyQuestion(Factory(), Factory());
  details.review->question = kLoadingWouldChange;
  EXPECT_EQ(EntryDetailsText(details).toStdString(), EnglishText(details));
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  EXPECT_EQ(EntryDetailsText(details),
            QStringLiteral("快照 7，写入设置后，2024-05-01 14:03:22\n备注：after apply\n\n运行模式: 前进/倒车\n\n"
                           "载入后将改变正在编辑的数值：\n\n没有任何改变：所有设置和曲线保持原样。"));
}

}  // namespace
}  // namespace vuriru::test
