// vuriru-cli: the command-line front end over the transaction engine.

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  return vuriru::RunCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
