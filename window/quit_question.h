// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether closing the window would lose something, and the question it then
// asks. Plain C++: the window asks, tests read the wording.

#include <string>

#include "common/user_text.h"
#include "comms/engine/engine_messages.h"

namespace vuriru {

inline constexpr const char* kQuitCaption = VURIRU_TEXT("Messages", "Exit");

struct QuitSituation {
  // The transaction under way while g_transferPending is set; kNone otherwise.
  Transaction running = Transaction::kNone;
  // A firmware transfer goes to the RUZ Oviveru Ruv, not to a controller.
  bool boxFirmware = false;
  bool editsNotApplied = false;
};

// Empty when the window may close at once; otherwise a Yes/No question whose
// safe answer, No, keeps the window open. A transfer that closing would cut
// short comes first: it names the transfer and what the device may be left
// with.
std::string QuitQuestion(const QuitSituation& situation);

}  // namespace vuriru
