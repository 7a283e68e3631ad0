// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks of `vuriru-cli doctor` that need no running link: the udev rule,
// each attached adapter as the backend describes it, and the bitmap files.
// Each adds its lines to the report; the command (command_doctor.cpp) adds
// the backend, the connect report and the controller's probe.

#include <filesystem>

#include "cli/doctor_report.h"
#include "link/adapter_facts.h"
#include "link/adapter_probe.h"

namespace vuriru {

// `installedRule` is where the rule was found, empty when nowhere. With a
// simulated adapter the rule is not needed, and its absence is no failure.
void CheckUdevRule(DoctorReport& report, const std::filesystem::path& installedRule, bool simulated);

// The adapter's ids and strings, its node's rights and whether it opens
// (`probe`, null when it was not probed), its report sizes and ids from the
// report descriptor, and whether its interface has an interrupt OUT endpoint.
void CheckAdapter(DoctorReport& report, const AdapterFacts& facts, const AdapterProbe* probe);

// The report sizes line alone, from a descriptor (unset: unreadable).
void CheckReportSizes(DoctorReport& report, const std::string& path,
                      const std::optional<std::vector<uint8_t>>& descriptor);

// Every bitmap file the window loads, looked up as the window looks for it
// from an executable in `exeFolder`.
void CheckBitmapFiles(DoctorReport& report, const std::filesystem::path& exeFolder);

}  // namespace vuriru
