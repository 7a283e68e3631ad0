// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HidLibrary seam over simulated adapters, so that the whole program runs
// and is tested without hardware. Adapters are added with their device path
// ("/dev/hidraw-sim0", ...) and the target behind them; Plug() and Pull()
// stand for the user plugging them in and pulling them out and are announced
// as device-change events. Answers fall due on the scheduler's clock, so under
// virtual time a test decides when they arrive.
//
// Result codes follow the vendor library: reads return 0 when every requested
// report was delivered and 4 (time-out) when fewer were due; calls on the
// handle of a pulled adapter fail with 5 until it is closed, except
// HidDevice_GetString, which still names the device so the removal can be
// matched to it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/scheduler.h"
#include "link/adapter_facts.h"
#include "link/device_change.h"
#include "link/hid_device.h"
#include "sim/simulated_adapter.h"

namespace vuriru {

// The report descriptor of a simulated adapter with this output report buffer
// length: vendor reports of length - 1 bytes, input report 1, output reports
// 2 (data) and 0xFD (the connect report).
std::vector<uint8_t> SimReportDescriptor(uint16_t reportLength);

class SimulatedHidLibrary : public HidLibrary, public AdapterInspector {
 public:
  explicit SimulatedHidLibrary(Scheduler& scheduler);
  ~SimulatedHidLibrary() override;

  // "/dev/hidraw-sim<n>".
  static std::string SimPath(int n);

  // Adds an adapter. One that starts plugged is simply there, as if it had
  // been plugged in before the program started.
  SimulatedAdapter& AddAdapter(SimAdapterConfig config);
  SimulatedAdapter* FindAdapter(const std::string& path);
  SimulatedAdapter& Adapter(size_t index) { return *m_adapters.at(index); }
  size_t AdapterCount() const { return m_adapters.size(); }

  void SetDeviceChangeHandler(DeviceChangeHandler handler) { m_onDeviceChange = std::move(handler); }
  // Plug in / pull out the adapter with this path; each emits its event
  // before it returns. Plugging a plugged adapter or pulling a pulled one
  // does nothing.
  bool Plug(const std::string& path);
  bool Pull(const std::string& path);

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

  // The plugged adapters as a real one would describe itself: the link's
  // ids, its strings, a node only the simulation opens, a report descriptor
  // for its report length, and no interrupt OUT endpoint, so that the
  // connect report travels as a control transfer, as the adapter wants it.
  std::string BackendName() override { return "simulated adapter"; }
  std::vector<AdapterFacts> InspectAdapters() override;

  size_t OpenHandles() const { return m_handles.size(); }
  // The time-outs last set on the handle of this adapter (0, 0 when none).
  uint32_t GetReportTimeout() const { return m_getReportTimeout; }
  uint32_t SetReportTimeout() const { return m_setReportTimeout; }

 private:
  // Handles are numbers that are never reused, so a stale handle can never
  // reach an adapter opened later.
  struct Handle {
    uintptr_t id = 0;
    SimulatedAdapter* adapter = nullptr;
  };

  SimulatedAdapter* PluggedAt(uint32_t index, uint16_t vid, uint16_t pid);
  Handle* Find(HID_DEVICE device);
  // The adapter of an open handle whose adapter is still plugged in.
  SimulatedAdapter* Live(HID_DEVICE device);
  void Emit(DeviceChangeEvent::Kind kind, const std::string& path);
  void AfterWrite(SimulatedAdapter& adapter);

  Scheduler& m_scheduler;
  std::vector<std::unique_ptr<SimulatedAdapter>> m_adapters;
  std::vector<Handle> m_handles;
  uintptr_t m_nextHandle = 1;
  DeviceChangeHandler m_onDeviceChange;
  uint32_t m_getReportTimeout = 0;
  uint32_t m_setReportTimeout = 0;
  // Events posted to the scheduler check this before touching the library.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace vuriru
