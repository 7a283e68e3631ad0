// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulated_hid_library.h"

#include <algorithm>
#include <cstring>

namespace vuriru {

SimulatedHidLibrary::SimulatedHidLibrary(Scheduler& scheduler) : m_scheduler(scheduler) {}

SimulatedHidLibrary::~SimulatedHidLibrary() {
  *m_alive = false;
}

std::vector<uint8_t> SimReportDescriptor(uint16_t reportLength) {
  const uint16_t count = reportLength > 1 ? reportLength - 1 : 0;
  const auto lo = static_cast<uint8_t>(count & 0xFF);
  const auto hi = static_cast<uint8_t>(count >> 8);
  // Report Count with two data bytes, so that any length fits.
  const std::vector<uint8_t> reportCount = {0x96, lo, hi};
  std::vector<uint8_t> descriptor = {0x06, 0x00, 0xFF,  // Usage Page (vendor)
                                     0x09, 0x01,        // Usage
                                     0xA1, 0x01,        // Collection (Application)
                                     0x15, 0x00,        //   Logical Minimum 0
                                     0x26, 0xFF, 0x00,  //   Logical Maximum 255
                                     0x75, 0x08};       //   Report Size 8
  for (const auto& [id, main] : {std::pair<uint8_t, uint8_t>{0x01, 0x81}, {0x02, 0x91}, {0xFD, 0x91}}) {
    descriptor.insert(descriptor.end(), {0x85, id});  // Report ID
    descriptor.insert(descriptor.end(), reportCount.begin(), reportCount.end());
    descriptor.insert(descriptor.end(), {0x09, 0x01, main, 0x02});  // Usage, Input or Output (Data, Var, Abs)
  }
  descriptor.push_back(0xC0);  // End Collection
  return descriptor;
}

std::string SimulatedHidLibrary::SimPath(int n) {
  return "/dev/hidraw-sim" + std::to_string(n);
}

SimulatedAdapter& SimulatedHidLibrary::AddAdapter(SimAdapterConfig config) {
  if (config.path.empty()) config.path = SimPath(static_cast<int>(m_adapters.size()));
  m_adapters.push_back(std::make_unique<SimulatedAdapter>(std::move(config), m_scheduler));
  return *m_adapters.back();
}

SimulatedAdapter* SimulatedHidLibrary::FindAdapter(const std::string& path) {
  for (auto& adapter : m_adapters) {
    if (adapter->Path() == path) return adapter.get();
  }
  return nullptr;
}

bool SimulatedHidLibrary::Plug(const std::string& path) {
  SimulatedAdapter* adapter = FindAdapter(path);
  if (adapter == nullptr || adapter->Plugged()) return false;
  adapter->SetPlugged(true);
  Emit(DeviceChangeEvent::Kind::InterfaceArrival, path);
  return true;
}

bool SimulatedHidLibrary::Pull(const std::string& path) {
  SimulatedAdapter* adapter = FindAdapter(path);
  if (adapter == nullptr || !adapter->Plugged()) return false;
  adapter->SetPlugged(false);
  Emit(DeviceChangeEvent::Kind::InterfaceRemoval, path);
  return true;
}

void SimulatedHidLibrary::Emit(DeviceChangeEvent::Kind kind, const std::string& path) {
  if (m_onDeviceChange) m_onDeviceChange(DeviceChangeEvent{kind, path});
}

SimulatedAdapter* SimulatedHidLibrary::PluggedAt(uint32_t index, uint16_t vid, uint16_t pid) {
  uint32_t seen = 0;
  for (auto& adapter : m_adapters) {
    const auto& config = adapter->Config();
    if (!adapter->Plugged() || config.vendorId != vid || config.productId != pid) continue;
    if (seen++ == index) return adapter.get();
  }
  return nullptr;
}

SimulatedHidLibrary::Handle* SimulatedHidLibrary::Find(HID_DEVICE device) {
  for (auto& handle : m_handles) {
    if (reinterpret_cast<HID_DEVICE>(handle.id) == device) return &handle;
  }
  return nullptr;
}

SimulatedAdapter* SimulatedHidLibrary::Live(HID_DEVICE device) {
  Handle* handle = Find(device);
  if (handle == nullptr || !handle->adapter->Plugged()) return nullptr;
  return handle->adapter;
}

uint32_t SimulatedHidLibrary::HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) {
  uint32_t count = 0;
  while (PluggedAt(count, vid, pid) != nullptr) ++count;
  return count;
}

HidResult SimulatedHidLibrary::HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                                      uint8_t hidStringType, char* deviceString,
                                                      uint32_t deviceStringLength) {
  SimulatedAdapter* adapter = PluggedAt(deviceIndex, vid, pid);
  if (adapter == nullptr) return HID_DEVICE_NOT_FOUND;
  if (hidStringType != HID_PATH_STRING) return HID_DEVICE_UNKNOWN_ERROR;
  const std::string& path = adapter->Path();
  if (deviceString == nullptr || deviceStringLength <= path.size()) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(deviceString, path.c_str(), path.size() + 1);
  return HID_DEVICE_SUCCESS;
}

HidResult SimulatedHidLibrary::HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                                              uint32_t numInputBuffers) {
  if (device == nullptr) return HID_DEVICE_INVALID_BUFFER_SIZE;
  SimulatedAdapter* adapter = PluggedAt(deviceIndex, vid, pid);
  if (adapter == nullptr) return HID_DEVICE_NOT_FOUND;
  const bool busy = std::any_of(m_handles.begin(), m_handles.end(),
                                [adapter](const Handle& handle) { return handle.adapter == adapter; });
  // One handle per adapter: a second open while the first is not closed fails.
  if (busy) return HID_DEVICE_ALREADY_OPENED;
  if (adapter->Faults().Has(SimFault::kAccessDenied)) return HID_DEVICE_ACCESS_DENIED;
  adapter->Open(numInputBuffers);
  m_handles.push_back(Handle{m_nextHandle++, adapter});
  *device = reinterpret_cast<HID_DEVICE>(m_handles.back().id);
  return HID_DEVICE_SUCCESS;
}

bool SimulatedHidLibrary::HidDevice_IsOpened(HID_DEVICE device) {
  return Find(device) != nullptr;
}

uint16_t SimulatedHidLibrary::HidDevice_GetOutputReportBufferLength(HID_DEVICE device) {
  SimulatedAdapter* adapter = Live(device);
  return adapter == nullptr ? 0 : adapter->Config().reportLength;
}

HidResult SimulatedHidLibrary::HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t* buffer,
                                                                 uint32_t bufferSize) {
  SimulatedAdapter* adapter = Live(device);
  if (adapter == nullptr) return Find(device) ? HID_DEVICE_TRANSFER_FAILED : HID_DEVICE_NOT_OPENED;
  return adapter->Control(buffer, bufferSize);
}

void SimulatedHidLibrary::HidDevice_SetTimeouts(HID_DEVICE device, uint32_t getReportTimeout,
                                                uint32_t setReportTimeout) {
  if (Find(device) == nullptr) return;
  m_getReportTimeout = getReportTimeout;
  m_setReportTimeout = setReportTimeout;
}

HidResult SimulatedHidLibrary::HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer,
                                                                   uint32_t bufferSize) {
  SimulatedAdapter* adapter = Live(device);
  if (adapter == nullptr) return Find(device) ? HID_DEVICE_TRANSFER_FAILED : HID_DEVICE_NOT_OPENED;
  const HidResult result = adapter->Output(buffer, bufferSize);
  AfterWrite(*adapter);
  return result;
}

void SimulatedHidLibrary::AfterWrite(SimulatedAdapter& adapter) {
  if (!adapter.TakePullRequest()) return;
  // Gone at once for every later call; the removal is announced from the
  // event loop, as the system would, not from inside the write.
  adapter.SetPlugged(false);
  std::weak_ptr<bool> alive = m_alive;
  m_scheduler.RunAfter(0, [this, alive, path = adapter.Path()] {
    if (auto flag = alive.lock(); flag && *flag) Emit(DeviceChangeEvent::Kind::InterfaceRemoval, path);
  });
}

uint32_t SimulatedHidLibrary::HidDevice_GetMaxReportRequest(HID_DEVICE device) {
  SimulatedAdapter* adapter = Live(device);
  return adapter == nullptr ? 0 : adapter->Config().maxReportRequest;
}

HidResult SimulatedHidLibrary::HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer,
                                                                  uint32_t bufferSize, uint32_t numReports,
                                                                  uint32_t* bytesReturned) {
  if (bytesReturned != nullptr) *bytesReturned = 0;
  SimulatedAdapter* adapter = Live(device);
  if (adapter == nullptr) return Find(device) ? HID_DEVICE_TRANSFER_FAILED : HID_DEVICE_NOT_OPENED;
  if (buffer == nullptr || bytesReturned == nullptr) return HID_DEVICE_INVALID_BUFFER_SIZE;
  const uint32_t stride = adapter->Config().reportLength;
  if (numReports > 0 && bufferSize < stride) return HID_DEVICE_INVALID_BUFFER_SIZE;
  const uint32_t taken = adapter->TakeDueReports(buffer, bufferSize, numReports);
  *bytesReturned = taken * stride;
  return taken == numReports ? HID_DEVICE_SUCCESS : HID_DEVICE_TRANSFER_TIMEOUT;
}

HidResult SimulatedHidLibrary::HidDevice_GetString(HID_DEVICE device, uint8_t hidStringType, char* deviceString,
                                                   uint32_t deviceStringLength) {
  Handle* handle = Find(device);
  if (handle == nullptr) return HID_DEVICE_NOT_OPENED;
  if (hidStringType != HID_PATH_STRING) return HID_DEVICE_UNKNOWN_ERROR;
  const std::string& path = handle->adapter->Path();
  if (deviceString == nullptr || deviceStringLength <= path.size()) return HID_DEVICE_INVALID_BUFFER_SIZE;
  std::memcpy(deviceString, path.c_str(), path.size() + 1);
  return HID_DEVICE_SUCCESS;
}

HidResult SimulatedHidLibrary::HidDevice_Close(HID_DEVICE device) {
  Handle* handle = Find(device);
  if (handle == nullptr) return HID_DEVICE_NOT_OPENED;
  m_handles.erase(m_handles.begin() + (handle - m_handles.data()));
  return HID_DEVICE_SUCCESS;
}

std::vector<AdapterFacts> SimulatedHidLibrary::InspectAdapters() {
  std::vector<AdapterFacts> adapters;
  for (const auto& adapter : m_adapters) {
    const SimAdapterConfig& config = adapter->Config();
    if (!adapter->Plugged() || config.vendorId != kLinkVendorId || config.productId != kLinkProductId) continue;
    AdapterFacts facts;
    facts.path = config.path;
    facts.vendorId = config.vendorId;
    facts.productId = config.productId;
    facts.manufacturer = "Vuriru";
    facts.product = "USB Link (simulated)";
    facts.access =
        NodeAccess{"crw-rw----", "simulation", "simulation", !adapter->Faults().Has(SimFault::kAccessDenied)};
    facts.reportDescriptor = SimReportDescriptor(config.reportLength);
    facts.interruptOut = false;
    adapters.push_back(std::move(facts));
  }
  return adapters;
}

}  // namespace vuriru
