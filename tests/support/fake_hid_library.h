// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A HidLibrary for link and engine tests. It enumerates the device paths the
// test gives, records every call as a line of text and every report sent,
// hands out the input reports the test queues (or a responder queues in
// answer to each written payload), and fails where the test tells it to.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/hid_device.h"

namespace vuriru::test {

using Bytes = std::vector<uint8_t>;

class FakeHidLibrary : public HidLibrary {
 public:
  static constexpr const char* kPath = "fake-adapter";

  // One adapter at kPath with the smallest report buffer the link accepts
  // (61 bytes) and eight reports per read request: the engine tests' link.
  static FakeHidLibrary SingleAdapter();

  std::vector<std::string> devicePaths;
  // Indices whose GetHidString fails.
  std::vector<uint32_t> failingStrings;
  bool openSucceeds = true;
  // What an open answers when it does not succeed: permission denied, say.
  HidResult openFailure = HID_DEVICE_NOT_FOUND;
  // What GetControlReportRoute answers.
  ReportRoute controlRoute = ReportRoute::kControlTransfer;
  // Output report buffer length; input reports use it as their stride too.
  uint16_t outputReportLength = 64;
  HidResult controlResult = HID_DEVICE_SUCCESS;
  // Interrupt writes that succeed before every further one fails; -1: all do.
  int interruptWritesBeforeFailure = -1;
  // The result of every read; unset, the library's own rule: 0 when all the
  // requested reports came, 4 (time-out) when fewer did.
  std::optional<HidResult> readResult;
  // When set, the byte count reported by a read instead of the real one.
  int64_t bytesReturnedOverride = -1;
  uint32_t maxReportRequest = 512;
  HidResult openPathResult = HID_DEVICE_SUCCESS;
  std::string openPath;  // what GetString on the open handle answers; empty: the opened path

  std::vector<std::string> calls;
  std::vector<Bytes> controlReports;
  std::vector<Bytes> interruptReports;
  uint32_t lastReadReports = 0;
  uint32_t lastReadBufferSize = 0;
  int openHandles = 0;

  // Queues one input report: report id, length byte, payload.
  void QueueInput(const Bytes& payload, uint8_t lengthByte);
  void QueueInput(const Bytes& payload) { QueueInput(payload, static_cast<uint8_t>(payload.size())); }
  // Queues one reply; longer than 59 bytes it arrives as several reports.
  void QueueReply(const Bytes& reply);
  size_t QueuedReports() const { return m_input.size(); }
  // Called with the payload of every data report the link sends.
  void SetResponder(std::function<void(const Bytes& payload)> responder) { m_responder = std::move(responder); }

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
  ReportRoute HidDevice_GetControlReportRoute(HID_DEVICE) override { return controlRoute; }

 private:
  struct InputReport {
    uint8_t lengthByte = 0;
    Bytes payload;
  };

  std::deque<InputReport> m_input;
  std::function<void(const Bytes&)> m_responder;
  std::string m_opened;
  uint8_t m_handleStorage = 0;
};

}  // namespace vuriru::test
