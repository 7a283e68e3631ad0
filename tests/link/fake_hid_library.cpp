#include "link/fake_hid_library.h"

#include <algorithm>
#include <cstring>

namespace vuriru::test {

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
  if (!openSucceeds || deviceIndex >= devicePaths.size()) return HID_DEVICE_NOT_FOUND;
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
  if (interruptWritesBeforeFailure > 0) --interruptWritesBeforeFailure;
  interruptReports.emplace_back(buffer, buffer + bufferSize);
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
  uint32_t placed = 0;
  while (placed < numReports && !inputReports.empty() && (placed + 1) * outputReportLength <= bufferSize) {
    const std::vector<uint8_t>& report = inputReports.front();
    std::copy_n(report.begin(), std::min<size_t>(report.size(), outputReportLength),
                buffer + placed * outputReportLength);
    inputReports.pop_front();
    ++placed;
  }
  *bytesReturned =
      bytesReturnedOverride >= 0 ? static_cast<uint32_t>(bytesReturnedOverride) : placed * outputReportLength;
  return readResult;
}

HidResult FakeHidLibrary::HidDevice_GetString(HID_DEVICE, uint8_t hidStringType, char* deviceString,
                                              uint32_t deviceStringLength) {
  calls.push_back("GetString " + std::to_string(hidStringType) + " " + std::to_string(deviceStringLength));
  if (openHandles == 0 || openPathResult != HID_DEVICE_SUCCESS) return HID_DEVICE_NOT_OPENED;
  const std::string path = openPath.empty() ? m_opened : openPath;
  std::memcpy(deviceString, path.c_str(), std::min<size_t>(path.size() + 1, deviceStringLength));
  return HID_DEVICE_SUCCESS;
}

HidResult FakeHidLibrary::HidDevice_Close(HID_DEVICE) {
  calls.push_back("Close");
  if (openHandles > 0) --openHandles;
  return HID_DEVICE_SUCCESS;
}

void FakeHidLibrary::QueueInput(const std::vector<uint8_t>& payload, uint8_t lengthByte) {
  std::vector<uint8_t> report(outputReportLength, 0);
  report[0] = 1;
  report[1] = lengthByte;
  std::copy_n(payload.begin(), std::min<size_t>(payload.size(), outputReportLength - 2u), report.begin() + 2);
  inputReports.push_back(std::move(report));
}

}  // namespace vuriru::test
