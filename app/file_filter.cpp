// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_filter.h"

#include <algorithm>
#include <vector>

namespace vuriru {

std::string QtFileFilter(std::string_view pipeFilter) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start <= pipeFilter.size()) {
    const size_t bar = pipeFilter.find('|', start);
    const size_t end = bar == std::string_view::npos ? pipeFilter.size() : bar;
    fields.push_back(pipeFilter.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  std::string result;
  for (size_t i = 0; i + 1 < fields.size(); i += 2) {
    if (fields[i].empty() || fields[i + 1].empty()) continue;
    std::string patterns(fields[i + 1]);
    std::replace(patterns.begin(), patterns.end(), ';', ' ');
    if (!result.empty()) result += ";;";
    result.append(fields[i]).append(" (").append(patterns).append(")");
  }
  return result;
}

}  // namespace vuriru
