// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/simulated_memory.h"

#include "sim/sim_memory_file.h"

namespace vuriru {

CommandResult KeepSimulatedMemory(SimulatedHidLibrary& library, const CliOptions& options) {
  if (options.simulateMemory.empty()) return CommandResult::Ok();
  SimTargetKind kind = SimTargetKind::kFull;
  ParseSimTarget(options.simulate, &kind);
  SimTarget& target = library.Adapter(0).Target();
  std::string error;
  if (!LoadSimMemoryFile(options.simulateMemory, kind, target.Memory(), &error)) {
    return CommandResult::Fail(ExitCode::kBadFile, options.simulateMemory + ": " + error);
  }
  // Saved at once as well, so that a file that cannot be written shows before
  // anything is sent.
  if (!SaveSimMemoryFile(options.simulateMemory, kind, target.Memory(), &error)) {
    return CommandResult::Fail(
        ExitCode::kBadFile, options.simulateMemory + ": " + error + "; check that the folder exists and is writable");
  }
  const std::string path = options.simulateMemory;
  target.SetStoreHandler([path, kind, &target] { SaveSimMemoryFile(path, kind, target.Memory(), nullptr); });
  return CommandResult::Ok();
}

}  // namespace vuriru
