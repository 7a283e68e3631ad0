// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A connect that failed because the adapter is there but refused (this user
// may not open its node, or its reports are too short) ends with the words
// that say what is wrong and how to mend it, instead of a bare "could not be
// opened". Every command that connects goes through ConnectExplained.

#include "cli/device_session.h"
#include "cli/exit_code.h"
#include "link/adapter_probe.h"

namespace vuriru {

// The failure for a refused adapter: exit code 1 and LinkRefusalMessage.
CommandResult RefusalResult(const AdapterProbe& probe);

// DeviceSession::Connect; when it fails and the adapter it looked for is
// refused, the refusal's message replaces the session's.
CommandResult ConnectExplained(DeviceSession& session, const CliOptions& options);

// Prepare, ConnectExplained, then `wait` (WaitForIdentity, WaitForRead):
// the first failure ends it.
CommandResult StartSession(DeviceSession& session, const CliOptions& options, CommandResult (DeviceSession::*wait)());

}  // namespace vuriru
