#include "engine/fake_hid_library.h"

#include <algorithm>
#include <cstring>

namespace vuriru::test {

void FakeHidLibrary::QueueReply(const Bytes& reply) {
  for (size_t at = 0; at < reply.size(); at += 59) {
    const size_t n = std::min<size_t>(59, reply.size() - at);
    m_input.emplace_back(reply.begin() + static_cast<std::ptrdiff_t>(at),
                         reply.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
}

uint32_t FakeHidLibrary::HidDevice_GetNumHidDevices(uint16_t, uint16_t) {
  return 1;
}

HidResult FakeHidLibrary::HidDevice_GetHidString(uint32_t deviceIndex, uint16_t, uint16_t, uint8_t, char* deviceString,
                                                 uint32_t deviceStringLength) {
  if (deviceIndex != 0 || deviceStringLength <= std::strlen(kPath)) return HID_DEVICE_NOT_FOUND;
  std::strcpy(deviceString, kPath);
  return HID_DEVICE_SUCCESS;
}

HidResult FakeHidLibrary::HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t, uint16_t, uint32_t) {
  if (deviceIndex != 0) return HID_DEVICE_NOT_FOUND;
  m_open = true;
  *device = &m_token;
  return HID_DEVICE_SUCCESS;
}

bool FakeHidLibrary::HidDevice_IsOpened(HID_DEVICE device) {
  return m_open && device == &m_token;
}

uint16_t FakeHidLibrary::HidDevice_GetOutputReportBufferLength(HID_DEVICE) {
  return kReportLength;
}

HidResult FakeHidLibrary::HidDevice_SetOutputReport_Control(HID_DEVICE, uint8_t*, uint32_t) {
  return HID_DEVICE_SUCCESS;
}

void FakeHidLibrary::HidDevice_SetTimeouts(HID_DEVICE, uint32_t, uint32_t) {}

HidResult FakeHidLibrary::HidDevice_SetOutputReport_Interrupt(HID_DEVICE, uint8_t* buffer, uint32_t bufferSize) {
  if (bufferSize < 2 || buffer[1] > bufferSize - 2) return HID_DEVICE_TRANSFER_FAILED;
  const Bytes payload(buffer + 2, buffer + 2 + buffer[1]);
  if (m_responder) m_responder(payload);
  return HID_DEVICE_SUCCESS;
}

uint32_t FakeHidLibrary::HidDevice_GetMaxReportRequest(HID_DEVICE) {
  return m_maxReports;
}

HidResult FakeHidLibrary::HidDevice_GetInputReport_Interrupt(HID_DEVICE, uint8_t* buffer, uint32_t bufferSize,
                                                             uint32_t numReports, uint32_t* bytesReturned) {
  uint32_t reports = 0;
  while (reports < numReports && !m_input.empty() && (reports + 1) * kReportLength <= bufferSize) {
    uint8_t* report = buffer + reports * kReportLength;
    const Bytes& payload = m_input.front();
    report[0] = 1;
    report[1] = static_cast<uint8_t>(payload.size());
    std::copy(payload.begin(), payload.end(), report + 2);
    m_input.pop_front();
    ++reports;
  }
  *bytesReturned = reports * kReportLength;
  return reports > 0 ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_TIMEOUT;
}

HidResult FakeHidLibrary::HidDevice_GetString(HID_DEVICE, uint8_t, char* deviceString, uint32_t deviceStringLength) {
  if (deviceStringLength <= std::strlen(kPath)) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::strcpy(deviceString, kPath);
  return HID_DEVICE_SUCCESS;
}

HidResult FakeHidLibrary::HidDevice_Close(HID_DEVICE) {
  m_open = false;
  return HID_DEVICE_SUCCESS;
}

}  // namespace vuriru::test
