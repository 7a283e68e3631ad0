// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The USB link: finds the link adapter by its device path, opens it and
// announces the host with the connect report, moves byte blocks to and from
// the controller in HID reports, and closes it. Plain C++ over the HidLibrary
// seam; the device-change handling lives beside it (link/link_hotplug.h).

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "common/scheduler.h"
#include "link/hid_device.h"
#include "link/link_refusal.h"
#include "link/link_state.h"

namespace vuriru {

inline constexpr uint32_t kPayloadPerReport = 59;
inline constexpr uint32_t kMinOutputReportLength = 61;
inline constexpr uint8_t kDataReportId = 2;
inline constexpr uint32_t kInputBuffersAtOpen = 512;
// One read request never asks for more reports than the adapter buffers.
inline constexpr uint32_t kMaxReportsPerRead = kInputBuffersAtOpen;
inline constexpr uint8_t kConnectReport[] = {0xFD, 'C', 'O', 'N', 'N'};

class UsbLink {
 public:
  // Called with every block that WriteFrame sends (outgoing) and every
  // non-empty block that ReadReports returns, and with the connect report.
  using TraceFn = std::function<void(bool outgoing, const uint8_t* bytes, uint32_t length)>;
  // Called with a remark about the traffic: the route the connect report took.
  using NoteFn = std::function<void(const std::string& note)>;

  UsbLink(HidLibrary& hid, LinkState& state, Scheduler& scheduler);
  ~UsbLink();

  std::string GetLastLinkDevicePath();
  bool FindLinkDevice(const std::string& path, uint32_t* index);

  // One connect attempt (the connect timer's tick). On success the connect and
  // port timers are killed, the engine timer runs at 100 ms and g_linkState is
  // 2; the engine, which makes the attempt, then starts at its state 1. A
  // handle still open from an earlier link is closed before the open
  // (g_linkState drops to 0 until this attempt succeeds), and a device that
  // was opened but then failed (report buffer below 5 bytes, connect report
  // refused) is closed again, so that the next attempt, which opens anew,
  // leaks no handle.
  // An adapter that is there but refused (no access to its node, reports too
  // short) is remembered with its node until an attempt opens an adapter or
  // finds none; the search goes on, so that the link opens by itself once
  // access is granted and the adapter plugged in again.
  bool ConnectLink();

  // Why the last connect attempt could not open the adapter it found, and
  // that adapter's node; kNone and empty when it opened or found none.
  LinkRefusal Refusal() const { return m_refusal; }
  const std::string& RefusedNode() const { return m_refusedNode; }
  // True once for each refusal: at the first attempt refused for this node
  // and reason since the link was last open or the adapter last missing.
  // The window then shows LinkRefusalMessage(Refusal(), RefusedNode()).
  bool TakeRefusalNotice();

  // How the last connect report travelled (HidDevice_GetControlReportRoute).
  ReportRoute ConnectReportRoute() const { return m_connectRoute; }

  // Sends the block as data reports of at most 59 payload bytes; true only if
  // every byte went out. An output report buffer below 61 bytes sends nothing.
  bool WriteFrame(const uint8_t* bytes, uint32_t length);
  // Reads up to length/59 input reports (at most 512) and appends their
  // payloads to `buffer`; `count` receives the payload bytes. Never writes more
  // than `length` bytes.
  bool ReadReports(uint8_t* buffer, uint32_t length, uint32_t* count);
  // Reads and discards whatever input reports are waiting.
  void DrainInput();
  uint32_t MaxReportRequest();

  bool IsOpen() const;
  // Closes the adapter, if open, and kills the engine timer. The destructor
  // does the same, so the library and the scheduler must outlive the link.
  void Close();
  // Closes the adapter, if open, and forgets its handle; timers untouched.
  void CloseDevice();

  const std::string& DevicePath() const { return m_devicePath; }
  void SetDevicePath(std::string path) { m_devicePath = std::move(path); }
  HID_DEVICE Handle() const { return m_handle; }
  HidLibrary& Library() { return m_hid; }

  void SetTrace(TraceFn trace) { m_trace = std::move(trace); }
  void SetTraceNote(NoteFn note) { m_note = std::move(note); }

 private:
  void Trace(bool outgoing, const uint8_t* bytes, uint32_t length);
  void NoteRefusal(LinkRefusal refusal);

  HidLibrary& m_hid;
  LinkState& m_state;
  Scheduler& m_scheduler;
  HID_DEVICE m_handle = nullptr;
  std::string m_devicePath;
  TraceFn m_trace;
  NoteFn m_note;
  LinkRefusal m_refusal = LinkRefusal::kNone;
  std::string m_refusedNode;
  bool m_refusalNoticed = false;
  ReportRoute m_connectRoute = ReportRoute::kUnknown;
};

// "a control transfer", "the interrupt OUT endpoint" or "an unknown route".
std::string ReportRouteText(ReportRoute route);

}  // namespace vuriru
