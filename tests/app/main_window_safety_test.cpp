// SPDX-License-Identifier: GPL-3.0-or-later
// The main window when things go wrong or a habit strikes: Escape, closing
// with something to lose, a pulled adapter or a silent controller in the
// middle of a store, refused commands, and the progress the user watches.

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_rig.h"
#include "comms/engine/engine_messages.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

using testing::MainWindowRig;

void PressEscape(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

// Changes RUN MODE on the General page, as a click in its list would.
void EditRunMode(CQorProDlg& window) {
  window.OnPageButton(page::kGeneral);
  CGeneral* general = window.GeneralPage();
  const size_t row = general->RowOf(Setting::RunMode);
  const int options = static_cast<int>(general->Table().rows[row].options.size());
  general->OpenList(row);
  general->ChooseOption(row, (window.Settings().Current(Setting::RunMode) + 1) % options);
}

TEST(MainWindowSafety, EscapeClosesAListThenCancelsAnEditorAndNeverEndsTheProgram) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.show();
  window.OnPageButton(page::kGeneral);
  const size_t row = window.GeneralPage()->RowOf(Setting::VoltageCutoff);
  window.GeneralPage()->OpenList(row);
  ASSERT_NE(window.GeneralPage()->OpenListRow(), CSettingsPage::kNoOpenList);
  PressEscape(&window);
  EXPECT_EQ(window.GeneralPage()->OpenListRow(), CSettingsPage::kNoOpenList);
  EXPECT_TRUE(window.isVisible());

  // In the throttle editor Escape is CANCEL: the dragged point goes back.
  window.OnPageButton(page::kThrottle);
  CThrottle* throttle = window.ThrottlePage();
  const size_t curveRow = throttle->RowOf(Setting::ThCurve);
  throttle->OpenList(curveRow);
  throttle->ChooseOption(curveRow, 1);
  ASSERT_EQ(rig.State().g_curveEditorOpen, 1);
  const StoredCurve before = window.Curves().throttle.Stored();
  const size_t pointsBefore = window.Curves().throttle.Count();
  window.Curves().throttle.LeftPress({45, 20});
  window.Curves().throttle.LeftRelease();
  ASSERT_NE(window.Curves().throttle.Count(), pointsBefore);
  // The key reaches the window from the curve selector's label, which kept
  // the focus when its list was chosen from.
  PressEscape(throttle->ValueLabel(curveRow));
  EXPECT_EQ(rig.State().g_curveEditorOpen, 0);
  EXPECT_EQ(window.Curves().throttle.Count(), pointsBefore);
  EXPECT_EQ(window.Curves().throttle.Stored(), before);
  EXPECT_TRUE(window.isVisible());

  // With nothing open, Escape does nothing at all.
  PressEscape(&window);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(rig.dialogs.asked.empty());
}

TEST(MainWindowSafety, ClosingAsksOnlyWhenEditsWouldBeLostAndNoKeepsTheWindow) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.show();
  EXPECT_TRUE(window.ConfirmQuit());  // nothing changed since the read
  EXPECT_TRUE(rig.dialogs.asked.empty());

  EditRunMode(window);
  EXPECT_FALSE(window.close());  // the unanswered question defaults to No
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_NE(rig.dialogs.asked[0].find("Exit: "), std::string::npos);
  EXPECT_NE(rig.dialogs.asked[0].find("Quit without applying them?"), std::string::npos);

  // Once applied, nothing is lost by closing.
  rig.dialogs.answers = {Answer::kOk};
  window.OnApply();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  rig.dialogs.asked.clear();
  EXPECT_TRUE(window.ConfirmQuit());
  EXPECT_TRUE(rig.dialogs.asked.empty());

  EditRunMode(window);
  rig.dialogs.answers = {Answer::kYes};
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
}

TEST(MainWindowSafety, ClosingDuringAStoreNamesTheStoreAndItsRisk) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.show();
  rig.dialogs.answers = {Answer::kOk};
  window.OnApply();
  rig.clock.AdvanceBy(300);
  ASSERT_EQ(rig.State().g_transferPending, 1);
  EXPECT_FALSE(window.close());
  ASSERT_EQ(rig.dialogs.asked.size(), 2u);
  EXPECT_NE(rig.dialogs.asked[1].find("being stored"), std::string::npos) << rig.dialogs.asked[1];
  EXPECT_NE(rig.dialogs.asked[1].find("only part of the new settings"), std::string::npos);
  EXPECT_TRUE(window.isVisible());
}

TEST(MainWindowSafety, APulledAdapterEndsAnApplyWithTheDialogGoneAndTheButtonReleased) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  EditRunMode(window);
  rig.dialogs.answers = {Answer::kOk};
  window.OnApply();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().engineState == 17; }));
  ASSERT_FALSE(window.ProgressDialog()->isHidden());
  ASSERT_TRUE(rig.hid.Pull(SimulatedHidLibrary::SimPath(0)));
  rig.clock.AdvanceBy(100);
  EXPECT_TRUE(window.ProgressDialog()->isHidden());
  EXPECT_EQ(rig.State().g_pressedCommand, command::kNone);
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_EQ(rig.dialogs.told[0], ": " + LinkLostMessage(Transaction::kApply));
  // Nothing more is said while the adapter stays away.
  rig.clock.AdvanceBy(10000);
  EXPECT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_TRUE(window.ProgressDialog()->isHidden());
}

TEST(MainWindowSafety, AControllerFallingSilentMidStoreEndsItWithinFiveSeconds) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  rig.dialogs.answers = {Answer::kOk};
  window.OnDefault();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().engineState == 17; }));
  rig.hid.Adapter(0).Faults().Set(SimFault::kNoAnswer);
  const uint64_t silentFrom = rig.clock.NowMs();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  EXPECT_LE(rig.clock.NowMs() - silentFrom, 6000u);
  EXPECT_TRUE(window.ProgressDialog()->isHidden());
  ASSERT_EQ(rig.dialogs.told.size(), 1u);
  EXPECT_NE(rig.dialogs.told[0].find("stopped answering"), std::string::npos);
  EXPECT_NE(rig.dialogs.told[0].find("press Default again"), std::string::npos);
  // Unfinished, the store does not count as applied.
  EXPECT_TRUE(window.Engine().HasEditsNotApplied());
}

TEST(MainWindowSafety, TheProgressBarFollowsTheCaptionAndEachStoreStartsAtItsOwnFigure) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  for (int store = 0; store < 2; ++store) {
    rig.dialogs.answers = {Answer::kOk};
    window.OnApply();
    EXPECT_EQ(window.ProgressDialog()->Caption(), QStringLiteral("Data Transferring.. 0% done.")) << store;
    int largest = 0;
    bool matched = true;
    ASSERT_TRUE(rig.RunUntil([&] {
      const QString caption = window.ProgressDialog()->Caption();
      const int percent = window.ProgressDialog()->ShownPercent();
      largest = std::max(largest, percent);
      const int said = caption.section(QLatin1Char(' '), 2, 2).chopped(1).toInt();
      if (caption.startsWith(QStringLiteral("Data Transferring")) && std::min(said, 100) != percent) matched = false;
      return rig.State().g_transferPending == 0;
    }));
    EXPECT_TRUE(matched) << store;
    EXPECT_GT(largest, 50) << store;
  }
}

TEST(MainWindowSafety, DefaultSendsTheResetCurvesWithNothingOfTheOldCurveBehindThem) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  // The simulated controller starts with a four-point throttle curve.
  ASSERT_EQ(rig.hid.Adapter(0).Target().Memory().curves[kSimCurveThrottle][40 + 2], 70);
  rig.dialogs.answers = {Answer::kOk};
  rig.window->OnDefault();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  const std::vector<uint8_t>& stored = rig.hid.Adapter(0).Target().Memory().curves[kSimCurveThrottle];
  const size_t points = rig.window->Curves().throttle.Count();
  for (size_t i = points; i < 40; ++i) {
    EXPECT_EQ(stored[40 + i], 0) << "x " << i;
    EXPECT_EQ(stored[80 + i], 0) << "y " << i;
  }
}

TEST(MainWindowSafety, RefusedCommandsSayWhyInTheStatusLineAndChangeNothing) {
  MainWindowRig rig(/*withAdapter=*/false);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  const SharedState before = rig.State();
  window.OnPageButton(page::kGeneral);
  EXPECT_NE(window.StatusLineText().indexOf(QStringLiteral("No link adapter")), -1);
  window.OnApply();
  EXPECT_TRUE(rig.dialogs.asked.empty());
  EXPECT_EQ(rig.State().g_selectedPage, before.g_selectedPage);
  EXPECT_EQ(rig.State().g_pressedCommand, before.g_pressedCommand);
  window.OnExportData();
  EXPECT_TRUE(rig.dialogs.filters.empty());
  // The line clears itself after a while.
  rig.clock.AdvanceBy(7000);
  EXPECT_TRUE(window.StatusLineText().isEmpty());

  MainWindowRig busy;
  ASSERT_TRUE(busy.StartAndRead());
  busy.window->OnPageButton(page::kThrottle);
  CThrottle* throttle = busy.window->ThrottlePage();
  throttle->OpenList(throttle->RowOf(Setting::ThCurve));
  throttle->ChooseOption(throttle->RowOf(Setting::ThCurve), 1);
  busy.window->OnPageButton(page::kGeneral);
  EXPECT_NE(busy.window->StatusLineText().indexOf(QStringLiteral("curve editor")), -1);
  EXPECT_EQ(busy.State().g_currentPage, page::kThrottle);
  // A command that acts clears the line.
  PressEscape(busy.window.get());
  busy.window->OnPageButton(page::kGeneral);
  EXPECT_TRUE(busy.window->StatusLineText().isEmpty());
}

TEST(MainWindowSafety, TheBoxAloneLeavesNoProgressDialogOnItsPage) {
  MainWindowRig rig(/*withAdapter=*/true, SimTargetKind::kLcd);
  ASSERT_TRUE(rig.window->OnInitDialog());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_adapterReady == 1; }));
  rig.clock.AdvanceBy(3000);
  EXPECT_TRUE(rig.window->ProgressDialog()->isHidden());
  EXPECT_EQ(rig.State().g_transferPending, 1);
}

TEST(MainWindowSafety, V1SendHoldsCommandsUntilItsStoreEndsAndMenusGiveThePanelItsMenuPicture) {
  MainWindowRig rig(/*withAdapter=*/true, SimTargetKind::kV1);
  ASSERT_TRUE(rig.window->OnInitDialog());
  CV1Dlg* panel = rig.window->V1Panel();
  ASSERT_TRUE(rig.RunUntil([&] { return panel->StatusText() == QStringLiteral("Read Ok"); }));
  panel->Button(CV1PanelBase::kSendButtonId)->click();
  EXPECT_EQ(rig.State().g_transferPending, 1);
  // "Read Settings" cannot cut the store short.
  const size_t writes = rig.hid.Adapter(0).Target().Memory().writes.size();
  panel->Button(CV1PanelBase::kReadButtonId)->click();
  EXPECT_EQ(rig.hid.Adapter(0).Target().Memory().writes.size(), writes);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  EXPECT_EQ(panel->StatusText(), QStringLiteral("Send Ok"));

  rig.window->show();
  EXPECT_EQ(panel->BackgroundFile(), "V1.bmp");
  QMenu* file = rig.window->findChild<QMenuBar*>()->actions().front()->menu();
  emit file->aboutToShow();
  EXPECT_EQ(panel->BackgroundFile(), "V1Menu.bmp");
}

}  // namespace
}  // namespace vuriru

namespace vuriru {
namespace {

TEST(MainWindowSafety, ButtonsThatCannotActAreDimmedUntilTheyCan) {
  MainWindowRig rig;
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_TRUE(window.Button(button_id::kApply)->IsDimmed());
  EXPECT_TRUE(window.Button(button_id::kGeneral)->IsDimmed());
  EXPECT_FALSE(window.Button(button_id::kEscIndicator)->IsDimmed());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.ReadDone(); }));
  rig.clock.AdvanceBy(100);
  EXPECT_FALSE(window.Button(button_id::kApply)->IsDimmed());
  EXPECT_FALSE(window.Button(button_id::kGeneral)->IsDimmed());
  rig.dialogs.answers = {Answer::kOk};
  window.OnApply();
  EXPECT_TRUE(window.Button(button_id::kDefault)->IsDimmed());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  rig.clock.AdvanceBy(100);
  EXPECT_FALSE(window.Button(button_id::kDefault)->IsDimmed());
}

}  // namespace
}  // namespace vuriru
