// SPDX-License-Identifier: GPL-3.0-or-later
// doctor: checks, one line each, what a working link needs, from the HID
// backend to the bitmap files, and says how to mend each failure. It works
// on the simulated adapter too, which is how it is tested.

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/doctor_checks.h"
#include "common/program_files.h"
#include "link/adapter_facts.h"
#include "link/link_refusal.h"
#include "link/usb_link.h"

namespace vuriru {

namespace {

std::string Ms(uint64_t ms) {
  return std::to_string(ms) + " ms";
}

const AdapterProbe* ProbeAt(const std::vector<AdapterProbe>& probes, const std::string& path) {
  for (const AdapterProbe& probe : probes) {
    if (probe.path == path) return &probe;
  }
  return nullptr;
}

// Connects to the adapter a command would use, then times the connect
// report's answer and the controller's probe.
void CheckLink(DoctorReport& report, DeviceSession& session, const CliOptions& options, const AdapterProbe& target) {
  if (!target.opens) {
    report.Fail("connect report", "not sent: the adapter does not open", "mend the failures above first");
    return;
  }
  const std::string route = "sent over " + ReportRouteText(target.controlRoute);
  const uint64_t start = session.Clock().NowMs();
  CommandResult connected = ConnectExplained(session, options);
  if (!connected.ok()) {
    report.Fail("connect report", "not sent: the adapter did not open", connected.message);
    return;
  }
  CommandResult answered =
      session.RunUntil([&session] { return session.State().g_adapterReady == 1; }, "the connect report's answer");
  const uint64_t answeredAt = session.Clock().NowMs();
  if (!answered.ok()) {
    std::string fix = "unplug the adapter, plug it in again and repeat";
    if (target.controlRoute == ReportRoute::kInterruptOut) {
      fix +=
          ";\nthe adapter's own library sends the connect report as a control transfer, but this system sent it "
          "over the adapter's interrupt OUT endpoint (see 'A real adapter' in the README)";
    }
    report.Fail("connect report", "no answer (" + route + "): " + answered.message, fix);
    return;
  }
  report.Ok("connect report", "answered in " + Ms(answeredAt - start) + " (" + route + ")");

  CommandResult identified = session.WaitForIdentity();
  const uint64_t identifiedAt = session.Clock().NowMs();
  if (!identified.ok()) {
    report.Fail("controller probe", "no controller identified", identified.message);
    return;
  }
  std::string detail = "answered: kind " + session.ControllerKind();
  if (!session.SoftwareVersion().empty()) detail += ", software " + session.SoftwareVersion();
  report.Ok("controller probe", detail + ", identified in " + Ms(identifiedAt - answeredAt));
}

}  // namespace

CommandResult RunDoctorCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  CommandResult prepared = session.Prepare();
  if (!prepared.ok()) return prepared;
  DoctorReport report;

  auto* inspector = dynamic_cast<AdapterInspector*>(&session.Backend());
  report.Ok("HID backend", inspector ? inspector->BackendName() : "loaded");
  CheckUdevRule(report, FindUdevRule(UdevRuleFolders()), options.Simulated());

  const std::vector<AdapterProbe> probes = ProbeAdapters(session.Backend());
  const std::vector<AdapterFacts> adapters = inspector ? inspector->InspectAdapters() : std::vector<AdapterFacts>{};
  if (probes.empty()) {
    report.Fail("adapter", "none with the link's USB id 10c4:8468 is attached",
                "plug in the adapter; 'lsusb -d 10c4:8468' shows whether the system sees it");
  }
  for (const AdapterFacts& facts : adapters) CheckAdapter(report, facts, ProbeAt(probes, facts.path));
  if (adapters.empty()) {
    // A backend that cannot describe its adapters: at least whether each opens.
    for (const AdapterProbe& probe : probes) {
      if (probe.opens) {
        report.Ok("adapter " + probe.path, "it opens");
      } else {
        report.Fail("adapter " + probe.path, ProbeText(probe), LinkRefusalMessage(probe.refusal, probe.path));
      }
    }
  }
  if (const AdapterProbe* target = ProbeForConnect(probes, options.devicePath)) {
    CheckLink(report, session, options, *target);
  } else if (!probes.empty()) {
    report.Fail("connect report", "no adapter at " + options.devicePath, "run 'vuriru-cli list' for the paths");
  }
  io.progress.Finish();

  CheckBitmapFiles(report, ExecutableFolder(options.programPath));
  PrintDoctorReport(report, options.json, io.out);
  if (report.AllHold()) return CommandResult::Ok();
  const size_t failures = report.Failures();
  return CommandResult::Fail(ExitCode::kDeviceFailure, std::to_string(failures) +
                                                           (failures == 1 ? " check fails" : " checks fail") +
                                                           "; each FAIL line says how to mend it");
}

}  // namespace vuriru
