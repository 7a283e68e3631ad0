// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_output.h"

namespace vuriru {

void PrintReport(const ControllerReport& report, bool json, std::ostream& out) {
  if (json) {
    out << ReportJson(report).dump(2) << "\n";
  } else {
    out << ReportText(report);
  }
}

ControllerReport SessionReport(DeviceSession& session, bool withSettings) {
  ControllerReport report;
  report.adapter = session.AdapterVersion();
  report.kind = session.ControllerKind();
  if (!session.SoftwareVersion().empty()) report.software = session.SoftwareVersion();
  if (!withSettings) return report;
  if (session.IsV1Controller()) {
    report.v1Settings = &session.V1Settings();
  } else if (session.IsFullController()) {
    report.settings = &session.Settings();
    report.boost = &session.Curves().boost.Stored();
    report.brake = &session.Curves().brake.Stored();
    report.throttle = &session.Curves().throttle.Stored();
  }
  return report;
}

}  // namespace vuriru
