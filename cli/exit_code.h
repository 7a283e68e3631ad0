// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a command ends: the process exit code and, for a failure, the one line
// that tells the user what happened and what to try.

#include <string>

namespace vuriru {

enum class ExitCode : int {
  kOk = 0,
  // No adapter, no controller, time-out, a refused or unconfirmed store.
  kDeviceFailure = 1,
  // The command line itself is wrong.
  kUsage = 2,
  // A settings file could not be read, is damaged, or could not be written.
  kBadFile = 3,
};

struct CommandResult {
  ExitCode code = ExitCode::kOk;
  std::string message;  // one line, without the program name; empty on success

  static CommandResult Ok() { return {}; }
  static CommandResult Fail(ExitCode code, std::string message) { return {code, std::move(message)}; }
  bool ok() const { return code == ExitCode::kOk; }
};

}  // namespace vuriru
