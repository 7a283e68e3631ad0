// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history_browser.h"

#include <ctime>

#include "files/settings_keys.h"
#include "files/settings_review.h"
#include "v1/v1_settings_table.h"
#include "window/window_controller.h"

namespace vuriru {

namespace {

std::string LocalTime(int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm parts{};
  if (localtime_r(&seconds, &parts) == nullptr) return "?";
  char text[32];
  if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts) == 0) return "?";
  return text;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The library words its refusals for the command line, as parts of a
// sentence; a message box shows them as sentences.
std::string Sentence(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') text.front() = static_cast<char>(text.front() - 32);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

std::string V1Values(const V1SettingsBlock& block, const std::string& kind) {
  std::string text;
  for (const V1SettingRow<V1Setting>& row : V1SettingsTable()) {
    if (row.setting == V1Setting::Bec && !block.IsBecShown()) continue;
    const int32_t index = block[row.setting];
    text += "\n" + row.caption + ": " +
            (IsOptionIndex(row, index) ? row.options[static_cast<size_t>(index)]
                                       : "index " + std::to_string(index) + ", outside its list");
  }
  return "A " + kind +
         " controller's settings, kept to be looked at: the pages, the files and the setups hold a full " +
         "controller's settings.\n" + text;
}

}  // namespace

HistoryBrowser::HistoryBrowser(Library& library, WindowController& window, UserDialogs& dialogs)
    : m_library(library), m_window(window), m_dialogs(dialogs) {}

std::vector<HistoryEntry> HistoryBrowser::Entries() {
  std::vector<HistoryEntry> entries;
  for (const SetupInfo& setup : m_library.ListSetups()) {
    HistoryEntry entry;
    entry.kind = HistoryEntry::Kind::kSetup;
    entry.id = setup.id;
    entry.name = setup.name;
    entry.when = LocalTime(setup.changedAtMs);
    entry.reasonOrName = setup.name;
    entry.kindText = "setup";
    entry.software = setup.software;
    entry.note = setup.note;
    entries.push_back(std::move(entry));
  }
  for (const SnapshotInfo& snapshot : m_library.ListSnapshots()) {
    HistoryEntry entry;
    entry.id = snapshot.id;
    entry.when = LocalTime(snapshot.takenAtMs);
    entry.reasonOrName = ReasonText(snapshot.reason);
    entry.full = !IsV1Kind(snapshot.kind);
    entry.kindText = entry.full ? "snapshot" : "V1 snapshot (" + snapshot.kind + ")";
    entry.software = snapshot.software;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<HistoryBrowser::EntryValues> HistoryBrowser::ValuesOf(const HistoryEntry& entry, std::string* why) {
  if (entry.kind == HistoryEntry::Kind::kSetup) {
    std::optional<NamedSetup> setup = m_library.GetSetup(entry.name, why);
    if (!setup) return std::nullopt;
    return EntryValues{std::move(setup->data), setup->info.software};
  }
  std::optional<Snapshot> snapshot = m_library.GetSnapshot(entry.id, why);
  if (!snapshot) return std::nullopt;
  if (!snapshot->record.full) {
    if (why != nullptr) *why = "a V1 controller's snapshot is only looked at";
    return std::nullopt;
  }
  return EntryValues{std::move(*snapshot->record.full), snapshot->info.software};
}

std::string HistoryBrowser::Details(const HistoryEntry& entry) {
  std::string why;
  std::string head;
  if (entry.kind == HistoryEntry::Kind::kSetup) {
    head = "Setup " + Quoted(entry.name) + ", saved " + entry.when;
    if (!entry.software.empty()) head += " from software " + entry.software;
    if (!entry.note.empty()) head += "\nNote: " + entry.note;
  } else {
    std::optional<Snapshot> snapshot = m_library.GetSnapshot(entry.id, &why);
    if (!snapshot) return Sentence(why);
    const SnapshotInfo& info = snapshot->info;
    head = "Snapshot " + std::to_string(info.id) + ", " + ReasonText(info.reason) + ", " + entry.when;
    if (info.count > 1) {
      head += " (kept " + std::to_string(info.count) + " times, last " + LocalTime(info.lastSeenAtMs) + ")";
    }
    head += "\nController: " + info.kind + ", software " + (info.software.empty() ? "unknown" : info.software);
    if (!info.adapter.empty()) head += ", adapter " + info.adapter;
    if (!info.program.empty()) head += "\nKept by " + info.program;
    if (snapshot->record.v1) return head + "\n\n" + V1Values(*snapshot->record.v1, info.kind);
  }
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) return head + "\n\n" + Sentence(why);
  const EscData edited = m_window.EditedData();
  const ChangeList changes = CompareEscData(edited, WithFileValues(edited, values->data), ReviewScope::kFile);
  return head + "\n\n" + ReviewText("Loading it would change the edited values:", changes);
}

bool HistoryBrowser::Load(const HistoryEntry& entry) {
  if (const std::string refused = m_window.WhyPagesCannotTakeValues(); !refused.empty()) {
    m_dialogs.Tell(refused, kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  std::string why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(Sentence(why), kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  // As an import: the settings a file carries, the running log and the
  // curves; the page-only settings stay as they are.
  m_window.TakeValues(WithFileValues(m_window.EditedData(), values->data));
  return true;
}

bool HistoryBrowser::Export(const HistoryEntry& entry) {
  std::string why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(Sentence(why), kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  const std::string chosen = m_dialogs.ChooseSaveFile(kSettingsFileFilter);
  if (chosen.empty()) return false;
  return m_window.SaveValuesAs(chosen, WithFileValues(m_window.EditedData(), values->data), values->software);
}

bool HistoryBrowser::SaveAsSetup(const HistoryEntry& entry, const std::string& name, const std::string& note) {
  std::string why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(Sentence(why), kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  return SaveSetup(name, note, values->data, values->software);
}

bool HistoryBrowser::SaveEditsAsSetup(const std::string& name, const std::string& note) {
  return SaveSetup(name, note, m_window.EditedData(), m_window.SoftwareVersion());
}

bool HistoryBrowser::SaveSetup(const std::string& name, const std::string& note, const EscData& data,
                               const std::string& software) {
  LibraryResult saved = m_library.SaveSetup(name, note, data, software);
  if (saved.refusal == LibraryRefusal::kNameTaken) {
    const std::string question = "A setup named " + Quoted(name) + " exists already. Replace it?";
    if (m_dialogs.Ask(question, kHistoryCaption, QuestionButtons::kYesNoDefaultNo) != Answer::kYes) return false;
    saved = m_library.SaveSetup(name, note, data, software, true);
  }
  if (!saved.ok) TellRefusal(saved);
  return saved.ok;
}

bool HistoryBrowser::Rename(const HistoryEntry& entry, const std::string& newName) {
  if (entry.kind != HistoryEntry::Kind::kSetup) return false;
  const LibraryResult renamed = m_library.RenameSetup(entry.name, newName);
  if (!renamed.ok) TellRefusal(renamed);
  return renamed.ok;
}

bool HistoryBrowser::Delete(const HistoryEntry& entry) {
  if (entry.kind != HistoryEntry::Kind::kSetup) return false;
  const std::string question = "Delete the setup " + Quoted(entry.name) + "? It cannot be brought back.";
  if (m_dialogs.Ask(question, kHistoryCaption, QuestionButtons::kYesNoDefaultNo) != Answer::kYes) return false;
  const LibraryResult deleted = m_library.DeleteSetup(entry.name);
  if (!deleted.ok) TellRefusal(deleted);
  return deleted.ok;
}

void HistoryBrowser::TellRefusal(const LibraryResult& result) {
  if (result.refusal == LibraryRefusal::kLibrary) {
    // The library's own message, which then is not told a second time.
    const std::optional<std::string> notice = m_library.TakeNotice();
    m_dialogs.Tell(notice ? *notice : Sentence(result.message), kLibraryCaption, MessageIcon::kExclamation);
    return;
  }
  m_dialogs.Tell(Sentence(result.message), kHistoryCaption, MessageIcon::kExclamation);
}

}  // namespace vuriru
