// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "sim/starting_memory.h"
#include "sim_harness.h"

namespace vuriru::test {
namespace {

std::string PathAt(SimulatedHidLibrary& lib, uint32_t index) {
  char path[kHidPathBufferLength] = {};
  if (lib.HidDevice_GetHidString(index, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path, sizeof path) !=
      HID_DEVICE_SUCCESS)
    return "<fail>";
  return path;
}

TEST(SimulatedHidLibrary, EnumeratesPluggedAdaptersOfTheLinkIdsOnly) {
  EventLoopScheduler scheduler;
  SimulatedHidLibrary lib(scheduler);
  lib.AddAdapter({"/dev/hidraw-sim0"});
  lib.AddAdapter({"/dev/hidraw-other", SimTargetKind::kFull, 0x1234, 0x5678});
  lib.AddAdapter({"/dev/hidraw-sim1", SimTargetKind::kV1});
  lib.AddAdapter({.path = "/dev/hidraw-sim2", .plugged = false});

  EXPECT_EQ(lib.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId), 2u);
  EXPECT_EQ(PathAt(lib, 0), "/dev/hidraw-sim0");
  EXPECT_EQ(PathAt(lib, 1), "/dev/hidraw-sim1");
  EXPECT_EQ(PathAt(lib, 2), "<fail>");

  char small[8];
  EXPECT_EQ(lib.HidDevice_GetHidString(0, kLinkVendorId, kLinkProductId, HID_PATH_STRING, small, sizeof small),
            HID_DEVICE_INVALID_BUFFER_SIZE);
  HID_DEVICE handle = nullptr;
  EXPECT_EQ(lib.HidDevice_Open(&handle, 2, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_NOT_FOUND);
}

TEST(SimulatedHidLibrary, ConnectReportIsAnsweredWithTheConnectVersionAfterTheLatency) {
  SimHarness h;
  h.Open();
  EXPECT_TRUE(h.lib.HidDevice_IsOpened(h.handle));
  EXPECT_EQ(h.lib.HidDevice_GetOutputReportBufferLength(h.handle), 64);
  Bytes connect(64, 0);
  std::memcpy(connect.data(),
              "\xFD"
              "CONN",
              5);
  ASSERT_EQ(h.lib.HidDevice_SetOutputReport_Control(h.handle, connect.data(), 64), HID_DEVICE_SUCCESS);
  h.lib.HidDevice_SetTimeouts(h.handle, 0, 1000);
  EXPECT_EQ(h.lib.SetReportTimeout(), 1000u);

  EXPECT_EQ(h.Read(3), Bytes{});  // the default latency is 4 ms
  EXPECT_EQ(h.lastResult, HID_DEVICE_TRANSFER_TIMEOUT);
  const Bytes reply = h.Read(1);
  EXPECT_EQ(reply, SimConnectVersionReply());
  ASSERT_GE(reply.size(), 8u);
  EXPECT_EQ(reply[0], 0xD7);
  ASSERT_EQ(h.adapter->ControlReports().size(), 1u);

  // Any other control report is taken but not answered.
  Bytes other(64, 0x55);
  EXPECT_EQ(h.lib.HidDevice_SetOutputReport_Control(h.handle, other.data(), 64), HID_DEVICE_SUCCESS);
  EXPECT_EQ(h.Read(), Bytes{});
}

TEST(SimulatedHidLibrary, InputReportsUseTheReportStrideAndSplitLongAnswersAt59Bytes) {
  SimHarness h;
  h.Open();
  h.Write({0xDE});  // a 123-byte curve reply
  h.scheduler.AdvanceBy(10);

  // Ask for two reports although three are due: exactly two come, result 0.
  Bytes buffer(2 * 64, 0xEE);
  uint32_t got = 0;
  ASSERT_EQ(h.lib.HidDevice_GetInputReport_Interrupt(h.handle, buffer.data(), 128, 2, &got), HID_DEVICE_SUCCESS);
  ASSERT_EQ(got, 128u);
  EXPECT_EQ(buffer[0], 2);
  EXPECT_EQ(buffer[1], 59);
  EXPECT_EQ(buffer[2], 0x80);
  EXPECT_EQ(buffer[64], 2);
  EXPECT_EQ(buffer[65], 59);
  EXPECT_EQ(buffer[63], 0);  // padding of a full report is zero, not left over

  // The third report is the rest; fewer than requested gives the time-out code.
  const auto rest = h.ReadReports(2);
  EXPECT_EQ(h.lastResult, HID_DEVICE_TRANSFER_TIMEOUT);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].size(), 123u - 118u);

  // A buffer smaller than one report is refused without data.
  Bytes tiny(10);
  EXPECT_EQ(h.lib.HidDevice_GetInputReport_Interrupt(h.handle, tiny.data(), 10, 1, &got),
            HID_DEVICE_INVALID_BUFFER_SIZE);
  EXPECT_EQ(got, 0u);
}

TEST(SimulatedHidLibrary, SettingsReplyFitsOneReportAndAnswersStayInOrder) {
  SimHarness h;
  h.Open();
  h.Write({0xD5});
  h.Write({0xD8});
  h.scheduler.AdvanceBy(10);
  const auto reports = h.ReadReports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0], Bytes{0x2A});
  EXPECT_EQ(reports[1].size(), 35u);
}

TEST(SimulatedHidLibrary, MalformedOutputReportsAreRefused) {
  SimHarness h;
  h.Open();
  Bytes report(64, 0);
  report[0] = 1;  // not the data report id
  report[1] = 1;
  EXPECT_EQ(h.lib.HidDevice_SetOutputReport_Interrupt(h.handle, report.data(), 64), HID_DEVICE_TRANSFER_FAILED);
  report[0] = 2;
  report[1] = 60;  // more than a report carries
  EXPECT_EQ(h.lib.HidDevice_SetOutputReport_Interrupt(h.handle, report.data(), 64), HID_DEVICE_TRANSFER_FAILED);
  Bytes big(65, 0);
  big[0] = 2;
  EXPECT_EQ(h.lib.HidDevice_SetOutputReport_Interrupt(h.handle, big.data(), 65), HID_DEVICE_INVALID_BUFFER_SIZE);
  EXPECT_TRUE(h.Memory().writes.empty());
}

TEST(SimulatedHidLibrary, HandlesAreSingleAndStaleOnesAreRejected) {
  SimHarness h;
  h.Open();
  HID_DEVICE second = nullptr;
  EXPECT_EQ(h.lib.HidDevice_Open(&second, 0, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_ALREADY_OPENED);
  const HID_DEVICE old = h.handle;
  EXPECT_EQ(h.lib.HidDevice_Close(old), HID_DEVICE_SUCCESS);
  EXPECT_FALSE(h.lib.HidDevice_IsOpened(old));
  EXPECT_EQ(h.lib.HidDevice_Close(old), HID_DEVICE_NOT_OPENED);
  h.Open();
  EXPECT_NE(h.handle, old);  // a reopened adapter never gets the old handle back
  EXPECT_EQ(h.lib.HidDevice_GetOutputReportBufferLength(old), 0);
  EXPECT_EQ(h.lib.OpenHandles(), 1u);
}

TEST(SimulatedHidLibrary, PlugAndPullAnnounceTheAdapterAndAPulledHandleFailsUntilClosed) {
  SimHarness h;
  std::vector<DeviceChangeEvent> events;
  h.lib.SetDeviceChangeHandler([&](const DeviceChangeEvent& e) { events.push_back(e); });
  h.Open();
  h.Write({0xD5});  // an answer on its way is lost with the adapter

  ASSERT_TRUE(h.lib.Pull(SimulatedHidLibrary::SimPath(0)));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, DeviceChangeEvent::Kind::InterfaceRemoval);
  EXPECT_EQ(events[0].path, "/dev/hidraw-sim0");
  EXPECT_FALSE(h.lib.Pull(SimulatedHidLibrary::SimPath(0)));
  EXPECT_EQ(events.size(), 1u);

  EXPECT_EQ(h.lib.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId), 0u);
  EXPECT_EQ(h.WriteReport({0xD5}), HID_DEVICE_TRANSFER_FAILED);
  h.ReadReports();
  EXPECT_EQ(h.lastResult, HID_DEVICE_TRANSFER_FAILED);
  // The open handle still names its device, so the removal can be matched.
  char path[kHidPathBufferLength] = {};
  EXPECT_EQ(h.lib.HidDevice_GetString(h.handle, HID_PATH_STRING, path, sizeof path), HID_DEVICE_SUCCESS);
  EXPECT_STREQ(path, "/dev/hidraw-sim0");
  EXPECT_EQ(h.lib.HidDevice_Close(h.handle), HID_DEVICE_SUCCESS);

  ASSERT_TRUE(h.lib.Plug(SimulatedHidLibrary::SimPath(0)));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].kind, DeviceChangeEvent::Kind::InterfaceArrival);
  EXPECT_EQ(events[1].path, "/dev/hidraw-sim0");
  h.Open();
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{0x2A});
}

TEST(SimulatedHidLibrary, AnAdapterWithNothingBehindItOnlyAnswersTheConnectReport) {
  SimHarness h(SimTargetKind::kNone);
  h.Open();
  Bytes connect = {0xFD, 'C', 'O', 'N', 'N'};
  ASSERT_EQ(h.lib.HidDevice_SetOutputReport_Control(h.handle, connect.data(), 5), HID_DEVICE_SUCCESS);
  EXPECT_EQ(h.Read(), SimConnectVersionReply());
  for (uint8_t request : {0xD4, 0xD5, 0xD7, 0xD8, 0xDE, 0xD3, 0xD6}) EXPECT_EQ(h.Exchange({request}), Bytes{});
}

}  // namespace
}  // namespace vuriru::test
