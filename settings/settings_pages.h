// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of the five settings pages, in page order.

#include <vector>

#include "settings/page_table.h"

namespace vuriru {

const PageTable& GeneralPageTable();
const PageTable& ThrottlePageTable();
const PageTable& BrakePageTable();
const PageTable& BoostPageTable();
const PageTable& TurboPageTable();

// General, Throttle, Brake, Boost, Turbo: every settings page, in page number
// order. A new page's table is added here so that the window, the artwork and
// the command-line tool pick it up.
const std::vector<const PageTable*>& AllPageTables();

}  // namespace vuriru
