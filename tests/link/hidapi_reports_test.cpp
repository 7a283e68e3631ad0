// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi backend's report sizes from the descriptor, its refusals at
// open, the connect report's route and what it tells the diagnosis.

#include <cerrno>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "link/fake_hidapi.h"
#include "link/hidapi/hidapi_library.h"
#include "link/link_state.h"
#include "link/usb_link.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;

using Bytes = std::vector<unsigned char>;

// A numbered descriptor with one input and one output report of `bytes`.
Bytes Descriptor(unsigned char inputBytes, unsigned char outputBytes) {
  return {0x06, 0x00, 0xFF, 0x09,        0x01, 0xA1, 0x01, 0x75, 0x08,   //
          0x85, 0x01, 0x95, inputBytes,  0x09, 0x01, 0x81, 0x02,         // input 1
          0x85, 0x02, 0x95, outputBytes, 0x09, 0x01, 0x91, 0x02, 0xC0};  // output 2
}

class HidapiReports : public ::testing::Test {
 protected:
  HidapiReports() {
    fake.Reset();
    fake.devices = {{kPath, kLinkVendorId, kLinkProductId}};
  }

  HidResult Open(HID_DEVICE* device) {
    hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId);
    return hid.HidDevice_Open(device, 0, kLinkVendorId, kLinkProductId, 512);
  }

  static constexpr const char* kPath = "/dev/hidraw6";
  FakeHidapi& fake = FakeHidapi::Get();
  HidapiLibrary hid{std::make_unique<FakeNodeInspector>()};
};

TEST_F(HidapiReports, TheOutputBufferIsTheLargestOutputReportPlusItsIdAndInputSlotsFollowIt) {
  fake.descriptors[kPath] = Descriptor(127, 127);
  HID_DEVICE device = nullptr;
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(device), 128);

  Bytes first(128, 0);
  first[0] = 1;
  first[1] = 3;
  fake.reads = {first, {1, 1, 0x2A}};
  fake.calls.clear();
  std::vector<uint8_t> buffer(2 * 128, 0xEE);
  uint32_t bytes = 0;
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 2 * 128, 2, &bytes), HID_DEVICE_SUCCESS);
  EXPECT_EQ(bytes, 256u);
  EXPECT_THAT(fake.calls, ElementsAre("hid_read_timeout /dev/hidraw6 128", "hid_read_timeout /dev/hidraw6 128"));
  EXPECT_THAT(std::vector<uint8_t>(buffer.begin() + 128, buffer.begin() + 131), ElementsAre(1, 1, 0x2A));
  EXPECT_EQ(buffer[255], 0);
  // A buffer sized for 64-byte slots no longer holds two reports.
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 2 * 64, 2, &bytes),
            HID_DEVICE_INVALID_BUFFER_SIZE);
}

TEST_F(HidapiReports, ReportsTooShortForTheFramingAreRefusedAndTheDeviceClosed) {
  fake.descriptors[kPath] = Descriptor(63, 59);  // 60 bytes with the id: one short
  HID_DEVICE device = &fake;
  EXPECT_EQ(Open(&device), HID_DEVICE_REPORTS_TOO_SHORT);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(fake.openCount, 0);

  fake.descriptors[kPath] = Descriptor(63, 60);  // exactly 61: enough
  EXPECT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(device), 61);
}

TEST_F(HidapiReports, AnUnreadableOrBrokenDescriptorLeavesTheUsual64Bytes) {
  HID_DEVICE device = nullptr;
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(device), 64);
  hid.HidDevice_Close(device);

  fake.descriptors[kPath] = {0x85, 0x00, 0x75};
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(device), 64);
}

TEST_F(HidapiReports, ANodeThisUserMayNotOpenIsAccessDenied) {
  fake.unopenable = {kPath};
  HID_DEVICE device = nullptr;
  for (int error : {EACCES, EPERM}) {
    fake.openErrno = error;
    EXPECT_EQ(Open(&device), HID_DEVICE_ACCESS_DENIED) << error;
  }
  fake.openErrno = ENOENT;
  EXPECT_EQ(Open(&device), HID_DEVICE_SYSTEM_CODE);
  // errno lost on the way out of hidapi: the node's rights decide.
  fake.openErrno = 0;
  fake.access[kPath] = NodeAccess{"crw-------", "root", "root", false};
  EXPECT_EQ(Open(&device), HID_DEVICE_ACCESS_DENIED);
  fake.access[kPath].readWrite = true;
  EXPECT_EQ(Open(&device), HID_DEVICE_SYSTEM_CODE);
}

TEST_F(HidapiReports, TheLinkRemembersTheDeniedNode) {
  fake.unopenable = {kPath};
  fake.openErrno = EACCES;
  LinkState state;
  EventLoopScheduler scheduler;
  UsbLink link(hid, state, scheduler);
  link.SetDevicePath(kPath);
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(link.Refusal(), LinkRefusal::kAccessDenied);
  EXPECT_EQ(link.RefusedNode(), kPath);
}

TEST_F(HidapiReports, TheConnectReportsRouteFollowsTheInterruptOutEndpoint) {
  HID_DEVICE device = nullptr;
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetControlReportRoute(device), ReportRoute::kUnknown);
  hid.HidDevice_Close(device);
  fake.interruptOut[kPath] = true;
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetControlReportRoute(device), ReportRoute::kInterruptOut);
  hid.HidDevice_Close(device);
  fake.interruptOut[kPath] = false;
  ASSERT_EQ(Open(&device), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_GetControlReportRoute(device), ReportRoute::kControlTransfer);
  hid.HidDevice_Close(device);
  EXPECT_EQ(hid.HidDevice_GetControlReportRoute(device), ReportRoute::kUnknown);
}

TEST_F(HidapiReports, TheDiagnosisGetsIdsStringsRightsDescriptorAndEndpoint) {
  fake.devices.push_back({"/dev/hidraw0", 0x046D, 0xC077});
  fake.products[kPath] = L"USB Link \u00B5";
  fake.descriptors[kPath] = Descriptor(63, 63);
  fake.interruptOut[kPath] = true;
  fake.access[kPath] = NodeAccess{"crw-rw----", "root", "plugdev", true};
  EXPECT_EQ(hid.BackendName(), "hidapi 0.13.1 (hidraw)");
  const std::vector<AdapterFacts> adapters = hid.InspectAdapters();
  ASSERT_EQ(adapters.size(), 1u);
  const AdapterFacts& facts = adapters[0];
  EXPECT_EQ(facts.path, kPath);
  EXPECT_EQ(facts.vendorId, kLinkVendorId);
  EXPECT_EQ(facts.productId, kLinkProductId);
  EXPECT_EQ(facts.product, "USB Link \xC2\xB5");
  EXPECT_EQ(facts.manufacturer, "");
  ASSERT_TRUE(facts.reportDescriptor);
  EXPECT_EQ(facts.reportDescriptor->size(), Descriptor(63, 63).size());
  EXPECT_EQ(facts.interruptOut, true);
  ASSERT_TRUE(facts.access);
  EXPECT_EQ(facts.access->group, "plugdev");
}

}  // namespace
}  // namespace vuriru::test
