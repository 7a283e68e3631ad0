// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --simulate-memory FILE: the simulated target starts from the memory in
// FILE (its usual starting memory when FILE is absent), and FILE is saved
// after every store the target takes, so that the next run reads it.

#include "cli/cli_options.h"
#include "cli/exit_code.h"
#include "sim/simulated_hid_library.h"

namespace vuriru {

CommandResult KeepSimulatedMemory(SimulatedHidLibrary& library, const CliOptions& options);

}  // namespace vuriru
