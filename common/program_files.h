// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's bitmap files lie: beside the executable in a build
// tree, or in ../share/vuriru-link relative to it once installed
// (/usr/bin/vuriru-link finds /usr/share/vuriru-link). The window loads its
// pictures from there; `vuriru-cli doctor` reports what it finds.

#include <filesystem>
#include <string>
#include <vector>

namespace vuriru {

// The bitmap files the window draws: the page, menu and editor backgrounds.
const std::vector<std::string>& BitmapFileNames();

// The folders searched for them, in order, for an executable in `exeFolder`.
std::vector<std::filesystem::path> ArtworkFolders(const std::filesystem::path& exeFolder);

// The file in the first of those folders that holds it; empty when none does.
std::filesystem::path FindArtworkFile(const std::filesystem::path& exeFolder, const std::string& fileName);

// The folder of the running program: the target of /proc/self/exe where the
// system has it, otherwise `argv0` taken as a path or looked up on PATH.
std::filesystem::path ExecutableFolder(const std::string& argv0);

}  // namespace vuriru
