// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a bitmap button needs from the window that owns it: the busy check and
// the shared state its drawing reads and records presses into, and the
// window's confirmation state. The main window implements it; tests and the
// snapshot program supply small stand-ins.

#include "window/shared_state.h"

namespace vuriru {

class ButtonHost {
 public:
  virtual ~ButtonHost() = default;
  virtual bool IsBusy() const = 0;
  virtual SharedState& State() = 0;
  // The main window's m_nConfirmState: 2 after the user cancelled the Apply or
  // Default question, so that the pressed command button is released.
  virtual int& ConfirmState() = 0;
};

}  // namespace vuriru
