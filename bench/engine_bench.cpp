// SPDX-License-Identifier: GPL-3.0-or-later
// Times the engine against the simulated full controller on the real clock:
// from opening the link to the end of the first read, from the start of an
// Apply to its end, and the longest time one timer tick or continuation kept
// the engine's thread busy.

#include <cstdio>

#include "bench/timing_scheduler.h"
#include "common/event_loop_scheduler.h"
#include "comms/engine/engine_events.h"
#include "comms/engine/engine_state.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_set.h"
#include "link/link_state.h"
#include "link/usb_link.h"
#include "settings/settings_table.h"
#include "sim/simulated_hid_library.h"
#include "v1/v1_settings_table.h"

namespace vuriru::bench {
namespace {

constexpr uint64_t kLimitMs = 30000;
constexpr int kApplyRuns = 3;

int Run() {
  EventLoopScheduler clock(EventLoopScheduler::Clock::kReal);
  TimingScheduler scheduler(clock);
  SimulatedHidLibrary hid(clock);
  hid.AddAdapter(SimAdapterConfig{SimulatedHidLibrary::SimPath(0), SimTargetKind::kFull});

  struct : LinkState, EngineState {
  } state;
  UsbLink link(hid, state, scheduler);
  IgnoringEngineListener host;
  SettingsBlock settings;
  LoadFactorySettings(settings);
  V1SettingsBlock v1 = V1FactoryBlock();
  CurveSet curves(settings);
  TransactionEngine engine({link, scheduler, state, host, settings, v1, curves});
  scheduler.SetTimerHandler([&](int id) { engine.HandleTimer(id); });

  const auto idle = [&] {
    return state.engineState == 2 && state.settingsRead == 1 && state.g_transferPending == 0 && !engine.IsWaiting();
  };

  link.SetDevicePath(link.GetLastLinkDevicePath());
  const uint64_t openedAt = clock.NowMs();
  if (!engine.ConnectAttempt()) {
    std::fprintf(stderr, "engine_bench: the simulated adapter could not be opened\n");
    return 1;
  }
  if (!clock.RunUntil(idle, kLimitMs)) {
    std::fprintf(stderr, "engine_bench: the first read did not end within %llu ms\n",
                 static_cast<unsigned long long>(kLimitMs));
    return 1;
  }
  std::printf("link open to end of first read: %llu ms\n", static_cast<unsigned long long>(clock.NowMs() - openedAt));

  for (int run = 1; run <= kApplyRuns; ++run) {
    settings.Current(Setting::PunchRate1) = run;
    engine.PrepareUserStore(Transaction::kApply);
    const uint64_t startedAt = clock.NowMs();
    engine.SendSettings();
    if (!clock.RunUntil(idle, kLimitMs)) {
      std::fprintf(stderr, "engine_bench: Apply %d did not end within %llu ms\n", run,
                   static_cast<unsigned long long>(kLimitMs));
      return 1;
    }
    std::printf("Apply %d, start to end: %llu ms\n", run, static_cast<unsigned long long>(clock.NowMs() - startedAt));
  }

  std::printf("longest single engine call (tick or continuation): %.3f ms over %llu calls\n",
              static_cast<double>(scheduler.LongestCallUs()) / 1000.0,
              static_cast<unsigned long long>(scheduler.Calls()));
  return 0;
}

}  // namespace
}  // namespace vuriru::bench

int main() {
  return vuriru::bench::Run();
}
