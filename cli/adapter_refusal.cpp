// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/adapter_refusal.h"

namespace vuriru {

CommandResult RefusalResult(const AdapterProbe& probe) {
  return CommandResult::Fail(ExitCode::kDeviceFailure, LinkRefusalMessage(probe.refusal, probe.path));
}

CommandResult ConnectExplained(DeviceSession& session, const CliOptions& options) {
  CommandResult connected = session.Connect();
  if (connected.ok()) return connected;
  // The session opens the adapter once; opening it again tells why it failed.
  const std::vector<AdapterProbe> probes = ProbeAdapters(session.Backend());
  const AdapterProbe* probe = ProbeForConnect(probes, options.devicePath);
  if (probe != nullptr && probe->refusal != LinkRefusal::kNone) return RefusalResult(*probe);
  return connected;
}

CommandResult StartSession(DeviceSession& session, const CliOptions& options, CommandResult (DeviceSession::*wait)()) {
  CommandResult result = session.Prepare();
  if (result.ok()) result = ConnectExplained(session, options);
  if (result.ok()) result = (session.*wait)();
  return result;
}

}  // namespace vuriru
