// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_process.h"

#include <fcntl.h>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sstream>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace vuriru::testing {

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

CliRun RunCliProcess(const std::vector<std::string>& args, const std::filesystem::path& scratch) {
  const std::filesystem::path outPath = scratch / "stdout.txt";
  const std::filesystem::path errPath = scratch / "stderr.txt";
  std::vector<std::string> argv = {VURIRU_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  for (std::string& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);

  // The program's library goes into the test's own folder, never into the
  // user's data folder or another test's.
  std::vector<std::string> environment;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (!std::string_view(*variable).starts_with("XDG_DATA_HOME=")) environment.emplace_back(*variable);
  }
  environment.push_back("XDG_DATA_HOME=" + (scratch / "data-home").string());
  std::vector<char*> environmentPointers;
  for (std::string& variable : environment) environmentPointers.push_back(variable.data());
  environmentPointers.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  CliRun run;
  if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environmentPointers.data()) == 0) {
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadAll(outPath);
  run.err = ReadAll(errPath);
  return run;
}

std::filesystem::path MakeScratchFolder() {
  std::random_device random;
  const auto path = std::filesystem::temp_directory_path() /
                    ("vuriru-cli-test-" + std::to_string(getpid()) + "-" + std::to_string(random()));
  std::filesystem::create_directories(path);
  return path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::vector<std::string>& ExpectedSettingKeys() {
  static const std::vector<std::string> keys = {
      "General/RUN MODE",
      "General/VOLTAGE CUTOFF",
      "General/ESC HEAT PROTECT",
      "General/Moter Rotation",
      "General/RACE MODE",
      "General/DEAD BAND",
      "General/BEC Output",
      "Throttle/PUNCH RATE1",
      "Throttle/PUNCH RATE2",
      "Throttle/SWITCHPOINT",
      "Throttle/RPM Lock",
      "Throttle/THCURVE",
      "Throttle/THREVERSE SPD",
      "Brake/INITIAL BRAKE",
      "Brake/DRAG BRAKE",
      "Brake/BRAKE STRENGTH",
      "Brake/BRAKE RATE1",
      "Brake/BRAKE RATE2",
      "Brake/SWITCH POINT",
      "Brake/BRAKE CURVE",
      "Brake/D.Brake Rate",
      "Boost/BOOST TIMING",
      "Boost/START RPM",
      "Boost/END RPM",
      "Boost/SLOPE",
      "Boost/STABLITY ASSIST",
      "Turbo/TURBO TIMING",
      "Turbo/START RPM",
      "Turbo/TURBO DELAY",
      "Turbo/ACTIVATION METHOD",
      "Turbo/TURBO SLOPE \"ON\"",
      "Turbo/TURBO SLOPE \"OFF\"",
  };
  return keys;
}

}  // namespace vuriru::testing
