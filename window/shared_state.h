// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All the program-wide flags of the window program, as one object: the link's,
// the engine's and the window's parts. One instance per program, a fresh one
// per test; each plain layer is handed only its own part.

#include "comms/engine/engine_state.h"
#include "link/link_state.h"
#include "window/window_state.h"

namespace vuriru {

struct SharedState : LinkState, EngineState, WindowState {};

}  // namespace vuriru
