#pragma once
// A one-adapter HidLibrary for engine tests: input reports are queued by the
// test (or by a responder that answers each written block), output reports
// are decoded back into the blocks the link wrote.

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "link/hid_device.h"

namespace vuriru::test {

using Bytes = std::vector<uint8_t>;

class FakeHidLibrary : public HidLibrary {
 public:
  static constexpr const char* kPath = "fake-adapter";

  // Queues one reply; longer than 59 bytes it arrives as several reports.
  void QueueReply(const Bytes& reply);
  // Called with the payload of every data report the link sends.
  void SetResponder(std::function<void(const Bytes& payload)> responder) { m_responder = std::move(responder); }
  size_t QueuedReports() const { return m_input.size(); }
  void SetMaxReportRequest(uint32_t reports) { m_maxReports = reports; }

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

 private:
  static constexpr uint16_t kReportLength = 61;
  int m_token = 0;
  bool m_open = false;
  uint32_t m_maxReports = 8;
  std::deque<Bytes> m_input;
  std::function<void(const Bytes&)> m_responder;
};

}  // namespace vuriru::test
