// SPDX-License-Identifier: GPL-3.0-or-later
// The window's choreography without a widget: what the controller asks the
// window to draw for the engine's events and the user's commands, in order.

#include "window/window_controller.h"

#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "settings/settings_table.h"
#include "support/fake_hid_library.h"
#include "window/button_art.h"
#include "window/recording_view.h"

namespace vuriru::test {
namespace {

class WindowControllerTest : public ::testing::Test {
 protected:
  WindowControllerTest() { LoadFactorySettings(settings); }

  // A full controller read and shown on its General page.
  void ReadyOnGeneralPage() {
    state.g_linkState = link_state::kOpen;
    state.g_adapterReady = 1;
    state.g_escPresent = 1;
    state.g_deviceType = device_type::kFull;
    state.g_transferPending = 0;
    state.g_selectedPage = page::kGeneral;
    state.g_currentPage = page::kGeneral;
    state.g_pageChosen = true;
    view.steps.clear();
  }

  void Report(const EngineEvent& event) { controller.OnEngineEvent(event); }

  EventLoopScheduler scheduler;
  FakeHidLibrary hid = FakeHidLibrary::SingleAdapter();
  SharedState state;
  SettingsBlock settings;
  CurveSet curves{settings};
  V1SettingsBlock v1;
  UsbLink link{hid, state, scheduler};
  RecordingView view;
  QueuedDialogs dialogs;
  WindowController controller{{state, engine, link, scheduler, view, dialogs, settings, curves}};
  TransactionEngine engine{{link, scheduler, state, controller, settings, v1, curves}};
};

TEST_F(WindowControllerTest, StartShowsTheButtonRowWithoutAPageAndHoldsCommandsForTheFirstRead) {
  controller.Start();
  EXPECT_EQ(state.g_selectedPage, page::kNoneSelected);
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_EQ(state.g_transferPending, 1);
  EXPECT_EQ(state.g_progressRange, kProgressRangeRead);
  EXPECT_TRUE(view.Has("Button 1001 shown"));
  EXPECT_TRUE(view.Has("Page 2 hidden"));
  EXPECT_TRUE(view.Has("Caption Read From Esc Process......"));
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 500u);
  EXPECT_TRUE(controller.IsBusy());
  controller.Stop();
}

TEST_F(WindowControllerTest, TheEndOfAReadRefreshesThePagesThenReleasesTheCommandAndShowsThePage) {
  ReadyOnGeneralPage();
  state.g_pressedCommand = command::kApply;
  state.g_currentPage = page::kBrake;
  Report(engine_event::CurvesRead(1u << 2, false));
  const auto at = [&](const std::string& step) { return view.IndexOf(step); };
  // The refused brake curve is redrawn before the pages show what was read.
  EXPECT_LT(at("Curve 2 redrawn"), at("Pages refreshed"));
  EXPECT_FALSE(view.Has("Curve 1 redrawn"));
  EXPECT_LT(at("Pages refreshed"), at("Running log"));
  EXPECT_LT(at("Running log"), at("Beep"));
  // Then the command ends: its button redrawn, the dialog hidden.
  EXPECT_LT(at("Beep"), at("Button 1007 redrawn"));
  EXPECT_LT(at("Button 1007 redrawn"), at("Progress hidden"));
  EXPECT_EQ(state.g_pressedCommand, command::kNone);
  // The page switch runs from "no page shown" to the selected page.
  EXPECT_EQ(state.g_currentPage, 0);
  EXPECT_TRUE(view.Has("Page 2 shown"));
  // The command buttons are shown once more after the page.
  EXPECT_LT(at("Page 2 shown"), view.LastIndexOf("Button 1007 shown"));
  EXPECT_EQ(view.background, "V3Menu.bmp");
}

TEST_F(WindowControllerTest, ALostAdapterReturnsTheWindowToItsStartState) {
  ReadyOnGeneralPage();
  state.g_linkState = link_state::kNoLink;
  state.g_adapterReady = 0;
  state.g_escPresent = 0;
  Report(engine_event::LinkChanged(LinkChange::kAdapterRemoved));
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_EQ(state.g_selectedPage, 0);
  for (const char* step : {"Page 1 hidden", "Page 2 hidden", "Page 7 hidden", "Button 1001 shown", "Indicators shown",
                           "Indicators redrawn"}) {
    EXPECT_TRUE(view.Has(step)) << step;
  }
  EXPECT_EQ(view.background, "1.bmp");
}

TEST_F(WindowControllerTest, AStoreThatEndsOtherwiseReleasesItsButtonAndHidesTheDialog) {
  for (TransferEnding ending : {TransferEnding::kStalled, TransferEnding::kLinkLost, TransferEnding::kNothingSent}) {
    ReadyOnGeneralPage();
    state.g_pressedCommand = command::kDefault;
    Report(engine_event::TransferEnded(ending, Transaction::kDefault));
    EXPECT_EQ(view.steps, (std::vector<std::string>{"Button 1008 redrawn", "Progress hidden"}));
    EXPECT_EQ(state.g_pressedCommand, command::kNone);
  }
}

TEST_F(WindowControllerTest, ACompletedStoreFocusesThePageButton) {
  ReadyOnGeneralPage();
  state.g_pressedCommand = command::kApply;
  Report(engine_event::StoreDone(Transaction::kApply));
  EXPECT_EQ(view.steps, (std::vector<std::string>{"Button 1007 redrawn", "Progress hidden", "Button 1001 focused"}));
  EXPECT_TRUE(state.g_backgroundDirty);
}

TEST_F(WindowControllerTest, TheBoxUpdatedLeavesItsPageForTheButtonRow) {
  state.g_linkState = link_state::kOpen;
  state.g_adapterReady = 1;
  state.g_deviceType = device_type::kFull;
  state.g_selectedPage = page::kDeviceInfo;
  state.g_currentPage = page::kDeviceInfo;
  Report(engine_event::TransferEnded(TransferEnding::kBoxUpdated, Transaction::kFirmware));
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_EQ(state.g_selectedPage, page::kNoneSelected);
  EXPECT_TRUE(view.Has("Page 1 hidden"));
  EXPECT_TRUE(view.Has("Button 1001 shown"));
  EXPECT_TRUE(view.Has("Button 1007 shown"));
}

TEST_F(WindowControllerTest, AV1ControllersFirstReadShowsItsPanelWithTheValues) {
  state.g_linkState = link_state::kOpen;
  state.g_adapterReady = 1;
  state.g_escPresent = 1;
  state.g_deviceType = device_type::kV1;
  state.g_backgroundDirty = true;  // as the controller's first answer left it
  Report(engine_event::SettingsRead(SettingsReadStep::kV1ReadEnd, true, true));
  EXPECT_EQ(state.g_selectedPage, page::kNoneShown);
  EXPECT_EQ(state.g_currentPage, 0);
  EXPECT_LT(view.IndexOf("Button 1001 hidden"), view.IndexOf("V1 panel shown"));
  EXPECT_LT(view.IndexOf("V1 panel shown"), view.IndexOf("V1 read values"));
  EXPECT_EQ(view.background, "V1Menu.bmp");
}

TEST_F(WindowControllerTest, ThePageSwitchKeepsStillWhileAnEditorIsOpenOrNothingChanges) {
  ReadyOnGeneralPage();
  state.g_curveEditorOpen = 1;
  controller.ShowPage(page::kBrake);
  EXPECT_TRUE(view.steps.empty());
  state.g_curveEditorOpen = 0;
  controller.ShowPage(page::kBrake);  // selected and current are both General
  EXPECT_TRUE(view.steps.empty());
  state.g_selectedPage = page::kBrake;
  controller.ShowPage(page::kBrake);
  EXPECT_TRUE(view.Has("Page 2 hidden"));
  EXPECT_TRUE(view.Has("Page 4 shown"));
}

TEST_F(WindowControllerTest, FirmwareBlockPhaseShowsTheIndicatorsBeforeTheDialog) {
  ReadyOnGeneralPage();
  Report(engine_event::Progress(ProgressStep::kIndicators, 0, 1300, "Data Transferring.. 0% done."));
  EXPECT_EQ(view.steps, (std::vector<std::string>{"Indicators shown", "Caption Data Transferring.. 0% done.",
                                                  "Progress shown 0/1300"}));
}

TEST_F(WindowControllerTest, EscapeClosesAListFirstAndOnlyThenCancelsAnEditor) {
  view.listOpen = true;
  state.g_curveEditorOpen = 1;
  controller.OnEscape();
  EXPECT_EQ(view.steps, std::vector<std::string>{"Close list"});
  view.listOpen = false;
  view.steps.clear();
  controller.OnEscape();
  EXPECT_EQ(view.steps, (std::vector<std::string>{"Close list", "Cancel editor"}));
  view.steps.clear();
  state.g_curveEditorOpen = 0;
  controller.OnEscape();
  EXPECT_EQ(view.steps, std::vector<std::string>{"Close list"});
}

TEST_F(WindowControllerTest, MessagesGoToTheDialogs) {
  Report(engine_event::Message("Esc Update", "Up Date Complete!", MessageIcon::kNone));
  EXPECT_EQ(dialogs.told, std::vector<std::string>{"Up Date Complete!: Esc Update"});
}

}  // namespace
}  // namespace vuriru::test

namespace vuriru::test {
namespace {

TEST_F(WindowControllerTest, AFailedVersionReadTakesTheReadsProgressDialogAway) {
  // The read after connecting had shown its dialog; the failure ends that read.
  ReadyOnGeneralPage();
  Report(engine_event::LinkChanged(LinkChange::kVersionFailed));
  EXPECT_EQ(view.steps.front(), "Progress hidden");
}

TEST_F(WindowControllerTest, AnAdapterThatMayNotBeOpenedIsExplainedOnceAndOpensOnceAllowed) {
  hid.openSucceeds = false;
  hid.openFailure = HID_DEVICE_ACCESS_DENIED;
  controller.Start();
  scheduler.AdvanceBy(2000);  // four connect attempts, all refused
  ASSERT_EQ(dialogs.told.size(), 1u);
  EXPECT_NE(dialogs.told.front().find(kRefusedAdapterCaption), std::string::npos);
  EXPECT_NE(dialogs.told.front().find(link.RefusedNode()), std::string::npos);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);

  // Access granted: the search that went on opens the adapter by itself.
  hid.openSucceeds = true;
  scheduler.AdvanceBy(600);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_EQ(dialogs.told.size(), 1u);
  controller.Stop();
}

}  // namespace
}  // namespace vuriru::test
