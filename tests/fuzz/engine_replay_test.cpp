// SPDX-License-Identifier: GPL-3.0-or-later
// The engine seeds are sessions recorded on the simulated controllers. Played
// back through the engine fuzz target they must reach the end the session
// reached, or the target would start the fuzzer far from the deep states;
// and the target's link faults must bite.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/engine_run.h"

namespace vuriru::fuzz {
namespace {

std::vector<uint8_t> Seed(const char* name) {
  std::ifstream in(std::filesystem::path(VURIRU_FUZZ_DIR) / "corpus" / "engine" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

EngineRunResult Replay(const std::vector<uint8_t>& script) {
  return RunEngineScript(script.data(), script.size());
}

TEST(EngineSeedReplay, ReadsEndWithThePagesShown) {
  for (const char* name :
       {"identify_full", "identify_full_split", "identify_full_garbage", "identify_full_bad_curve"}) {
    const EngineRunResult result = Replay(Seed(name));
    EXPECT_EQ(result.readsFinished, 1u) << name;
    EXPECT_EQ(result.state.g_deviceType, device_type::kFull) << name;
  }
  for (const char* name : {"identify_v1", "identify_v1_bec"}) {
    const EngineRunResult result = Replay(Seed(name));
    EXPECT_EQ(result.v1ReadsShown, 1u) << name;
    EXPECT_EQ(result.state.g_deviceType, device_type::kV1) << name;
  }
}

TEST(EngineSeedReplay, StoresEndWithTheirButtonReleased) {
  EXPECT_EQ(Replay(Seed("apply")).pressedButtonsReleased, 1u);
  EXPECT_EQ(Replay(Seed("apply_first_ack_lost")).pressedButtonsReleased, 1u);
  EXPECT_EQ(Replay(Seed("v1_send")).v1SendsDone, 1u);
  EXPECT_EQ(Replay(Seed("v1_read")).v1ReadsShown, 1u);
}

TEST(EngineSeedReplay, FirmwareUpdatesComplete) {
  for (const char* name : {"firmware_box", "firmware_v1_hgm", "firmware_records", "firmware_records_v1"}) {
    EXPECT_EQ(Replay(Seed(name)).transfer, TransferOutcome::kCompleted) << name;
  }
}

TEST(EngineScript, PullingTheAdapterMidTransferStopsIt) {
  std::vector<uint8_t> script = Seed("firmware_records");
  ASSERT_GT(script.size(), 40u);
  // Cut the session short after the first records, at an operation boundary:
  // replay operation by operation and stop after the fourth reply.
  std::vector<uint8_t> cut(script.begin(), script.begin() + 1);
  size_t at = 1;
  int replies = 0;
  while (at < script.size() && replies < 4) {
    const uint8_t op = script[at];
    size_t length = 1;
    if (op <= engine_op::kLongestReply) {
      length += op;
      ++replies;
    } else if (op >= engine_op::kWait && op < engine_op::kRawReport) {
      length = 2;
    }
    cut.insert(cut.end(), script.begin() + static_cast<ptrdiff_t>(at),
               script.begin() + static_cast<ptrdiff_t>(at + length));
    at += length;
  }
  const EngineRunResult whole = Replay(script);
  EXPECT_EQ(whole.transfer, TransferOutcome::kCompleted);

  cut.push_back(static_cast<uint8_t>(engine_op::kLinkFault | static_cast<uint8_t>(LinkFault::kPull)));
  cut.push_back(0);
  const EngineRunResult pulled = Replay(cut);
  EXPECT_EQ(pulled.transfer, TransferOutcome::kFailed);
  EXPECT_EQ(pulled.state.g_linkState, link_state::kNoLink);
  // Ended by the removal, not by the silence that follows: that would leave
  // the engine in the record answer state.
  EXPECT_EQ(pulled.state.engineState, engine_state::kIdle);
}

TEST(EngineScript, WaitsAreCappedSoEveryInputEnds) {
  // Far more waiting than the cap allows: the run stops at the cap plus the
  // closing minute of silence.
  std::vector<uint8_t> script{static_cast<uint8_t>(EngineScenario::kIdentify)};
  for (int i = 0; i < 1000; ++i) {
    script.push_back(static_cast<uint8_t>(engine_op::kWait | 0x0F));
    script.push_back(0xFF);
  }
  EXPECT_EQ(Replay(script).virtualMs, kScriptTimeLimitMs + kSilenceAfterScriptMs);
}

}  // namespace
}  // namespace vuriru::fuzz
