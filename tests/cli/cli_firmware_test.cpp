// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-cli firmware: the image reaches the simulated targets byte for byte,
// files that do not fit or cannot be carried are refused before anything is
// sent, and a transfer that stops ends with exit 1 and how far it came.

#include <fstream>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "sim/simulated_hid_library.h"

namespace vuriru::testing {
namespace {

using ::testing::HasSubstr;

using Bytes = std::vector<uint8_t>;

// Bytes that differ from their neighbours, so a shifted or repeated byte shows.
Bytes PatternImage(size_t n) {
  Bytes image(n);
  for (size_t i = 0; i < n; ++i) image[i] = static_cast<uint8_t>((i * 31 + i / 251) & 0xFF);
  return image;
}

Bytes Scrambled(Bytes image) {
  for (uint8_t& b : image) b ^= 0x5B;
  return image;
}

// Records of 64 bytes (two length bytes and 62 data bytes), `count` of them.
// The data avoids the probe bytes, which a loader takes as the end.
Bytes RecordImage(size_t count) {
  Bytes image;
  for (size_t r = 0; r < count; ++r) {
    image.push_back(0x00);
    image.push_back(62);
    for (size_t k = 0; k < 62; ++k) image.push_back(static_cast<uint8_t>(((r * 62 + k) * 7) % 0xD0));
  }
  return image;
}

Bytes RecordText(const Bytes& image) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  Bytes text;
  for (uint8_t b : image) {
    text.push_back(static_cast<uint8_t>(kDigits[b >> 4]));
    text.push_back(static_cast<uint8_t>(kDigits[b & 0xF]));
  }
  return text;
}

class CliFirmware : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_scratch); }

  std::string Path(const std::string& name) const { return (m_scratch / name).string(); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
  }

  CliRun Simulate(const std::string& kind, std::vector<std::string> args) {
    args.insert(args.begin(), {"--simulate", kind, "--virtual-time", "--trace", Path("trace.txt")});
    return RunCliProcess(args, m_scratch);
  }

  // Whether the trace shows a byte that starts a firmware transfer: 0xD3
  // (the box) or 0xD6 (a controller's loader), or the box's unlock 13 7E.
  bool TraceShowsTransferStart() {
    std::ifstream in(Path("trace.txt"));
    for (std::string line; std::getline(in, line);) {
      std::istringstream words(line);
      std::string ms, direction, first, second;
      words >> ms >> direction >> first >> second;
      if (direction != ">") continue;
      if (first == "D3" || first == "D6" || (first == "13" && second == "7E")) return true;
    }
    return false;
  }

  // Runs the command in this process, so that the simulated target can be
  // looked at afterwards.
  struct InProcess {
    CommandResult result;
    SimMemory memory;
    std::string out;
  };
  InProcess RunInProcess(const std::string& kind, const std::string& file, bool lcd, bool force = false) {
    CliOptions options;
    options.command = "firmware";
    options.file = file;
    options.simulate = kind;
    options.virtualTime = true;
    options.target = lcd ? "lcd" : "controller";
    options.force = force;
    std::ostringstream out, err;
    ProgressBar progress(err, false);
    CommandIo io{out, progress, err};
    DeviceSession session(options, progress);
    InProcess run;
    run.result = RunFirmwareOnSession(session, options, io);
    run.memory = dynamic_cast<SimulatedHidLibrary&>(session.Backend()).Adapter(0).Target().Memory();
    run.out = out.str();
    return run;
  }

  std::filesystem::path m_scratch = MakeScratchFolder();
};

TEST_F(CliFirmware, EachTargetHoldsExactlyTheImageAfterwards) {
  struct Case {
    std::string kind;
    bool lcd;
    std::string file;
    Bytes fileBytes;
    Bytes image;  // what the target must hold
  };
  const Bytes blocks = PatternImage(1300);
  const Bytes records = RecordImage(40);
  const std::vector<Case> cases = {
      {"lcd", true, "box.xut", Scrambled(blocks), blocks},
      {"v1-hgm", false, "v1.HGM", Scrambled(blocks), blocks},
      {"full", false, "esc.xup", RecordText(records), records},
      {"v1", false, "v1.xup", RecordText(records), records},
  };
  for (const Case& c : cases) {
    const InProcess run = RunInProcess(c.kind, Write(c.file, c.fileBytes), c.lcd);
    ASSERT_TRUE(run.result.ok()) << c.kind << ": " << run.result.message;
    EXPECT_EQ(run.memory.firmwareImage, c.image) << c.kind;
    EXPECT_EQ(run.memory.firmwareUpdates, 1u) << c.kind;
    EXPECT_THAT(run.out, HasSubstr("Sent " + std::to_string(c.image.size()) + " bytes")) << c.kind;
  }
}

TEST_F(CliFirmware, AnExtensionThatDoesNotFitIsAUsageErrorUnlessForced) {
  const Bytes blocks = PatternImage(1300);
  const Bytes records = RecordImage(8);
  struct Case {
    std::string kind;
    std::vector<std::string> args;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"lcd", {"firmware", "--target", "lcd", Write("esc.xup", RecordText(records))}, "*.xut"},
      {"full", {"firmware", Write("box.xut", Scrambled(blocks))}, "*.xup"},
      {"v1-hgm", {"firmware", Path("esc.xup")}, "*.hgm"},
      {"v1", {"firmware", Write("v1.hgm", Scrambled(blocks))}, "*.xup"},
  };
  for (const Case& c : cases) {
    const CliRun run = Simulate(c.kind, c.args);
    EXPECT_EQ(run.exitCode, 2) << c.kind;
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, HasSubstr("takes " + c.expected + " files")) << c.kind;
    EXPECT_THAT(run.err, HasSubstr("--force")) << c.kind;
    EXPECT_FALSE(TraceShowsTransferStart()) << c.kind;
  }

  // A *.bin file needs no force: it is read as the kind the device takes.
  const InProcess bin = RunInProcess("lcd", Write("box.BIN", Scrambled(blocks)), true);
  ASSERT_TRUE(bin.result.ok()) << bin.result.message;
  EXPECT_EQ(bin.memory.firmwareImage, blocks);

  // Forced, the file is read as the kind the device takes.
  const InProcess box = RunInProcess("lcd", Write("box.bin", Scrambled(blocks)), true, true);
  ASSERT_TRUE(box.result.ok()) << box.result.message;
  EXPECT_EQ(box.memory.firmwareImage, blocks);
  const InProcess esc = RunInProcess("full", Write("esc.txt", RecordText(records)), false, true);
  ASSERT_TRUE(esc.result.ok()) << esc.result.message;
  EXPECT_EQ(esc.memory.firmwareImage, records);
}

TEST_F(CliFirmware, ImagesThatCannotBeCarriedAreRefusedBeforeAnythingIsSent) {
  Bytes pastEnd = RecordImage(3);
  pastEnd[pastEnd.size() - 64 + 1] = 63;  // the last record claims one byte more than there is
  struct Case {
    std::string kind;
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"lcd", {"firmware", "--target", "lcd", Write("short.xut", Scrambled(PatternImage(512)))}, "too short"},
      {"lcd", {"firmware", "--target", "lcd", Write("big.xut", Scrambled(PatternImage(65536)))}, "too large"},
      {"v1-hgm", {"firmware", Write("big.hgm", Scrambled(PatternImage(65536)))}, "too large"},
      {"full", {"firmware", Write("past.xup", RecordText(pastEnd))}, "runs past the end"},
      {"full", {"firmware", Write("empty.xup", {})}, "empty"},
      {"full", {"firmware", Path("missing.xup")}, "no such file"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(Path("trace.txt"));
    const CliRun run = Simulate(c.kind, c.args);
    EXPECT_EQ(run.exitCode, 3) << c.args.back();
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.says)) << c.args.back();
    EXPECT_FALSE(TraceShowsTransferStart()) << c.args.back();
  }
}

TEST_F(CliFirmware, ATransferThatStopsExitsWithOneAndSaysHowFarItCame) {
  const std::string box = Write("box.xut", Scrambled(PatternImage(4000)));
  const std::string esc = Write("esc.xup", RecordText(RecordImage(40)));
  struct Case {
    std::string kind;
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"full",
       {"--fault", "refuse-block=10", "firmware", esc},
       "refused a part of the firmware. The transfer stopped at 25%"},
      {"lcd", {"--fault", "refuse-block=2", "firmware", "--target", "lcd", box}, "stopped answering"},
      {"full", {"--fault", "pull-after=1000", "firmware", esc}, "adapter was removed"},
      {"lcd", {"--fault", "pull-after=1500", "firmware", "--target", "lcd", box}, "adapter was removed"},
      // Before the box's first block its drop off the bus may be its restart;
      // when it never comes back the command still says what happened.
      {"lcd", {"--fault", "pull-after=100", "firmware", "--target", "lcd", box}, "adapter was removed"},
      {"v1-hgm",
       {"--fault", "refuse-block=1", "firmware", Write("v1.hgm", Scrambled(PatternImage(2000)))},
       "stopped answering"},
  };
  for (const Case& c : cases) {
    const CliRun run = Simulate(c.kind, c.args);
    EXPECT_EQ(run.exitCode, 1) << c.kind << " " << c.args[1];
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.says)) << c.kind << " " << c.args[1];
    EXPECT_THAT(run.err, HasSubstr("%. ")) << c.kind << " " << c.args[1];
    EXPECT_THAT(run.err, HasSubstr("powered")) << c.kind << " " << c.args[1];
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(CliFirmware, TheTargetMustBeTheAttachedDevice) {
  const std::string box = Write("box.xut", Scrambled(PatternImage(1300)));
  const CliRun boxWithoutTarget = Simulate("lcd", {"firmware", box});
  EXPECT_EQ(boxWithoutTarget.exitCode, 1);
  EXPECT_THAT(boxWithoutTarget.err, HasSubstr("add --target lcd"));
  const CliRun controllerAsBox = Simulate("full", {"firmware", "--target", "lcd", box});
  EXPECT_EQ(controllerAsBox.exitCode, 1);
  EXPECT_THAT(controllerAsBox.err, HasSubstr("leave out --target lcd"));
  EXPECT_FALSE(TraceShowsTransferStart());
  EXPECT_EQ(Simulate("lcd", {"firmware", "--target", "toaster", box}).exitCode, 2);
}

TEST_F(CliFirmware, HelpListsTheCommandAndItsOptions) {
  EXPECT_THAT(RunCliProcess({"--help"}, m_scratch).out, HasSubstr("firmware"));
  const std::string help = RunCliProcess({"firmware", "--help"}, m_scratch).out;
  EXPECT_THAT(help, HasSubstr("--target"));
  EXPECT_THAT(help, HasSubstr("--force"));
}

}  // namespace
}  // namespace vuriru::testing
