// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and saving *.DATA files on disk, and the name an export is saved under.

#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_codec.h"

namespace vuriru {

// The name an export is saved under: the chosen file name loses everything
// from its last "." on and gets ".DATA" ("settings.bak" -> "settings.DATA",
// "settings" -> "settings.DATA"). Only a dot in the file name counts; a dot in
// a folder name ("runs.2024/car") is left alone, so the file still lands in
// the chosen folder.
std::filesystem::path ExportFileName(const std::filesystem::path& chosen);

// Whether saving there needs the overwrite question: a file with that name
// exists and is not empty.
bool FileExistsAndNotEmpty(const std::filesystem::path& path);

// Reads the file, never more than one byte past the block (enough to know it
// is too long), and decodes it onto `base`. A file that cannot be read is
// refused like a damaged one.
DataFileImport ReadDataFile(const std::filesystem::path& path, const EscData& base);

// Encodes the data and replaces the file at `path` atomically.
FileWriteResult SaveDataFile(const std::filesystem::path& path, const EscData& data,
                             FileSystemCalls& calls = SystemFileCalls());

}  // namespace vuriru
