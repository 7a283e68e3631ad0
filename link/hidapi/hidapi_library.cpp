// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hidapi/hidapi_library.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cwchar>
#include <hidapi.h>

#include "link/report_descriptor.h"
#include "link/usb_link.h"

namespace vuriru {

struct HidapiLibrary::Device {
  hid_device* dev = nullptr;
  std::string path;
  uint32_t numInputBuffers = 0;
  uint32_t getReportTimeoutMs = 0;
  // Output report buffer length, and the slot of each input report.
  uint16_t reportLength = kReportLength;
  ReportRoute controlRoute = ReportRoute::kUnknown;
  bool gone = false;
};

namespace {

HidResult CopyString(const std::string& text, char* out, uint32_t outLength) {
  if (out == nullptr || outLength < text.size() + 1) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(out, text.c_str(), text.size() + 1);
  return HID_DEVICE_SUCCESS;
}

// hidapi's strings are wide; the diagnosis prints UTF-8.
std::string Utf8(const wchar_t* text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != L'\0'; ++text) {
    const auto c = static_cast<uint32_t>(*text);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

HidapiLibrary::HidapiLibrary(std::unique_ptr<NodeInspector> inspector) : m_inspector(std::move(inspector)) {}

HidapiLibrary::~HidapiLibrary() {
  for (const auto& device : m_devices) hid_close(device->dev);
}

uint32_t HidapiLibrary::HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) {
  m_paths.clear();
  hid_device_info* list = hid_enumerate(vid, pid);
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    if (info->path != nullptr) m_paths.emplace_back(info->path);
  }
  hid_free_enumeration(list);
  m_snapshotVid = vid;
  m_snapshotPid = pid;
  m_hasSnapshot = true;
  return static_cast<uint32_t>(m_paths.size());
}

void HidapiLibrary::EnsureSnapshot(uint16_t vid, uint16_t pid) {
  if (!m_hasSnapshot || m_snapshotVid != vid || m_snapshotPid != pid) HidDevice_GetNumHidDevices(vid, pid);
}

HidResult HidapiLibrary::HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid, uint8_t hidStringType,
                                                char* deviceString, uint32_t deviceStringLength) {
  EnsureSnapshot(vid, pid);
  if (deviceIndex >= m_paths.size()) return HID_DEVICE_NOT_FOUND;
  if (hidStringType != HID_PATH_STRING) return HID_DEVICE_UNKNOWN_ERROR;
  return CopyString(m_paths[deviceIndex], deviceString, deviceStringLength);
}

HidResult HidapiLibrary::HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                        uint32_t numInputBuffers) {
  if (device == nullptr) return HID_DEVICE_UNKNOWN_ERROR;
  *device = nullptr;
  EnsureSnapshot(vid, pid);
  if (deviceIndex >= m_paths.size()) return HID_DEVICE_NOT_FOUND;
  const std::string& path = m_paths[deviceIndex];
  errno = 0;
  hid_device* dev = hid_open_path(path.c_str());
  if (dev == nullptr) {
    const int openError = errno;
    if (openError == EACCES || openError == EPERM) return HID_DEVICE_ACCESS_DENIED;
    // hidapi keeps errno from its open() but does not promise to; the node's
    // rights settle it where errno was lost.
    const auto access = m_inspector->Access(path);
    return access && !access->readWrite ? HID_DEVICE_ACCESS_DENIED : HID_DEVICE_SYSTEM_CODE;
  }

  // The report sizes come from the descriptor; one that cannot be read or
  // parsed leaves the adapter's usual size.
  uint16_t reportLength = kReportLength;
  if (const auto descriptor = m_inspector->ReportDescriptor(path)) {
    ReportSizes sizes;
    if (ParseReportDescriptor(*descriptor, &sizes, nullptr)) {
      if (sizes.OutputReportBufferLength() < kMinOutputReportLength) {
        hid_close(dev);
        return HID_DEVICE_REPORTS_TOO_SHORT;
      }
      reportLength = static_cast<uint16_t>(std::min<uint32_t>(sizes.OutputReportBufferLength(), UINT16_MAX));
    }
  }
  auto opened = std::make_unique<Device>();
  opened->dev = dev;
  opened->path = path;
  opened->numInputBuffers = numInputBuffers;
  opened->reportLength = reportLength;
  if (const auto interruptOut = m_inspector->HasInterruptOut(path)) {
    opened->controlRoute = *interruptOut ? ReportRoute::kInterruptOut : ReportRoute::kControlTransfer;
  }
  *device = opened.get();
  m_devices.push_back(std::move(opened));
  return HID_DEVICE_SUCCESS;
}

HidapiLibrary::Device* HidapiLibrary::Find(HID_DEVICE device) {
  for (const auto& opened : m_devices) {
    if (opened.get() == device) return opened.get();
  }
  return nullptr;
}

bool HidapiLibrary::HidDevice_IsOpened(HID_DEVICE device) {
  return Find(device) != nullptr;
}

uint16_t HidapiLibrary::HidDevice_GetOutputReportBufferLength(HID_DEVICE device) {
  const Device* opened = Find(device);
  return opened ? opened->reportLength : 0;
}

HidResult HidapiLibrary::Write(HID_DEVICE device, const uint8_t* buffer, uint32_t bufferSize) {
  Device* opened = Find(device);
  if (opened == nullptr) return HID_DEVICE_NOT_OPENED;
  if (buffer == nullptr || bufferSize == 0) return HID_DEVICE_INVALID_BUFFER_SIZE;
  const int written = hid_write(opened->dev, buffer, bufferSize);
  return written == static_cast<int>(bufferSize) ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_FAILED;
}

HidResult HidapiLibrary::HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) {
  return Write(device, buffer, bufferSize);
}

HidResult HidapiLibrary::HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) {
  return Write(device, buffer, bufferSize);
}

void HidapiLibrary::HidDevice_SetTimeouts(HID_DEVICE device, uint32_t getReportTimeout, uint32_t) {
  if (Device* opened = Find(device)) opened->getReportTimeoutMs = getReportTimeout;
}

uint32_t HidapiLibrary::HidDevice_GetMaxReportRequest(HID_DEVICE device) {
  const Device* opened = Find(device);
  return opened ? opened->numInputBuffers : 0;
}

HidResult HidapiLibrary::HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize,
                                                            uint32_t numReports, uint32_t* bytesReturned) {
  if (bytesReturned) *bytesReturned = 0;
  Device* opened = Find(device);
  if (opened == nullptr) return HID_DEVICE_NOT_OPENED;
  const uint32_t slot = opened->reportLength;
  if (buffer == nullptr || bytesReturned == nullptr || numReports == 0 || bufferSize / slot < numReports) {
    return HID_DEVICE_INVALID_BUFFER_SIZE;
  }

  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(opened->getReportTimeoutMs);
  uint32_t reports = 0;
  while (reports < numReports) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    uint8_t* at = buffer + static_cast<size_t>(reports) * slot;
    const int got = hid_read_timeout(opened->dev, at, slot, static_cast<int>(std::max<int64_t>(left, 0)));
    if (got < 0) {
      *bytesReturned = reports * slot;
      if (!opened->gone) {
        opened->gone = true;
        if (m_removalReporter) m_removalReporter({DeviceChangeEvent::Kind::InterfaceRemoval, opened->path});
      }
      return HID_DEVICE_TRANSFER_FAILED;
    }
    if (got == 0) break;
    std::fill(at + std::min<uint32_t>(static_cast<uint32_t>(got), slot), at + slot, 0);
    ++reports;
  }
  *bytesReturned = reports * slot;
  return reports == numReports ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_TIMEOUT;
}

HidResult HidapiLibrary::HidDevice_GetString(HID_DEVICE device, uint8_t hidStringType, char* deviceString,
                                             uint32_t deviceStringLength) {
  const Device* opened = Find(device);
  if (opened == nullptr) return HID_DEVICE_NOT_OPENED;
  if (hidStringType != HID_PATH_STRING) return HID_DEVICE_UNKNOWN_ERROR;
  return CopyString(opened->path, deviceString, deviceStringLength);
}

HidResult HidapiLibrary::HidDevice_Close(HID_DEVICE device) {
  const auto it = std::find_if(m_devices.begin(), m_devices.end(),
                               [device](const std::unique_ptr<Device>& opened) { return opened.get() == device; });
  if (it == m_devices.end()) return HID_DEVICE_NOT_OPENED;
  hid_close((*it)->dev);
  m_devices.erase(it);
  return HID_DEVICE_SUCCESS;
}

ReportRoute HidapiLibrary::HidDevice_GetControlReportRoute(HID_DEVICE device) {
  const Device* opened = Find(device);
  return opened ? opened->controlRoute : ReportRoute::kUnknown;
}

std::string HidapiLibrary::BackendName() {
#if defined(__linux__)
  return std::string("hidapi ") + hid_version_str() + " (hidraw)";
#else
  return std::string("hidapi ") + hid_version_str();
#endif
}

std::vector<AdapterFacts> HidapiLibrary::InspectAdapters() {
  std::vector<AdapterFacts> adapters;
  hid_device_info* list = hid_enumerate(kLinkVendorId, kLinkProductId);
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    if (info->path == nullptr) continue;
    AdapterFacts facts;
    facts.path = info->path;
    facts.vendorId = info->vendor_id;
    facts.productId = info->product_id;
    facts.manufacturer = Utf8(info->manufacturer_string);
    facts.product = Utf8(info->product_string);
    facts.serial = Utf8(info->serial_number);
    facts.access = m_inspector->Access(facts.path);
    facts.reportDescriptor = m_inspector->ReportDescriptor(facts.path);
    facts.interruptOut = m_inspector->HasInterruptOut(facts.path);
    adapters.push_back(std::move(facts));
  }
  hid_free_enumeration(list);
  return adapters;
}

}  // namespace vuriru
