// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_mapping.h"

#include <algorithm>

namespace vuriru {
namespace {

// num / den rounded half away from zero; den > 0.
int32_t DivideRounded(int64_t num, int64_t den) {
  return static_cast<int32_t>(num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den));
}

}  // namespace

GridPoint CurveGridMapping::MouseToGrid(PixelPoint mouse) const {
  // Rounding (not truncation) makes a press on a drawn point map back to
  // exactly that point, and treats both sides of the origin alike.
  const int64_t width = std::max(plotWidth, 1);
  return {DivideRounded(int64_t{mouse.x - kMouseOrigin.x} * kGridWidth, width),
          DivideRounded(int64_t{kMouseOrigin.y - mouse.y} * kGridHeight, kPlotHeight)};
}

PixelPoint CurveGridMapping::GridToPlot(GridPoint point) const {
  const int64_t width = std::max(plotWidth, 1);
  return {static_cast<int32_t>(int64_t{point.x} * width / kGridWidth),
          static_cast<int32_t>(kPlotHeight - int64_t{point.y} * kPlotHeight / kGridHeight)};
}

int32_t CurveGridMapping::PlotXOfTenths(int32_t tenths) const {
  const int64_t width = std::max(plotWidth, 1);
  return static_cast<int32_t>(int64_t{tenths} * width / (int64_t{kGridWidth} * 10));
}

}  // namespace vuriru
