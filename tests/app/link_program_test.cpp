// SPDX-License-Identifier: GPL-3.0-or-later
// The vuriru-link executable's command line, run as a process. The options
// that only print, and the mistakes, must be answered before Qt starts, so
// those runs get no display and a platform that cannot open one: were Qt
// started, it would abort.

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vuriru {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Without a display: Qt, were it started, could open no window and would abort.
const char* const kNoDisplay = "QT_QPA_PLATFORM=xcb";
// The offscreen platform, for runs that open the window.
const char* const kOffscreen = "QT_QPA_PLATFORM=offscreen";

// Runs the program with `platform` and waits at most `limit` for it; a run
// that takes longer is killed and reported with exit code -1.
ProgramRun RunLink(const std::vector<std::string>& args, const char* platform = kNoDisplay,
                   std::chrono::seconds limit = std::chrono::seconds(60)) {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vuriru-link-test-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  const std::filesystem::path outPath = scratch / "stdout.txt";
  const std::filesystem::path errPath = scratch / "stderr.txt";
  std::vector<std::string> argv = {VURIRU_LINK_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  for (std::string& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  // The history goes into the scratch folder unless --library says otherwise.
  std::vector<std::string> env = {platform, "PATH=/usr/bin:/bin", "XDG_DATA_HOME=" + (scratch / "data").string()};
  // The sanitizer build's settings reach the program as they reach the test.
  for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
  }
  std::vector<char*> envPointers;
  for (std::string& entry : env) envPointers.push_back(entry.data());
  envPointers.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ProgramRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), envPointers.data()) == 0) {
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadAll(outPath);
  run.err = ReadAll(errPath);
  std::filesystem::remove_all(scratch);
  return run;
}

TEST(LinkProgram, VersionAndHelpAnswerWithoutADisplay) {
  const ProgramRun version = RunLink({"--version"});
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, std::string("vuriru-link ") + VURIRU_VERSION + "\n");
  EXPECT_EQ(version.err, "");

  const ProgramRun help = RunLink({"--help"});
  EXPECT_EQ(help.exitCode, 0) << help.err;
  EXPECT_THAT(help.out, StartsWith("usage: vuriru-link"));
  EXPECT_THAT(help.out, HasSubstr("--version"));

  const ProgramRun wrong = RunLink({"--versions"});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_THAT(wrong.err, HasSubstr("unknown option '--versions'"));
}

TEST(LinkProgram, HelpListsEveryOptionAndTheSimulatorsNames) {
  const ProgramRun help = RunLink({"-h"});
  EXPECT_EQ(help.exitCode, 0) << help.err;
  for (const char* text : {"--simulate KIND", "--fault NAME", "--verbose", "--quit-after-read", "--version", "v1-bec",
                           "pull-after", "--library FILE", "$XDG_DATA_HOME/vuriru-link/library.sqlite3"}) {
    EXPECT_THAT(help.out, HasSubstr(text));
  }
}

// Every mistake is a usage error (2) with one line that names it, and none
// gets as far as starting Qt: a bad fault name included, which only the
// simulator knows.
TEST(LinkProgram, MistakesAreUsageErrorsAnsweredBeforeQtStarts) {
  const struct {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{"--fault", "silent"}, "--fault works only with --simulate"},
      {{"--simulate", "bogus"}, "unknown --simulate kind 'bogus'; run 'vuriru-link --help' for the kinds"},
      {{"--simulate="}, "--simulate"},
      {{"--simulate"}, "--simulate"},
      {{"--simulate", "full", "--fault", "toast"}, "--fault: unknown fault"},
      {{"--simulate", "full", "--fault", "pull-after=x"}, "--fault:"},
      {{"--simulate", "full", "--fault", "silent", "extra"}, "unknown option 'extra'"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunLink(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.args.back() << ": " << run.err;
    EXPECT_THAT(run.err, StartsWith("vuriru-link: ")) << c.args.back();
    EXPECT_THAT(run.err, HasSubstr(c.says)) << c.args.back();
    EXPECT_EQ(run.out, "") << c.args.back();
  }
}

// For packaging checks: the window starts offscreen, reads the simulated
// controller and ends by itself with 0.
TEST(LinkProgram, QuitAfterReadEndsTheWindowOnceTheControllerIsRead) {
  for (const char* kind : {"full", "v1"}) {
    const ProgramRun run = RunLink({"--simulate", kind, "--quit-after-read", "--verbose"}, kOffscreen);
    EXPECT_EQ(run.exitCode, 0) << kind << ": " << run.err;
    EXPECT_THAT(run.err, HasSubstr("vuriru-link: controller read")) << kind;
  }
  // A later --simulate replaces an earlier one, as before.
  const ProgramRun last = RunLink({"--simulate", "none", "--simulate", "full", "--quit-after-read"}, kOffscreen);
  EXPECT_EQ(last.exitCode, 0) << last.err;
}

// The history goes where --library says; a file that is no library is said
// so and left as it is, and the window reads the controller all the same.
TEST(LinkProgram, LibraryKeepsTheReadAndADamagedOneIsToldAndLeftAlone) {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vuriru-link-library-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  const std::filesystem::path library = scratch / "kept" / "library.sqlite3";
  const ProgramRun kept =
      RunLink({"--library", library.string(), "--simulate", "full", "--quit-after-read"}, kOffscreen);
  EXPECT_EQ(kept.exitCode, 0) << kept.err;
  EXPECT_TRUE(std::filesystem::exists(library));
  EXPECT_THAT(kept.err, Not(HasSubstr("library"))) << kept.err;

  // Another program holds the library's write lock: the read is not held
  // up for good, and the trouble goes to stderr, as no one would close a box.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(library.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  const ProgramRun locked =
      RunLink({"--library", library.string(), "--simulate", "full", "--quit-after-read", "--verbose"}, kOffscreen,
              std::chrono::seconds(30));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(locked.exitCode, 0) << locked.err;
  EXPECT_THAT(locked.err, HasSubstr("vuriru-link: The settings library " + library.string() + " is locked"));
  EXPECT_THAT(locked.err, HasSubstr("vuriru-link: controller read"));

  const std::filesystem::path garbage = scratch / "garbage.sqlite3";
  std::ofstream(garbage) << std::string(3000, 'x');
  const ProgramRun damaged =
      RunLink({"--library", garbage.string(), "--simulate", "full", "--quit-after-read", "--verbose"}, kOffscreen);
  EXPECT_EQ(damaged.exitCode, 0) << damaged.err;
  EXPECT_THAT(damaged.err, HasSubstr("vuriru-link: The settings library " + garbage.string()));
  EXPECT_THAT(damaged.err, HasSubstr("keeps no history"));
  EXPECT_THAT(damaged.err, HasSubstr("vuriru-link: controller read"));
  EXPECT_EQ(std::filesystem::file_size(garbage), 3000u);
  std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace vuriru
