// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings library as the command-line tool uses it: opened when a
// command first needs it, and its one message about trouble printed once,
// as a warning, so that a command that only keeps snapshots goes on.

#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "library/library.h"

namespace vuriru {

class CliLibrary {
 public:
  CliLibrary(const CliOptions& options, std::ostream& err);

  // Opens the library on the first call.
  Library& Get();
  // Prints "vuriru-cli: warning: ..." once, if the library has trouble to tell.
  void WarnOfTrouble();
  // Prints one warning line.
  void Warn(const std::string& text);

 private:
  const CliOptions& m_options;
  std::ostream& m_err;
  std::unique_ptr<Library> m_library;
};

}  // namespace vuriru
