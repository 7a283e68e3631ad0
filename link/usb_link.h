#pragma once
// The USB link: finds the link adapter by its device path, opens it and
// announces the host with the connect report, moves byte blocks to and from
// the controller in HID reports, and closes it. Plain C++ over the HidLibrary
// seam; the device-change handling lives beside it (link/device_change.h).

#include <cstdint>
#include <functional>
#include <string>

#include "common/scheduler.h"
#include "common/shared_state.h"
#include "link/hid_device.h"

namespace vuriru {

inline constexpr uint32_t kPayloadPerReport = 59;
inline constexpr uint32_t kMinOutputReportLength = 61;
inline constexpr uint8_t kDataReportId = 2;
inline constexpr uint32_t kInputBuffersAtOpen = 512;

class UsbLink {
 public:
  // Called with every block that WriteFrame sends (outgoing) and every
  // non-empty block that ReadReports returns, and with the connect report.
  using TraceFn = std::function<void(bool outgoing, const uint8_t* bytes, uint32_t length)>;

  UsbLink(HidLibrary& hid, SharedState& state, Scheduler& scheduler);
  ~UsbLink();

  std::string GetLastLinkDevicePath();
  bool FindLinkDevice(const std::string& path, uint32_t* index);

  // One connect attempt (the connect timer's tick). On success the connect and
  // port timers are killed, the engine timer runs at 100 ms, g_linkState is 2
  // and the engine state 1.
  bool ConnectLink();

  bool WriteFrame(const uint8_t* bytes, uint32_t length);
  bool ReadReports(uint8_t* buffer, uint32_t length, uint32_t* count);
  void DrainInput();
  uint32_t MaxReportRequest();

  bool IsOpen() const;
  // Closes the adapter, if open, and kills the engine timer.
  void Close();

  const std::string& DevicePath() const { return m_devicePath; }
  void SetDevicePath(std::string path) { m_devicePath = std::move(path); }
  HID_DEVICE Handle() const { return m_handle; }
  HidLibrary& Library() { return m_hid; }

  void SetTrace(TraceFn trace) { m_trace = std::move(trace); }

 private:
  HidLibrary& m_hid;
  SharedState& m_state;
  Scheduler& m_scheduler;
  HID_DEVICE m_handle = nullptr;
  std::string m_devicePath;
  TraceFn m_trace;
};

}  // namespace vuriru
