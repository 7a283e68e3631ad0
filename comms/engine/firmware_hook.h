// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seam through which the firmware transfer runs its engine states 6..15.
// The transfer installs a handler with TransactionEngine::SetFirmwareHandler;
// every engine tick in one of those states reads the input reports as usual
// and hands the bytes to the handler. The handler drives the transfer with the
// engine's own tools (TransactionEngine, "For the firmware states"): the link,
// the scheduler, the engine's flags, its reports to the listener, Wait for
// fixed pauses, and ReturnToIdle when the transfer is over. Its working data
// (the image, the position, its retry counter, the "ok" collector) is its own.

#include <cstdint>

namespace vuriru {

inline constexpr uint8_t kFirstFirmwareState = 6;
inline constexpr uint8_t kLastFirmwareState = 15;

class FirmwareStateHandler {
 public:
  virtual ~FirmwareStateHandler() = default;
  // One tick in a firmware state (EngineState::engineState). `reply` holds the
  // `count` bytes read this tick; it stays readable and zero-filled up to
  // TransactionEngine::kReplyCapacity bytes, so reply[0] is 0 without a reply.
  virtual void Tick(const uint8_t* reply, uint32_t count) = 0;
  // The open adapter was pulled out; a transfer under way ends with a message
  // that says how far it came.
  virtual void OnAdapterRemoved() = 0;
};

}  // namespace vuriru
