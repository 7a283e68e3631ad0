// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The left axis of the boost curve editor: five rpm values, bottom to top,
// spanning the Boost page's start and end rpm.

#include <array>
#include <cstdint>
#include <string>

namespace vuriru {

class BoostRpmAxis {
 public:
  static constexpr size_t kLabelCount = 5;

  // The values shown until the Boost page sets them.
  BoostRpmAxis() : m_values{2000, 4500, 7000, 9500, 12000} {}

  // start = start index * 500 + 1000, end = end index * 500 + 3000. An end at
  // or below the start becomes start + 1000, and endIndex is rewritten to
  // match so that the page (and the controller) get the same end rpm.
  void UpdateRpmLabels(int32_t startIndex, int32_t& endIndex);

  const std::array<uint32_t, kLabelCount>& Values() const { return m_values; }
  // Label i (0 = bottom), "%0d".
  std::string LabelText(size_t i) const;

 private:
  std::array<uint32_t, kLabelCount> m_values;
};

}  // namespace vuriru
