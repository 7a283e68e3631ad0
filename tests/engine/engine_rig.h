// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine with everything around it for a test, on the given clock: the
// shared state, a link over a given HidLibrary, a recording host, the
// settings, V1 settings and curves. Every block the link writes is kept with
// the virtual time it went out.

#include <cstdint>
#include <vector>

#include "common/event_loop_scheduler.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_set.h"
#include "engine/recording_host.h"
#include "link/usb_link.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::test {

struct SentBlock {
  uint64_t atMs = 0;
  std::vector<uint8_t> bytes;
};

class EngineRig {
 public:
  EngineRig(HidLibrary& hid, EventLoopScheduler& clock);

  // Opens the link as the connect timer would (engine state 1, tick 100 ms).
  bool Connect();
  // Runs the clock for one engine tick (100 ms) and whatever falls due in it.
  void Tick(int ticks = 1) { scheduler.AdvanceBy(100ull * static_cast<uint64_t>(ticks)); }
  uint8_t State() const { return state.engineState; }
  // The blocks written since the last call, and forgets them.
  std::vector<SentBlock> TakeSent();
  std::vector<std::vector<uint8_t>> TakeSentBytes();

  EventLoopScheduler& scheduler;
  // The flags of the link and the engine; a window's would sit beside them.
  struct State : LinkState, EngineState {
  } state;
  UsbLink link;
  RecordingHost host;
  SettingsBlock settings;
  V1SettingsBlock v1;
  CurveSet curves;
  TransactionEngine engine;
  std::vector<SentBlock> sent;
};

}  // namespace vuriru::test
