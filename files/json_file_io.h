// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and saving the JSON settings file on disk, and telling it from a
// *.DATA file by its name.

#include <filesystem>
#include <string>

#include "files/atomic_file.h"
#include "files/json_settings_file.h"

namespace vuriru {

// Whether the name ends in ".json", in any case: such a file is read and
// written as JSON, any other as a *.DATA file.
bool IsJsonFileName(const std::filesystem::path& path);

// Reads the file, never more than one byte past the size limit, and decodes
// it onto `base`. A file that cannot be read is refused with the reason.
JsonFileImport ReadJsonFile(const std::filesystem::path& path, const EscData& base);

// Encodes the data and replaces the file at `path` atomically.
FileWriteResult SaveJsonFile(const std::filesystem::path& path, const EscData& data, const std::string& software,
                             FileSystemCalls& calls = SystemFileCalls());

}  // namespace vuriru
