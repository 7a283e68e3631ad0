// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/option_text.h"

namespace vuriru {

std::vector<std::string> NumberedOptions(int first, int last, const std::string& suffix, int markedIndex,
                                         const std::string& prefix) {
  std::vector<std::string> options;
  for (int n = first; n <= last; ++n) options.push_back(prefix + std::to_string(n) + suffix);
  if (markedIndex >= 0) MarkFactoryOption(options, static_cast<size_t>(markedIndex));
  return options;
}

void MarkFactoryOption(std::vector<std::string>& options, size_t index) {
  if (index < options.size()) options[index] += "(*)";
}

}  // namespace vuriru
