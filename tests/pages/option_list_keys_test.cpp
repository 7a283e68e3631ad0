// SPDX-License-Identifier: GPL-3.0-or-later
// The option lists from the keyboard, and their sizes on the real pages:
// arrows and Home/End move the highlight, Enter chooses as a click does,
// Escape closes unchosen, Tab walks the value labels and Space or Enter on a
// label opens its list as a click would.

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "pages/settings_page.h"
#include "settings/settings_pages.h"
#include "settings/settings_table.h"

namespace vuriru {
namespace {

// A 20-option list with the factory mark on "o4", a curve-free page.
PageTable KeysTable() {
  PageTable table;
  table.title = "Keys";
  table.dialogId = 950;
  table.size = {400, 250};
  table.backgroundFile = "no-such-picture.bmp";
  std::vector<std::string> twenty;
  for (int i = 0; i < 20; ++i) twenty.push_back("o" + std::to_string(i) + (i == 4 ? "(*)" : ""));
  auto row = [](Setting setting, int labelId, int y, std::vector<std::string> options, bool visible) {
    PageSettingRow r;
    r.setting = setting;
    r.labelId = labelId;
    r.labelPos = {145, y};
    r.listId = labelId + 10;
    r.listHeight = 60;
    r.options = std::move(options);
    r.helpText = "HELP " + std::to_string(labelId);
    r.visible = visible;
    return r;
  };
  table.rows = {
      row(Setting::BrakeStrength, 961, 20, twenty, true),
      row(Setting::PunchRate1, 962, 45, {"a(*)", "b", "c"}, true),
      row(Setting::PunchRate2, 963, 70, {"x(*)", "y"}, false),  // carried, never shown
      row(Setting::DragBrake, 964, 95, {"p(*)", "q"}, true),
  };
  return table;
}

enum : size_t { kTwenty, kThree, kHidden, kLast };

class BlockingLastRow : public CSettingsPage {
 public:
  using CSettingsPage::CSettingsPage;

 protected:
  bool IsBlocked(size_t row) const override { return row == kLast; }
};

class OptionListKeys : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  OptionListKeys() {
    page.RefreshFromIndexes();
    page.show();
    page.activateWindow();
    QApplication::processEvents();
  }

  static void Key(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(to, &press);
  }
  QListWidget* List(size_t row) const { return page.OptionList(row); }
  int32_t Chosen() const { return block.Current(Setting::BrakeStrength); }

  PageTable table = KeysTable();
  SettingsBlock block;
  BlockingLastRow page{table, block};
};

TEST_F(OptionListKeys, ArrowsHomeAndEndMoveTheHighlightOnly) {
  page.OpenList(kTwenty);
  QListWidget* list = List(kTwenty);
  ASSERT_EQ(list->currentRow(), 4);
  Key(list, Qt::Key_Down);
  Key(list, Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 6);
  Key(list, Qt::Key_Up);
  EXPECT_EQ(list->currentRow(), 5);
  Key(list, Qt::Key_End);
  EXPECT_EQ(list->currentRow(), 19);
  Key(list, Qt::Key_Down);  // stays on the last option
  EXPECT_EQ(list->currentRow(), 19);
  Key(list, Qt::Key_Home);
  EXPECT_EQ(list->currentRow(), 0);
  Key(list, Qt::Key_Up);
  EXPECT_EQ(list->currentRow(), 0);
  Key(list, Qt::Key_PageDown);
  EXPECT_GT(list->currentRow(), 1);
  // Nothing is chosen while the highlight moves, and the list stays open.
  EXPECT_EQ(Chosen(), 4);
  EXPECT_EQ(page.ValueLabel(kTwenty)->text(), "o4(*)");
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(kTwenty));
  // The highlighted option is kept in view.
  Key(list, Qt::Key_End);
  EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(19))));
}

TEST_F(OptionListKeys, EnterChoosesTheHighlightAsAClickDoes) {
  page.OpenList(kTwenty);
  Key(List(kTwenty), Qt::Key_Down);
  Key(List(kTwenty), Qt::Key_Down);
  Key(List(kTwenty), Qt::Key_Return);
  EXPECT_EQ(Chosen(), 6);
  EXPECT_EQ(page.ValueLabel(kTwenty)->text(), "o6");
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);

  // The keypad's Enter too; and Enter on the option already chosen only
  // closes the list, as a click on it does.
  page.OpenList(kTwenty);
  Key(List(kTwenty), Qt::Key_Up);
  Key(List(kTwenty), Qt::Key_Enter);
  EXPECT_EQ(Chosen(), 5);
  page.OpenList(kTwenty);
  Key(List(kTwenty), Qt::Key_Return);
  EXPECT_EQ(Chosen(), 5);
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);

  // A click on an option the keys highlighted chooses it.
  page.OpenList(kTwenty);
  Key(List(kTwenty), Qt::Key_Home);
  emit List(kTwenty)->itemClicked(List(kTwenty)->item(0));
  EXPECT_EQ(Chosen(), 0);
  EXPECT_EQ(page.ValueLabel(kTwenty)->text(), "o0");
}

TEST_F(OptionListKeys, EscapeClosesWithoutChoosing) {
  page.OpenList(kTwenty);
  Key(List(kTwenty), Qt::Key_End);
  Key(List(kTwenty), Qt::Key_Escape);
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_EQ(Chosen(), 4);
  EXPECT_EQ(page.ValueLabel(kTwenty)->text(), "o4(*)");
  // The next opening highlights the chosen option again, and collecting
  // the lists keeps it.
  EXPECT_EQ(List(kTwenty)->currentRow(), 4);
  page.CollectSelections();
  EXPECT_EQ(Chosen(), 4);
}

TEST_F(OptionListKeys, TabWalksTheShownLabelsAndSpaceOpensAsAClickWould) {
  QLabel* first = page.ValueLabel(kTwenty);
  first->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(first->hasFocus());
  // Tab goes label to label, past the hidden setting, the lists and the help.
  Key(first, Qt::Key_Tab);
  EXPECT_TRUE(page.ValueLabel(kThree)->hasFocus());
  Key(page.ValueLabel(kThree), Qt::Key_Tab);
  EXPECT_TRUE(page.ValueLabel(kLast)->hasFocus());
  Key(page.ValueLabel(kLast), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(page.ValueLabel(kThree)->hasFocus());

  // Space opens the list with the setting's help, and the list takes the keys.
  Key(page.ValueLabel(kThree), Qt::Key_Space);
  EXPECT_EQ(page.OpenListRow(), static_cast<int>(kThree));
  EXPECT_EQ(page.HelpText(), "HELP 962");
  EXPECT_TRUE(List(kThree)->hasFocus());
  Key(List(kThree), Qt::Key_Down);
  Key(List(kThree), Qt::Key_Return);
  EXPECT_EQ(block.Current(Setting::PunchRate1), 1);
  EXPECT_TRUE(page.ValueLabel(kThree)->hasFocus());

  // Tab from an open list closes it unchosen and moves on.
  Key(page.ValueLabel(kThree), Qt::Key_Return);
  ASSERT_EQ(page.OpenListRow(), static_cast<int>(kThree));
  Key(List(kThree), Qt::Key_Down);
  Key(List(kThree), Qt::Key_Tab);
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_EQ(block.Current(Setting::PunchRate1), 1);
  EXPECT_TRUE(page.ValueLabel(kLast)->hasFocus());

  // The page's rules hold for the keys as for the mouse.
  Key(page.ValueLabel(kLast), Qt::Key_Return);
  EXPECT_EQ(page.OpenListRow(), CSettingsPage::kNoOpenList);
}

// On every real page: a list of up to four options shows them all, each row
// tall enough for its text; a longer one scrolls where it must. No option is
// cut at the side.
TEST(OptionListSizes, ShortListsShowWholeLongOnesScroll) {
  testing::EnsureQtApplication();
  for (const PageTable* table : AllPageTables()) {
    SettingsBlock block;
    CSettingsPage page(*table, block);
    page.show();
    for (size_t row = 0; row < page.RowCount(); ++row) {
      const PageSettingRow& setting = table->rows[row];
      if (!setting.visible || setting.options.empty()) continue;
      page.OpenList(row);
      QListWidget* list = page.OptionList(row);
      QApplication::processEvents();
      const QFontMetrics metrics(list->font());
      const std::string where = table->title + " " + SettingRowFor(setting.setting).caption;
      if (setting.options.size() <= 4) {
        EXPECT_FALSE(list->verticalScrollBar()->isVisible()) << where;
        for (int i = 0; i < list->count(); ++i) {
          const QRect shown = list->visualItemRect(list->item(i));
          EXPECT_TRUE(list->viewport()->rect().contains(shown)) << where << " option " << i;
          EXPECT_GE(shown.height(), metrics.height()) << where;
        }
      } else {
        // Longer lists show whole where their height allows, and scroll
        // where it does not.
        const bool whole = list->viewport()->rect().contains(list->visualItemRect(list->item(list->count() - 1)));
        EXPECT_TRUE(whole || (list->verticalScrollBar()->isVisible() && list->verticalScrollBar()->maximum() > 0))
            << where;
      }
      // Every option fits the open list and, once chosen, the value label.
      const QLabel* label = page.ValueLabel(row);
      ASSERT_EQ(label->indent(), 0) << where;  // a framed label indents by default
      for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        EXPECT_LE(metrics.horizontalAdvance(text) + 4, list->viewport()->width()) << where << " " << text.toStdString();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width())
            << where << " " << text.toStdString();
      }
      page.CloseAllLists();
    }
  }
}

}  // namespace
}  // namespace vuriru
