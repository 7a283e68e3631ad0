// SPDX-License-Identifier: GPL-3.0-or-later
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
  RecordingHotplugHost host;
  LinkHotplug hotplug{link, state, scheduler, host};
};

TEST_F(LinkHotplugTest, ArrivalOfAnAdapterRestartsTheSearchQuickly) {
  hid.devicePaths = {"/dev/hidraw1", "/dev/hidraw6"};
  scheduler.StartTimer(timer_id::kConnect, 500);
  scheduler.StartTimer(timer_id::kPort, 50);

  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceArrival, "/dev/hidraw6"});

  EXPECT_EQ(link.DevicePath(), "/dev/hidraw6");
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 200u);
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kPort));
  EXPECT_THAT(host.calls, ElementsAre("AdapterArrived"));

  // The next connect tick opens the adapter that arrived.
  scheduler.SetTimerHandler([&](int id) {
    if (id == timer_id::kConnect) link.ConnectLink();
  });
  scheduler.AdvanceBy(200);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_NE(std::find(hid.calls.begin(), hid.calls.end(), "Open 1 4292 33896 512"), hid.calls.end());
}

TEST_F(LinkHotplugTest, ArrivalWithoutAnyAdapterChangesNothingElse) {
  hotplug.OnInterfaceArrival();
  EXPECT_EQ(link.DevicePath(), "");
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(LinkHotplugTest, RemovalOfAnotherDeviceOrWithNoLinkLeavesEverythingAlone) {
  hotplug.OnInterfaceRemoval("/dev/hidraw3");  // nothing open
  EXPECT_TRUE(hid.calls.empty());

  OpenLink();
  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceRemoval, "/dev/hidraw0"});
  EXPECT_TRUE(link.IsOpen());
  EXPECT_THAT(hid.calls, ElementsAre("GetString 3 260"));
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_TRUE(host.calls.empty());

  // The open device's path cannot be read: the removal cannot be matched.
  hid.openPathResult = HID_DEVICE_NOT_OPENED;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkHotplugTest, RemovalOfTheOpenAdapterClosesTheLinkAndReportsIt) {
  OpenLink();
  hid.openPath = "/DEV/HIDRAW3";

  hotplug.Handle({DeviceChangeEvent::Kind::InterfaceRemoval, "/dev/hidraw3"});

  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(hid.openHandles, 0);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(link.DevicePath(), "");
  EXPECT_THAT(host.calls, ElementsAre("AdapterRemoved reset"));
}

TEST_F(LinkHotplugTest, RemovalTheListenerIgnoresLeavesTheLinkOpen) {
  // The RUZ Oviveru Ruv re-enumerates during its update in its own mode.
  OpenLink();
  host.ignoreRemoval = true;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(LinkHotplugTest, RemovalWhileTheListenerKeepsItsStateClosesTheDeviceOnly) {
  OpenLink();
  host.keepState = true;
  hotplug.OnInterfaceRemoval("/dev/hidraw3");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_EQ(link.DevicePath(), "/dev/hidraw3");
  EXPECT_THAT(host.calls, ElementsAre("AdapterRemoved"));
}

TEST_F(LinkHotplugTest, PortRemovalRestartsTheSearch) {
  OpenLink();
  hotplug.OnPortRemoval();
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 200u);
  EXPECT_THAT(host.calls, ElementsAre("PortRemoved"));
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
