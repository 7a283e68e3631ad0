// SPDX-License-Identifier: GPL-3.0-or-later
// The window in both languages: the Language menu switches every visible
// text at run time, and what the window does stays the same whichever
// language it shows.

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_rig.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "settings/settings_table.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/language.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"

namespace vuriru {
namespace {

using testing::MainWindowRig;

bool HasChinese(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
  }
  return false;
}

// Each test starts and ends in English, and keeps the remembered choice in a
// scratch place rather than the user's settings.
class WindowLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(SetLanguage(Language::kEnglish));
  }
  void TearDown() override { SetLanguage(Language::kEnglish); }
};

QStringList MenuTitles(const CQorProDlg& window) {
  QStringList titles;
  for (QAction* action : window.MenuBar()->actions()) {
    titles << action->text();
    if (action->menu() == nullptr) continue;
    for (QAction* item : action->menu()->actions()) {
      if (!item->isSeparator()) titles << item->text();
    }
  }
  return titles;
}

TEST_F(WindowLanguage, TheLanguageMenuSwitchesEveryVisibleTextAndBackWithoutARestart) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.show();
  window.OnPageButton(page::kGeneral);
  CGeneral& general = *window.GeneralPage();
  const size_t runMode = general.RowOf(Setting::RunMode);
  general.OpenList(runMode);
  const QString englishLabel = general.ValueLabel(runMode)->text();
  const QString englishItem = general.OptionList(runMode)->item(0)->text();
  const QString englishHelp = general.HelpPanel()->toPlainText();
  const QStringList englishMenus = MenuTitles(window);
  const int englishBarHeight = window.MenuBar()->height();
  ASSERT_EQ(englishItem, QStringLiteral("Forward/Brake(*)"));

  window.ChooseLanguage(Language::kChinese);
  ASSERT_EQ(CurrentLanguage(), Language::kChinese);
  EXPECT_TRUE(HasChinese(general.ValueLabel(runMode)->text())) << general.ValueLabel(runMode)->text().toStdString();
  EXPECT_EQ(general.OptionList(runMode)->item(0)->text(), QStringLiteral("前进/刹车(*)"));
  EXPECT_TRUE(HasChinese(general.HelpPanel()->toPlainText()));
  const QStringList chineseMenus = MenuTitles(window);
  ASSERT_EQ(chineseMenus.size(), englishMenus.size());
  for (qsizetype i = 0; i < chineseMenus.size(); ++i) {
    // Names stay as they are: the box's name and each language's own name.
    const bool name = englishMenus[i] == QStringLiteral("RUZ Oviveru Ruv") ||
                      englishMenus[i] == QStringLiteral("English") || englishMenus[i] == QStringLiteral("中文");
    if (name) {
      EXPECT_EQ(chineseMenus[i], englishMenus[i]);
    } else {
      EXPECT_TRUE(HasChinese(chineseMenus[i])) << englishMenus[i].toStdString();
    }
  }
  // The bar holds every title in full, in width and in height: a title it
  // cannot hold goes behind its "»" extension. Its height, and so the place of
  // everything below it, stays.
  for (QAction* action : window.MenuBar()->actions()) {
    EXPECT_TRUE(window.MenuBar()->rect().contains(window.MenuBar()->actionGeometry(action)))
        << action->text().toStdString();
  }
  EXPECT_EQ(window.MenuBar()->height(), englishBarHeight);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vuriru USB Link V11 Beta"));
  // The remembered choice is the one the next start takes.
  EXPECT_EQ(RememberedLanguage(QLocale(QLocale::English)), Language::kChinese);

  window.ChooseLanguage(Language::kEnglish);
  EXPECT_EQ(general.ValueLabel(runMode)->text(), englishLabel);
  EXPECT_EQ(general.OptionList(runMode)->item(0)->text(), englishItem);
  EXPECT_EQ(general.HelpPanel()->toPlainText(), englishHelp);
  EXPECT_EQ(MenuTitles(window), englishMenus);
  EXPECT_EQ(RememberedLanguage(QLocale(QLocale::Chinese)), Language::kEnglish);
}

TEST_F(WindowLanguage, TheSystemLocaleChoosesTheLanguageWhenNoneIsRemembered) {
  EXPECT_EQ(LanguageForLocale(QLocale(QLocale::Chinese, QLocale::China)), Language::kChinese);
  EXPECT_EQ(LanguageForLocale(QLocale(QLocale::Chinese, QLocale::Taiwan)), Language::kChinese);
  EXPECT_EQ(LanguageForLocale(QLocale(QLocale::German, QLocale::Germany)), Language::kEnglish);
  EXPECT_EQ(LanguageFromCode(QStringLiteral("zh_CN")), Language::kChinese);
  EXPECT_EQ(LanguageFromCode(QStringLiteral("xx")), Language::kEnglish);
}

TEST_F(WindowLanguage, TheProgressCaptionAndTheStatusLineFollowTheLanguage) {
  MainWindowRig rig(/*withAdapter=*/false);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_EQ(window.ProgressDialog()->Caption(), QStringLiteral("Read From Esc Process......"));
  window.SetProgressCaption(UserText("Data Transferring.. %1% done.", {"45"}), 45, 100);
  EXPECT_EQ(window.ProgressDialog()->Caption(), QStringLiteral("Data Transferring.. 45% done."));
  window.OnApply();  // refused: no adapter
  const QString englishStatus = window.StatusLineText();
  ASSERT_FALSE(englishStatus.isEmpty());

  window.ChooseLanguage(Language::kChinese);
  EXPECT_EQ(window.ProgressDialog()->Caption(), QStringLiteral("数据传输中.. 已完成 45%。"));
  EXPECT_TRUE(HasChinese(window.StatusLineText())) << window.StatusLineText().toStdString();
  window.ChooseLanguage(Language::kEnglish);
  EXPECT_EQ(window.StatusLineText(), englishStatus);
}

// Apply and Default decide on indexes, not on the texts shown: the controller
// ends with the same values in both languages, and "Custom" opens the curve
// editor whatever the list reads.
TEST_F(WindowLanguage, ApplyDefaultAndTheCurveSelectorActTheSameInChinese) {
  std::vector<std::vector<int32_t>> afterDefault;
  for (Language language : {Language::kEnglish, Language::kChinese}) {
    MainWindowRig rig;
    ASSERT_TRUE(SetLanguage(language));
    ASSERT_TRUE(rig.StartAndRead());
    CQorProDlg& window = *rig.window;
    window.OnPageButton(page::kGeneral);
    CGeneral& general = *window.GeneralPage();
    const size_t row = general.RowOf(Setting::RunMode);
    general.OpenList(row);
    general.ChooseOption(row, 2);
    EXPECT_EQ(general.ValueText(row), "Forward/Reverse");
    rig.dialogs.answers = {Answer::kOk};
    window.OnApply();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
    EXPECT_EQ(rig.hid.Adapter(0).Target().Memory().settings.at(
                  static_cast<size_t>(SettingRowFor(Setting::RunMode).replyByte)),
              2);
    // The question lists the change in the window's language; what it asks
    // and what OK does are the same.
    ASSERT_FALSE(rig.dialogs.reviews.empty());
    const QString review = rig.dialogs.reviews.back();
    if (language == Language::kChinese) {
      EXPECT_TRUE(review.contains(QStringLiteral("\n运行模式: 前进/刹车/倒车 \u2192 前进/倒车")))
          << review.toStdString();
      EXPECT_FALSE(review.contains(QStringLiteral("RUN MODE"))) << review.toStdString();
    } else {
      EXPECT_EQ(review.toStdString(), rig.dialogs.asked.back().substr(std::string(kApplyCaption).size() + 2));
    }
    EXPECT_TRUE(review.startsWith(MessageText(kApplyQuestion))) << review.toStdString();

    window.OnPageButton(page::kThrottle);
    CThrottle& throttle = *window.ThrottlePage();
    const size_t curve = throttle.RowOf(Setting::ThCurve);
    throttle.OpenList(curve);
    throttle.ChooseOption(curve, 1);
    EXPECT_EQ(rig.State().g_curveEditorOpen, 1) << LanguageCode(language).toStdString();
    window.OnEscape();
    EXPECT_EQ(rig.State().g_curveEditorOpen, 0);

    rig.dialogs.answers = {Answer::kOk};
    window.OnDefault();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
    std::vector<int32_t> indexes;
    for (const SettingRow& setting : SettingsTable()) indexes.push_back(window.Settings().Current(setting.setting));
    afterDefault.push_back(indexes);
    EXPECT_EQ(window.Settings().Current(Setting::RunMode), SettingRowFor(Setting::RunMode).factoryIndex);
    EXPECT_EQ(general.ValueText(row), "Forward/Brake(*)");
    SetLanguage(Language::kEnglish);
  }
  EXPECT_EQ(afterDefault[0], afterDefault[1]);
}

// The language never picks the thirteen-setting V1 layout: a V1 controller
// gets the same panel, translated, whichever language is shown.
TEST_F(WindowLanguage, AV1ControllerKeepsItsPanelInChinese) {
  MainWindowRig rig(true, SimTargetKind::kV1);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  ASSERT_TRUE(window.OnInitDialog());
  ASSERT_TRUE(rig.RunUntil([&] {
    return rig.State().g_deviceType == device_type::kV1 && !window.V1Panel()->isHidden() &&
           rig.State().g_transferPending == 0;
  }));
  EXPECT_EQ(window.V1Panel()->StatusSource().source, "Read Ok");
  EXPECT_EQ(window.V1Panel()->StatusText(), QStringLiteral("读取成功"));
  window.ChooseLanguage(Language::kEnglish);
  window.ChooseLanguage(Language::kChinese);
  EXPECT_EQ(rig.State().g_deviceType, device_type::kV1);
  EXPECT_TRUE(window.CnV1Panel()->isHidden());
  EXPECT_FALSE(window.V1Panel()->isHidden());
  window.ChooseLanguage(Language::kEnglish);
  EXPECT_EQ(window.V1Panel()->StatusText(), QStringLiteral("Read Ok"));
}

}  // namespace
}  // namespace vuriru
