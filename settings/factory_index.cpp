// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/page_table.h"

namespace vuriru {

int FactoryIndexFromOptions(const std::vector<std::string>& options) {
  int factory = 0;
  for (size_t i = 0; i < options.size(); ++i) {
    // No early exit: where two options carry the marker the later one wins.
    if (options[i].find(kFactoryMarker) != std::string::npos) factory = static_cast<int>(i);
  }
  return factory;
}

}  // namespace vuriru
