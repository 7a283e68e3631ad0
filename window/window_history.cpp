// SPDX-License-Identifier: GPL-3.0-or-later
// The window's history in the settings library: a snapshot of what the
// controller held after every completed first read and every completed
// store, and before every write (Apply, Default, a firmware update, the V1
// panel's send), and the running log of a full controller as one run per
// completed first read. A library that cannot be used is told once and never
// holds up a read or a store.

#include "comms/engine/engine_state.h"
#include "window/window_controller.h"

namespace vuriru {

namespace {

// The library's refusal or its notice, then that the write goes ahead.
UserText WriteGoesAhead(const UserText& why) {
  UserText text(VURIRU_TEXT("Messages",
                            "%1\n\nWhat the controller held before this write could not be kept in the history; the "
                            "write goes ahead."));
  text.parts = {AsSentence(why)};
  return text;
}

}  // namespace

void WindowController::KeepHistoryIn(Library& library, const V1SettingsBlock& v1Settings) {
  m_library = &library;
  m_v1Settings = &v1Settings;
}

EscData WindowController::EditedData() const {
  return EscData{m_settings, m_curves.boost.Stored(), m_curves.brake.Stored(), m_curves.throttle.Stored()};
}

std::optional<EscData> WindowController::LastCompletedData() const {
  const std::optional<SettingsSnapshot>& last = m_engine.LastCompleted();
  if (!last) return std::nullopt;
  EscData data = EditedData();
  data.settings.current = last->current;
  data.boostCurve = last->boost;
  data.brakeCurve = last->brake;
  data.throttleCurve = last->throttle;
  return data;
}

void WindowController::OnV1Send() {
  KeepBeforeWrite(SnapshotReason::kBeforeV1Send);
  m_engine.PrepareUserStore(Transaction::kV1Store);
  m_engine.SendSettings();
}

void WindowController::OnFullReadForHistory() {
  // Taken after the pages showed the values: a page pulls an index beyond
  // its list back to its last option, and that is what the engine counts as
  // read too.
  m_memory.RememberRead(EditedData());
  Record(LastHeldRecord(), SnapshotReason::kRead);
  // Every connection is one run, kept even when it equals the one before. A
  // box has no running log of its own.
  if (m_library != nullptr && m_state.g_deviceType == device_type::kFull && !m_state.g_lcdMode) {
    RecordRunLog(*m_library, m_settings, m_engine.SoftwareVersionText());
    TellLibraryTroubleLater();
  }
}

void WindowController::OnV1ReplyForHistory() {
  if (m_v1Settings == nullptr) return;
  // The block holds the reply now; the panel's edits come later.
  m_memory.RememberV1(*m_v1Settings, V1ControllerKind(m_state.v1Variant == kV1BecShown, m_engine.ReplyLength()));
}

void WindowController::OnV1FirstReadForHistory() {
  Record(LastHeldRecord(), SnapshotReason::kRead);
}

void WindowController::OnStoreDoneForHistory(Transaction transaction) {
  if (transaction == Transaction::kV1Store) {
    // The controller holds what the panel sent.
    if (m_v1Settings != nullptr && m_memory.V1()) m_memory.RememberV1(*m_v1Settings, m_memory.V1()->kind);
    return;
  }
  if (const std::optional<SettingsSnapshot>& sent = m_engine.LastCompleted()) m_memory.RememberStored(*sent);
  if (transaction == Transaction::kApply) Record(LastHeldRecord(), SnapshotReason::kAfterApply);
  if (transaction == Transaction::kDefault) Record(LastHeldRecord(), SnapshotReason::kAfterDefault);
}

std::optional<ControllerRecord> WindowController::LastHeldRecord() const {
  const std::string& software = m_engine.SoftwareVersionText();
  const std::string& adapter = m_engine.ConnectVersionText();
  if (m_state.g_deviceType == device_type::kV1 && m_memory.V1()) {
    return V1ControllerRecord(m_memory.V1()->block, m_memory.V1()->kind, software, adapter);
  }
  if (m_state.g_deviceType == device_type::kFull && !m_state.g_lcdMode && m_memory.Full()) {
    return FullControllerRecord(*m_memory.Full(), software, adapter);
  }
  return std::nullopt;
}

void WindowController::Record(const std::optional<ControllerRecord>& record, SnapshotReason reason) {
  if (m_library == nullptr || !record) return;
  m_library->RecordSnapshot(*record, reason);
  TellLibraryTroubleLater();
}

void WindowController::TellLibraryTroubleLater() {
  if (m_library->Problem() == LibraryProblem::kNone) return;
  // The engine's event is still being handled: the message box comes once
  // it has been.
  m_scheduler.RunAfter(0, [alive = std::weak_ptr<bool>(m_alive), this] {
    if (alive.lock()) TellLibraryNotice(false);
  });
}

void WindowController::KeepBeforeWrite(SnapshotReason reason) {
  if (m_library == nullptr || m_library->Path().empty()) return;
  const std::optional<ControllerRecord> record = LastHeldRecord();
  if (!record) return;
  const LibraryResult kept = m_library->RecordSnapshot(*record, reason);
  if (kept.ok) return;
  if (kept.refusal == LibraryRefusal::kLibrary) {
    // Said once: after the library's message the user knows that this
    // session keeps no history.
    TellLibraryNotice(true);
    return;
  }
  m_dialogs.Tell(WriteGoesAhead(kept.text), kLibraryCaption, MessageIcon::kExclamation);
}

void WindowController::TellLibraryNotice(bool beforeWrite) {
  if (m_library == nullptr) return;
  if (!m_library->TakeNotice()) return;
  const UserText& notice = m_library->ProblemNotice();
  m_dialogs.Tell(beforeWrite ? WriteGoesAhead(notice) : notice, kLibraryCaption, MessageIcon::kExclamation);
}

}  // namespace vuriru
