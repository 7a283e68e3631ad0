// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders for the long, regular option lists of the settings pages.

#include <string>
#include <vector>

namespace vuriru {

// prefix + n + suffix for n = first..last; the option at markedIndex (if any)
// carries the factory mark "(*)".
std::vector<std::string> NumberedOptions(int first, int last, const std::string& suffix, int markedIndex = -1,
                                         const std::string& prefix = "");

// Marks the option at index with "(*)".
void MarkFactoryOption(std::vector<std::string>& options, size_t index);

}  // namespace vuriru
