// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user reads when a read or a store with the controller ends short of
// its end: what happened, what the controller may now hold, and what to do.

#include <string>

#include "common/user_text.h"

namespace vuriru {

// The user transactions the engine carries, as far as a message tells them
// apart.
enum class Transaction {
  kNone,
  kRead,        // the read of versions and settings after connecting or an update
  kReadCurves,  // the same read, at its curves
  kV1Read,      // the V1 panel's "Read Settings"
  kApply,
  kDefault,
  kV1Store,  // the V1 panel's "Send Settings"
  kFirmware,
};

// The link adapter went away in the middle of the transaction.
UserText LinkLostText(Transaction transaction);
// The controller made no progress for a while although the adapter stayed.
UserText ControllerStalledText(Transaction transaction);

// The same in English, as the command-line tool prints them.
std::string LinkLostMessage(Transaction transaction);
std::string ControllerStalledMessage(Transaction transaction);

}  // namespace vuriru
