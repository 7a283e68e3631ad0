// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole of vuriru-cli behind main(): parse the command line, run the
// command, print its failure line, and return the exit code.

#include <ostream>
#include <string>
#include <vector>

namespace vuriru {

// `args` includes the program name. `errIsTerminal` turns the progress bar on.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal);

// The text after the options in --help: the simulated targets and faults.
std::string CliHelpFooter();

}  // namespace vuriru
