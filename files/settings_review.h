// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a store, a Default or an import would change, for the question asked
// before it: each setting whose index differs, as "caption: old option ->
// new option", and which of the three curves differ in their points.

#include <string>
#include <vector>

#include "curves/stored_curve.h"
#include "files/data_file_codec.h"

namespace vuriru {

enum class ReviewScope {
  // The settings the controller stores (Apply, Default, a restore).
  kStored,
  // Every setting a settings file holds, THREVERSE SPD included (Import).
  kFile,
};

struct SettingChange {
  Setting setting;
  std::string key;  // the file's key, e.g. "RUN MODE", "START RPM (Boost)"
  int32_t fromIndex = 0;
  int32_t toIndex = 0;
  std::string fromText;  // the option text, or "index N, outside its list"
  std::string toText;
  // The setting's option texts (English sources), for a window that shows
  // the change in its own language.
  const std::vector<std::string>* options = nullptr;
};

struct ChangeList {
  std::vector<SettingChange> settings;  // in the pages' order
  std::vector<CurveNumber> curves;      // throttle, brake, boost order

  bool Empty() const { return settings.empty() && curves.empty(); }
};

inline constexpr const char* kNothingChanges = "Nothing changes: every setting and curve stays as it is.";

// Compares `from` (what the controller holds, or what the pages hold) with
// `to`. Indexes are compared by the byte the settings frame and the file
// carry; curves by their points, as the editor shows them.
ChangeList CompareEscData(const EscData& from, const EscData& to, ReviewScope scope);

// One line per change: "RUN MODE: Forward/Brake/Reverse → Forward/Brake(*)",
// then "throttle curve changes" for each curve.
std::vector<std::string> ChangeLines(const ChangeList& changes);

// The question with the list below it: `firstLine`, an empty line, then the
// change lines, or kNothingChanges when there are none.
std::string ReviewText(const std::string& firstLine, const ChangeList& changes);

// What Default would send, without touching the pages: every setting Default
// restores at its factory index (the curve selectors at "Linear"), the other
// settings and the running log as in `current`, and each curve reset to its
// editor's default curve and sampled.
EscData DefaultEscData(const EscData& current);

}  // namespace vuriru
