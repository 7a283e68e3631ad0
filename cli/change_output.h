// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a change list (diff, apply --dry-run) as text or JSON.

#include <ostream>
#include <string>

#include "files/settings_review.h"

namespace vuriru {

// Text: "Changes from A to B:" and one line per change, or the line that
// nothing changes. JSON: {"from", "to", "settings": [{"key", "from": {"index",
// "text"}, "to": {...}}], "curves": ["throttle", ...]}.
void PrintChanges(const ChangeList& changes, const std::string& from, const std::string& to, bool json,
                  std::ostream& out);

}  // namespace vuriru
