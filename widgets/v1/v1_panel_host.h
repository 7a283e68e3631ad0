// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the V1 panels need from the window around them: the shared state and
// busy check of their bitmap buttons (ButtonHost), the two connection
// indicators, the engine's read and send, the firmware update, the progress
// dialog and the beep. The main window forwards these to the transaction
// engine, the firmware transfer and the progress dialog; tests record them.

#include <cstdint>

#include "window/button_host.h"
#include "window/v1_busy_rule.h"

namespace vuriru {

class V1PanelHost : public ButtonHost {
 public:
  virtual V1ConnectionIndicators ConnectionIndicators() const = 0;

  // The engine's V1 read: drain input, engine state 4, write 0xD8, tick again.
  virtual void StartV1Read() = 0;
  // The engine's send routine; it takes the panel values through the engine
  // host before building the frame.
  virtual void SendSettings() = 0;
  // The firmware update's file choice and transfer.
  virtual void SendFirmwareFile() = 0;

  // Progress dialog: show it at g_progressPos of g_progressRange; finish it
  // after a completed send.
  virtual void ShowProgress() = 0;
  virtual void FinishProgress() = 0;

  virtual void Beep() = 0;
};

}  // namespace vuriru
