// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/json_file_io.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <span>

namespace vuriru {

bool IsJsonFileName(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".json";
}

JsonFileImport ReadJsonFile(const std::filesystem::path& path, const EscData& base) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return RefusedJsonImport(VURIRU_TEXT("Messages", "the file cannot be opened"));
  std::string text(kJsonFileLimit + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return RefusedJsonImport(VURIRU_TEXT("Messages", "the file cannot be read"));
  text.resize(static_cast<size_t>(in.gcount()));
  return DecodeJsonFile(text, base);
}

FileWriteResult SaveJsonFile(const std::filesystem::path& path, const EscData& data, const std::string& software,
                             FileSystemCalls& calls) {
  const std::string text = EncodeJsonFile(data, software);
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return WriteFileAtomically(path, bytes, calls);
}

}  // namespace vuriru
