// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi backend against the fake hidapi functions.

#include "link/hidapi/hidapi_library.h"

#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/fake_hidapi.h"
#include "link/hidapi/enumeration_hotplug_watcher.h"
#include "link/hidapi/udev_hotplug_watcher.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;

class HidapiTest : public ::testing::Test {
 protected:
  HidapiTest() {
    fake.Reset();
    fake.devices = {{"/dev/hidraw1", kLinkVendorId, kLinkProductId},
                    {"/dev/hidraw0", 0x046D, 0xC077},
                    {"/dev/hidraw4", kLinkVendorId, kLinkProductId}};
  }

  HID_DEVICE OpenSecond() {
    EXPECT_EQ(hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId), 2u);
    HID_DEVICE device = nullptr;
    EXPECT_EQ(hid.HidDevice_Open(&device, 1, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_SUCCESS);
    hid.HidDevice_SetTimeouts(device, 0, 1000);
    fake.calls.clear();
    return device;
  }

  static std::vector<unsigned char> InputReport(std::vector<unsigned char> payload) {
    // Built front to back: gcc 12 warns falsely about inserting into a
    // two-byte vector in optimised builds.
    payload.insert(payload.begin(), static_cast<unsigned char>(payload.size()));
    payload.insert(payload.begin(), 1);
    return payload;
  }

  FakeHidapi& fake = FakeHidapi::Get();
  HidapiLibrary hid{std::make_unique<FakeNodeInspector>()};
};

TEST_F(HidapiTest, EnumeratesTheAdaptersAndOpensByIndex) {
  EXPECT_EQ(hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId), 2u);
  char path[kHidPathBufferLength];
  ASSERT_EQ(hid.HidDevice_GetHidString(1, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path, sizeof path),
            HID_DEVICE_SUCCESS);
  EXPECT_STREQ(path, "/dev/hidraw4");
  EXPECT_EQ(hid.HidDevice_GetHidString(2, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path, sizeof path),
            HID_DEVICE_NOT_FOUND);
  char small[12];  // "/dev/hidraw4" needs 13 with its terminator
  EXPECT_EQ(hid.HidDevice_GetHidString(1, kLinkVendorId, kLinkProductId, HID_PATH_STRING, small, sizeof small),
            HID_DEVICE_INVALID_BUFFER_SIZE);

  HID_DEVICE device = nullptr;
  ASSERT_EQ(hid.HidDevice_Open(&device, 1, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_SUCCESS);
  EXPECT_TRUE(hid.HidDevice_IsOpened(device));
  EXPECT_EQ(fake.calls.back(), "hid_open_path /dev/hidraw4");
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(device), 64);
  EXPECT_EQ(hid.HidDevice_GetMaxReportRequest(device), 512u);
  ASSERT_EQ(hid.HidDevice_GetString(device, HID_PATH_STRING, path, sizeof path), HID_DEVICE_SUCCESS);
  EXPECT_STREQ(path, "/dev/hidraw4");

  EXPECT_EQ(hid.HidDevice_Close(device), HID_DEVICE_SUCCESS);
  EXPECT_FALSE(hid.HidDevice_IsOpened(device));
  EXPECT_EQ(hid.HidDevice_Close(device), HID_DEVICE_NOT_OPENED);
  EXPECT_EQ(fake.openCount, 0);
}

TEST_F(HidapiTest, OpenFailuresLeaveNoHandle) {
  fake.unopenable = {"/dev/hidraw1"};
  HID_DEVICE device = &fake;
  EXPECT_EQ(hid.HidDevice_Open(&device, 0, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_SYSTEM_CODE);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(hid.HidDevice_Open(&device, 7, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_NOT_FOUND);
  EXPECT_FALSE(hid.HidDevice_IsOpened(nullptr));
  EXPECT_EQ(hid.HidDevice_GetOutputReportBufferLength(nullptr), 0);
}

TEST_F(HidapiTest, OutputReportsGoOutWholeWithTheirReportIdFirst) {
  HID_DEVICE device = OpenSecond();
  std::vector<uint8_t> connect(64, 0);
  connect[0] = 0xFD;
  connect[1] = 'C';
  std::vector<uint8_t> data(64, 0);
  data[0] = 2;
  data[1] = 1;
  data[2] = 0xD5;
  EXPECT_EQ(hid.HidDevice_SetOutputReport_Control(device, connect.data(), 64), HID_DEVICE_SUCCESS);
  EXPECT_EQ(hid.HidDevice_SetOutputReport_Interrupt(device, data.data(), 64), HID_DEVICE_SUCCESS);
  EXPECT_THAT(fake.written, ElementsAre(connect, data));

  fake.writeResult = -1;
  EXPECT_EQ(hid.HidDevice_SetOutputReport_Interrupt(device, data.data(), 64), HID_DEVICE_TRANSFER_FAILED);
  fake.writeResult = 10;  // a short write is no success either
  EXPECT_EQ(hid.HidDevice_SetOutputReport_Interrupt(device, data.data(), 64), HID_DEVICE_TRANSFER_FAILED);
}

TEST_F(HidapiTest, InputReportsLandAtStride64WithoutWaiting) {
  HID_DEVICE device = OpenSecond();
  fake.reads = {InputReport({0xD7, 0x05}), InputReport({0x2A})};
  std::vector<uint8_t> buffer(3 * 64, 0xEE);
  uint32_t bytes = 0;
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 3 * 64, 3, &bytes),
            HID_DEVICE_TRANSFER_TIMEOUT);
  EXPECT_EQ(bytes, 128u);
  EXPECT_THAT(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 5), ElementsAre(1, 2, 0xD7, 0x05, 0));
  EXPECT_EQ(buffer[63], 0);  // the unused tail of a slot is cleared
  EXPECT_THAT(std::vector<uint8_t>(buffer.begin() + 64, buffer.begin() + 67), ElementsAre(1, 1, 0x2A));
  EXPECT_EQ(buffer[128], 0xEE);  // the slot of the report that did not come is untouched
  EXPECT_THAT(fake.readTimeouts, ElementsAre(0, 0, 0));

  fake.reads = {InputReport({1}), InputReport({2})};
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 3 * 64, 2, &bytes), HID_DEVICE_SUCCESS);
  EXPECT_EQ(bytes, 128u);
}

TEST_F(HidapiTest, ReadRequestsLargerThanTheBufferAreRefused) {
  HID_DEVICE device = OpenSecond();
  std::vector<uint8_t> buffer(2 * 64 - 1);
  uint32_t bytes = 5;
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 2 * 64 - 1, 2, &bytes),
            HID_DEVICE_INVALID_BUFFER_SIZE);
  EXPECT_EQ(bytes, 0u);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(HidapiTest, ReadErrorMeansTheAdapterIsGoneAndIsReportedOnce) {
  std::vector<DeviceChangeEvent> removals;
  hid.SetRemovalReporter([&](const DeviceChangeEvent& event) { removals.push_back(event); });
  HID_DEVICE device = OpenSecond();
  fake.readFails = true;
  std::vector<uint8_t> buffer(64);
  uint32_t bytes = 0;
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 64, 1, &bytes), HID_DEVICE_TRANSFER_FAILED);
  EXPECT_EQ(hid.HidDevice_GetInputReport_Interrupt(device, buffer.data(), 64, 1, &bytes), HID_DEVICE_TRANSFER_FAILED);
  ASSERT_EQ(removals.size(), 1u);
  EXPECT_EQ(removals[0].kind, DeviceChangeEvent::Kind::InterfaceRemoval);
  EXPECT_EQ(removals[0].path, "/dev/hidraw4");
}

TEST_F(HidapiTest, EnumerationWatcherReportsAdaptersThatComeAndGo) {
  EnumerationHotplugWatcher watcher;
  std::vector<std::string> seen;
  watcher.SetHandler([&](const DeviceChangeEvent& event) {
    seen.push_back((event.kind == DeviceChangeEvent::Kind::InterfaceArrival ? "+" : "-") + event.path);
  });
  watcher.Poll();
  EXPECT_TRUE(seen.empty());  // present from the start

  fake.devices.erase(fake.devices.begin());
  fake.devices.push_back({"/dev/hidraw9", kLinkVendorId, kLinkProductId});
  fake.devices.push_back({"/dev/hidraw8", 0x1234, 0x5678});
  watcher.Poll();
  EXPECT_THAT(seen, ElementsAre("-/dev/hidraw1", "+/dev/hidraw9"));
}

#if VURIRU_HAVE_UDEV
TEST(UdevEvents, HidrawEventsBecomeDeviceChanges) {
  auto arrival = EventFromUdev("add", "/dev/hidraw5", "0003:000010C4:00008468");
  ASSERT_TRUE(arrival);
  EXPECT_EQ(arrival->kind, DeviceChangeEvent::Kind::InterfaceArrival);
  EXPECT_EQ(arrival->path, "/dev/hidraw5");
  EXPECT_TRUE(EventFromUdev("add", "/dev/hidraw5", nullptr));  // ids unknown: let the search decide
  EXPECT_FALSE(EventFromUdev("add", "/dev/hidraw6", "0003:0000046D:0000C077"));

  auto removal = EventFromUdev("remove", "/dev/hidraw6", nullptr);
  ASSERT_TRUE(removal);
  EXPECT_EQ(removal->kind, DeviceChangeEvent::Kind::InterfaceRemoval);
  EXPECT_FALSE(EventFromUdev("change", "/dev/hidraw6", nullptr));
  EXPECT_FALSE(EventFromUdev("remove", nullptr, nullptr));
  EXPECT_FALSE(EventFromUdev(nullptr, "/dev/hidraw6", nullptr));
}
#endif

}  // namespace
}  // namespace vuriru::test
