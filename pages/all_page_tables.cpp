#include "pages/page_table.h"

namespace vuriru {

const std::vector<const PageTable*>& AllPageTables() {
  static const std::vector<const PageTable*> tables = {&GeneralPageTable()};
  return tables;
}

}  // namespace vuriru
