// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_pages.h"

namespace vuriru {

const std::vector<const PageTable*>& AllPageTables() {
  static const std::vector<const PageTable*> tables = {&GeneralPageTable(), &ThrottlePageTable(), &BrakePageTable(),
                                                       &BoostPageTable(), &TurboPageTable()};
  return tables;
}

}  // namespace vuriru
