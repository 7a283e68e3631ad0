// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Snapshots of what the controller behind a session holds, kept in the
// library as the window keeps them: after every completed first read, before
// every write, and after a store (the read-back).

#include "cli/cli_library.h"
#include "cli/device_session.h"
#include "cli/exit_code.h"
#include "library/snapshot.h"

namespace vuriru {

// What the session's controller holds now: a full controller's settings,
// running log and stored curves, or a V1 controller's block; nothing for the
// display box or no controller.
std::optional<ControllerRecord> SessionRecord(DeviceSession& session);

// Connects, reads the controller and keeps what the first read found
// (RecordFirstRead).
CommandResult ReadAndRecord(DeviceSession& session, const CliOptions& options, CliLibrary& library);

// After the first read of a session: keeps a "read" snapshot of the
// controller and, for a full controller, its running log as one run.
void RecordFirstRead(CliLibrary& library, DeviceSession& session);

// Keeps a snapshot of `record`; trouble with the library is a warning.
void RecordSnapshot(CliLibrary& library, const std::optional<ControllerRecord>& record, SnapshotReason reason);

// Before a write: keeps what the controller held when it was last read, or
// tells the user that it could not be kept. The write goes ahead either way.
void KeepBeforeWrite(CliLibrary& library, const std::optional<ControllerRecord>& lastRead, SnapshotReason reason);

}  // namespace vuriru
