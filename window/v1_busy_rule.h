// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the V1 panel refuses "Read Settings" and "Send Settings". Unlike the
// main window's busy check, a link state other than 1 or 2 is not busy here,
// so that a read without a link still shows the progress dialog.

#include "window/shared_state.h"

namespace vuriru {

// The states of the main window's two connection indicators (controller and
// adapter): 0 off, 2 connected.
struct V1ConnectionIndicators {
  int esc = 0;
  int usb = 0;
};

// Link state 1: the adapter is open but not yet announced.
inline constexpr uint8_t kV1LinkOpening = 1;
inline constexpr int kIndicatorConnected = 2;

bool IsV1PanelBusy(const SharedState& state, V1ConnectionIndicators indicators);

}  // namespace vuriru
