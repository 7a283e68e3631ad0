// The vuriru-link executable's command line, run as a process. The options
// that only print must answer before Qt starts, so the runs get no display
// and a platform that cannot open one: were Qt started, it would abort.

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vuriru {
namespace {

using ::testing::HasSubstr;
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

ProgramRun RunLink(const std::vector<std::string>& args) {
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
  std::vector<std::string> env = {"QT_QPA_PLATFORM=xcb", "PATH=/usr/bin:/bin"};
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
    waitpid(pid, &status, 0);
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

}  // namespace
}  // namespace vuriru
