// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/usb_link.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vuriru {

namespace {

bool EqualIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == '\0') return false;
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (std::tolower(ca) != std::tolower(cb)) return false;
  }
  return b[i] == '\0';
}

}  // namespace

UsbLink::UsbLink(HidLibrary& hid, LinkState& state, Scheduler& scheduler)
    : m_hid(hid), m_state(state), m_scheduler(scheduler) {}

UsbLink::~UsbLink() {
  Close();
}

std::string UsbLink::GetLastLinkDevicePath() {
  std::string last;
  const uint32_t devices = m_hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId);
  for (uint32_t index = 0; index < devices; ++index) {
    char path[kHidPathBufferLength] = {};
    if (m_hid.HidDevice_GetHidString(index, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path, sizeof path) ==
        HID_DEVICE_SUCCESS) {
      path[sizeof path - 1] = '\0';  // a library that fills the whole buffer must not make us read past it
      last = path;
    }
  }
  return last;
}

bool UsbLink::FindLinkDevice(const std::string& path, uint32_t* index) {
  // An empty path names no adapter, even if some device reports an empty string.
  if (path.empty()) return false;
  const uint32_t devices = m_hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId);
  for (uint32_t i = 0; i < devices; ++i) {
    char found[kHidPathBufferLength] = {};
    if (m_hid.HidDevice_GetHidString(i, kLinkVendorId, kLinkProductId, HID_PATH_STRING, found, sizeof found) !=
        HID_DEVICE_SUCCESS) {
      continue;
    }
    found[sizeof found - 1] = '\0';
    if (EqualIgnoringCase(path, found)) {
      if (index) *index = i;
      return true;
    }
  }
  return false;
}

std::string ReportRouteText(ReportRoute route) {
  switch (route) {
    case ReportRoute::kControlTransfer:
      return "a control transfer";
    case ReportRoute::kInterruptOut:
      return "the interrupt OUT endpoint";
    case ReportRoute::kUnknown:
      break;
  }
  return "an unknown route";
}

bool UsbLink::ConnectLink() {
  uint32_t index = 0;
  if (!FindLinkDevice(m_devicePath, &index)) {
    NoteRefusal(LinkRefusal::kNone);
    return false;
  }

  // At most one adapter is open: a handle left from an earlier link (a port
  // removal, or any device arrival, restarts the search without closing) is
  // released first. From here on no link is open, whatever this attempt
  // brings, so the shared state must not go on announcing one.
  if (IsOpen()) {
    CloseDevice();
    m_state.g_linkState = link_state::kNoLink;
  }

  const HidResult opened = m_hid.HidDevice_Open(&m_handle, index, kLinkVendorId, kLinkProductId, kInputBuffersAtOpen);
  if (m_handle == nullptr || !m_hid.HidDevice_IsOpened(m_handle)) {
    CloseDevice();
    NoteRefusal(RefusalFromOpenResult(opened));
    return false;
  }
  NoteRefusal(LinkRefusal::kNone);

  // Every failure after the open closes the device again, so that the next
  // attempt (which opens anew) leaks no handle.
  const uint16_t reportLength = m_hid.HidDevice_GetOutputReportBufferLength(m_handle);
  if (reportLength < sizeof kConnectReport) {
    CloseDevice();
    return false;
  }
  std::vector<uint8_t> report(reportLength, 0);
  std::copy(std::begin(kConnectReport), std::end(kConnectReport), report.begin());
  Trace(true, kConnectReport, sizeof kConnectReport);
  m_connectRoute = m_hid.HidDevice_GetControlReportRoute(m_handle);
  if (m_note) m_note("connect report over " + ReportRouteText(m_connectRoute));
  if (m_hid.HidDevice_SetOutputReport_Control(m_handle, report.data(), reportLength) != HID_DEVICE_SUCCESS) {
    CloseDevice();
    return false;
  }

  m_hid.HidDevice_SetTimeouts(m_handle, 0, 1000);
  m_scheduler.KillTimer(timer_id::kPort);
  m_scheduler.KillTimer(timer_id::kConnect);
  m_scheduler.StartTimer(timer_id::kEngine, 100);
  m_state.g_linkState = link_state::kOpen;
  return true;
}

bool UsbLink::WriteFrame(const uint8_t* bytes, uint32_t length) {
  if (!IsOpen()) return false;
  const uint16_t reportLength = m_hid.HidDevice_GetOutputReportBufferLength(m_handle);
  if (reportLength < kMinOutputReportLength) return false;
  if (length > 0 && bytes == nullptr) return false;

  std::vector<uint8_t> report(reportLength, 0);
  uint32_t sent = 0;
  while (sent < length) {
    const uint32_t n = std::min(length - sent, kPayloadPerReport);
    report[0] = kDataReportId;
    report[1] = static_cast<uint8_t>(n);
    std::copy(bytes + sent, bytes + sent + n, report.begin() + 2);
    // The tail carries no meaning; zeroing it keeps every report the same for
    // the same block instead of repeating bytes of the previous report.
    std::fill(report.begin() + 2 + n, report.end(), 0);
    if (m_hid.HidDevice_SetOutputReport_Interrupt(m_handle, report.data(), reportLength) != HID_DEVICE_SUCCESS) {
      break;
    }
    sent += n;
  }
  if (sent > 0) Trace(true, bytes, sent);
  return sent == length;
}

bool UsbLink::ReadReports(uint8_t* buffer, uint32_t length, uint32_t* count) {
  uint32_t received = 0;
  if (count) *count = 0;
  if (!IsOpen() || buffer == nullptr) return false;
  const uint32_t reportLength = m_hid.HidDevice_GetOutputReportBufferLength(m_handle);
  if (reportLength < kMinOutputReportLength || length < kPayloadPerReport) return false;

  const uint32_t reports = std::min(length / kPayloadPerReport, kMaxReportsPerRead);
  const uint32_t requestBytes = reports * reportLength;
  std::vector<uint8_t> raw(requestBytes, 0);
  uint32_t bytesReturned = 0;
  const HidResult result =
      m_hid.HidDevice_GetInputReport_Interrupt(m_handle, raw.data(), requestBytes, reports, &bytesReturned);
  if (result != HID_DEVICE_SUCCESS && result != HID_DEVICE_TRANSFER_TIMEOUT) return false;

  // The input reports lie at the stride of the output report buffer length:
  // byte 1 of each is its payload length. A length above 59, a byte count
  // beyond the request, or a report cut short by the byte count is clipped,
  // so the copy never runs past the received bytes nor the caller's buffer.
  const uint32_t available = std::min(bytesReturned, requestBytes);
  for (uint32_t offset = 0; offset + 2 <= available; offset += reportLength) {
    uint32_t payload = std::min<uint32_t>(raw[offset + 1], kPayloadPerReport);
    payload = std::min(payload, available - offset - 2);
    payload = std::min(payload, length - received);
    std::copy_n(raw.begin() + offset + 2, payload, buffer + received);
    received += payload;
  }
  if (count) *count = received;
  if (received > 0) Trace(false, buffer, received);
  return true;
}

void UsbLink::DrainInput() {
  if (!IsOpen()) return;
  const uint32_t reports = std::min(MaxReportRequest(), kMaxReportsPerRead);
  if (reports == 0) return;
  std::vector<uint8_t> discard(reports * kPayloadPerReport);
  uint32_t count = 0;
  ReadReports(discard.data(), static_cast<uint32_t>(discard.size()), &count);
}

uint32_t UsbLink::MaxReportRequest() {
  return IsOpen() ? m_hid.HidDevice_GetMaxReportRequest(m_handle) : 0;
}

bool UsbLink::IsOpen() const {
  return m_handle != nullptr;
}

void UsbLink::Close() {
  if (!IsOpen()) return;
  m_scheduler.KillTimer(timer_id::kEngine);
  CloseDevice();
}

void UsbLink::CloseDevice() {
  if (m_handle == nullptr) return;
  m_hid.HidDevice_Close(m_handle);
  m_handle = nullptr;
}

void UsbLink::NoteRefusal(LinkRefusal refusal) {
  const std::string node = refusal == LinkRefusal::kNone ? std::string() : m_devicePath;
  if (refusal != m_refusal || node != m_refusedNode) m_refusalNoticed = false;
  m_refusal = refusal;
  m_refusedNode = node;
}

bool UsbLink::TakeRefusalNotice() {
  if (m_refusal == LinkRefusal::kNone || m_refusalNoticed) return false;
  m_refusalNoticed = true;
  return true;
}

void UsbLink::Trace(bool outgoing, const uint8_t* bytes, uint32_t length) {
  if (m_trace) m_trace(outgoing, bytes, length);
}

}  // namespace vuriru
