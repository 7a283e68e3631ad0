// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/session_history.h"

#include "cli/adapter_refusal.h"
#include "cli/page_actions.h"

namespace vuriru {

std::optional<ControllerRecord> SessionRecord(DeviceSession& session) {
  if (session.IsFullController()) {
    return FullControllerRecord(CurrentEscData(session.Settings(), session.Curves()), session.SoftwareVersion(),
                                session.AdapterVersion());
  }
  if (session.IsV1Controller()) {
    return V1ControllerRecord(session.V1Settings(), session.ControllerKind(), session.SoftwareVersion(),
                              session.AdapterVersion());
  }
  return std::nullopt;
}

CommandResult ReadAndRecord(DeviceSession& session, const CliOptions& options, CliLibrary& library) {
  CommandResult result = StartSession(session, options, &DeviceSession::WaitForRead);
  if (!result.ok()) return result;
  RecordFirstRead(library, session);
  return CommandResult::Ok();
}

void RecordFirstRead(CliLibrary& library, DeviceSession& session) {
  RecordSnapshot(library, SessionRecord(session), SnapshotReason::kRead);
  if (!session.IsFullController()) return;
  RecordRunLog(library.Get(), session.Settings(), session.SoftwareVersion());
  library.WarnOfTrouble();
}

void RecordSnapshot(CliLibrary& library, const std::optional<ControllerRecord>& record, SnapshotReason reason) {
  if (!record) return;
  library.Get().RecordSnapshot(*record, reason);
  library.WarnOfTrouble();
}

void KeepBeforeWrite(CliLibrary& library, const std::optional<ControllerRecord>& lastRead, SnapshotReason reason) {
  if (!lastRead) return;
  Library& kept = library.Get();
  if (kept.Path().empty()) return;
  const LibraryResult result = kept.RecordSnapshot(*lastRead, reason);
  library.WarnOfTrouble();
  if (!result.ok) {
    library.Warn("what the controller held before this write could not be kept in the history; the write goes ahead");
  }
}

}  // namespace vuriru
