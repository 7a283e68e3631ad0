// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli: the command-line front end over the transaction engine.

#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#define VURIRU_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define VURIRU_ISATTY(fd) isatty(fd)
#endif

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  // The progress bar only draws on a terminal; 2 is standard error everywhere.
  return vuriru::RunCli(args, std::cout, std::cerr, VURIRU_ISATTY(2) == 1);
}
