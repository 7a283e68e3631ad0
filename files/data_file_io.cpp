// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_file_io.h"

#include <fstream>
#include <system_error>
#include <vector>

namespace vuriru {

std::filesystem::path ExportFileName(const std::filesystem::path& chosen) {
  std::string name = chosen.filename().string();
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return chosen.parent_path() / (name + ".DATA");
}

bool FileExistsAndNotEmpty(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::filesystem::exists(path, error);
  const auto size = std::filesystem::file_size(path, error);
  return !error && size > 0;
}

DataFileImport ReadDataFile(const std::filesystem::path& path, const EscData& base) {
  std::vector<uint8_t> bytes(kDataFileSize + 1);
  std::ifstream in(path, std::ios::binary);
  if (!in) return DecodeDataFile({}, base);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return DecodeDataFile({}, base);
  bytes.resize(static_cast<size_t>(in.gcount()));
  return DecodeDataFile(bytes, base);
}

FileWriteResult SaveDataFile(const std::filesystem::path& path, const EscData& data, FileSystemCalls& calls) {
  const DataFileExport encoded = EncodeDataFile(data);
  if (!encoded.ok) return FileWriteResult::Failed(encoded.message);
  return WriteFileAtomically(path, encoded.bytes, calls);
}

}  // namespace vuriru
