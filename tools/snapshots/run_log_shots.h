// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running log's history view with made-up runs: a season of them with
// two that were not plausible and a few notes, and the view with a single
// run, which says that the charts need two.

#include "tools/snapshots/snapshot_sheet.h"

namespace vuriru::snapshots {

void RunLogShots(Snapshots& shots);

}  // namespace vuriru::snapshots
