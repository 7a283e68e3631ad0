// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way of the link over the simulated adapter, on the virtual clock:
// the adapter is plugged in and announced through the hot-plug watcher, the
// connect timer opens it and sends the connect report, blocks go to and come
// back from each simulated target, and pulling the adapter out closes the
// link and returns the program to its no-link state.

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "link/hotplug_watcher.h"
#include "link/link_hotplug.h"
#include "link/recording_hotplug_host.h"
#include "link/usb_link.h"
#include "sim/simulated_hid_library.h"
#include "sim/starting_memory.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<uint8_t>;

class SimulatedAdapterPath : public ::testing::Test {
 protected:
  SimulatedAdapterPath() {
    // Plug and Pull announce the adapter to the watcher, which hands the
    // events to the link's device-change handling from its Poll, as the
    // program's event loop does.
    lib.SetDeviceChangeHandler([this](const DeviceChangeEvent& event) { watcher.Queue(event); });
    watcher.SetHandler([this](const DeviceChangeEvent& event) { hotplug.Handle(event); });
    scheduler.SetTimerHandler([this](int id) {
      if (id == timer_id::kConnect) link.ConnectLink();
    });
  }

  SimulatedAdapter& AddAdapter(SimTargetKind target, bool plugged) {
    return lib.AddAdapter({.path = SimulatedHidLibrary::SimPath(static_cast<int>(lib.AdapterCount())),
                           .target = target,
                           .plugged = plugged});
  }

  void Plug(const std::string& path) {
    ASSERT_TRUE(lib.Plug(path));
    watcher.Poll();
  }

  void Pull(const std::string& path) {
    ASSERT_TRUE(lib.Pull(path));
    watcher.Poll();
  }

  // Runs the clock until the connect timer has had its tick.
  void RunConnectTick() {
    ASSERT_TRUE(scheduler.IsTimerRunning(timer_id::kConnect));
    scheduler.AdvanceBy(scheduler.TimerPeriod(timer_id::kConnect));
  }

  // Writes a block, lets `waitMs` pass and returns what came back, read as
  // the engine reads it: up to eight reports at once.
  Bytes Exchange(const Bytes& request, uint64_t waitMs = 10) {
    EXPECT_TRUE(link.WriteFrame(request.data(), static_cast<uint32_t>(request.size())));
    scheduler.AdvanceBy(waitMs);
    Bytes buffer(8 * kPayloadPerReport, 0xEE);
    uint32_t count = 0;
    EXPECT_TRUE(link.ReadReports(buffer.data(), static_cast<uint32_t>(buffer.size()), &count));
    buffer.resize(count);
    return buffer;
  }

  void ExpectNoLinkState() {
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(lib.OpenHandles(), 0u);
    EXPECT_EQ(state.g_linkState, link_state::kNoLink);
    EXPECT_EQ(link.DevicePath(), "");
    EXPECT_THAT(host.calls, ElementsAre("AdapterRemoved reset"));
  }

  EventLoopScheduler scheduler;
  SimulatedHidLibrary lib{scheduler};
  LinkState state;
  UsbLink link{lib, state, scheduler};
  RecordingHotplugHost host;
  LinkHotplug hotplug{link, state, scheduler, host};
  HotplugWatcher watcher;
};

// What each target answers to the probe and to its read request.
struct TargetCase {
  SimTargetKind kind;
  Bytes probeAnswer;
  Bytes request;
  uint64_t waitMs;
  size_t replyLength;
  uint8_t replyFirstByte;
};

std::string CaseName(const ::testing::TestParamInfo<TargetCase>& info) {
  std::string name(SimTargetName(info.param.kind));
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

class SimulatedAdapterPathPerTarget : public SimulatedAdapterPath, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(SimulatedAdapterPathPerTarget, PlugConnectExchangeAndPull) {
  const TargetCase& target = GetParam();
  SimulatedAdapter& adapter = AddAdapter(target.kind, false);
  scheduler.StartTimer(timer_id::kConnect, 500);

  // Arrival: the path is known and the search runs at 200 ms.
  Plug(adapter.Path());
  EXPECT_EQ(link.DevicePath(), adapter.Path());
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kConnect), 200u);
  EXPECT_THAT(host.calls, ElementsAre("AdapterArrived"));
  host.calls.clear();
  EXPECT_FALSE(link.IsOpen());

  // The connect tick opens the adapter and announces the host over the
  // whole report buffer.
  RunConnectTick();
  ASSERT_TRUE(link.IsOpen());
  ASSERT_EQ(adapter.ControlReports().size(), 1u);
  const Bytes& connect = adapter.ControlReports()[0];
  ASSERT_EQ(connect.size(), kSimReportLength);
  EXPECT_THAT(Bytes(connect.begin(), connect.begin() + 5), ElementsAre(0xFD, 0x43, 0x4F, 0x4E, 0x4E));
  EXPECT_EQ(lib.GetReportTimeout(), 0u);
  EXPECT_EQ(lib.SetReportTimeout(), 1000u);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kEngine), 100u);

  // The adapter itself answers the connect report, target or not.
  scheduler.AdvanceBy(10);
  Bytes buffer(kPayloadPerReport);
  uint32_t count = 0;
  ASSERT_TRUE(link.ReadReports(buffer.data(), kPayloadPerReport, &count));
  buffer.resize(count);
  EXPECT_EQ(buffer, SimConnectVersionReply());

  EXPECT_EQ(Exchange({0xD5}), target.probeAnswer);
  const Bytes reply = Exchange(target.request, target.waitMs);
  EXPECT_EQ(reply.size(), target.replyLength);
  if (!reply.empty()) {
    EXPECT_EQ(reply[0], target.replyFirstByte);
  }
  // The target got exactly the blocks written, one output report each.
  EXPECT_THAT(adapter.Target().Memory().writes, ElementsAre(Bytes{0xD5}, target.request));

  Pull(adapter.Path());
  ExpectNoLinkState();
  EXPECT_FALSE(link.WriteFrame(target.request.data(), static_cast<uint32_t>(target.request.size())));

  // Plugged in again, it is found and announced anew.
  host.calls.clear();
  Plug(adapter.Path());
  RunConnectTick();
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(adapter.ControlReports().size(), 2u);
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
}

INSTANTIATE_TEST_SUITE_P(EachTarget, SimulatedAdapterPathPerTarget,
                         ::testing::Values(
                             // The settings reply: 35 bytes from a full controller.
                             TargetCase{SimTargetKind::kFull, {0x2A}, {0xD8}, 10, 35, 0x01},
                             // The box restarts into its loader (20 ms) and answers with its
                             // loader version.
                             TargetCase{SimTargetKind::kLcd, {0x27}, {0xD3}, 40, 8, 0xD7},
                             TargetCase{SimTargetKind::kV1, {0x2C}, {0xD8}, 10, 14, 0x2C},
                             TargetCase{SimTargetKind::kV1Bec, {0x2B}, {0xD8}, 10, 18, 0x2C},
                             TargetCase{SimTargetKind::kV1Hgm, {0x2C}, {0xD8}, 10, 12, 0x2C},
                             TargetCase{SimTargetKind::kNone, {}, {0xD8}, 10, 0, 0}),
                         CaseName);

TEST_F(SimulatedAdapterPath, CurveReplyArrivesOverThreeReportsInOneRead) {
  SimulatedAdapter& adapter = AddAdapter(SimTargetKind::kFull, false);
  Plug(adapter.Path());
  RunConnectTick();
  scheduler.AdvanceBy(10);
  link.DrainInput();  // the connect version reply

  const Bytes reply = Exchange({0xDE});
  ASSERT_EQ(reply.size(), 123u);
  EXPECT_EQ(reply[0], 0x80);
  const Bytes& boost = adapter.Target().Memory().curves[kSimCurveBoost];
  EXPECT_EQ(Bytes(reply.begin() + 1, reply.begin() + 121), boost);
}

TEST_F(SimulatedAdapterPath, StartUpPicksTheLastAdapterAndOnlyItsRemovalClosesTheLink) {
  SimulatedAdapter& first = AddAdapter(SimTargetKind::kFull, true);
  SimulatedAdapter& second = AddAdapter(SimTargetKind::kV1, true);

  // Start-up: the path of the last enumerated adapter, then the 500 ms search.
  link.SetDevicePath(link.GetLastLinkDevicePath());
  scheduler.StartTimer(timer_id::kConnect, 500);
  RunConnectTick();
  ASSERT_TRUE(link.IsOpen());
  EXPECT_TRUE(first.ControlReports().empty());
  EXPECT_EQ(second.ControlReports().size(), 1u);
  scheduler.AdvanceBy(10);
  link.DrainInput();

  Pull(first.Path());
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(link.DevicePath(), second.Path());
  EXPECT_EQ(state.g_linkState, link_state::kOpen);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(Exchange({0xD5}), Bytes{0x2C});

  Pull(second.Path());
  ExpectNoLinkState();
}

TEST_F(SimulatedAdapterPath, AdapterLostInTheMiddleOfATransferIsHandledAsItsRemoval) {
  SimulatedAdapter& adapter = AddAdapter(SimTargetKind::kFull, false);
  adapter.Faults().Set(SimFault::kPullAfterBytes);
  adapter.Faults().pullAfterBytes = 70;
  Plug(adapter.Path());
  RunConnectTick();
  host.calls.clear();

  // The second report of the block is the last the adapter takes; the report
  // after it fails, and the loss is announced from the event loop.
  const Bytes frame(150, 0xA4);
  EXPECT_FALSE(link.WriteFrame(frame.data(), static_cast<uint32_t>(frame.size())));
  EXPECT_EQ(adapter.BytesWritten(), 118u);
  EXPECT_TRUE(link.IsOpen());
  scheduler.AdvanceBy(1);
  watcher.Poll();
  ExpectNoLinkState();
}

}  // namespace
}  // namespace vuriru::test
