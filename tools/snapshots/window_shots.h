// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on a simulated adapter, in the states a user meets: the
// start, every page, each curve editor, a list open, the V1 panel, the
// RUZ Oviveru Ruv's page, a transfer under way, and the About box.

#include "tools/snapshots/snapshot_sheet.h"

namespace vuriru::snapshots {

void WindowShots(Snapshots& shots);

}  // namespace vuriru::snapshots
