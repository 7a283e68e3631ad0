// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/scripted_hid_library.h"

#include <algorithm>
#include <cstring>

#include "link/usb_link.h"

namespace vuriru::fuzz {

void ScriptedHidLibrary::QueueReport(uint8_t lengthByte, std::span<const uint8_t> payload) {
  const size_t n = std::min<size_t>(payload.size(), kReportLength - 2u);
  m_input.push_back(
      Report{lengthByte, std::vector<uint8_t>(payload.begin(), payload.begin() + static_cast<ptrdiff_t>(n))});
}

void ScriptedHidLibrary::QueueReply(std::span<const uint8_t> reply) {
  if (reply.empty()) {
    QueueReport(0, {});
    return;
  }
  for (size_t at = 0; at < reply.size(); at += kPayloadPerReport) {
    const std::span<const uint8_t> part = reply.subspan(at, std::min<size_t>(kPayloadPerReport, reply.size() - at));
    QueueReport(static_cast<uint8_t>(part.size()), part);
  }
}

uint32_t ScriptedHidLibrary::HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) {
  return plugged && vid == kLinkVendorId && pid == kLinkProductId ? 1 : 0;
}

HidResult ScriptedHidLibrary::CopyPath(char* deviceString, uint32_t deviceStringLength) {
  const size_t length = std::strlen(kPath) + 1;
  if (deviceString == nullptr || length > deviceStringLength) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(deviceString, kPath, length);
  return HID_DEVICE_SUCCESS;
}

HidResult ScriptedHidLibrary::HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid, uint8_t,
                                                     char* deviceString, uint32_t deviceStringLength) {
  if (deviceIndex >= HidDevice_GetNumHidDevices(vid, pid)) return HID_DEVICE_NOT_FOUND;
  return CopyPath(deviceString, deviceStringLength);
}

HidResult ScriptedHidLibrary::HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                             uint32_t) {
  if (deviceIndex >= HidDevice_GetNumHidDevices(vid, pid)) return HID_DEVICE_NOT_FOUND;
  if (m_open) return HID_DEVICE_ALREADY_OPENED;
  if (failingOpens > 0) {
    --failingOpens;
    return HID_DEVICE_SYSTEM_CODE;
  }
  m_open = true;
  *device = &m_handle;
  return HID_DEVICE_SUCCESS;
}

bool ScriptedHidLibrary::HidDevice_IsOpened(HID_DEVICE device) {
  return Live(device);
}

uint16_t ScriptedHidLibrary::HidDevice_GetOutputReportBufferLength(HID_DEVICE device) {
  return Live(device) ? kReportLength : 0;
}

HidResult ScriptedHidLibrary::HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t*, uint32_t) {
  return Live(device) ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_FAILED;
}

void ScriptedHidLibrary::HidDevice_SetTimeouts(HID_DEVICE, uint32_t, uint32_t) {}

HidResult ScriptedHidLibrary::HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer,
                                                                  uint32_t bufferSize) {
  if (!Live(device)) return HID_DEVICE_TRANSFER_FAILED;
  if (failingWrites > 0) {
    --failingWrites;
    return HID_DEVICE_TRANSFER_FAILED;
  }
  if (bufferSize < 2 || buffer == nullptr) return HID_DEVICE_INVALID_BUFFER_SIZE;
  ++writes;
  return HID_DEVICE_SUCCESS;
}

uint32_t ScriptedHidLibrary::HidDevice_GetMaxReportRequest(HID_DEVICE device) {
  return Live(device) ? maxReportRequest : 0;
}

HidResult ScriptedHidLibrary::HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer,
                                                                 uint32_t bufferSize, uint32_t numReports,
                                                                 uint32_t* bytesReturned) {
  *bytesReturned = 0;
  if (!Live(device)) return HID_DEVICE_TRANSFER_FAILED;
  if (failingReads > 0) {
    --failingReads;
    return HID_DEVICE_TRANSFER_FAILED;
  }
  uint32_t placed = 0;
  while (placed < numReports && !m_input.empty() && (placed + 1) * kReportLength <= bufferSize) {
    uint8_t* report = buffer + placed * kReportLength;
    const Report& input = m_input.front();
    std::fill_n(report, kReportLength, uint8_t{0});
    report[0] = kDataReportId;
    report[1] = input.lengthByte;
    std::copy(input.payload.begin(), input.payload.end(), report + 2);
    m_input.pop_front();
    ++placed;
  }
  const uint32_t delivered = placed * kReportLength;
  *bytesReturned = delivered - std::min(delivered, shortReadBytes);
  shortReadBytes = 0;
  return placed == numReports ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_TIMEOUT;
}

HidResult ScriptedHidLibrary::HidDevice_GetString(HID_DEVICE device, uint8_t, char* deviceString,
                                                  uint32_t deviceStringLength) {
  // A pulled adapter is still named, so that its removal can be matched.
  if (!m_open || device != &m_handle) return HID_DEVICE_NOT_OPENED;
  return CopyPath(deviceString, deviceStringLength);
}

HidResult ScriptedHidLibrary::HidDevice_Close(HID_DEVICE device) {
  if (!m_open || device != &m_handle) return HID_DEVICE_NOT_OPENED;
  m_open = false;
  return HID_DEVICE_SUCCESS;
}

}  // namespace vuriru::fuzz
