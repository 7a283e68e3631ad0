// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against the simulated adapter and controllers on the virtual
// clock: whole reads and stores, and the faults a real link shows.

#include <memory>

#include <gtest/gtest.h>

#include "engine/engine_rig.h"
#include "settings/settings_table.h"
#include "sim/simulated_hid_library.h"
#include "v1/cut_off_code.h"

namespace vuriru::test {
namespace {

class SimEndToEnd : public ::testing::Test {
 protected:
  void Start(SimTargetKind target, std::initializer_list<SimFault> faults = {}) {
    adapter = &lib.AddAdapter(SimAdapterConfig{SimulatedHidLibrary::SimPath(0), target});
    for (SimFault fault : faults) adapter->Faults().Set(fault);
    rig = std::make_unique<EngineRig>(lib, scheduler);
    ASSERT_TRUE(rig->Connect());
  }

  SimMemory& Memory() { return adapter->Target().Memory(); }

  // Runs until the engine idles with the settings read and nothing pending;
  // records every state it passes through.
  bool RunToIdle(uint64_t limitMs = 20000) {
    const uint64_t end = scheduler.NowMs() + limitMs;
    while (scheduler.NowMs() < end) {
      scheduler.RunOne();
      if (states.empty() || states.back() != rig->State()) states.push_back(rig->State());
      if (rig->State() == 2 && rig->state.settingsRead == 1 && rig->state.g_transferPending == 0 &&
          !rig->engine.IsWaiting()) {
        return true;
      }
    }
    return false;
  }

  void ExpectSettingsMatchMemory() {
    for (const SettingRow& row : SettingsTable()) {
      if (row.replyByte == kNotCarried) continue;
      EXPECT_EQ(rig->settings.Current(row.setting), Memory().settings.at(static_cast<size_t>(row.replyByte)))
          << row.caption;
    }
  }

  // The controller's sampled table is the one the editor makes for the same
  // points, so after a read (which samples a Custom curve again) and after a
  // store the three arrays match the controller's memory.
  void ExpectCurvesMatchMemory() {
    const CurveModel* editors[] = {&rig->curves.boost, &rig->curves.brake, &rig->curves.throttle};
    for (size_t c = 0; c < 3; ++c) {
      const StoredCurve& stored = editors[c]->Stored();
      const std::vector<uint8_t>& values = Memory().curves[c];
      for (size_t i = 0; i < kSampleCount; ++i) {
        EXPECT_EQ(stored.table[i], values[i]) << c << " " << i;
        EXPECT_EQ(stored.x[i], values[kSampleCount + i]) << c << " " << i;
        EXPECT_EQ(stored.y[i], values[2 * kSampleCount + i]) << c << " " << i;
      }
    }
  }

  void Apply() {
    rig->engine.PrepareUserStore(Transaction::kApply);
    rig->engine.SendSettings();
  }

  EventLoopScheduler scheduler;
  SimulatedHidLibrary lib{scheduler};
  SimulatedAdapter* adapter = nullptr;
  std::unique_ptr<EngineRig> rig;
  std::vector<uint8_t> states;
};

TEST_F(SimEndToEnd, FullControllerIsReadThroughEveryReadState) {
  Start(SimTargetKind::kFull);
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(states, (std::vector<uint8_t>{2, 3, 4, 16, 2}));  // from state 1
  EXPECT_EQ(rig->engine.ConnectVersionText(), "V2.05_23114");
  EXPECT_EQ(rig->engine.SoftwareVersionText(), "V3.12_240517");
  ExpectSettingsMatchMemory();
  EXPECT_EQ(rig->settings.Log(RunningLog::BatteryMinVoltage), 72u);
  ExpectCurvesMatchMemory();
  EXPECT_TRUE(Memory().unexpected.empty());
}

TEST_F(SimEndToEnd, ApplyStoresTheSettingsAndTheCurves) {
  Start(SimTargetKind::kFull);
  ASSERT_TRUE(RunToIdle());
  rig->settings.Current(Setting::RunMode) = 2;
  rig->settings.Current(Setting::TurboDelay) = 11;
  rig->settings.Current(Setting::RpmLock) = 50;
  rig->curves.brake.Stored().table[10] = 55;  // lands in the brake block and its check bytes
  const uint32_t storesBefore = Memory().storesCompleted;
  Apply();
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(Memory().storesCompleted - storesBefore, 4u);  // the frame and three curves
  EXPECT_EQ(Memory().curveBlocksRejected, 0u);
  EXPECT_EQ(Memory().settings[0], 2);
  ExpectSettingsMatchMemory();
  ExpectCurvesMatchMemory();
  EXPECT_TRUE(rig->host.Has("StoreDone apply"));
  EXPECT_TRUE(Memory().unexpected.empty());
}

TEST_F(SimEndToEnd, SplitRepliesAreGatheredAcrossTicks) {
  Start(SimTargetKind::kFull, {SimFault::kSplit20});
  ASSERT_TRUE(RunToIdle());
  ExpectSettingsMatchMemory();
  ExpectCurvesMatchMemory();
}

TEST_F(SimEndToEnd, CurvesWithWrongCheckBytesAreDroppedAndTheReadEnds) {
  Start(SimTargetKind::kFull, {SimFault::kBadCurveCheck});
  const StoredCurve before = rig->curves.throttle.Stored();
  ASSERT_TRUE(RunToIdle());
  ExpectSettingsMatchMemory();
  EXPECT_EQ(rig->curves.throttle.Stored().x, before.x);
  EXPECT_TRUE(rig->host.Has("CurvesRead refused-1 refused-2 refused-3"));
}

TEST_F(SimEndToEnd, StoreRecoversFromAnUnansweredFirstPair) {
  Start(SimTargetKind::kFull, {SimFault::kNoFirstAck});
  ASSERT_TRUE(RunToIdle());
  rig->settings.Current(Setting::DeadBand) = 7;
  Apply();
  ASSERT_TRUE(RunToIdle());
  ExpectSettingsMatchMemory();
}

TEST_F(SimEndToEnd, SilentVersionRequestEndsInTheFailureMessageAndProbingGoesOn) {
  Start(SimTargetKind::kFull, {SimFault::kNoVersionAnswer});
  scheduler.AdvanceBy(3000);
  EXPECT_EQ(rig->host.Count("ShowMessage Failed to get ESC Version||!"), 1u);
  EXPECT_TRUE(scheduler.IsTimerRunning(timer_id::kEngine));
}

TEST_F(SimEndToEnd, NothingBehindTheAdapterLeavesTheEngineProbing) {
  Start(SimTargetKind::kNone);
  scheduler.AdvanceBy(5000);
  EXPECT_EQ(rig->State(), 2);
  EXPECT_EQ(rig->state.g_adapterReady, 1);
  EXPECT_EQ(rig->state.g_escPresent, 0);
}

class SimV1EndToEnd : public SimEndToEnd, public ::testing::WithParamInterface<SimTargetKind> {};

TEST_P(SimV1EndToEnd, ReadShowsThePanelAndSendStoresEveryPair) {
  Start(GetParam());
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(rig->state.g_deviceType, device_type::kV1);
  EXPECT_TRUE(rig->host.Has("SettingsRead v1-end first show"));
  EXPECT_EQ(rig->engine.ReplyLength(), Memory().settings.size());
  const bool bec = GetParam() == SimTargetKind::kV1Bec;
  EXPECT_EQ(rig->v1.IsBecShown(), bec);
  EXPECT_EQ(rig->v1[V1Setting::CutOffVoltage], 3);
  EXPECT_EQ(rig->v1[V1Setting::PercentageBraking], 6);
  EXPECT_EQ(rig->v1[V1Setting::Bec], bec ? 1 : 0);

  rig->v1[V1Setting::RunningMode] = 0;
  rig->v1[V1Setting::NeutralRange] = 5;
  rig->v1[V1Setting::CutOffVoltage] = 5;
  rig->v1[V1Setting::Bec] = 0;
  rig->engine.PrepareUserStore(Transaction::kV1Store);
  rig->engine.SendSettings();
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(rig->host.Count("StoreDone v1-store"), 1u);
  EXPECT_EQ(Memory().settings[0], 0x2F);
  EXPECT_EQ(Memory().settings[2], 0);
  EXPECT_EQ(Memory().settings[10], 5);
  if (bec) {
    EXPECT_EQ(Memory().settings[14], 0);
  }
  // The closing byte goes to every model but the 12-byte one.
  EXPECT_EQ(Memory().closingBytes, GetParam() == SimTargetKind::kV1Hgm ? 0u : 1u);
  EXPECT_TRUE(Memory().unexpected.empty());
}

INSTANTIATE_TEST_SUITE_P(Models, SimV1EndToEnd,
                         ::testing::Values(SimTargetKind::kV1, SimTargetKind::kV1Bec, SimTargetKind::kV1Hgm));

}  // namespace
}  // namespace vuriru::test
