// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HID library seam: the operations the USB link uses to reach the link
// adapter, with the vendor library's names, arguments and result codes.
// Implementations: HidapiLibrary (real adapters through hidapi) and the
// simulated adapter in sim/. Nothing above the link knows which one it has.

#include <cstdint>

namespace vuriru {

using HID_DEVICE = void*;
using HidResult = uint8_t;

inline constexpr HidResult HID_DEVICE_SUCCESS = 0x00;
inline constexpr HidResult HID_DEVICE_NOT_FOUND = 0x01;
inline constexpr HidResult HID_DEVICE_NOT_OPENED = 0x02;
inline constexpr HidResult HID_DEVICE_ALREADY_OPENED = 0x03;
inline constexpr HidResult HID_DEVICE_TRANSFER_TIMEOUT = 0x04;
inline constexpr HidResult HID_DEVICE_TRANSFER_FAILED = 0x05;
inline constexpr HidResult HID_DEVICE_INVALID_BUFFER_SIZE = 0x08;
inline constexpr HidResult HID_DEVICE_SYSTEM_CODE = 0x09;
inline constexpr HidResult HID_DEVICE_UNKNOWN_ERROR = 0xFF;
// Results of this program's own, beside the vendor's: HidDevice_Open found the
// device but the system refused this user access to its node (no permission),
// or its report descriptor gives reports too short for the link's framing.
inline constexpr HidResult HID_DEVICE_ACCESS_DENIED = 0x10;
inline constexpr HidResult HID_DEVICE_REPORTS_TOO_SHORT = 0x11;

// String type 3: the device path.
inline constexpr uint8_t HID_PATH_STRING = 3;
inline constexpr uint32_t kHidPathBufferLength = 260;

inline constexpr uint16_t kLinkVendorId = 0x10C4;
inline constexpr uint16_t kLinkProductId = 0x8468;

// How a report handed to HidDevice_SetOutputReport_Control really travels.
// The vendor library sends it as a control transfer (SET_REPORT); a backend
// that can only write reports may send it over the interrupt OUT endpoint
// when the device has one, which an adapter may not listen to for it.
enum class ReportRoute : uint8_t { kControlTransfer, kInterruptOut, kUnknown };

class HidLibrary {
 public:
  virtual ~HidLibrary() = default;

  virtual uint32_t HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) = 0;
  virtual HidResult HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid, uint8_t hidStringType,
                                           char* deviceString, uint32_t deviceStringLength) = 0;
  virtual HidResult HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                   uint32_t numInputBuffers) = 0;
  virtual bool HidDevice_IsOpened(HID_DEVICE device) = 0;
  // Report id byte included.
  virtual uint16_t HidDevice_GetOutputReportBufferLength(HID_DEVICE device) = 0;
  virtual HidResult HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) = 0;
  virtual void HidDevice_SetTimeouts(HID_DEVICE device, uint32_t getReportTimeout, uint32_t setReportTimeout) = 0;
  virtual HidResult HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) = 0;
  virtual uint32_t HidDevice_GetMaxReportRequest(HID_DEVICE device) = 0;
  // Results 0 and 4 both mean that data, possibly none, was delivered.
  virtual HidResult HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize,
                                                       uint32_t numReports, uint32_t* bytesReturned) = 0;
  virtual HidResult HidDevice_GetString(HID_DEVICE device, uint8_t hidStringType, char* deviceString,
                                        uint32_t deviceStringLength) = 0;
  virtual HidResult HidDevice_Close(HID_DEVICE device) = 0;

  // Not the vendor's: the route that HidDevice_SetOutputReport_Control takes
  // on this open device, for the trace and the diagnosis.
  virtual ReportRoute HidDevice_GetControlReportRoute(HID_DEVICE) { return ReportRoute::kControlTransfer; }
};

}  // namespace vuriru
