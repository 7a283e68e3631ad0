// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated target's memory in a small text file, so that a store in one
// run of the command-line tool can be read by the next (--simulate-memory).
// Only what the controller keeps is saved: its settings reply, its three
// curves and its software version; counters and traffic start afresh.
//
//   vuriru-sim-memory 1
//   target full
//   settings 01 19 22 ...
//   boost-curve 00 05 ...
//   brake-curve ...
//   throttle-curve ...
//   software d7 00 03 0c 18 05 11

#include <filesystem>
#include <string>

#include "sim/sim_target.h"
#include "sim/sim_target_factory.h"

namespace vuriru {

std::string EncodeSimMemory(SimTargetKind kind, const SimMemory& memory);

// Takes the file's memory into `memory` when the file is for `kind` and
// every line fits the target's starting memory (same lengths); otherwise
// `memory` is left alone and `error` says which line is wrong.
bool DecodeSimMemory(const std::string& text, SimTargetKind kind, SimMemory& memory, std::string* error);

// Loading a file that does not exist leaves the starting memory and succeeds.
bool LoadSimMemoryFile(const std::filesystem::path& path, SimTargetKind kind, SimMemory& memory, std::string* error);
bool SaveSimMemoryFile(const std::filesystem::path& path, SimTargetKind kind, const SimMemory& memory,
                       std::string* error);

}  // namespace vuriru
