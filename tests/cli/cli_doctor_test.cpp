// SPDX-License-Identifier: GPL-3.0-or-later
// doctor, and what list and info say about an adapter this user may not open,
// run end to end on the simulated adapter; the device-free checks alone.

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/doctor_checks.h"
#include "common/program_files.h"
#include "link/link_refusal.h"

namespace vuriru::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class CliDoctor : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }
  CliRun Simulate(std::vector<std::string> args) {
    args.insert(args.begin(), {"--simulate", "full", "--virtual-time"});
    return RunCliProcess(args, m_scratch);
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

std::vector<std::string> Checks(const std::string& out) {
  std::vector<std::string> checks;
  for (const std::string& line : Lines(out)) {
    if (line.rfind("OK   ", 0) == 0 || line.rfind("FAIL ", 0) == 0)
      checks.push_back(line.substr(5, line.find(':') - 5));
  }
  return checks;
}

TEST_F(CliDoctor, OnTheSimulatedAdapterEveryCheckHoldsInOrder) {
  const CliRun run = Simulate({"doctor"});
  EXPECT_THAT(Checks(run.out),
              ElementsAre("HID backend", "udev rule", "adapter /dev/hidraw-sim0", "access to /dev/hidraw-sim0",
                          "reports of /dev/hidraw-sim0", "interrupt OUT endpoint of /dev/hidraw-sim0", "connect report",
                          "controller probe", "bitmap files"));
  EXPECT_THAT(run.out, HasSubstr("OK   adapter /dev/hidraw-sim0: 10c4:8468, manufacturer \"Vuriru\""));
  EXPECT_THAT(run.out, HasSubstr("output report buffer 64 bytes; data report 0x02: an output report; connect "
                                 "report 0xFD: an output report\n"));
  // One engine tick after the connect report; the virtual clock makes it exact.
  EXPECT_THAT(run.out, HasSubstr("OK   connect report: answered in 100 ms (sent over a control transfer)\n"));
  EXPECT_THAT(run.out, HasSubstr("OK   controller probe: answered: kind full, software V3.12_240517"));
#if VURIRU_HAS_ARTWORK
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_THAT(run.out, Not(HasSubstr("FAIL")));
  EXPECT_THAT(run.out, HasSubstr("OK   bitmap files: all 14 found: 14 in "));
#else
  // The plain build draws no pictures: the one failure is theirs.
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.out, HasSubstr("FAIL bitmap files: missing 1.bmp"));
  EXPECT_EQ(run.err, "vuriru-cli: 1 check fails; each FAIL line says how to mend it\n");
#endif
}

TEST_F(CliDoctor, JsonCarriesEveryCheckAndTheFixOfAFailure) {
  const CliRun run = RunCliProcess({"--simulate", "none", "--virtual-time", "--json", "doctor"}, m_scratch);
  EXPECT_EQ(run.exitCode, 1);
  const auto report = nlohmann::ordered_json::parse(run.out);
  EXPECT_EQ(report["ok"], false);
  ASSERT_EQ(report["checks"].size(), 9u);
  const auto& probe = report["checks"][7];
  EXPECT_EQ(probe["check"], "controller probe");
  EXPECT_EQ(probe["ok"], false);
  EXPECT_THAT(probe["fix"].get<std::string>(), HasSubstr("check that the controller is switched on"));
  EXPECT_EQ(report["checks"][6]["ok"], true);  // the adapter itself answered
  EXPECT_FALSE(report["checks"][6].contains("fix"));
}

TEST_F(CliDoctor, ADeniedNodeFailsWithTheFixAndTheConnectIsNotTried) {
  const CliRun run = Simulate({"--fault", "access-denied", "doctor"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.out, HasSubstr("FAIL access to /dev/hidraw-sim0: crw-rw---- simulation:simulation; this user may "
                                 "not read and write it; it does not open: permission denied\n"
                                 "     fix: The link adapter is plugged in, but this user may not open its device "
                                 "node /dev/hidraw-sim0 (permission denied).\n"));
  EXPECT_THAT(run.out, HasSubstr("          sudo udevadm control --reload-rules\n"));
  EXPECT_THAT(run.out, HasSubstr("FAIL connect report: not sent: the adapter does not open\n"));
  EXPECT_THAT(run.out, Not(HasSubstr("controller probe")));
}

TEST_F(CliDoctor, ListAndInfoSayWhatIsWrongWithADeniedNodeAndExitWithOne) {
  const std::string message = LinkRefusalMessage(LinkRefusal::kAccessDenied, "/dev/hidraw-sim0");
  const CliRun list = Simulate({"--fault", "access-denied", "list"});
  EXPECT_EQ(list.exitCode, 1);
  EXPECT_EQ(list.out, "/dev/hidraw-sim0  cannot be opened: permission denied\n");
  EXPECT_EQ(list.err, "vuriru-cli: " + message + "\n");

  const CliRun json = Simulate({"--fault", "access-denied", "--json", "list"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(
      nlohmann::ordered_json::parse(json.out),
      nlohmann::ordered_json::parse(R"([{"path": "/dev/hidraw-sim0", "opens": false, "refused": "access-denied"}])"));

  for (const char* command : {"info", "read"}) {
    const CliRun run = Simulate({"--fault", "access-denied", command});
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_EQ(run.err, "vuriru-cli: " + message + "\n") << command;
  }
}

class DoctorChecks : public ::testing::Test {
 protected:
  DoctorChecks() { std::filesystem::create_directories(m_bin); }
  ~DoctorChecks() override { std::filesystem::remove_all(m_scratch); }

  std::string Text() const {
    std::ostringstream out;
    PrintDoctorReport(report, false, out);
    return out.str();
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
  std::filesystem::path m_bin = m_scratch / "usr" / "bin";
  DoctorReport report;
};

TEST_F(DoctorChecks, BitmapFilesAreCountedPerFolderAndTheMissingNamed) {
  const std::filesystem::path share = m_scratch / "usr" / "share" / "vuriru-link";
  std::filesystem::create_directories(share);
  for (const std::string& name : BitmapFileNames()) std::ofstream(share / name) << "x";
  std::ofstream(m_bin / "LB.bmp") << "x";
  CheckBitmapFiles(report, m_bin);
  std::filesystem::remove(share / "V1.bmp");
  std::filesystem::remove(share / "9.bmp");
  CheckBitmapFiles(report, m_bin);
  EXPECT_EQ(Text(), "OK   bitmap files: all 14 found: 1 in " + m_bin.string() + ", 13 in " + share.string() +
                        "\n"
                        "FAIL bitmap files: missing 9.bmp, V1.bmp (looked in " +
                        m_bin.string() + " and " + share.string() + "); 1 in " + m_bin.string() + ", 11 in " +
                        share.string() +
                        "\n"
                        "     fix: reinstall the vuriru-link package; in a build tree, build the target "
                        "vuriru_artwork_files\n");
}

TEST_F(DoctorChecks, AMissingRuleFailsWithTheCommandsIndentedUnderTheFix) {
  CheckUdevRule(report, {}, false);
  CheckUdevRule(report, "/etc/udev/rules.d/70-vuriru-link.rules", false);
  CheckUdevRule(report, {}, true);
  EXPECT_EQ(report.Failures(), 1u);
  const std::vector<std::string> lines = Lines(Text());
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "FAIL udev rule: 70-vuriru-link.rules is not installed");
  EXPECT_THAT(lines[1], StartsWith("     fix: install the vuriru-link package"));
  EXPECT_EQ(lines[2],
            std::string("            echo '") + kUdevRule + "' | sudo tee /etc/udev/rules.d/70-vuriru-link.rules");
  EXPECT_EQ(lines[5], "          then unplug the adapter and plug it in again");
  EXPECT_EQ(lines[6], "OK   udev rule: installed as /etc/udev/rules.d/70-vuriru-link.rules");
  EXPECT_EQ(lines[7], "OK   udev rule: not needed with --simulate (not installed)");
}

TEST_F(DoctorChecks, ReportSizesFailWhenTheFramingCannotWork) {
  const auto numbered = [](uint8_t inputBytes, uint8_t outputBytes) {
    return std::vector<uint8_t>{0x75, 0x08, 0x85, 0x01, 0x95,        inputBytes, 0x81,
                                0x02, 0x85, 0x02, 0x95, outputBytes, 0x91,       0x02};
  };
  CheckReportSizes(report, "/dev/hidraw1", numbered(63, 63));
  CheckReportSizes(report, "/dev/hidraw2", numbered(63, 59));
  CheckReportSizes(report, "/dev/hidraw3", numbered(100, 63));
  CheckReportSizes(report, "/dev/hidraw4", std::vector<uint8_t>{0x75, 0x08, 0x95, 0x3F, 0x81, 0x02, 0x91, 0x02});
  CheckReportSizes(report, "/dev/hidraw5", std::vector<uint8_t>{0x85, 0x00});
  CheckReportSizes(report, "/dev/hidraw6", std::nullopt);
  const std::vector<DoctorLine>& lines = report.Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_TRUE(lines[0].ok) << lines[0].detail;
  EXPECT_THAT(lines[0].detail, HasSubstr("connect report 0xFD: not declared"));
  EXPECT_FALSE(lines[1].ok);
  EXPECT_THAT(lines[1].fix, HasSubstr("its reports are too short for the link"));
  EXPECT_FALSE(lines[2].ok);
  EXPECT_THAT(lines[2].detail, HasSubstr("input reports of 101 bytes with their id are cut to the 64-byte slots"));
  EXPECT_FALSE(lines[3].ok);
  EXPECT_THAT(lines[3].detail, HasSubstr("the reports carry no report id"));
  EXPECT_FALSE(lines[4].ok);
  EXPECT_THAT(lines[4].detail, HasSubstr("not understood (report id 0 is not allowed)"));
  EXPECT_TRUE(lines[5].ok);
  EXPECT_THAT(lines[5].detail, HasSubstr("cannot be read here; the link takes the adapter's usual 64-byte reports"));
}

TEST_F(DoctorChecks, AnInterruptOutEndpointIsNamedAsTheFirstSuspect) {
  AdapterFacts facts;
  facts.path = "/dev/hidraw3";
  facts.vendorId = 0x10C4;
  facts.productId = 0x8468;
  facts.interruptOut = true;
  AdapterProbe probe;
  probe.path = facts.path;
  probe.opens = true;
  CheckAdapter(report, facts, &probe);
  EXPECT_TRUE(report.AllHold());
  ASSERT_EQ(report.Lines().size(), 4u);
  EXPECT_EQ(report.Lines()[0].detail, "10c4:8468, no strings");
  EXPECT_EQ(report.Lines()[1].detail, "it opens");
  EXPECT_THAT(report.Lines()[3].detail, HasSubstr("if the adapter never answers the connect report, suspect this"));
}

}  // namespace
}  // namespace vuriru::testing
