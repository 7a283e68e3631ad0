#pragma once
// The tables of the five settings pages, in page order.

#include <vector>

#include "pages/page_table.h"

namespace vuriru {

const PageTable& GeneralPageTable();
const PageTable& ThrottlePageTable();
const PageTable& BrakePageTable();
const PageTable& BoostPageTable();
const PageTable& TurboPageTable();

// General, Throttle, Brake, Boost, Turbo.
std::vector<const PageTable*> SettingsPageTables();

}  // namespace vuriru
