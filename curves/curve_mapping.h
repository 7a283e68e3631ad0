// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arithmetic between curve-editor pixels and grid units. The grid spans 103
// units across the plot's width W and 110 units up its 240 rows, so 0..100
// leaves a small margin at the right and the top.

#include <cstdint>

#include "curves/curve_kind.h"

namespace vuriru {

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct CurveGridMapping {
  // Window extent (grid units) and the plot's fixed height in pixels.
  static constexpr int32_t kGridWidth = 103;
  static constexpr int32_t kGridHeight = 110;
  static constexpr int32_t kPlotHeight = 240;
  // Where grid (0,0) lies in the editor's client pixels, for mouse positions.
  static constexpr PixelPoint kMouseOrigin{258, 290};
  // The editors' plot frame width: three pixels per grid unit, 103 across.
  static constexpr int32_t kEditorPlotWidth = 309;

  // The plot frame's client width in pixels (held to at least 1).
  int32_t plotWidth = 1;

  // A mouse position in the editor's client pixels, to the nearest grid unit.
  GridPoint MouseToGrid(PixelPoint mouse) const;
  // A grid point to plot-frame pixels: (x*W/103, 240 - y*240/110).
  PixelPoint GridToPlot(GridPoint point) const;
  // The plot column of an x given in tenths of a grid unit (125 for 12.5),
  // as GridToPlot rounds it: the place of the bottom axis labels and of the
  // grid picture's vertical lines.
  int32_t PlotXOfTenths(int32_t tenths) const;
};

}  // namespace vuriru
