// SPDX-License-Identifier: GPL-3.0-or-later
// The link over the hidapi backend: connect, blocks both ways, and a pulled
// adapter found by a failed read.

#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "link/fake_hidapi.h"
#include "link/hidapi/hidapi_library.h"
#include "link/hotplug_watcher.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;

class CountingHost : public LinkChangeListener {
 public:
  void OnAdapterArrived() override {}
  bool IgnoresAdapterRemoval() const override { return false; }
  bool KeepsStateThroughAdapterRemoval() const override { return false; }
  void OnOpenAdapterRemoved(bool) override { ++removals; }
  void OnPortArrived() override {}
  void OnPortRemoved() override {}
  int removals = 0;
};

TEST(HidapiLink, ConnectExchangeAndPulledAdapter) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.Reset();
  fake.devices = {{"/dev/hidraw2", kLinkVendorId, kLinkProductId}};
  HidapiLibrary hid{std::make_unique<FakeNodeInspector>()};
  LinkState state;
  EventLoopScheduler scheduler;
  UsbLink link(hid, state, scheduler);
  HotplugWatcher watcher;
  CountingHost host;
  LinkHotplug hotplug(link, state, scheduler, host);
  hid.SetRemovalReporter([&](const DeviceChangeEvent& event) { watcher.Queue(event); });
  watcher.SetHandler([&](const DeviceChangeEvent& event) { hotplug.Handle(event); });

  link.SetDevicePath(link.GetLastLinkDevicePath());
  ASSERT_TRUE(link.ConnectLink());
  std::vector<unsigned char> connect(64, 0);
  connect[0] = 0xFD;
  connect[1] = 'C';
  connect[2] = 'O';
  connect[3] = 'N';
  connect[4] = 'N';
  ASSERT_EQ(fake.written.size(), 1u);
  EXPECT_EQ(fake.written[0], connect);

  const uint8_t probe = 0xD5;
  ASSERT_TRUE(link.WriteFrame(&probe, 1));
  ASSERT_EQ(fake.written.size(), 2u);
  EXPECT_THAT(std::vector<unsigned char>(fake.written[1].begin(), fake.written[1].begin() + 4),
              ElementsAre(2, 1, 0xD5, 0));
  EXPECT_EQ(fake.written[1].size(), 64u);

  fake.reads = {{1, 2, 0xD7, 0x05}, {1, 1, 0x2A}};
  uint8_t reply[59 * 4] = {};
  uint32_t count = 0;
  ASSERT_TRUE(link.ReadReports(reply, sizeof reply, &count));
  EXPECT_THAT(std::vector<uint8_t>(reply, reply + count), ElementsAre(0xD7, 0x05, 0x2A));

  fake.readFails = true;
  EXPECT_FALSE(link.ReadReports(reply, sizeof reply, &count));
  EXPECT_TRUE(link.IsOpen());  // the removal waits for the loop
  watcher.Poll();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(fake.openCount, 0);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(host.removals, 1);
}

}  // namespace
}  // namespace vuriru::test
