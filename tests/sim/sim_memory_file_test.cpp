// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated target's memory kept in a file between runs.

#include "sim/sim_memory_file.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/starting_memory.h"

namespace vuriru {
namespace {

using ::testing::HasSubstr;

TEST(SimMemoryFile, KeepsSettingsCurvesAndSoftwareOfEachTarget) {
  for (SimTargetKind kind : {SimTargetKind::kFull, SimTargetKind::kV1, SimTargetKind::kV1Bec, SimTargetKind::kV1Hgm}) {
    SimMemory changed = MakeSimTarget(kind)->Memory();
    changed.settings[0] ^= 0x5A;
    if (!changed.curves[kSimCurveThrottle].empty()) changed.curves[kSimCurveThrottle][3] = 77;
    changed.storesCompleted = 9;

    SimMemory loaded = MakeSimTarget(kind)->Memory();
    std::string error;
    ASSERT_TRUE(DecodeSimMemory(EncodeSimMemory(kind, changed), kind, loaded, &error)) << error;
    EXPECT_EQ(loaded.settings, changed.settings);
    EXPECT_EQ(loaded.curves, changed.curves);
    EXPECT_EQ(loaded.softwareVersion, changed.softwareVersion);
    EXPECT_EQ(loaded.storesCompleted, 0u);  // counters start afresh
  }
}

TEST(SimMemoryFile, RefusesAnotherTargetsMemoryAndLinesThatDoNotFitLeavingTheMemoryAlone) {
  const SimMemory full = FullStartingMemory();
  const std::string text = EncodeSimMemory(SimTargetKind::kFull, full);
  const auto refusal = [](const std::string& file, SimTargetKind kind) {
    SimMemory memory = MakeSimTarget(kind)->Memory();
    const SimMemory before = memory;
    std::string error;
    EXPECT_FALSE(DecodeSimMemory(file, kind, memory, &error));
    EXPECT_EQ(memory.settings, before.settings);
    return error;
  };
  EXPECT_THAT(refusal(text, SimTargetKind::kV1), HasSubstr("a full target's, but --simulate names v1"));
  EXPECT_THAT(refusal("something else\n", SimTargetKind::kFull), HasSubstr("not a simulated memory file"));
  EXPECT_THAT(refusal(text + "settings 01 02\n", SimTargetKind::kFull), HasSubstr("has 2 bytes, the target keeps 35"));
  EXPECT_THAT(refusal(text + "software d7 zz 00 00 00 00 00\n", SimTargetKind::kFull), HasSubstr("hex bytes"));
  EXPECT_THAT(refusal(text + "firmware 00\n", SimTargetKind::kFull), HasSubstr("unknown line 'firmware'"));
  EXPECT_THAT(refusal("vuriru-sim-memory 1\nsettings" + std::string(35 * 3, ' ') + "\n", SimTargetKind::kFull),
              HasSubstr("has 0 bytes"));
}

TEST(SimMemoryFile, AMissingFileLeavesTheStartingMemoryAndASavedOneLoadsAgain) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("vuriru-sim-memory-" + std::to_string(::getpid()));
  std::filesystem::remove(path);
  SimMemory memory = FullStartingMemory();
  std::string error;
  ASSERT_TRUE(LoadSimMemoryFile(path, SimTargetKind::kFull, memory, &error)) << error;
  EXPECT_EQ(memory.settings, FullStartingMemory().settings);

  memory.settings[0] = 2;
  ASSERT_TRUE(SaveSimMemoryFile(path, SimTargetKind::kFull, memory, &error)) << error;
  SimMemory again = FullStartingMemory();
  ASSERT_TRUE(LoadSimMemoryFile(path, SimTargetKind::kFull, again, &error)) << error;
  EXPECT_EQ(again.settings[0], 2);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace vuriru
