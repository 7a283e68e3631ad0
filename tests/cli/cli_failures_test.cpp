// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli's failures: each ends with its exit code and exactly one line on
// stderr that says what happened.

#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"

namespace vuriru::testing {
namespace {

using ::testing::HasSubstr;

class CliFailures : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }

  // Runs and checks that the failure left one line on stderr and nothing on stdout.
  CliRun Fail(std::vector<std::string> args) {
    CliRun run = RunCliProcess(args, m_scratch);
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, ::testing::StartsWith("vuriru-cli: "));
    EXPECT_EQ(run.out, "");
    return run;
  }
  CliRun FailSimulated(const std::string& kind, std::vector<std::string> args) {
    args.insert(args.begin(), {"--simulate", kind, "--virtual-time"});
    return Fail(args);
  }
  std::string Path(const std::string& name) const { return (m_scratch / name).string(); }
  void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

TEST_F(CliFailures, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"--virtual-time", "read"},
      {"--fault", "silent", "read"},
      {"--simulate", "toaster", "read"},
      {"--timeout", "0", "--simulate", "full", "read"},
      {"--simulate", "full", "apply"},
      {"show", "a.DATA", "b.DATA"},
      {"--simulate", "full", "--fault", "toast", "read"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(Fail(args).exitCode, 2) << ::testing::PrintToString(args);
  }
}

TEST_F(CliFailures, BadSettingsFilesExitWithThreeBeforeAnyDeviceIsTouched) {
  WriteFile("short.DATA", "abc");
  WriteFile("damaged.DATA", std::string(804, '\x01'));
  std::filesystem::create_directory(Path("folder.DATA"));
  for (const char* name : {"missing.DATA", "short.DATA", "damaged.DATA", "folder.DATA"}) {
    EXPECT_EQ(Fail({"show", Path(name)}).exitCode, 3) << name;
    // --simulate silent would time out if apply touched the device first.
    EXPECT_EQ(FailSimulated("full", {"--fault", "silent", "apply", Path(name)}).exitCode, 3) << name;
  }
  EXPECT_THAT(Fail({"show", Path("damaged.DATA")}).err, HasSubstr("Import file error!"));
}

TEST_F(CliFailures, AChangedByteInAnExportedFileIsRefused) {
  ASSERT_EQ(RunCliProcess({"--simulate", "full", "--virtual-time", "export", Path("car.DATA")}, m_scratch).exitCode, 0);
  std::fstream file(Path("car.DATA"), std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(400);
  file.put('\x7F');
  file.close();
  EXPECT_EQ(Fail({"show", Path("car.DATA")}).exitCode, 3);
}

TEST_F(CliFailures, DeviceAndProtocolFailuresExitWithOneAndSayWhy) {
  struct Case {
    std::string kind;
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"full", {"--fault", "silent", "read"}, "did not answer the connect report within 15 s"},
      {"full", {"--fault", "no-version", "read"}, "Failed to get ESC Version"},
      {"full", {"--fault", "bad-curve-check", "read"}, "failed its check"},
      {"full", {"--fault", "pull-after", "default"}, "unplugged"},
      {"full", {"--timeout", "0.5", "read"}, "within 0.5 s"},
      {"none", {"read"}, "no controller does"},
      {"lcd", {"read"}, "display box"},
      {"lcd", {"default"}, "display box"},
      {"v1", {"apply", Path("car.DATA")}, "apply needs a full controller"},
      {"v1-bec", {"export", Path("v1.DATA")}, "export needs a full controller"},
  };
  ASSERT_EQ(RunCliProcess({"--simulate", "full", "--virtual-time", "export", Path("car.DATA")}, m_scratch).exitCode, 0);
  for (const Case& c : cases) {
    const CliRun run = FailSimulated(c.kind, c.args);
    EXPECT_EQ(run.exitCode, 1) << c.kind << " " << ::testing::PrintToString(c.args);
    EXPECT_THAT(run.err, HasSubstr(c.says)) << c.kind << " " << ::testing::PrintToString(c.args);
  }
}

TEST_F(CliFailures, AnUnwritableTraceFileIsAUsageError) {
  EXPECT_EQ(FailSimulated("full", {"--trace", Path("no/such/folder/trace.txt"), "read"}).exitCode, 2);
}

TEST_F(CliFailures, FaultsTheEngineRidesOutStillSucceed) {
  for (const char* fault : {"split-20", "no-first-ack"}) {
    const CliRun run = RunCliProcess({"--simulate", "full", "--virtual-time", "--fault", fault, "default"}, m_scratch);
    EXPECT_EQ(run.exitCode, 0) << fault << ": " << run.err;
  }
}

}  // namespace
}  // namespace vuriru::testing
