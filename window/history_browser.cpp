// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history_browser.h"

#include <ctime>

#include "files/settings_keys.h"
#include "files/settings_review.h"
#include "v1/v1_settings_table.h"
#include "window/window_controller.h"

namespace vuriru {

namespace {

// The list's words for the reasons, which the library keeps in English;
// the window shows them in its language.
[[maybe_unused]] const char* const kListTexts[] = {
    VURIRU_TEXT("Messages", "read"),           VURIRU_TEXT("Messages", "before apply"),
    VURIRU_TEXT("Messages", "after apply"),    VURIRU_TEXT("Messages", "before default"),
    VURIRU_TEXT("Messages", "after default"),  VURIRU_TEXT("Messages", "before firmware update"),
    VURIRU_TEXT("Messages", "before V1 send"),
};

std::string LocalTime(int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm parts{};
  if (localtime_r(&seconds, &parts) == nullptr) return "?";
  char text[32];
  if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts) == 0) return "?";
  return text;
}

DetailLine Line(UserText text, std::vector<size_t> messageArgs = {}, std::vector<size_t> settingArgs = {}) {
  return {std::move(text), std::move(messageArgs), std::move(settingArgs)};
}

// A refusal of the library's, which it words as a part of a line.
DetailLine Refusal(UserText text) {
  return Line(AsSentence(std::move(text)));
}

void AddV1Values(const V1SettingsBlock& block, const std::string& kind, std::vector<DetailLine>& lines) {
  lines.push_back(Line(UserText(VURIRU_TEXT("Messages",
                                            "A %1 controller's settings, kept to be looked at: the pages, the files "
                                            "and the setups hold a full controller's settings."),
                                {kind})));
  lines.push_back(Line({}));
  for (const V1SettingRow<V1Setting>& row : V1SettingsTable()) {
    if (row.setting == V1Setting::Bec && !block.IsBecShown()) continue;
    const int32_t index = block[row.setting];
    if (IsOptionIndex(row, index)) {
      lines.push_back(Line(UserText("%1: %2", {row.caption, row.options[static_cast<size_t>(index)]}), {}, {0, 1}));
    } else {
      lines.push_back(Line(
          UserText(VURIRU_TEXT("Messages", "%1: index %2, outside its list"), {row.caption, std::to_string(index)}), {},
          {0}));
    }
  }
}

}  // namespace

std::string EnglishText(const EntryDetails& details) {
  std::string text;
  for (size_t i = 0; i < details.lines.size(); ++i) {
    if (i > 0) text += "\n";
    text += EnglishText(details.lines[i].text);
  }
  if (details.review) text += "\n\n" + EnglishText(*details.review);
  return text;
}

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
    entry.kindText = VURIRU_TEXT("Messages", "setup");
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
    entry.kindText = entry.full ? UserText(VURIRU_TEXT("Messages", "snapshot"))
                                : UserText(VURIRU_TEXT("Messages", "V1 snapshot (%1)"), {snapshot.kind});
    entry.software = snapshot.software;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<HistoryBrowser::EntryValues> HistoryBrowser::ValuesOf(const HistoryEntry& entry, UserText* why) {
  if (entry.kind == HistoryEntry::Kind::kSetup) {
    std::optional<NamedSetup> setup = m_library.GetSetup(entry.name, why);
    if (!setup) return std::nullopt;
    return EntryValues{std::move(setup->data), setup->info.software};
  }
  std::optional<Snapshot> snapshot = m_library.GetSnapshot(entry.id, why);
  if (!snapshot) return std::nullopt;
  if (!snapshot->record.full) {
    if (why != nullptr) *why = VURIRU_TEXT("Messages", "a V1 controller's snapshot is only looked at");
    return std::nullopt;
  }
  return EntryValues{std::move(*snapshot->record.full), snapshot->info.software};
}

EntryDetails HistoryBrowser::Details(const HistoryEntry& entry) {
  UserText why;
  EntryDetails details;
  std::vector<DetailLine>& lines = details.lines;
  if (entry.kind == HistoryEntry::Kind::kSetup) {
    lines.push_back(entry.software.empty()
                        ? Line(UserText(VURIRU_TEXT("Messages", "Setup \"%1\", saved %2"), {entry.name, entry.when}))
                        : Line(UserText(VURIRU_TEXT("Messages", "Setup \"%1\", saved %2 from software %3"),
                                        {entry.name, entry.when, entry.software})));
    if (!entry.note.empty()) lines.push_back(Line(UserText(VURIRU_TEXT("Messages", "Note: %1"), {entry.note})));
  } else {
    std::optional<Snapshot> snapshot = m_library.GetSnapshot(entry.id, &why);
    if (!snapshot) {
      lines.push_back(Refusal(why));
      return details;
    }
    const SnapshotInfo& info = snapshot->info;
    const std::string id = std::to_string(info.id);
    const std::string reason = ReasonText(info.reason);
    lines.push_back(
        info.count > 1
            ? Line(UserText(VURIRU_TEXT("Messages", "Snapshot %1, %2, %3 (kept %4 times, last %5)"),
                            {id, reason, entry.when, std::to_string(info.count), LocalTime(info.lastSeenAtMs)}),
                   {1})
            : Line(UserText(VURIRU_TEXT("Messages", "Snapshot %1, %2, %3"), {id, reason, entry.when}), {1}));
    if (info.software.empty()) {
      lines.push_back(info.adapter.empty()
                          ? Line(UserText(VURIRU_TEXT("Messages", "Controller: %1, software unknown"), {info.kind}))
                          : Line(UserText(VURIRU_TEXT("Messages", "Controller: %1, software unknown, adapter %2"),
                                          {info.kind, info.adapter})));
    } else {
      lines.push_back(
          info.adapter.empty()
              ? Line(UserText(VURIRU_TEXT("Messages", "Controller: %1, software %2"), {info.kind, info.software}))
              : Line(UserText(VURIRU_TEXT("Messages", "Controller: %1, software %2, adapter %3"),
                              {info.kind, info.software, info.adapter})));
    }
    if (!info.program.empty()) lines.push_back(Line(UserText(VURIRU_TEXT("Messages", "Kept by %1"), {info.program})));
    if (snapshot->record.v1) {
      lines.push_back(Line({}));
      AddV1Values(*snapshot->record.v1, info.kind, lines);
      return details;
    }
  }
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    lines.push_back(Line({}));
    lines.push_back(Refusal(why));
    return details;
  }
  const EscData edited = m_window.EditedData();
  details.review = ReviewQuestion{
      kLoadingWouldChange, true, CompareEscData(edited, WithFileValues(edited, values->data), ReviewScope::kFile), {}};
  return details;
}

bool HistoryBrowser::Load(const HistoryEntry& entry) {
  if (const std::string refused = m_window.WhyPagesCannotTakeValues(); !refused.empty()) {
    m_dialogs.Tell(refused, kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  UserText why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(AsSentence(why), kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  // As an import: the settings a file carries, the running log and the
  // curves; the page-only settings stay as they are.
  m_window.TakeValues(WithFileValues(m_window.EditedData(), values->data));
  return true;
}

bool HistoryBrowser::Export(const HistoryEntry& entry) {
  UserText why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(AsSentence(why), kHistoryCaption, MessageIcon::kExclamation);
    return false;
  }
  const std::string chosen = m_dialogs.ChooseSaveFile(kSettingsFileFilter);
  if (chosen.empty()) return false;
  return m_window.SaveValuesAs(chosen, WithFileValues(m_window.EditedData(), values->data), values->software);
}

bool HistoryBrowser::SaveAsSetup(const HistoryEntry& entry, const std::string& name, const std::string& note) {
  UserText why;
  const std::optional<EntryValues> values = ValuesOf(entry, &why);
  if (!values) {
    m_dialogs.Tell(AsSentence(why), kHistoryCaption, MessageIcon::kExclamation);
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
    const UserText question(VURIRU_TEXT("Messages", "A setup named \"%1\" exists already. Replace it?"), {name});
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
  const UserText question(VURIRU_TEXT("Messages", "Delete the setup \"%1\"? It cannot be brought back."), {entry.name});
  if (m_dialogs.Ask(question, kHistoryCaption, QuestionButtons::kYesNoDefaultNo) != Answer::kYes) return false;
  const LibraryResult deleted = m_library.DeleteSetup(entry.name);
  if (!deleted.ok) TellRefusal(deleted);
  return deleted.ok;
}

void HistoryBrowser::TellRefusal(const LibraryResult& result) {
  if (result.refusal == LibraryRefusal::kLibrary) {
    // The library's own message, which then is not told a second time.
    m_library.TakeNotice();
    m_dialogs.Tell(AsSentence(result.text), kLibraryCaption, MessageIcon::kExclamation);
    return;
  }
  m_dialogs.Tell(AsSentence(result.text), kHistoryCaption, MessageIcon::kExclamation);
}

}  // namespace vuriru
