// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/throttle_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "widgets/kit/fake_button_host.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

class ThrottlePage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  void SetUp() override {
    host.state.g_pageChosen = true;
    page.show();
  }

  size_t CurveRow() const { return page.RowOf(Setting::ThCurve); }
  bool AnyLabelShown() const {
    for (size_t row = 0; row < page.RowCount(); ++row) {
      if (!page.ValueLabel(row)->isHidden()) return true;
    }
    return false;
  }

  testing::FakeButtonHost host;
  SettingsBlock block;
  CurveSet curves{block};
  CThrottle page{block, curves, host};
};

TEST_F(ThrottlePage, FactoryRpmLockIsTheLaterMarkedOption) {
  page.ApplyFactoryIndexes();
  EXPECT_EQ(block.Current(Setting::RpmLock), 99);
  EXPECT_EQ(page.ValueLabel(page.RowOf(Setting::RpmLock))->text(), "100%(*)");
  EXPECT_TRUE(page.ValueLabel(page.RowOf(Setting::ThReverseSpd))->isHidden());
}

TEST_F(ThrottlePage, CustomShowsTheEditorAndOkGivesTheLabelsBack) {
  page.ChooseOption(CurveRow(), 1);
  EXPECT_EQ(block.Current(Setting::ThCurve), 1);
  EXPECT_FALSE(page.Editor()->isHidden());
  EXPECT_EQ(curves.throttle.CloseFlag(), CurveModel::kShown);
  EXPECT_EQ(host.state.g_curveEditorOpen, 1);
  EXPECT_FALSE(AnyLabelShown());
  EXPECT_TRUE(page.HelpPanel()->isHidden());

  // A switch back to the page keeps the labels hidden under the editor.
  page.PrepareForSwitch();
  EXPECT_FALSE(AnyLabelShown());

  page.Editor()->Button(button_id::kOk)->click();
  EXPECT_EQ(host.state.g_curveEditorOpen, 0);
  page.grab();  // the page restores itself when it paints
  EXPECT_EQ(curves.throttle.CloseFlag(), CurveModel::kIdle);
  EXPECT_TRUE(page.Editor()->isHidden());
  EXPECT_FALSE(page.ValueLabel(CurveRow())->isHidden());
  EXPECT_FALSE(page.RestoreAfterEditor());
}

// A controller read leaves THCURVE at "Custom"; clicking "Custom" again in
// its list must open the editor on that curve, not leave it unreachable.
TEST_F(ThrottlePage, ClickingTheChosenCustomOpensTheEditorOnTheHeldCurve) {
  block.Current(Setting::ThCurve) = 1;
  page.RefreshFromIndexes();
  const auto heldPoints = curves.throttle.Count();
  page.OpenList(CurveRow());
  QListWidget* list = page.OptionList(CurveRow());
  ASSERT_FALSE(list->isHidden());
  ASSERT_EQ(list->currentRow(), 1);
  emit list->itemClicked(list->item(1));
  EXPECT_FALSE(page.Editor()->isHidden());
  EXPECT_EQ(host.state.g_curveEditorOpen, 1);
  EXPECT_EQ(curves.throttle.Count(), heldPoints);

  // On any other list, clicking the chosen option only closes it.
  page.Editor()->Button(button_id::kCancel)->click();
  page.grab();
  const size_t rpmRow = page.RowOf(Setting::RpmLock);
  page.OpenList(rpmRow);
  QListWidget* rpm = page.OptionList(rpmRow);
  const int32_t before = block.Current(Setting::RpmLock);
  emit rpm->itemClicked(rpm->item(rpm->currentRow()));
  EXPECT_TRUE(rpm->isHidden());
  EXPECT_EQ(block.Current(Setting::RpmLock), before);
}

TEST_F(ThrottlePage, LinearReturnsTheEditorToTheStraightLine) {
  curves.throttle.LeftPress({40, 70});
  ASSERT_EQ(curves.throttle.Count(), 3u);
  block.Current(Setting::ThCurve) = 1;
  block.Factory(Setting::ThCurve) = 1;
  page.ChooseOption(CurveRow(), 0);
  EXPECT_EQ(curves.throttle.Count(), 2u);
  EXPECT_EQ(block.Current(Setting::ThCurve), 0);
  EXPECT_EQ(block.Factory(Setting::ThCurve), 0);
  EXPECT_EQ(page.Editor()->CountReadout()->text(), "total: 02");
  EXPECT_TRUE(page.Editor()->isHidden());
  EXPECT_EQ(page.ValueLabel(CurveRow())->text(), "Linear(*)");
}

TEST_F(ThrottlePage, SwitchShowsTheLabelsWhileNoEditorIsOpen) {
  page.HideAll();
  page.PrepareForSwitch();
  EXPECT_FALSE(page.ValueLabel(page.RowOf(Setting::PunchRate1))->isHidden());
  EXPECT_TRUE(page.ValueLabel(page.RowOf(Setting::ThReverseSpd))->isHidden());
}

TEST_F(ThrottlePage, ClosingBeforeAnyPageWasChosenEndsThePage) {
  host.state.g_pageChosen = false;
  page.ChooseOption(CurveRow(), 1);
  page.Editor()->Button(button_id::kCancel)->click();
  EXPECT_TRUE(page.RestoreAfterEditor());
  QCoreApplication::processEvents();
  EXPECT_TRUE(page.isHidden());
}

}  // namespace
}  // namespace vuriru
