// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_path.h"

#include <cstdlib>

namespace vuriru {

namespace {
constexpr const char* kFolder = "vuriru-link";
constexpr const char* kFile = "library.sqlite3";
}  // namespace

std::filesystem::path DefaultLibraryPath(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return std::filesystem::path(xdgDataHome) / kFolder / kFile;
  if (home != nullptr && home[0] == '/') {
    return std::filesystem::path(home) / ".local" / "share" / kFolder / kFile;
  }
  return {};
}

std::filesystem::path DefaultLibraryPath() {
  return DefaultLibraryPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace vuriru
