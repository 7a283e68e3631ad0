#include "link/hidapi/hidapi_library.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <hidapi.h>

namespace vuriru {

struct HidapiLibrary::Device {
  hid_device* dev = nullptr;
  std::string path;
  uint32_t numInputBuffers = 0;
  uint32_t getReportTimeoutMs = 0;
  bool gone = false;
};

namespace {

HidResult CopyString(const std::string& text, char* out, uint32_t outLength) {
  if (out == nullptr || outLength < text.size() + 1) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(out, text.c_str(), text.size() + 1);
  return HID_DEVICE_SUCCESS;
}

}  // namespace

HidapiLibrary::HidapiLibrary() = default;

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
  hid_device* dev = hid_open_path(m_paths[deviceIndex].c_str());
  if (dev == nullptr) return HID_DEVICE_SYSTEM_CODE;
  auto opened = std::make_unique<Device>();
  opened->dev = dev;
  opened->path = m_paths[deviceIndex];
  opened->numInputBuffers = numInputBuffers;
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
  return Find(device) ? kReportLength : 0;
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
  if (buffer == nullptr || bytesReturned == nullptr || numReports == 0 || bufferSize / kReportLength < numReports) {
    return HID_DEVICE_INVALID_BUFFER_SIZE;
  }

  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(opened->getReportTimeoutMs);
  uint32_t reports = 0;
  while (reports < numReports) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    uint8_t* slot = buffer + static_cast<size_t>(reports) * kReportLength;
    const int got = hid_read_timeout(opened->dev, slot, kReportLength, static_cast<int>(std::max<int64_t>(left, 0)));
    if (got < 0) {
      *bytesReturned = reports * kReportLength;
      if (!opened->gone) {
        opened->gone = true;
        if (m_removalReporter) m_removalReporter({DeviceChangeEvent::Kind::InterfaceRemoval, opened->path});
      }
      return HID_DEVICE_TRANSFER_FAILED;
    }
    if (got == 0) break;
    std::fill(slot + std::min<int>(got, kReportLength), slot + kReportLength, 0);
    ++reports;
  }
  *bytesReturned = reports * kReportLength;
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

}  // namespace vuriru
