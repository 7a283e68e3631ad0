// SPDX-License-Identifier: GPL-3.0-or-later
// The page machinery, on a made-up page with a 20-option list, a curve
// selector, a list with two marked options and one without a mark.

#include "pages/settings_page.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "settings/settings_pages.h"

namespace vuriru {
namespace {

enum Row : size_t { kStrength, kCurve, kPunch, kUnmarked };

PageTable MadeUpTable() {
  PageTable table;
  table.className = "CMadeUp";
  table.title = "Made up";
  table.dialogId = 900;
  table.size = {400, 250};
  table.backgroundFile = "no-such-picture.bmp";
  table.helpPanelId = 901;
  table.initialHelpText = "START";
  table.blackTextIds = {911};
  std::vector<std::string> twenty;
  for (int i = 0; i < 20; ++i) twenty.push_back("o" + std::to_string(i) + (i == 4 ? "(*)" : ""));
  table.rows = {
      {.setting = Setting::BrakeStrength,
       .labelId = 911,
       .labelPos = {145, 20},
       .listId = 921,
       .listHeight = 60,
       .options = twenty,
       .helpText = "STRENGTH HELP"},
      {.setting = Setting::ThCurve,
       .labelId = 912,
       .labelPos = {145, 45},
       .listId = 922,
       .listHeight = 20,
       .options = {"Linear(*)", "Custom"},
       .helpText = "CURVE HELP",
       .curveSelector = true},
      {.setting = Setting::PunchRate1,
       .labelId = 913,
       .labelPos = {145, 70},
       .listId = 923,
       .listHeight = 30,
       .options = {"50%(*)", "75%", "100%(*)"},
       .helpText = "PUNCH HELP"},
      {.setting = Setting::PunchRate2,
       .labelId = 914,
       .labelPos = {145, 95},
       .listId = 924,
       .listHeight = 30,
       .options = {"a", "b", "c"},
       .helpText = "PLAIN HELP"},
  };
  return table;
}

// A page whose rules keep the PUNCH list shut, as Boost and Turbo do for
// settings that do not apply.
class PageWithBlockedPunch : public CSettingsPage {
 public:
  using CSettingsPage::CSettingsPage;

 protected:
  bool IsBlocked(size_t row) const override { return row == kPunch; }
};

class SettingsPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  static void Click(QWidget* widget) {
    QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
  }

  PageTable table = MadeUpTable();
  SettingsBlock block;
  CSettingsPage page{table, block};
};

TEST_F(SettingsPage, StartsFromTheMarkedOptionsWithEmptyLabels) {
  EXPECT_EQ(block.Factory(Setting::BrakeStrength), 4);
  EXPECT_EQ(block.Factory(Setting::PunchRate1), 2);  // two marks: the later one
  EXPECT_EQ(block.Factory(Setting::PunchRate2), 0);  // no mark
  EXPECT_EQ(block.Current(Setting::PunchRate1), 2);
  EXPECT_EQ(page.ValueText(kPunch), "100%(*)");
  for (size_t row = 0; row < page.RowCount(); ++row) {
    EXPECT_FALSE(page.ValueLabel(row)->isHidden());
    EXPECT_TRUE(page.ValueLabel(row)->text().isEmpty());
    EXPECT_TRUE(page.OptionList(row)->isHidden());
  }
  EXPECT_EQ(page.HelpText(), "START");
  EXPECT_FALSE(page.HasBackground());
}

TEST_F(SettingsPage, RefreshPullsIndexesBackIntoTheirLists) {
  block.Current(Setting::BrakeStrength) = 250;
  block.Current(Setting::ThCurve) = 5;
  block.Current(Setting::PunchRate2) = -3;
  page.RefreshFromIndexes();
  EXPECT_EQ(block.Current(Setting::BrakeStrength), 19);
  EXPECT_EQ(page.ValueLabel(kStrength)->text(), "o19");
  EXPECT_EQ(block.Current(Setting::ThCurve), 1);
  EXPECT_EQ(page.ValueLabel(kCurve)->text(), "Custom");
  EXPECT_EQ(block.Current(Setting::PunchRate2), 0);

  page.CollectSelections();
  EXPECT_EQ(block.Current(Setting::BrakeStrength), 19);
}

TEST_F(SettingsPage, OneListOpenAtATime) {
  Click(page.ValueLabel(kStrength));
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(kStrength));
  EXPECT_EQ(page.HelpText(), "STRENGTH HELP");

  Click(page.ValueLabel(kPunch));
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(kPunch));
  EXPECT_TRUE(page.OptionList(kStrength)->isHidden());
  EXPECT_EQ(page.HelpText(), "PUNCH HELP");

  Click(&page);  // the page background
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);

  Click(page.ValueLabel(kCurve));
  Click(page.HelpPanel()->viewport());  // a click into the help text closes it too
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
}

TEST_F(SettingsPage, BlockedLabelStaysShutButClosesTheOpenList) {
  PageWithBlockedPunch blocked(table, block);
  Click(blocked.ValueLabel(kStrength));
  ASSERT_EQ(blocked.OpenListRow(), static_cast<int>(kStrength));

  Click(blocked.ValueLabel(kPunch));
  EXPECT_EQ(blocked.OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_EQ(blocked.HelpText(), "STRENGTH HELP");  // unchanged by the blocked click
  // Grey even though the page lists the label among its black ones.
  table.blackTextIds.push_back(913);
  EXPECT_EQ(blocked.TextColor(913), QColor(0x50, 0x50, 0x50));
}

TEST_F(SettingsPage, ChoosingStoresTheIndexAndShowsTheText) {
  page.OpenList(kStrength);
  page.OptionList(kStrength)->setCurrentRow(7);  // as the user's click does
  EXPECT_EQ(block.Current(Setting::BrakeStrength), 7);
  EXPECT_EQ(page.ValueLabel(kStrength)->text(), "o7");
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);

  page.ChooseOption(kStrength, 99);  // out of range: ignored
  EXPECT_EQ(block.Current(Setting::BrakeStrength), 7);
}

TEST_F(SettingsPage, DefaultRestoresFactoryAndResetsCurveSelector) {
  block.Current(Setting::BrakeStrength) = 12;
  block.Current(Setting::PunchRate1) = 0;
  block.Current(Setting::ThCurve) = 1;
  block.Factory(Setting::ThCurve) = 1;
  page.ApplyFactoryIndexes();
  EXPECT_EQ(block.Current(Setting::BrakeStrength), 4);
  EXPECT_EQ(block.Current(Setting::PunchRate1), 2);
  EXPECT_EQ(block.Current(Setting::ThCurve), 0);
  EXPECT_EQ(block.Factory(Setting::ThCurve), 0);
  EXPECT_EQ(page.ValueLabel(kStrength)->text(), "o4(*)");
  EXPECT_EQ(page.ValueLabel(kCurve)->text(), "Linear(*)");
}

TEST_F(SettingsPage, TextColoursByControlId) {
  EXPECT_EQ(page.TextColor(911), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(912), QColor(255, 255, 255));
  EXPECT_EQ(page.TextColor(901), QColor(255, 255, 255));
  EXPECT_EQ(page.ValueLabel(kStrength)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(SettingsPage, PageSwitchEmptiesAndHidesTheHelp) {
  page.OpenList(kUnmarked);
  page.ClearHelp();
  EXPECT_TRUE(page.HelpText().empty());
  EXPECT_TRUE(page.HelpPanel()->isHidden());
  page.OpenList(kCurve);
  EXPECT_FALSE(page.HelpPanel()->isHidden());
}

// The value labels and lists do not clip: every option of every page reads
// in full, in the font and at the size the page gives them.
TEST_F(SettingsPage, EveryOptionFitsItsLabelAndList) {
  for (const PageTable* pageTable : AllPageTables()) {
    SettingsBlock pageBlock;
    CSettingsPage built(*pageTable, pageBlock);
    built.show();
    for (size_t row = 0; row < built.RowCount(); ++row) {
      if (!pageTable->rows[row].visible) continue;
      built.OpenList(row);
      QLabel* label = built.ValueLabel(row);
      QListWidget* list = built.OptionList(row);
      for (int i = 0; i < list->count(); ++i) {
        QString text = list->item(i)->text();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width())
            << pageTable->className << " " << text.toStdString();
        EXPECT_LE(list->visualItemRect(list->item(i)).width(), list->viewport()->width());
        EXPECT_LE(list->fontMetrics().horizontalAdvance(text) + 4, list->viewport()->width())
            << pageTable->className << " list " << text.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace vuriru
