// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file as readable JSON, beside the *.DATA file and holding
// what it holds: the settings of the block and THREVERSE SPD (each as its
// option index and option text), the three stored curves as points, and
// the running log in volts, degrees Celsius and rpm.
//
//   {"format": "vuriru-link settings", "version": 1,
//    "controller": {"kind": "full", "software": "V3.12_240517"},
//    "settings": {"RUN MODE": {"index": 1, "text": "Forward/Brake/Reverse"}, ...},
//    "curves": {"throttle": [[0,0],[30,50],[70,80],[100,100]], "brake": [...], "boost": [...]},
//    "runningLog": {"batteryMinVolts": 7.2, "escMaxCelsius": 68, "motorMaxCelsius": 81, "motorMaxRpm": 42000}}
//
// Decoding is pure like the *.DATA codec's: it returns a new value, and the
// caller takes it over only when the whole file has passed its checks.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_text.h"
#include "files/data_file_codec.h"

namespace vuriru {

inline constexpr const char* kJsonFormatName = "vuriru-link settings";
inline constexpr int kJsonFormatVersion = 1;
inline constexpr const char* kJsonControllerKind = "full";
// Larger files are refused unread: a settings file is a few kilobytes.
inline constexpr size_t kJsonFileLimit = 1 << 20;

struct JsonFileImport {
  bool ok = false;
  EscData data;          // when ok: `base` with the file's values in it
  std::string software;  // the controller software the file names, "" when none
  // Things the import left out or kept, such as keys it does not know; the
  // import goes ahead with them.
  std::vector<UserText> warnings;
  std::string problem;   // when !ok: why, naming the key, e.g. "RUN MODE": index 7 is outside 0 to 2
  std::string message;   // when !ok: "Import file error! " and the problem
  UserText messageText;  // the same, for the window to show in its language
  std::string caption;   // when !ok: "Import"
};

// A file refused for `problem`, with the message and caption that say so.
JsonFileImport RefusedJsonImport(UserText problem);

// The file's text. An index past the end of its list is written as the last
// option, as the pages show and collect it, so that every file written can
// be imported again.
std::string EncodeJsonFile(const EscData& data, const std::string& software);

// Takes each setting by its index or by its text (also without the "(*)"
// marker and trailing blanks); settings the file leaves out keep their
// values from `base`, with a warning. Refuses, naming the key, an index out
// of range, a text that is no option, a curve the editor could not make, a
// running-log value that does not fit, a file of another controller kind,
// format or version.
JsonFileImport DecodeJsonFile(std::string_view text, const EscData& base);

}  // namespace vuriru
