// Arrival and removal of the adapter and of other HID devices.

#include "link/link_hotplug.h"

#include <string>
#include <vector>

#include "link/hotplug_watcher.h"
#include "link/link_fixture.h"
#include "link/recording_hotplug_host.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;

class LinkHotplugTest : public LinkFixture {
 protected:
  // An open, identified link with a controller behind it.
  void OpenIdentifiedLink() {
    OpenLink();
    state.g_adapterReady = 1;
    state.g_escPresent = 1;
    state.settingsRead = 1;
    state.g_transferPending = 0;
    state.g_currentPage = page::kGeneral;
    state.g_selectedPage = page::kGeneral;
    state.g_refreshPages = 0;
    state.engineState = 2;
  }

  RecordingHotplugHost host;
  LinkHotplug hotplug{link, state, scheduler, host};
};

TEST_F(LinkHotplugTest, ArrivalOfAnAdapterRestartsTheSearchQuickly) {
  hid.devicePaths = {"/dev/hidraw1", "/dev/hidraw6"};
  state.g_transferPending = 0;
  scheduler.StartTimer(timer_id::kConnect, 500);
  scheduler.StartTimer(timer_id::kPort, 50);

  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceArrival, "/dev/hidraw6"});

  EXPECT_EQ(link.DevicePath(), "/dev/hidraw6");
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 200u);
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kPort));
  EXPECT_EQ(state.g_progressRange, 440u);
  EXPECT_EQ(state.g_transferPending, 1);
  EXPECT_THAT(host.calls, ElementsAre("RedrawIndicators"));

  // The next connect tick opens the adapter that arrived.
  scheduler.SetTimerHandler([&](int id) {
    if (id == timer_id::kConnect) link.ConnectLink();
  });
  scheduler.AdvanceBy(200);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_NE(std::find(hid.calls.begin(), hid.calls.end(), "Open 1 4292 33896 512"), hid.calls.end());
}

TEST_F(LinkHotplugTest, ArrivalWithoutAnyAdapterChangesNothingElse) {
  state.g_transferPending = 0;
  hotplug.OnInterfaceArrival();
  EXPECT_EQ(link.DevicePath(), "");
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_EQ(state.g_transferPending, 0);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(LinkHotplugTest, RemovalOfAnotherDeviceOrWithNoLinkLeavesEverythingAlone) {
  hotplug.OnInterfaceRemoval("/dev/hidraw3");  // nothing open
  EXPECT_TRUE(hid.calls.empty());

  OpenIdentifiedLink();
  const SharedState before = state;
  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceRemoval, "/dev/hidraw0"});
  EXPECT_TRUE(link.IsOpen());
  EXPECT_THAT(hid.calls, ElementsAre("GetString 3 260"));
  EXPECT_EQ(state.g_linkState, before.g_linkState);
  EXPECT_EQ(state.g_escPresent, before.g_escPresent);
  EXPECT_TRUE(host.calls.empty());

  // The open device's path cannot be read: the removal cannot be matched.
  hid.openPathResult = HID_DEVICE_NOT_OPENED;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkHotplugTest, RemovalOfTheOpenAdapterReturnsToTheNoLinkState) {
  OpenIdentifiedLink();
  state.g_lcdMode = true;
  hid.openPath = "/DEV/HIDRAW3";

  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceRemoval, "/dev/hidraw3"});

  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(hid.openHandles, 0);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(state.settingsRead, 0);
  EXPECT_EQ(state.g_adapterReady, 0);
  EXPECT_EQ(state.g_escPresent, 0);
  EXPECT_FALSE(state.g_lcdMode);
  EXPECT_EQ(state.g_refreshPages, 1);
  EXPECT_EQ(state.g_transferPending, 1);
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_EQ(state.g_selectedPage, 0);
  EXPECT_TRUE(state.g_backgroundDirty);
  EXPECT_EQ(link.DevicePath(), "");
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kEngine), 100u);
  EXPECT_THAT(host.calls, ElementsAre("ShowStartPage", "RedrawIndicators", "OpenAdapterRemoved"));
}

TEST_F(LinkHotplugTest, RemovalDuringABoxFirmwareUpdateIsIgnored) {
  OpenIdentifiedLink();
  state.g_lcdMode = true;
  state.g_lcdUpdating = true;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(LinkHotplugTest, RemovalWhileUpdatingOutsideBoxModeClosesButKeepsTheStateAndTellsTheHost) {
  OpenIdentifiedLink();
  state.g_lcdUpdating = true;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_EQ(state.g_escPresent, 1);
  EXPECT_EQ(link.DevicePath(), "/dev/hidraw3");
  EXPECT_THAT(host.calls, ElementsAre("OpenAdapterRemoved"));
}

TEST_F(LinkHotplugTest, PortRemovalResetsTheWindowAndTheSearch) {
  OpenIdentifiedLink();
  state.g_deviceType = device_type::kFull;
  hotplug.OnPortRemoval();
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(state.engineState, 0);
  EXPECT_EQ(state.g_deviceType, device_type::kNone);
  EXPECT_EQ(state.g_transferPending, 0);
  EXPECT_EQ(state.g_escPresent, 0);
  EXPECT_EQ(state.g_selectedPage, page::kNoneSelected);
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 200u);
  EXPECT_THAT(host.calls, ElementsAre("ShowStartPage", "RedrawIndicators"));
  // The search reopens the adapter without leaking the handle still open.
  ASSERT_TRUE(link.ConnectLink());
  EXPECT_EQ(hid.openHandles, 1);
}

TEST(HotplugWatcher, PollDeliversQueuedEventsInOrderAndDefersThoseQueuedMeanwhile) {
  HotplugWatcher watcher;
  std::vector<std::string> seen;
  watcher.SetHandler([&](const DeviceChangeEvent& event) {
    seen.push_back(event.path);
    if (event.path == "a") watcher.Queue({DeviceChangeEvent::Kind::InterfaceRemoval, "c"});
  });
  watcher.Queue({DeviceChangeEvent::Kind::InterfaceArrival, "a"});
  watcher.Queue({DeviceChangeEvent::Kind::InterfaceRemoval, "b"});
  watcher.Poll();
  EXPECT_THAT(seen, ElementsAre("a", "b"));
  watcher.Poll();
  EXPECT_THAT(seen, ElementsAre("a", "b", "c"));
}

}  // namespace
}  // namespace vuriru::test
