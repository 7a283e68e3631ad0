// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings library lives unless --library names another file.

#include <filesystem>

namespace vuriru {

// $XDG_DATA_HOME/vuriru-link/library.sqlite3, or ~/.local/share/vuriru-link/
// library.sqlite3 when XDG_DATA_HOME is unset, empty or not an absolute path
// (as the XDG base directory rules say). Empty when neither gives a place.
std::filesystem::path DefaultLibraryPath();
std::filesystem::path DefaultLibraryPath(const char* xdgDataHome, const char* home);

}  // namespace vuriru
