// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of vuriru-link: `vuriru-link [options]`. Parsing is
// CLI11's, as for vuriru-cli; this file says which options exist and turns
// the outcome into options to run, a help or version text, or one usage
// error line. Plain C++: the command line is answered before Qt starts, so
// that --help and mistakes are answered even where no display can be opened.

#include <string>
#include <vector>

#include "backend/hid_backend.h"

namespace vuriru {

struct LinkOptions {
  HidBackendChoice backend;  // --simulate KIND, --fault NAME[=N]...
  bool verbose = false;      // a line on stderr per completed read
  bool quitAfterRead = false;
  // --library FILE, or the default place; the history and setups live there.
  std::string libraryPath;
};

struct LinkParseOutcome {
  bool run = false;   // `options` hold a window to start
  int exitCode = 0;   // otherwise: 0 after help or version, 2 for a usage error
  std::string text;   // help or version text for stdout
  std::string error;  // a usage error, one line with the program's name, for stderr
  LinkOptions options;
};

// `args` as main() gets them, the program's name first.
LinkParseOutcome ParseLinkOptions(const std::vector<std::string>& args, const std::string& version);

// The text --help prints.
std::string LinkUsage();

}  // namespace vuriru
