// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: which options reach the commands, and what --help and
// --version print.

#include "cli/cli_options.h"

#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/commands.h"

namespace vuriru {
namespace {

using ::testing::HasSubstr;

ParseOutcome Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "vuriru-cli");
  std::vector<CommandInfo> infos;
  for (const CliCommand& command : CliCommands()) infos.push_back(command.info);
  return ParseCommandLine(args, infos, "");
}

TEST(CliOptions, GlobalOptionsMayStandBeforeOrAfterTheCommand) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--simulate", "v1", "--virtual-time", "--json", "--timeout", "2.5", "--trace", "t.txt", "export", "x"},
           {"export", "x", "--json", "--simulate", "v1", "--timeout", "2.5", "--virtual-time", "--trace", "t.txt"}}) {
    const ParseOutcome parsed = Parse(args);
    ASSERT_TRUE(parsed.run) << parsed.error;
    EXPECT_EQ(parsed.options.command, "export");
    EXPECT_EQ(parsed.options.file, "x");
    EXPECT_EQ(parsed.options.simulate, "v1");
    EXPECT_TRUE(parsed.options.virtualTime);
    EXPECT_TRUE(parsed.options.json);
    EXPECT_EQ(parsed.options.TimeoutMs(), 2500u);
    EXPECT_EQ(parsed.options.tracePath, "t.txt");
  }
}

TEST(CliOptions, DefaultsToARealAdapterAndFifteenSeconds) {
  const ParseOutcome parsed = Parse({"read"});
  ASSERT_TRUE(parsed.run);
  EXPECT_FALSE(parsed.options.Simulated());
  EXPECT_EQ(parsed.options.TimeoutMs(), 15000u);
  EXPECT_TRUE(parsed.options.faults.empty());
}

TEST(CliOptions, FaultsRepeat) {
  const ParseOutcome parsed = Parse({"--simulate", "full", "--fault", "garbage", "--fault", "pull-after=9", "read"});
  ASSERT_TRUE(parsed.run);
  EXPECT_EQ(parsed.options.faults, (std::vector<std::string>{"garbage", "pull-after=9"}));
}

TEST(CliOptions, HelpListsEveryCommandTheTargetsAndTheFaults) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"vuriru-cli", "--help"}, out, err, false), 0);
  for (const CliCommand& command : CliCommands()) EXPECT_THAT(out.str(), HasSubstr("  " + command.info.name + " "));
  EXPECT_THAT(out.str(), HasSubstr("v1-hgm"));
  EXPECT_THAT(out.str(), HasSubstr("bad-curve-check"));
  EXPECT_EQ(err.str(), "");
}

TEST(CliOptions, CommandHelpDescribesItsFile) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"vuriru-cli", "apply", "--help"}, out, err, false), 0);
  EXPECT_THAT(out.str(), HasSubstr("FILE.DATA"));
}

TEST(CliOptions, DiffTakesOneOrTwoSourcesAndSetupTakesItsActions) {
  ParseOutcome parsed = Parse({"diff", "3"});
  ASSERT_TRUE(parsed.run) << parsed.error;
  EXPECT_EQ(parsed.options.file, "3");
  EXPECT_EQ(parsed.options.second, "");
  parsed = Parse({"diff", "a.json", "Track A"});
  EXPECT_EQ(parsed.options.second, "Track A");

  parsed = Parse({"setup", "save", "Track A", "--note", "wet, 17.5T", "device"});
  ASSERT_TRUE(parsed.run) << parsed.error;
  EXPECT_EQ(parsed.options.command, "setup");
  EXPECT_EQ(parsed.options.action, "save");
  EXPECT_EQ(parsed.options.file, "Track A");
  EXPECT_EQ(parsed.options.second, "device");
  EXPECT_EQ(parsed.options.note, "wet, 17.5T");
  EXPECT_EQ(Parse({"setup", "list"}).options.action, "list");

  EXPECT_FALSE(Parse({"setup"}).run);
  EXPECT_FALSE(Parse({"setup", "rename", "Track A"}).run);
  EXPECT_FALSE(Parse({"diff"}).run);
  EXPECT_TRUE(Parse({"apply", "--dry-run", "x.json"}).options.dryRun);
}

TEST(CliOptions, TheLibraryIsTheNamedFileOrTheOneInTheDataFolder) {
  EXPECT_EQ(Parse({"--library", "/tmp/l.sqlite3", "history"}).options.libraryPath, "/tmp/l.sqlite3");
  EXPECT_THAT(Parse({"history"}).options.libraryPath, ::testing::EndsWith("/vuriru-link/library.sqlite3"));
  EXPECT_FALSE(Parse({"--simulate-memory", "m.txt", "read"}).run);
  EXPECT_EQ(Parse({"--simulate", "full", "--simulate-memory", "m.txt", "read"}).options.simulateMemory, "m.txt");
}

TEST(CliOptions, VersionNamesTheProgram) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"vuriru-cli", "--version"}, out, err, false), 0);
  EXPECT_THAT(out.str(), ::testing::StartsWith("vuriru-cli "));
}

}  // namespace
}  // namespace vuriru
