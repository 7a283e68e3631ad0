#pragma once
// A HidLibrary that records every call as a line of text and every report
// sent, and hands out input reports queued by the test.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/hid_device.h"

namespace vuriru::test {

class FakeHidLibrary : public HidLibrary {
 public:
  std::vector<std::string> devicePaths;
  // Indices whose GetHidString fails.
  std::vector<uint32_t> failingStrings;
  bool openSucceeds = true;
  uint16_t outputReportLength = 64;
  HidResult controlResult = HID_DEVICE_SUCCESS;
  // Interrupt writes that succeed before every further one fails; -1: all do.
  int interruptWritesBeforeFailure = -1;
  HidResult readResult = HID_DEVICE_SUCCESS;
  // When set, the byte count reported by a read instead of the real one.
  int64_t bytesReturnedOverride = -1;
  uint32_t maxReportRequest = 512;
  HidResult openPathResult = HID_DEVICE_SUCCESS;
  std::string openPath;  // what GetString on the open handle answers; empty: the opened path

  std::vector<std::string> calls;
  std::vector<std::vector<uint8_t>> controlReports;
  std::vector<std::vector<uint8_t>> interruptReports;
  std::deque<std::vector<uint8_t>> inputReports;  // each delivered in one stride slot
  uint32_t lastReadReports = 0;
  uint32_t lastReadBufferSize = 0;
  int openHandles = 0;

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

  // Queues one input report: report id, length byte, payload.
  void QueueInput(const std::vector<uint8_t>& payload, uint8_t lengthByte);
  void QueueInput(const std::vector<uint8_t>& payload) { QueueInput(payload, static_cast<uint8_t>(payload.size())); }

 private:
  std::string m_opened;
  uint8_t m_handleStorage = 0;
};

}  // namespace vuriru::test
