// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one engine fuzz input (fuzz/engine_script.h) and tells how the session
// ended, so that tests can check that a recorded session replays to its end.

#include <cstddef>
#include <cstdint>

#include "comms/firmware/firmware_transfer.h"
#include "fuzz/engine_script.h"
#include "fuzz/engine_session.h"

namespace vuriru::fuzz {

struct EngineRunResult {
  EngineScenario scenario = EngineScenario::kIdentify;
  SessionState state;
  TransferOutcome transfer = TransferOutcome::kNone;
  uint32_t readsFinished = 0;
  uint32_t pressedButtonsReleased = 0;
  uint32_t v1ReadsShown = 0;
  uint32_t v1SendsDone = 0;
  uint64_t virtualMs = 0;
};

// Virtual time the operations may take in all; waits past it are skipped.
inline constexpr uint64_t kScriptTimeLimitMs = 15 * 60 * 1000;
// The silence after the last operation, in which every wait must end.
inline constexpr uint64_t kSilenceAfterScriptMs = 60 * 1000;

EngineRunResult RunEngineScript(const uint8_t* data, size_t size);

}  // namespace vuriru::fuzz
