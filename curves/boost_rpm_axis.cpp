// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/boost_rpm_axis.h"

namespace vuriru {

void BoostRpmAxis::UpdateRpmLabels(int32_t startIndex, int32_t& endIndex) {
  // 64-bit so that any index a damaged reply could hold stays well defined.
  const int64_t start = int64_t{startIndex} * 500 + 1000;
  int64_t end = int64_t{endIndex} * 500 + 3000;
  if (end <= start) {
    end = start + 1000;
    endIndex = static_cast<int32_t>((end - 3000) / 500);
  }
  const int64_t quarter = (end - start) / 4;
  for (size_t i = 0; i + 1 < kLabelCount; ++i) m_values[i] = static_cast<uint32_t>(start + quarter * int64_t(i));
  m_values[kLabelCount - 1] = static_cast<uint32_t>(end);
}

std::string BoostRpmAxis::LabelText(size_t i) const {
  return i < kLabelCount ? std::to_string(m_values[i]) : "";
}

}  // namespace vuriru
