// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/program_files.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace vuriru {

namespace fs = std::filesystem;

const std::vector<std::string>& BitmapFileNames() {
  static const std::vector<std::string> kNames = {"1.bmp",      "2.bmp",        "3.bmp",  "4.bmp", "5.bmp",
                                                  "6.bmp",      "7.bmp",        "8.bmp",  "9.bmp", "V1Menu.bmp",
                                                  "V3Menu.bmp", "CnV1Menu.bmp", "V1.bmp", "LB.bmp"};
  return kNames;
}

std::vector<fs::path> ArtworkFolders(const fs::path& exeFolder) {
  return {exeFolder, (exeFolder / ".." / "share" / "vuriru-link").lexically_normal()};
}

fs::path FindArtworkFile(const fs::path& exeFolder, const std::string& fileName) {
  if (fileName.empty()) return {};
  for (const fs::path& folder : ArtworkFolders(exeFolder)) {
    const fs::path file = folder / fileName;
    std::error_code error;
    if (fs::is_regular_file(file, error)) return file;
  }
  return {};
}

fs::path ExecutableFolder(const std::string& argv0) {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error && self.is_absolute()) return self.parent_path();

  if (argv0.find('/') != std::string::npos) return fs::absolute(argv0, error).lexically_normal().parent_path();
  if (const char* path = std::getenv("PATH")) {
    std::string_view folders(path);
    while (!folders.empty()) {
      const size_t colon = folders.find(':');
      const fs::path candidate = fs::path(folders.substr(0, colon)) / argv0;
      if (fs::is_regular_file(candidate, error)) return fs::absolute(candidate, error).parent_path();
      if (colon == std::string_view::npos) break;
      folders.remove_prefix(colon + 1);
    }
  }
  return fs::current_path(error);
}

}  // namespace vuriru
