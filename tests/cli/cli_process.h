// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the vuriru-cli executable with arguments and captures what it prints.

#include <filesystem>
#include <string>
#include <vector>

namespace vuriru::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built executable; its output goes through files in `scratch`.
CliRun RunCliProcess(const std::vector<std::string>& args, const std::filesystem::path& scratch);

// A fresh, empty folder for one test.
std::filesystem::path MakeScratchFolder();

std::vector<std::string> Lines(const std::string& text);

// The setting keys of `read --json`, in the order the pages list them.
const std::vector<std::string>& ExpectedSettingKeys();

}  // namespace vuriru::testing
