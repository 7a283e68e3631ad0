// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_hid_library.h"

#include <algorithm>
#include <cstring>

namespace vuriru::test {

FakeHidLibrary FakeHidLibrary::SingleAdapter() {
  FakeHidLibrary hid;
  hid.devicePaths = {kPath};
  hid.outputReportLength = 61;
  hid.maxReportRequest = 8;
  return hid;
}

void FakeHidLibrary::QueueInput(const Bytes& payload, uint8_t lengthByte) {
  m_input.push_back(InputReport{lengthByte, payload});
}

void FakeHidLibrary::QueueReply(const Bytes& reply) {
  for (size_t at = 0; at < reply.size(); at += 59) {
    const size_t n = std::min<size_t>(59, reply.size() - at);
    QueueInput(
        Bytes(reply.begin() + static_cast<std::ptrdiff_t>(at), reply.begin() + static_cast<std::ptrdiff_t>(at + n)));
  }
}

uint32_t FakeHidLibrary::HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) {
  calls.push_back("GetNumHidDevices " + std::to_string(vid) + " " + std::to_string(pid));
  return static_cast<uint32_t>(devicePaths.size());
}

HidResult FakeHidLibrary::HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                                 uint8_t hidStringType, char* deviceString,
                                                 uint32_t deviceStringLength) {
  calls.push_back("GetHidString " + std::to_string(deviceIndex) + " " + std::to_string(vid) + " " +
                  std::to_string(pid) + " " + std::to_string(hidStringType) + " " + std::to_string(deviceStringLength));
  if (deviceIndex >= devicePaths.size()) return HID_DEVICE_NOT_FOUND;
  if (std::count(failingStrings.begin(), failingStrings.end(), deviceIndex)) return HID_DEVICE_UNKNOWN_ERROR;
  const std::string& path = devicePaths[deviceIndex];
  if (path.size() + 1 > deviceStringLength) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(deviceString, path.c_str(), path.size() + 1);
  return HID_DEVICE_SUCCESS;
}

HidResult FakeHidLibrary::HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                         uint32_t numInputBuffers) {
  calls.push_back("Open " + std::to_string(deviceIndex) + " " + std::to_string(vid) + " " + std::to_string(pid) + " " +
                  std::to_string(numInputBuffers));
  if (deviceIndex >= devicePaths.size()) return HID_DEVICE_NOT_FOUND;
  if (!openSucceeds) return openFailure;
  *device = &m_handleStorage;
  m_opened = devicePaths[deviceIndex];
  ++openHandles;
  return HID_DEVICE_SUCCESS;
}

bool FakeHidLibrary::HidDevice_IsOpened(HID_DEVICE device) {
  calls.push_back("IsOpened");
  return device == &m_handleStorage && openHandles > 0;
}

uint16_t FakeHidLibrary::HidDevice_GetOutputReportBufferLength(HID_DEVICE) {
  calls.push_back("GetOutputReportBufferLength");
  return outputReportLength;
}

HidResult FakeHidLibrary::HidDevice_SetOutputReport_Control(HID_DEVICE, uint8_t* buffer, uint32_t bufferSize) {
  calls.push_back("SetOutputReport_Control " + std::to_string(bufferSize));
  controlReports.emplace_back(buffer, buffer + bufferSize);
  return controlResult;
}

void FakeHidLibrary::HidDevice_SetTimeouts(HID_DEVICE, uint32_t getReportTimeout, uint32_t setReportTimeout) {
  calls.push_back("SetTimeouts " + std::to_string(getReportTimeout) + " " + std::to_string(setReportTimeout));
}

HidResult FakeHidLibrary::HidDevice_SetOutputReport_Interrupt(HID_DEVICE, uint8_t* buffer, uint32_t bufferSize) {
  calls.push_back("SetOutputReport_Interrupt " + std::to_string(bufferSize));
  if (interruptWritesBeforeFailure == 0) return HID_DEVICE_TRANSFER_FAILED;
  // A report whose length byte claims more than the report holds is refused.
  if (bufferSize < 2 || buffer[1] > bufferSize - 2) return HID_DEVICE_TRANSFER_FAILED;
  if (interruptWritesBeforeFailure > 0) --interruptWritesBeforeFailure;
  interruptReports.emplace_back(buffer, buffer + bufferSize);
  if (m_responder) m_responder(Bytes(buffer + 2, buffer + 2 + buffer[1]));
  return HID_DEVICE_SUCCESS;
}

uint32_t FakeHidLibrary::HidDevice_GetMaxReportRequest(HID_DEVICE) {
  calls.push_back("GetMaxReportRequest");
  return maxReportRequest;
}

HidResult FakeHidLibrary::HidDevice_GetInputReport_Interrupt(HID_DEVICE, uint8_t* buffer, uint32_t bufferSize,
                                                             uint32_t numReports, uint32_t* bytesReturned) {
  calls.push_back("GetInputReport_Interrupt " + std::to_string(bufferSize) + " " + std::to_string(numReports));
  lastReadReports = numReports;
  lastReadBufferSize = bufferSize;
  const uint32_t stride = outputReportLength;
  uint32_t placed = 0;
  while (stride >= 2 && placed < numReports && !m_input.empty() && (placed + 1) * stride <= bufferSize) {
    uint8_t* report = buffer + placed * stride;
    const InputReport& input = m_input.front();
    std::fill_n(report, stride, 0);
    report[0] = 1;
    report[1] = input.lengthByte;
    std::copy_n(input.payload.begin(), std::min<size_t>(input.payload.size(), stride - 2u), report + 2);
    m_input.pop_front();
    ++placed;
  }
  *bytesReturned = bytesReturnedOverride >= 0 ? static_cast<uint32_t>(bytesReturnedOverride) : placed * stride;
  return readResult.value_or(placed == numReports ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_TIMEOUT);
}

HidResult FakeHidLibrary::HidDevice_GetString(HID_DEVICE, uint8_t hidStringType, char* deviceString,
                                              uint32_t deviceStringLength) {
  calls.push_back("GetString " + std::to_string(hidStringType) + " " + std::to_string(deviceStringLength));
  if (openHandles == 0 || openPathResult != HID_DEVICE_SUCCESS) return HID_DEVICE_NOT_OPENED;
  const std::string path = openPath.empty() ? m_opened : openPath;
  if (path.size() + 1 > deviceStringLength) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(deviceString, path.c_str(), path.size() + 1);
  return HID_DEVICE_SUCCESS;
}

HidResult FakeHidLibrary::HidDevice_Close(HID_DEVICE) {
  calls.push_back("Close");
  if (openHandles > 0) --openHandles;
  return HID_DEVICE_SUCCESS;
}

}  // namespace vuriru::test
