// SPDX-License-Identifier: GPL-3.0-or-later
// The History window, offscreen: its list of setups and snapshots, the
// buttons each row allows, the keyboard (the list first, Enter loads, Escape
// closes, Tab in the order of the window), the dark theme, and the form that
// names a setup.

#include "widgets/history/history_dlg.h"

#include <fstream>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "library/full_disk_vfs.h"
#include "widgets/kit/app_theme.h"
#include "widgets/kit/language.h"
#include "window/history_rig.h"

namespace vuriru::test {
namespace {

int Argc = 1;
char Arg0[] = "test_history_widgets";
char* Argv[] = {Arg0, nullptr};

class HistoryWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }
  HistoryWindow() : rig(folder / "library.sqlite3"), browser(*rig.library, rig.controller, rig.dialogs) {}
  void SetUp() override {
    ASSERT_TRUE(rig.StartAndRead());
    ASSERT_TRUE(rig.library->SaveSetup("Track A", "wet, 17.5T", rig.controller.EditedData(), "V3").ok);
    rig.library->RecordSnapshot(V1ControllerRecord(V1FactoryBlock(), "v1", "V1.05", ""), SnapshotReason::kRead);
  }

  static void Press(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }
  // Chooses the row whose second column reads `text`.
  static void Choose(CHistoryDlg& dialog, const QString& text) {
    for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row) {
      if (dialog.List()->topLevelItem(row)->text(1) == text)
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(row));
    }
    ASSERT_EQ(dialog.List()->currentItem()->text(1), text);
  }

  ScratchFolder folder;
  HistoryRig rig;
  HistoryBrowser browser;
};

TEST_F(HistoryWindow, ListsSetupsThenSnapshotsWithTheirDateReasonKindAndSoftware) {
  CHistoryDlg dialog(browser);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("History"));
  QTreeWidget* list = dialog.List();
  ASSERT_EQ(list->columnCount(), 4);
  EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Date"));
  EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Reason or name"));
  EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("Kind"));
  EXPECT_EQ(list->headerItem()->text(3), QStringLiteral("Software"));
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Track A"));
  EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("setup"));
  EXPECT_EQ(list->topLevelItem(0)->toolTip(1), QStringLiteral("wet, 17.5T"));
  EXPECT_EQ(list->topLevelItem(1)->text(2), QStringLiteral("V1 snapshot (v1)"));
  EXPECT_EQ(list->topLevelItem(2)->text(1), QStringLiteral("read"));
  EXPECT_EQ(list->topLevelItem(2)->text(3), QString::fromStdString(rig.engine.SoftwareVersionText()));
  // The first row is chosen, and its details shown.
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
  EXPECT_TRUE(dialog.Details()->toPlainText().startsWith(QStringLiteral("Setup \"Track A\"")));
  EXPECT_TRUE(dialog.ProblemLabel()->isHidden());
}

// The window is built in the window's language each time it opens; the
// setup's name and note are the user's and stay as typed.
TEST_F(HistoryWindow, OpensInTheWindowsLanguage) {
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::kEnglish); }
  } back;
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  CHistoryDlg dialog(browser);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("历史记录"));
  QTreeWidget* list = dialog.List();
  EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("日期"));
  EXPECT_EQ(list->headerItem()->text(3), QStringLiteral("软件"));
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Track A"));
  EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("设定"));
  EXPECT_EQ(list->topLevelItem(2)->text(1), QStringLiteral("读取后"));
  EXPECT_EQ(list->topLevelItem(2)->text(2), QStringLiteral("快照"));
  QStringList buttons;
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_TRUE(buttons.contains(QStringLiteral("载入"))) << buttons.join(u'|').toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("将编辑值存为设定…"))) << buttons.join(u'|').toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("关闭"))) << buttons.join(u'|').toStdString();

  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  CHistoryDlg english(browser);
  EXPECT_EQ(english.windowTitle(), QStringLiteral("History"));
  EXPECT_EQ(english.List()->topLevelItem(2)->text(1), QStringLiteral("read"));
}

TEST_F(HistoryWindow, EachRowAllowsOnlyWhatItsKindCanDo) {
  CHistoryDlg dialog(browser);
  const auto enabled = [&] {
    std::string shown;
    for (QPushButton* button : {dialog.LoadButton(), dialog.ExportButton(), dialog.SaveAsSetupButton(),
                                dialog.RenameButton(), dialog.DeleteButton(), dialog.SaveEditsButton()}) {
      shown += button->isEnabled() ? '1' : '0';
    }
    return shown;
  };
  Choose(dialog, QStringLiteral("Track A"));
  EXPECT_EQ(enabled(), "111111");
  Choose(dialog, QStringLiteral("read"));
  EXPECT_EQ(enabled(), "111001");
  // A V1 controller's snapshot is only looked at.
  for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row) {
    if (dialog.List()->topLevelItem(row)->text(2).startsWith(QStringLiteral("V1"))) {
      dialog.List()->setCurrentItem(dialog.List()->topLevelItem(row));
    }
  }
  EXPECT_EQ(enabled(), "000001");
  EXPECT_TRUE(dialog.Details()->toPlainText().contains(QStringLiteral("Cut-off Voltage")));
}

TEST_F(HistoryWindow, TheListHasTheFocusFirstAndTabFollowsTheWindowsOrder) {
  CHistoryDlg dialog(browser);
  dialog.show();
  EXPECT_EQ(dialog.focusWidget(), dialog.List());
  const std::vector<QWidget*> order = {dialog.List(),         dialog.Details(),           dialog.LoadButton(),
                                       dialog.ExportButton(), dialog.SaveAsSetupButton(), dialog.RenameButton(),
                                       dialog.DeleteButton(), dialog.SaveEditsButton(),   dialog.CloseButton()};
  QWidget* at = dialog.List();
  for (size_t i = 1; i < order.size(); ++i) {
    do at = at->nextInFocusChain();
    while (at != order[i] && at != dialog.List() && !(at->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(at, order[i]) << i;
  }
  // The Load button answers Enter.
  EXPECT_TRUE(dialog.LoadButton()->isDefault());
}

TEST_F(HistoryWindow, EnterInTheListLoadsTheChosenRowAndClosesTheWindow) {
  rig.settings.Current(Setting::RunMode) = 2;
  CHistoryDlg dialog(browser);
  dialog.show();
  Choose(dialog, QStringLiteral("read"));
  Press(dialog.List(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 1);
}

TEST_F(HistoryWindow, EscapeClosesWithoutLoading) {
  rig.settings.Current(Setting::RunMode) = 2;
  CHistoryDlg dialog(browser);
  dialog.show();
  Choose(dialog, QStringLiteral("read"));
  Press(dialog.List(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(rig.settings.Current(Setting::RunMode), 2);
}

TEST_F(HistoryWindow, DeleteAndF2OnTheListDeleteAndRenameTheChosenSetup) {
  CHistoryDlg dialog(browser);
  dialog.SetNameAsker([](const QString&, const QString& name, bool withNote) -> std::optional<SetupNameInput> {
    EXPECT_EQ(name, QStringLiteral("Track A"));
    EXPECT_FALSE(withNote);
    return SetupNameInput{"Track B", ""};
  });
  dialog.show();
  Choose(dialog, QStringLiteral("Track A"));
  Press(dialog.List(), Qt::Key_F2);
  EXPECT_TRUE(rig.library->GetSetup("Track B"));
  EXPECT_EQ(dialog.List()->currentItem()->text(1), QStringLiteral("Track B"));
  rig.dialogs.answers = {Answer::kYes};
  Press(dialog.List(), Qt::Key_Delete);
  EXPECT_FALSE(rig.library->GetSetup("Track B"));
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(HistoryWindow, SavingTheEditsAsASetupListsAndChoosesIt) {
  CHistoryDlg dialog(browser);
  dialog.SetNameAsker([](const QString&, const QString&, bool withNote) -> std::optional<SetupNameInput> {
    EXPECT_TRUE(withNote);
    return SetupNameInput{"Carpet", "17.5T"};
  });
  dialog.SaveEditsButton()->click();
  const std::optional<NamedSetup> setup = rig.library->GetSetup("Carpet");
  ASSERT_TRUE(setup);
  EXPECT_EQ(setup->info.note, "17.5T");
  EXPECT_EQ(dialog.List()->currentItem()->text(1), QStringLiteral("Carpet"));
}

TEST_F(HistoryWindow, ALibraryThatCannotBeWrittenIsShownAndItsChangesAreOff) {
  std::filesystem::permissions(folder / "library.sqlite3", std::filesystem::perms::owner_read);
  HistoryRig readOnly(folder / "library.sqlite3");
  HistoryBrowser view(*readOnly.library, readOnly.controller, readOnly.dialogs);
  if (readOnly.library->CanWrite()) GTEST_SKIP() << "this user may write any file";
  CHistoryDlg dialog(view);
  EXPECT_FALSE(dialog.ProblemLabel()->isHidden());
  EXPECT_TRUE(dialog.ProblemLabel()->text().contains(QStringLiteral("cannot be written")));
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 3);
  EXPECT_FALSE(dialog.SaveEditsButton()->isEnabled());
  EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
}

// What the library and the files refuse reaches a Chinese window in Chinese:
// a name taken, a V1 snapshot that can only be looked at, a file that cannot
// be written, a JSON file that cannot be imported. The names, keys and
// figures in them stay as they are.
TEST_F(HistoryWindow, RefusalsOfTheLibraryAndTheFilesAreShownInTheWindowsLanguage) {
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::kEnglish); }
  } back;
  ASSERT_TRUE(rig.library->SaveSetup("Track B", "", rig.controller.EditedData(), "V3").ok);
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  CHistoryDlg dialog(browser);
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 4);
  EXPECT_EQ(dialog.List()->topLevelItem(2)->text(2), QStringLiteral("V1 快照（v1）"));

  const std::vector<HistoryEntry> entries = browser.Entries();
  const auto entry = [&](const std::string& reasonOrName) {
    for (const HistoryEntry& e : entries) {
      if (e.reasonOrName == reasonOrName && (e.full || e.kind == HistoryEntry::Kind::kSnapshot)) return e;
    }
    ADD_FAILURE() << reasonOrName;
    return HistoryEntry{};
  };
  const auto lastShown = [&] { return MessageText(rig.dialogs.texts.back()); };

  EXPECT_FALSE(browser.Rename(entry("Track A"), "Track B"));
  EXPECT_EQ(lastShown(), QStringLiteral("已有名为“Track B”的设定；请换一个名称。"));
  EXPECT_EQ(rig.dialogs.told.back(), "History: A setup named \"Track B\" exists already; choose another name.");

  HistoryEntry v1;
  for (const HistoryEntry& e : entries) {
    if (!e.full) v1 = e;
  }
  EXPECT_FALSE(browser.Load(v1));
  EXPECT_EQ(lastShown(), QStringLiteral("V1 电调的快照只能查看。"));

  rig.dialogs.saveFile = (folder / "no such folder" / "car.json").string();
  EXPECT_FALSE(browser.Export(entry("Track A")));
  EXPECT_EQ(lastShown(), QStringLiteral("无法在 ") + QString::fromStdString((folder / "no such folder").string()) +
                             QStringLiteral(" 中创建文件：文件或文件夹不存在"));

  const std::filesystem::path json = folder / "newer.json";
  {
    std::ofstream out(json);
    out << R"({"format": "vuriru-link settings", "version": 2, "controller": {"kind": "full"}})";
  }
  EXPECT_FALSE(rig.controller.ImportFrom(json.string()));
  EXPECT_EQ(lastShown(), QStringLiteral("导入文件出错！ \"version\"：本程序无法读取版本 2（可读取版本 1）。"));
  EXPECT_EQ(rig.dialogs.asked.back(),
            "Import: Import file error! \"version\": version 2 is not one this program reads (it reads 1)");
}

// A disk that fills while the window is open: the refused save is told, and
// the window then shows why and offers no further change.
TEST(HistoryWindowFullDisk, ARefusedSaveTurnsTheChangesOffAndShowsWhy) {
  if (!QApplication::instance()) new QApplication(Argc, Argv);
  vuriru::testing::RegisterFullDiskVfs();
  ScratchFolder folder;
  LibraryOptions options;
  options.vfs = vuriru::testing::kFullDiskVfs;
  HistoryRig rig(folder / "library.sqlite3", SimTargetKind::kFull, options);
  ASSERT_TRUE(rig.StartAndRead());
  HistoryBrowser browser(*rig.library, rig.controller, rig.dialogs);
  CHistoryDlg dialog(browser);
  dialog.SetNameAsker([](const QString&, const QString&, bool) -> std::optional<SetupNameInput> {
    return SetupNameInput{"Carpet", ""};
  });
  ASSERT_TRUE(dialog.SaveEditsButton()->isEnabled());
  ASSERT_TRUE(dialog.ProblemLabel()->isHidden());

  vuriru::testing::SetDiskFull(true);
  dialog.SaveEditsButton()->click();
  vuriru::testing::SetDiskFull(false);
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_NE(rig.dialogs.told[0].find("is full"), std::string::npos) << rig.dialogs.told[0];
  EXPECT_FALSE(dialog.ProblemLabel()->isHidden());
  EXPECT_TRUE(dialog.ProblemLabel()->text().contains(QStringLiteral("is full")));
  EXPECT_FALSE(dialog.SaveEditsButton()->isEnabled());
  EXPECT_FALSE(dialog.SaveAsSetupButton()->isEnabled());
  // What was kept can still be looked at, loaded and exported.
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.List()->currentItem()->text(1), QStringLiteral("read"));
  EXPECT_TRUE(dialog.LoadButton()->isEnabled());
}

TEST_F(HistoryWindow, TheWindowIsDarkUnderTheProgramsTheme) {
  const QPalette palette = QApplication::palette();
  const QString style = QApplication::style()->name();
  ApplyAppTheme();
  CHistoryDlg dialog(browser);
  EXPECT_LT(dialog.palette().color(QPalette::Window).lightness(), 80);
  EXPECT_LT(dialog.List()->palette().color(QPalette::Base).lightness(), 80);
  EXPECT_GT(dialog.List()->palette().color(QPalette::Text).lightness(), 160);
  QApplication::setStyle(style);
  QApplication::setPalette(palette);
}

TEST(SetupNameForm, OkWaitsForANameThatCanBeUsedAndSaysWhyNot) {
  if (!QApplication::instance()) new QApplication(Argc, Argv);
  CSetupNameDlg form(QStringLiteral("Save as setup"), QString(), true);
  EXPECT_FALSE(form.CanAccept());
  EXPECT_TRUE(form.ProblemLabel()->text().isEmpty());
  form.NameEdit()->setText(QStringLiteral("12"));
  EXPECT_FALSE(form.CanAccept());
  EXPECT_TRUE(form.ProblemLabel()->text().startsWith(QStringLiteral("\"12\" would be read as a snapshot id")));
  form.NameEdit()->setText(QStringLiteral("Track A"));
  form.NoteEdit()->setText(QStringLiteral("wet"));
  EXPECT_TRUE(form.CanAccept());
  EXPECT_EQ(form.Input().name, "Track A");
  EXPECT_EQ(form.Input().note, "wet");
  // Tab leads from the name to the note before the buttons: typed on, a
  // note must not land on OK (its blank would press it).
  EXPECT_EQ(form.NameEdit()->nextInFocusChain(), form.NoteEdit());
  QWidget* afterNote = form.NoteEdit()->nextInFocusChain();
  while (!(afterNote->focusPolicy() & Qt::TabFocus)) afterNote = afterNote->nextInFocusChain();
  EXPECT_EQ(afterNote, form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
  CSetupNameDlg rename(QStringLiteral("Rename setup"), QStringLiteral("Track A"), false);
  EXPECT_EQ(rename.NoteEdit(), nullptr);
  EXPECT_TRUE(rename.CanAccept());
}

// Qt's own buttons follow the window's language too (Qt's translation of
// its texts, which scripts/setup installs), and the form's reason reads as a
// Chinese sentence.
TEST(SetupNameForm, InChineseItsButtonsAndReasonsAreChinese) {
  if (!QApplication::instance()) new QApplication(Argc, Argv);
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::kEnglish); }
  } back;
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  CSetupNameDlg form(QStringLiteral("Save as setup"), QString(), true);
  QDialogButtonBox* buttons = form.findChild<QDialogButtonBox*>();
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
  EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
  form.NameEdit()->setText(QStringLiteral("12"));
  EXPECT_EQ(form.ProblemLabel()->text(), QStringLiteral("“12”会被当作快照编号；请给设定起一个不全是数字的名称。"));
  form.NameEdit()->setText(QStringLiteral(" Track A"));
  EXPECT_EQ(form.ProblemLabel()->text(), QStringLiteral("设定名称的开头和结尾不能是空格。"));
  // Back in English, at once.
  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace vuriru::test
