// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which link adapters are attached and whether this user can open each: every
// adapter is opened once and closed again. For `vuriru-cli list`, for the
// reason behind a failed connect, and for `doctor`.

#include <string>
#include <vector>

#include "link/hid_device.h"
#include "link/link_refusal.h"

namespace vuriru {

struct AdapterProbe {
  std::string path;
  bool opens = false;
  HidResult openResult = HID_DEVICE_SUCCESS;
  LinkRefusal refusal = LinkRefusal::kNone;
  // How the connect report would travel to it; kUnknown when it did not open.
  ReportRoute controlRoute = ReportRoute::kUnknown;
};

// In the order of the seam's device indices; adapters whose path cannot be
// read are left out, as the link's own search leaves them out.
std::vector<AdapterProbe> ProbeAdapters(HidLibrary& hid);

// The probe of the adapter a connect picks: the one at `path`, or with an
// empty path the last one, as the link's search picks it. Null when none.
const AdapterProbe* ProbeForConnect(const std::vector<AdapterProbe>& probes, const std::string& path);

// "can be opened", "cannot be opened: permission denied", ...
std::string ProbeText(const AdapterProbe& probe);

}  // namespace vuriru
