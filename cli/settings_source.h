// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a command's settings come from, named on the command line: the word
// "device", an existing file (*.json, else *.DATA), an integer (a snapshot
// id) or else a setup name, in this order.

#include <cstdint>
#include <string>

#include "cli/cli_library.h"
#include "cli/exit_code.h"
#include "files/data_file_codec.h"

namespace vuriru {

enum class SourceKind { kDevice, kFile, kSnapshot, kSetup };

struct SourceArgument {
  SourceKind kind = SourceKind::kDevice;
  std::string text;
  int64_t id = 0;  // kSnapshot
};

SourceArgument ClassifySource(const std::string& argument);

struct LoadedSource {
  EscData data;          // on the factory settings: what an import of it sets
  std::string label;     // "settings.json", "snapshot 12", "setup \"Track A\""
  std::string software;  // the controller software it came from, "" when unknown
};

// Loads a file, a snapshot or a setup (not the device). A JSON file's
// warnings go to the library's warning stream.
CommandResult LoadSource(const SourceArgument& source, CliLibrary& library, LoadedSource& loaded);

// A settings file named on the command line, by its extension.
CommandResult LoadFileSource(const std::string& path, CliLibrary& library, LoadedSource& loaded);

}  // namespace vuriru
