// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the History window shows and does, without a widget: the list of
// setups and snapshots, what choosing one would change on the pages, and
// its actions (Load, Export, Save as setup, Rename, Delete, and saving the
// edited values as a setup). Snapshots cannot be changed; a V1
// controller's snapshot is only looked at. Questions and refusals go
// through UserDialogs.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/data_file_codec.h"
#include "library/library.h"
#include "window/user_dialogs.h"
#include "window/window_controller.h"
#include "window/write_review.h"

namespace vuriru {

inline constexpr const char* kHistoryCaption = VURIRU_TEXT("Messages", "History");

// One row of the list.
struct HistoryEntry {
  enum class Kind { kSetup, kSnapshot };
  Kind kind = Kind::kSnapshot;
  int64_t id = 0;
  std::string name;          // a setup's name
  std::string when;          // local time, "2024-05-01 14:03:22": taken, or last changed
  std::string reasonOrName;  // "after apply", or the setup's name
  UserText kindText;         // "setup", "snapshot", "V1 snapshot (v1-bec)"
  std::string software;      // the controller's software version, "" when unknown
  std::string note;          // a setup's note
  // A full controller's settings and curves: they can be loaded, exported
  // and named. A V1 controller's block is only shown.
  bool full = true;
};

// One line of an entry's details: an English source text with its
// arguments. The arguments listed in `ourWords` are words of this program
// that the window shows in its language too: a snapshot's reason ("Messages")
// or a V1 setting's caption and option ("Settings").
struct DetailLine {
  UserText text;
  std::vector<size_t> messageArgs;
  std::vector<size_t> settingArgs;
};

// The entry's facts, a line each (an empty text is an empty line), then what
// loading it would change.
struct EntryDetails {
  std::vector<DetailLine> lines;
  std::optional<ReviewQuestion> review;
};

// The lines, then an empty line and the review: as the details read in English.
std::string EnglishText(const EntryDetails& details);

class HistoryBrowser {
 public:
  HistoryBrowser(Library& library, WindowController& window, UserDialogs& dialogs);

  // Setups first, the most recently changed first; then the snapshots,
  // newest first.
  std::vector<HistoryEntry> Entries();
  // The entry's facts and what loading it would change on the pages, or
  // the values of a V1 controller's block.
  EntryDetails Details(const HistoryEntry& entry);

  // Fills the pages with the entry's values, as an import does; nothing is
  // written to the controller. False, and told why, when the pages cannot
  // take values now.
  bool Load(const HistoryEntry& entry);
  // Asks for a file and saves the entry there, as JSON or *.DATA.
  bool Export(const HistoryEntry& entry);
  // Keeps the entry's values, or the edited values, as a setup; asks
  // before replacing a setup of that name.
  bool SaveAsSetup(const HistoryEntry& entry, const std::string& name, const std::string& note);
  bool SaveEditsAsSetup(const std::string& name, const std::string& note);
  // Setups only.
  bool Rename(const HistoryEntry& entry, const std::string& newName);
  bool Delete(const HistoryEntry& entry);

  // Whether setups can be saved, renamed and deleted now.
  bool CanChange() const { return m_library.CanWrite(); }
  // The library's trouble, for the foot of the window; empty when there is
  // none.
  const UserText& LibraryProblemNotice() const { return m_library.ProblemNotice(); }

 private:
  struct EntryValues {
    EscData data;
    std::string software;
  };
  std::optional<EntryValues> ValuesOf(const HistoryEntry& entry, UserText* why);
  bool SaveSetup(const std::string& name, const std::string& note, const EscData& data, const std::string& software);
  // Tells why a library call was refused, in a sentence.
  void TellRefusal(const LibraryResult& result);

  Library& m_library;
  WindowController& m_window;
  UserDialogs& m_dialogs;
};

}  // namespace vuriru
