// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the adapter by its path and the connect attempt.

#include <algorithm>
#include <string>
#include <vector>

#include "link/link_fixture.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;

using LinkConnect = LinkFixture;

TEST_F(LinkConnect, LastLinkDevicePathIsTheLastEnumeratedOneThatAnswers) {
  EXPECT_EQ(link.GetLastLinkDevicePath(), "");
  hid.devicePaths = {"/dev/hidraw1", "/dev/hidraw5", "/dev/hidraw7"};
  EXPECT_EQ(link.GetLastLinkDevicePath(), "/dev/hidraw7");
  hid.failingStrings = {2};
  EXPECT_EQ(link.GetLastLinkDevicePath(), "/dev/hidraw5");
  EXPECT_EQ(hid.calls.back(), "GetHidString 2 4292 33896 3 260");
}

TEST_F(LinkConnect, FindLinkDeviceComparesWithoutCaseAndNeverMatchesAnEmptyPath) {
  hid.devicePaths = {"\\\\?\\HID#VID_10C4&PID_8468#a", "\\\\?\\HID#VID_10C4&PID_8468#b", ""};
  uint32_t index = 99;
  EXPECT_TRUE(link.FindLinkDevice("\\\\?\\hid#vid_10c4&pid_8468#B", &index));
  EXPECT_EQ(index, 1u);
  EXPECT_FALSE(link.FindLinkDevice("\\\\?\\hid#vid_10c4&pid_8468#", &index));
  EXPECT_FALSE(link.FindLinkDevice("", &index));
}

TEST_F(LinkConnect, ConnectRunsTheWholeSequenceAndSendsTheConnectReportOverTheBuffer) {
  std::vector<std::vector<uint8_t>> traced;
  link.SetTrace([&](bool outgoing, const uint8_t* bytes, uint32_t length) {
    EXPECT_TRUE(outgoing);
    traced.emplace_back(bytes, bytes + length);
  });
  hid.devicePaths = {"/dev/hidraw3"};
  link.SetDevicePath("/dev/hidraw3");
  scheduler.StartTimer(timer_id::kConnect, 500);
  scheduler.StartTimer(timer_id::kPort, 50);

  ASSERT_TRUE(link.ConnectLink());

  EXPECT_THAT(hid.calls, ElementsAre("GetNumHidDevices 4292 33896", "GetHidString 0 4292 33896 3 260",
                                     "Open 0 4292 33896 512", "IsOpened", "GetOutputReportBufferLength",
                                     "SetOutputReport_Control 64", "SetTimeouts 0 1000"));
  std::vector<uint8_t> expected(64, 0);
  expected[0] = 0xFD;
  expected[1] = 0x43;
  expected[2] = 0x4F;
  expected[3] = 0x4E;
  expected[4] = 0x4E;
  EXPECT_THAT(hid.controlReports, ElementsAre(expected));
  EXPECT_THAT(traced, ElementsAre(std::vector<uint8_t>{0xFD, 'C', 'O', 'N', 'N'}));
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kPort));
  EXPECT_TRUE(scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kEngine), 100u);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkConnect, OnlyTheAdapterWithTheLinkDevicePathIsOpened) {
  hid.devicePaths = {"/dev/hidraw2", "/dev/hidraw4"};
  link.SetDevicePath(link.GetLastLinkDevicePath());
  ASSERT_TRUE(link.ConnectLink());
  EXPECT_EQ(std::count(hid.calls.begin(), hid.calls.end(), "Open 1 4292 33896 512"), 1);

  link.Close();
  hid.calls.clear();
  link.SetDevicePath("/dev/hidraw2");
  ASSERT_TRUE(link.ConnectLink());
  EXPECT_EQ(std::count(hid.calls.begin(), hid.calls.end(), "Open 0 4292 33896 512"), 1);
}

TEST_F(LinkConnect, FailedAttemptsLeaveNoHandleOpenAndChangeNoState) {
  scheduler.StartTimer(timer_id::kConnect, 500);
  EXPECT_FALSE(link.ConnectLink());  // no adapter known
  EXPECT_TRUE(hid.calls.empty());

  hid.devicePaths = {"/dev/hidraw3"};
  link.SetDevicePath("/dev/hidraw9");
  EXPECT_FALSE(link.ConnectLink());  // not present

  link.SetDevicePath("/dev/hidraw3");
  hid.openSucceeds = false;
  EXPECT_FALSE(link.ConnectLink());
  hid.openSucceeds = true;

  hid.outputReportLength = 4;
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_TRUE(hid.controlReports.empty());
  EXPECT_EQ(hid.openHandles, 0);
  hid.outputReportLength = 64;

  hid.controlResult = HID_DEVICE_TRANSFER_FAILED;
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(hid.openHandles, 0);
  EXPECT_EQ(hid.calls.back(), "Close");

  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_TRUE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kEngine));

  // A report buffer of exactly 5 bytes is enough for the connect report.
  hid.controlResult = HID_DEVICE_SUCCESS;
  hid.outputReportLength = 5;
  EXPECT_TRUE(link.ConnectLink());
  EXPECT_EQ(hid.controlReports.back(), (std::vector<uint8_t>{0xFD, 'C', 'O', 'N', 'N'}));
}

TEST_F(LinkConnect, AnAttemptThatReplacesAnOpenLinkAndFailsLeavesNoLinkAnnounced) {
  // Another device's arrival restarts the search while the link is open; the
  // attempt releases the open adapter before it opens one.
  OpenLink();
  hid.devicePaths = {"/dev/hidraw3", "/dev/hidraw8"};
  link.SetDevicePath("/dev/hidraw8");
  hid.controlResult = HID_DEVICE_TRANSFER_FAILED;
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(hid.openHandles, 0);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);

  hid.controlResult = HID_DEVICE_SUCCESS;
  EXPECT_TRUE(link.ConnectLink());
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
}

TEST_F(LinkConnect, CloseAndDestructionCloseTheAdapterAndStopTheEngineTick) {
  OpenLink();
  link.Close();
  EXPECT_THAT(hid.calls, ElementsAre("Close"));
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_FALSE(link.IsOpen());
  link.Close();
  EXPECT_EQ(hid.calls.size(), 1u);

  {
    UsbLink other(hid, state, scheduler);
    other.SetDevicePath("/dev/hidraw3");
    ASSERT_TRUE(other.ConnectLink());
  }
  EXPECT_EQ(hid.openHandles, 0);
}

}  // namespace
}  // namespace vuriru::test
