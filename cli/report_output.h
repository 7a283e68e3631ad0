// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a report as text or JSON, and the report of what a session read.

#include <ostream>

#include "cli/controller_report.h"
#include "cli/device_session.h"

namespace vuriru {

void PrintReport(const ControllerReport& report, bool json, std::ostream& out);

// The adapter, the controller's kind and software version, and, when
// `withSettings`, what was read: a full controller's settings, running log
// and curves, or a V1 controller's settings.
ControllerReport SessionReport(DeviceSession& session, bool withSettings);

}  // namespace vuriru
