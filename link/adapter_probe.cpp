// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/adapter_probe.h"

#include <algorithm>
#include <cctype>

#include "link/usb_link.h"

namespace vuriru {

namespace {

// Device paths compare without regard to case, as the link's search does.
bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::vector<AdapterProbe> ProbeAdapters(HidLibrary& hid) {
  std::vector<AdapterProbe> probes;
  const uint32_t count = hid.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId);
  for (uint32_t index = 0; index < count; ++index) {
    char path[kHidPathBufferLength] = {};
    if (hid.HidDevice_GetHidString(index, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path, sizeof path) !=
        HID_DEVICE_SUCCESS) {
      continue;
    }
    path[sizeof path - 1] = '\0';
    AdapterProbe probe;
    probe.path = path;
    HID_DEVICE device = nullptr;
    probe.openResult = hid.HidDevice_Open(&device, index, kLinkVendorId, kLinkProductId, kInputBuffersAtOpen);
    if (device != nullptr) {
      probe.opens = probe.openResult == HID_DEVICE_SUCCESS && hid.HidDevice_IsOpened(device);
      if (probe.opens) probe.controlRoute = hid.HidDevice_GetControlReportRoute(device);
      hid.HidDevice_Close(device);
    }
    if (!probe.opens) probe.refusal = RefusalFromOpenResult(probe.openResult);
    probes.push_back(std::move(probe));
  }
  return probes;
}

const AdapterProbe* ProbeForConnect(const std::vector<AdapterProbe>& probes, const std::string& path) {
  if (probes.empty()) return nullptr;
  if (path.empty()) return &probes.back();
  for (const AdapterProbe& probe : probes) {
    if (SamePath(probe.path, path)) return &probe;
  }
  return nullptr;
}

std::string ProbeText(const AdapterProbe& probe) {
  if (probe.opens) return "can be opened";
  switch (probe.refusal) {
    case LinkRefusal::kAccessDenied:
      return "cannot be opened: permission denied";
    case LinkRefusal::kReportsTooShort:
      return "cannot be opened: its reports are too short for the link";
    case LinkRefusal::kNone:
      break;
  }
  return "cannot be opened (is another program using it?)";
}

}  // namespace vuriru
