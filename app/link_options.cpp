// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/link_options.h"

#include <CLI/CLI.hpp>

#include "library/library_path.h"
#include "sim/sim_fault.h"
#include "sim/sim_target_factory.h"

namespace vuriru {
namespace {

constexpr int kUsageExitCode = 2;

LinkParseOutcome UsageError(const std::string& what) {
  LinkParseOutcome outcome;
  outcome.exitCode = kUsageExitCode;
  outcome.error = "vuriru-link: " + what + "\n";
  return outcome;
}

}  // namespace

std::string LinkUsage() {
  return "usage: vuriru-link [--library FILE] [--simulate KIND] [--fault NAME[=N]]... [--verbose] [--quit-after-read]\n"
         "       vuriru-link --version\n"
         "  --version          print the program's name and version, and exit\n"
         "  --verbose          say on stderr when a controller has been read\n"
         "  --quit-after-read  quit once the first read of the controller has completed;\n"
         "                     messages go to stderr, as no one is there to close them\n"
         "  --library FILE     keep the history and the setups in this file\n"
         "                     (default: $XDG_DATA_HOME/vuriru-link/library.sqlite3)\n"
         "  --simulate KIND    work with a simulated adapter and target instead of the attached adapters:\n" +
         SimTargetHelp() + "  --fault NAME       make the simulated adapter misbehave (with --simulate):\n" +
         SimFaultHelp();
}

LinkParseOutcome ParseLinkOptions(const std::vector<std::string>& args, const std::string& version) {
  LinkOptions options;
  bool help = false;
  bool showVersion = false;

  CLI::App app("The Vuriru USB Link settings window.", "vuriru-link");
  // --help prints the usage text above rather than CLI11's own.
  app.set_help_flag();
  app.allow_extras();
  app.add_flag("-h,--help", help);
  app.add_flag("--version", showVersion);
  app.add_flag("--verbose", options.verbose);
  app.add_flag("--quit-after-read", options.quitAfterRead);
  std::string library;
  app.add_option("--library", library)->type_name("FILE")->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  // A later --simulate replaces an earlier one; every --fault takes one name.
  CLI::Option* simulate = app.add_option("--simulate", options.backend.simulate)
                              ->type_name("KIND")
                              ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.add_option("--fault", options.backend.faults)->type_name("NAME")->allow_extra_args(false);

  // CLI11 wants the arguments without the program name, last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  if (!reversed.empty()) reversed.pop_back();
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    return UsageError(std::string(e.what()) + "; run 'vuriru-link --help'");
  }
  if (!app.remaining().empty()) {
    return UsageError("unknown option '" + app.remaining().front() + "'; run 'vuriru-link --help'");
  }
  if (simulate->count() > 0 && options.backend.simulate.empty()) {
    // "--simulate=" names no kind; it must not fall back to the attached adapters.
    return UsageError("unknown --simulate kind ''; run 'vuriru-link --help' for the kinds");
  }
  if (!options.backend.faults.empty() && options.backend.simulate.empty()) {
    return UsageError("--fault works only with --simulate");
  }
  if (const HidBackendError error = CheckHidBackendChoice(options.backend)) {
    return UsageError(error.what + "; run 'vuriru-link --help' for the " + error.helpTopic);
  }

  LinkParseOutcome outcome;
  if (help) {
    outcome.text = LinkUsage();
  } else if (showVersion) {
    outcome.text = "vuriru-link " + version + "\n";
  } else {
    outcome.run = true;
    options.libraryPath = library.empty() ? DefaultLibraryPath().string() : library;
    outcome.options = options;
  }
  return outcome;
}

}  // namespace vuriru
