// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link's part of the program-wide flags. The name keeps the spelling the
// rest of the system knows it by.

#include <cstdint>

#include "common/state_values.h"

namespace vuriru {

struct LinkState {
  // 0 no link, 2 link open and announced; no other value is ever set.
  uint8_t g_linkState = link_state::kNoLink;
};

}  // namespace vuriru
