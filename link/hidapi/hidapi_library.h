// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HidDevice_* seam over hidapi (its hidraw flavour on Linux), for real
// link adapters.
//
// - Enumeration: GetNumHidDevices takes a snapshot of hid_enumerate for the
//   ids; the indices of GetHidString and Open refer to that snapshot. The
//   device path (string type 3) is hidapi's path, /dev/hidrawN.
// - Output reports: the caller's buffer goes to hid_write unchanged, its first
//   byte being the report id (0xFD for the connect report, 2 for data).
//   hidraw picks the endpoint, so the control and interrupt variants are the
//   same call; a write blocks until done and ignores the set-report time-out.
//   hidraw sends every output report over the interrupt OUT endpoint when
//   the device has one, and over the control endpoint (SET_REPORT) only when
//   it has none; GetControlReportRoute says which, from sysfs.
// - Output report buffer length: the largest output report of the device's
//   report descriptor plus 1 for the report id. hidapi 0.13 cannot read the
//   descriptor, so the node inspector reads it (sysfs, or the hidraw ioctls).
//   Where it cannot be read or parsed, 64, the adapter's usual size, is taken.
//   A device whose reports are too short for the link's framing (61 bytes:
//   report id, length byte, 59 payload bytes) is refused at open with
//   HID_DEVICE_REPORTS_TOO_SHORT.
// - Open: a node this user may not open (errno EACCES or EPERM) gives
//   HID_DEVICE_ACCESS_DENIED, so that the link can tell it from no adapter.
// - Input reports: one hid_read_timeout per report into its own slot of the
//   output report buffer length L in the caller's buffer, report i at offset
//   L*i. The adapter numbers its reports, so hidraw delivers the report id as
//   byte 0 and the length byte at offset 1, as the link expects. A slot's
//   unused tail is zeroed and the byte count is L per report read, so the
//   link can walk the buffer at stride L.
//   Reading stops at the first read with nothing waiting; with the get-report
//   time-out of 0 no read waits. Fewer reports than asked for is the time-out
//   result 4.
// - A read error (-1) means the adapter is gone: the read fails and a removal
//   of the open device's path is reported once through the removal reporter.
// - GetMaxReportRequest is the number of input buffers asked for at open;
//   hidraw keeps its own queue, so the number only bounds one read request.

#include <memory>
#include <string>
#include <vector>

#include "link/adapter_facts.h"
#include "link/device_change.h"
#include "link/hid_device.h"
#include "link/hidapi/node_inspector.h"

namespace vuriru {

class HidapiLibrary : public HidLibrary, public AdapterInspector {
 public:
  // The adapter's usual output report buffer length, taken when its report
  // descriptor cannot be read.
  static constexpr uint16_t kReportLength = 64;

  explicit HidapiLibrary(std::unique_ptr<NodeInspector> inspector = MakeSystemNodeInspector());
  ~HidapiLibrary() override;

  // Receives the removal event when a read finds the open adapter gone. Wire
  // it to HotplugWatcher::Queue so that the removal is handled from the loop.
  void SetRemovalReporter(DeviceChangeHandler reporter) { m_removalReporter = std::move(reporter); }

  uint32_t HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) override;
  HidResult HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid, uint8_t hidStringType,
                                   char* deviceString, uint32_t deviceStringLength) override;
  HidResult HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                           uint32_t numInputBuffers) override;
  bool HidDevice_IsOpened(HID_DEVICE device) override;
  uint16_t HidDevice_GetOutputReportBufferLength(HID_DEVICE device) override;
  HidResult HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) override;
  void HidDevice_SetTimeouts(HID_DEVICE device, uint32_t getReportTimeout, uint32_t setReportTimeout) override;
  HidResult HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) override;
  uint32_t HidDevice_GetMaxReportRequest(HID_DEVICE device) override;
  HidResult HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize,
                                               uint32_t numReports, uint32_t* bytesReturned) override;
  HidResult HidDevice_GetString(HID_DEVICE device, uint8_t hidStringType, char* deviceString,
                                uint32_t deviceStringLength) override;
  HidResult HidDevice_Close(HID_DEVICE device) override;
  ReportRoute HidDevice_GetControlReportRoute(HID_DEVICE device) override;

  // "hidapi 0.13.1 (hidraw)".
  std::string BackendName() override;
  std::vector<AdapterFacts> InspectAdapters() override;

 private:
  struct Device;

  Device* Find(HID_DEVICE device);
  void EnsureSnapshot(uint16_t vid, uint16_t pid);
  HidResult Write(HID_DEVICE device, const uint8_t* buffer, uint32_t bufferSize);

  std::vector<std::string> m_paths;
  uint16_t m_snapshotVid = 0;
  uint16_t m_snapshotPid = 0;
  bool m_hasSnapshot = false;
  std::unique_ptr<NodeInspector> m_inspector;
  std::vector<std::unique_ptr<Device>> m_devices;
  DeviceChangeHandler m_removalReporter;
};

}  // namespace vuriru
