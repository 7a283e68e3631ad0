#include "sim/simulated_hid_library.h"

#include <algorithm>
#include <cstring>

namespace vuriru {

SimulatedHidLibrary::SimulatedHidLibrary(Scheduler& scheduler) : m_scheduler(scheduler) {}

SimulatedHidLibrary::~SimulatedHidLibrary() {
  *m_alive = false;
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

}  // namespace vuriru
