// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces the window is made of, each on its own: every bitmap file beside
// the program, and every button image in all its looks on one sheet.

#include "tools/snapshots/snapshot_sheet.h"

namespace vuriru::snapshots {

void BackgroundShots(Snapshots& shots);
void ButtonSheet(Snapshots& shots);

}  // namespace vuriru::snapshots
