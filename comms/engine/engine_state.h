// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's part of the program-wide flags: what is attached, what runs,
// and the progress of it. The names keep the spelling the rest of the system
// knows them by. The engine and the firmware transfer own them; the window
// reads them and sets the few the user's commands start with.

#include <cstdint>

#include "common/state_values.h"

namespace vuriru {

// The progress ranges the transactions count in: a read (and the start), a
// store (and the read after an adapter arrived).
inline constexpr uint32_t kProgressRangeRead = 409;
inline constexpr uint32_t kProgressRangeStore = 440;

struct EngineState {
  // The transaction engine's state number (0 idle, 1..17).
  uint8_t engineState = 0;
  int32_t g_adapterReady = 0;
  int32_t g_escPresent = 0;
  uint8_t g_deviceType = device_type::kNone;
  // The RUZ Oviveru Ruv is the selected target; its firmware transfer is starting.
  bool g_lcdMode = false;
  bool g_lcdUpdating = false;
  // A user transaction is requested or running; commands are refused meanwhile.
  // Set at start so that the first read shows its progress and commands wait
  // until that read ends.
  uint8_t g_transferPending = 1;
  uint32_t g_progressPos = 0;
  uint32_t g_progressRange = kProgressRangeRead;
  // The first-read flag: the next read shows the pages (or the V1 panel) anew.
  uint8_t g_refreshPages = 1;
  uint8_t g_updateDoneNotice = 0;
  // 1 once a settings reply has been parsed; cleared when the link is lost or
  // a firmware update ends.
  int32_t settingsRead = 0;
  // 10, or 11 when a V1 controller answered the probe with 0x2B (BEC shown).
  int32_t v1Variant = 10;
};

}  // namespace vuriru
