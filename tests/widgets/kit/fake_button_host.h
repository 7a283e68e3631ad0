// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the main window: a settable busy flag over a fresh shared state.

#include "window/button_host.h"

namespace vuriru::testing {

class FakeButtonHost : public ButtonHost {
 public:
  bool IsBusy() const override { return busy; }
  SharedState& State() override { return state; }
  int& ConfirmState() override { return confirmState; }

  bool busy = false;
  SharedState state;
  int confirmState = 0;
};

}  // namespace vuriru::testing
