// SPDX-License-Identifier: GPL-3.0-or-later
// list: the attached link adapters, each with whether it could be opened. An
// adapter this user may not open is a failure, told with its fix.

#include <nlohmann/json.hpp>

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "link/adapter_probe.h"

namespace vuriru {

namespace {

const char* RefusalName(LinkRefusal refusal) {
  switch (refusal) {
    case LinkRefusal::kAccessDenied:
      return "access-denied";
    case LinkRefusal::kReportsTooShort:
      return "reports-too-short";
    case LinkRefusal::kNone:
      break;
  }
  return "other";
}

}  // namespace

CommandResult RunListCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  CommandResult prepared = session.Prepare();
  if (!prepared.ok()) return prepared;
  const std::vector<AdapterProbe> adapters = ProbeAdapters(session.Backend());
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const AdapterProbe& adapter : adapters) {
      nlohmann::ordered_json entry = {{"path", adapter.path}, {"opens", adapter.opens}};
      if (!adapter.opens) entry["refused"] = RefusalName(adapter.refusal);
      list.push_back(std::move(entry));
    }
    io.out << list.dump(2) << "\n";
  } else {
    if (adapters.empty()) io.out << "No link adapter found.\n";
    for (const AdapterProbe& adapter : adapters) io.out << adapter.path << "  " << ProbeText(adapter) << "\n";
  }
  for (const AdapterProbe& adapter : adapters) {
    if (adapter.refusal != LinkRefusal::kNone) return RefusalResult(adapter);
  }
  return CommandResult::Ok();
}

}  // namespace vuriru
