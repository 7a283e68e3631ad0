// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/boost_page.h"

#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "widgets/kit/fake_button_host.h"

namespace vuriru {
namespace {

class BoostPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  void SetUp() override { host.state.g_pageChosen = true; }

  size_t Row(Setting setting) const { return page.RowOf(setting); }
  std::vector<GridPoint> CurvePoints() const {
    auto points = curves.boost.Points();
    return {points.begin(), points.end()};
  }

  testing::FakeButtonHost host;
  SettingsBlock block;
  CurveSet curves{block};
  CBoost page{block, curves, host};
};

TEST_F(BoostPage, NoBoostTimingLeavesTheRpmSettingsGreyAndInert) {
  ASSERT_EQ(block.Current(Setting::BoostTiming), 0);
  const std::string help = page.HelpText();
  page.OpenList(Row(Setting::BoostStartRpm));
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_EQ(page.HelpText(), help);
  EXPECT_EQ(page.TextColor(1096), QColor(0x50, 0x50, 0x50));
  EXPECT_EQ(page.ValueLabel(Row(Setting::BoostStartRpm))->palette().color(QPalette::WindowText),
            QColor(0x50, 0x50, 0x50));
  // The boost timing itself stays open.
  page.OpenList(Row(Setting::BoostTiming));
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(Row(Setting::BoostTiming)));
}

TEST_F(BoostPage, BoostTimingChoiceResetsTheCurveAndEnablesTheRest) {
  curves.boost.LeftPress({0, 0});  // outside the 0-degree range: nothing
  page.ChooseOption(Row(Setting::BoostTiming), 10);
  EXPECT_EQ(block.Current(Setting::BoostTiming), 10);
  EXPECT_EQ(CurvePoints(), (std::vector<GridPoint>{{0, 0}, {15, 100}, {100, 100}}));
  EXPECT_EQ(curves.boost.Stored().x[1], 15);
  EXPECT_EQ(page.TextColor(1096), QColor(0, 0, 0));
  page.OpenList(Row(Setting::BoostStartRpm));
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(Row(Setting::BoostStartRpm)));

  // A pick in the list itself does the same.
  page.OptionList(Row(Setting::BoostTiming))->setCurrentRow(32);
  EXPECT_EQ(block.Current(Setting::BoostTiming), 32);
  EXPECT_EQ(CurvePoints(), (std::vector<GridPoint>{{0, 0}, {50, 100}, {100, 100}}));
}

TEST_F(BoostPage, SlopeAndStablityAssistAreOfferedAndCustomOpensTheEditor) {
  page.ApplyFactoryIndexes();
  for (Setting setting : {Setting::BoostSlope, Setting::StablityAssist}) {
    EXPECT_FALSE(page.ValueLabel(Row(setting))->isHidden());
    // Inert while there is no boost timing, like START RPM and END RPM.
    page.OpenList(Row(setting));
    EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
  }
  block.Current(Setting::BoostTiming) = 20;
  block.Current(Setting::BoostStartRpm) = 8;
  block.Current(Setting::BoostEndRpm) = 0;
  page.RefreshFromIndexes();
  page.OpenList(Row(Setting::StablityAssist));
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(Row(Setting::StablityAssist)));
  page.ChooseOption(Row(Setting::StablityAssist), 1);
  EXPECT_EQ(block.Current(Setting::StablityAssist), 1);
  EXPECT_EQ(page.ValueText(Row(Setting::StablityAssist)), "No");

  page.OpenList(Row(Setting::BoostSlope));
  page.ChooseOption(Row(Setting::BoostSlope), 1);
  EXPECT_EQ(block.Current(Setting::BoostSlope), 1);
  EXPECT_EQ(block.Current(Setting::BoostEndRpm), 6);
  EXPECT_EQ(page.Editor()->AxisLabel(1164)->text(), "5000");
  EXPECT_FALSE(page.Editor()->isHidden());
  EXPECT_EQ(host.state.g_curveEditorOpen, 1);
}

TEST_F(BoostPage, SlopeLinearReturnsTheBoostCurveToItsDefault) {
  block.Current(Setting::BoostTiming) = 20;
  page.RefreshFromIndexes();
  curves.boost.LeftPress({10, 40});
  curves.boost.LeftRelease();
  curves.boost.StorePoints();
  ASSERT_GT(curves.boost.Count(), 3u);
  block.Current(Setting::BoostSlope) = 1;
  page.RefreshFromIndexes();
  page.OpenList(Row(Setting::BoostSlope));
  page.ChooseOption(Row(Setting::BoostSlope), 0);
  EXPECT_EQ(block.Current(Setting::BoostSlope), 0);
  EXPECT_EQ(block.Factory(Setting::BoostSlope), 0);
  EXPECT_EQ(curves.boost.Count(), 3u);
  EXPECT_EQ(host.state.g_curveEditorOpen, 0);
}

TEST_F(BoostPage, HelpPanelLosingFocusShowsABlank) {
  QFocusEvent focusOut(QEvent::FocusOut);
  QCoreApplication::sendEvent(page.HelpPanel(), &focusOut);
  EXPECT_EQ(page.HelpText(), " ");
}

}  // namespace
}  // namespace vuriru
