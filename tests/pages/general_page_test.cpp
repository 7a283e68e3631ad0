// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/general_page.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

#include "pages/qt_app.h"

namespace vuriru {
namespace {

class GeneralPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  std::vector<QString> VisibleLabelTexts() const {
    std::vector<QString> texts;
    for (size_t row = 0; row < page.RowCount(); ++row) {
      if (!page.ValueLabel(row)->isHidden()) texts.push_back(page.ValueLabel(row)->text());
    }
    return texts;
  }

  SettingsBlock block;
  CGeneral page{block};
};

TEST_F(GeneralPage, SevenEmptyLabelsBeforeTheFirstRefresh) {
  std::vector<QString> texts = VisibleLabelTexts();
  ASSERT_EQ(texts.size(), 7u);
  for (const QString& text : texts) EXPECT_TRUE(text.isEmpty());
  EXPECT_TRUE(page.ValueLabel(page.RowOf(Setting::Profile))->isHidden());
  EXPECT_EQ(block.Current(Setting::VoltageCutoff), 1);
  EXPECT_EQ(block.Factory(Setting::EscHeatProtect), 1);
}

TEST_F(GeneralPage, DefaultShowsTheFactoryOptions) {
  page.ApplyFactoryIndexes();
  EXPECT_EQ(VisibleLabelTexts(), (std::vector<QString>{"Forward/Brake(*)", "Auto(*)", "105 degree Celsius(*)",
                                                       "Normal(*)", "Modify(*)", "4%(*)", "6v(*)"}));
}

TEST_F(GeneralPage, VoltageCutoffBeyondTheListShowsTheLastOption) {
  block.Current(Setting::VoltageCutoff) = 90;
  page.RefreshFromIndexes();
  size_t row = page.RowOf(Setting::VoltageCutoff);
  EXPECT_EQ(page.ValueLabel(row)->text(), "11.1v");
  EXPECT_EQ(page.ValueText(row), "11.1v");
  EXPECT_EQ(block.Current(Setting::VoltageCutoff), 83);
  page.CollectSelections();
  EXPECT_EQ(block.Current(Setting::VoltageCutoff), 83);
}

TEST_F(GeneralPage, DefaultAndCollectLeaveProfileAlone) {
  block.Current(Setting::Profile) = 3;
  page.ApplyFactoryIndexes();
  EXPECT_EQ(block.Current(Setting::Profile), 3);
  page.CollectSelections();
  page.RefreshFromIndexes();
  EXPECT_EQ(block.Current(Setting::Profile), 3);
}

TEST_F(GeneralPage, ChoiceLandsInTheSettingsBlock) {
  size_t row = page.RowOf(Setting::MoterRotation);
  page.OpenList(row);
  EXPECT_EQ(page.HelpText(), "IT DETERMINES THE MOTOR RUNNING DIRECTION (CLOCKWISE OR ANTI-CLOCKWISE)");
  page.ChooseOption(row, 1);
  EXPECT_EQ(block.Current(Setting::MoterRotation), 1);
  EXPECT_EQ(page.ValueLabel(row)->text(), "Reverse ");
}

TEST_F(GeneralPage, HiddenFieldsAndLook) {
  auto* device = page.findChild<QLineEdit*>("edit1064");
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->text(), "Orvane 2");
  EXPECT_TRUE(device->isHidden());
  EXPECT_TRUE(page.HasBackground());  // "2.bmp" lies beside the test executable
  EXPECT_EQ(page.size(), QSize(600, 424));
  EXPECT_EQ(page.TextColor(1218), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(1195), QColor(255, 255, 255));
  EXPECT_EQ(page.ValueLabel(0)->geometry(), QRect(218, 31, 120, 23));
}

TEST_F(GeneralPage, FindsItsPictureWhereverTheProgramIsStarted) {
  QString started = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QDir::rootPath()));
  CGeneral elsewhere(block);
  QDir::setCurrent(started);
  EXPECT_TRUE(elsewhere.HasBackground());
}

}  // namespace
}  // namespace vuriru
