#include "pages/settings_pages.h"

namespace vuriru {

std::vector<const PageTable*> SettingsPageTables() {
  return {&GeneralPageTable(), &ThrottlePageTable(), &BrakePageTable(), &BoostPageTable(), &TurboPageTable()};
}

const std::vector<const PageTable*>& AllPageTables() {
  static const std::vector<const PageTable*> tables = SettingsPageTables();
  return tables;
}

}  // namespace vuriru
