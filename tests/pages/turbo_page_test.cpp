// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/turbo_page.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "pages/qt_app.h"

namespace vuriru {
namespace {

const QColor kGrey(0x50, 0x50, 0x50);
const QColor kBlack(0, 0, 0);

class TurboPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  size_t Row(Setting s) const { return page.RowOf(s); }

  // A left click on a row's value label, through the same path as the mouse.
  void Click(size_t row) {
    QLabel* label = page.ValueLabel(row);
    QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(label, &press);
  }

  bool ClickOpens(Setting s) {
    page.CloseAllLists();
    Click(Row(s));
    return page.OpenListRow() == static_cast<int>(Row(s));
  }

  void SetTimingAndActivation(int timing, int activation) {
    block.Current(Setting::TurboTiming) = timing;
    block.Current(Setting::ActivationMethod) = activation;
    page.RefreshFromIndexes();
  }

  SettingsBlock block;
  CTurbo page{block};
};

TEST_F(TurboPage, FullThrottleActivationBlocksStartRpm) {
  SetTimingAndActivation(10, 0);
  size_t rpm = Row(Setting::TurboStartRpm);
  EXPECT_EQ(page.TextColor(page.Table().rows[rpm].labelId), kGrey);
  EXPECT_FALSE(ClickOpens(Setting::TurboStartRpm));
  EXPECT_FALSE(page.ValueBox(rpm)->isEnabled());
  EXPECT_TRUE(ClickOpens(Setting::TurboDelay));
}

TEST_F(TurboPage, RpmActivationBlocksTurboDelay) {
  SetTimingAndActivation(10, 1);
  size_t delay = Row(Setting::TurboDelay);
  EXPECT_EQ(page.TextColor(page.Table().rows[delay].labelId), kGrey);
  EXPECT_FALSE(ClickOpens(Setting::TurboDelay));
  EXPECT_FALSE(page.ValueBox(delay)->isEnabled());
  EXPECT_TRUE(ClickOpens(Setting::TurboStartRpm));
}

TEST_F(TurboPage, FullThrottleAndRpmOpensBoth) {
  SetTimingAndActivation(10, 2);
  EXPECT_TRUE(ClickOpens(Setting::TurboStartRpm));
  EXPECT_TRUE(ClickOpens(Setting::TurboDelay));
  for (size_t row = 0; row < page.RowCount(); ++row) {
    EXPECT_EQ(page.TextColor(page.Table().rows[row].labelId), kBlack) << row;
    EXPECT_TRUE(page.ValueBox(row)->isEnabled()) << row;
  }
}

TEST_F(TurboPage, NoTimingLeavesOnlyTurboTimingOpen) {
  SetTimingAndActivation(0, 2);
  for (size_t row = 0; row < page.RowCount(); ++row) {
    bool timing = page.Table().rows[row].setting == Setting::TurboTiming;
    EXPECT_EQ(page.IsOpenable(row), timing) << row;
    EXPECT_EQ(page.ValueBox(row)->isEnabled(), timing) << row;
  }
  EXPECT_FALSE(ClickOpens(Setting::ActivationMethod));
  EXPECT_FALSE(ClickOpens(Setting::TurboSlopeOff));
  EXPECT_TRUE(ClickOpens(Setting::TurboTiming));
}

TEST_F(TurboPage, ChoosingTimingUnblocksTheOthers) {
  // Factory: no timing, full throttle activation.
  EXPECT_FALSE(page.IsOpenable(Row(Setting::TurboDelay)));
  ASSERT_TRUE(ClickOpens(Setting::TurboTiming));
  page.OptionList(Row(Setting::TurboTiming))->setCurrentRow(5);  // as the user's pick
  EXPECT_EQ(block.Current(Setting::TurboTiming), 5);
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_EQ(page.ValueLabel(Row(Setting::TurboTiming))->text(), "5deg");
  EXPECT_TRUE(page.ValueBox(Row(Setting::TurboDelay))->isEnabled());
  EXPECT_EQ(page.ValueBox(Row(Setting::TurboTiming))->text(), "5deg");
  EXPECT_TRUE(ClickOpens(Setting::TurboDelay));
  EXPECT_FALSE(ClickOpens(Setting::TurboStartRpm));
}

TEST_F(TurboPage, TurboKShowsUntilTheFirstRefreshAndNeverAgain) {
  size_t k = Row(Setting::TurboK);
  size_t t = Row(Setting::TurboT);
  EXPECT_FALSE(page.ValueLabel(k)->isHidden());
  EXPECT_FALSE(page.ValueLabel(t)->isHidden());
  EXPECT_TRUE(page.ValueLabel(k)->text().isEmpty());

  // Blocked while there is no timing, open once there is.
  EXPECT_FALSE(ClickOpens(Setting::TurboK));
  block.Current(Setting::TurboTiming) = 3;
  EXPECT_TRUE(ClickOpens(Setting::TurboK));
  EXPECT_EQ(page.HelpText(), "USE IT TO CHANGE ACCELERATION.");

  page.RefreshFromIndexes();
  EXPECT_TRUE(page.ValueLabel(k)->isHidden());
  EXPECT_TRUE(page.ValueLabel(t)->isHidden());
  page.ApplyFactoryIndexes();
  page.ChooseOption(Row(Setting::TurboTiming), 7);
  EXPECT_TRUE(page.ValueLabel(k)->isHidden());
  EXPECT_TRUE(page.ValueLabel(t)->isHidden());
}

TEST_F(TurboPage, CollectAloneHidesTurboKAndT) {
  page.CollectSelections();
  EXPECT_TRUE(page.ValueLabel(Row(Setting::TurboK))->isHidden());
  EXPECT_TRUE(page.ValueLabel(Row(Setting::TurboT))->isHidden());
}

TEST_F(TurboPage, DefaultRestoresEveryFactoryIndex) {
  block.Current(Setting::TurboStartRpm) = 40;
  block.Current(Setting::TurboSlopeOff) = 0;
  block.Current(Setting::TurboK) = 9;
  page.ApplyFactoryIndexes();
  EXPECT_EQ(block.Current(Setting::TurboStartRpm), 12);
  EXPECT_EQ(block.Current(Setting::TurboSlopeOff), 5);
  EXPECT_EQ(block.Current(Setting::TurboK), 0);
  EXPECT_EQ(page.ValueLabel(Row(Setting::TurboStartRpm))->text(), "20000rpm(*)");
  EXPECT_FALSE(page.ValueBox(Row(Setting::TurboStartRpm))->isEnabled());
}

}  // namespace
}  // namespace vuriru
