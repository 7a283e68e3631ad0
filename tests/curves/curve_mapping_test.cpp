// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_mapping.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(CurveGridMapping, DrawsGridPointsIntoThePlot) {
  const CurveGridMapping map{412};
  EXPECT_EQ(map.GridToPlot({0, 0}), (PixelPoint{0, 240}));
  EXPECT_EQ(map.GridToPlot({100, 100}), (PixelPoint{400, 22}));  // 240 - 218
  EXPECT_EQ(map.GridToPlot({50, 55}), (PixelPoint{200, 120}));
}

TEST(CurveGridMapping, MapsMousePositionsFromTheFixedOrigin) {
  const CurveGridMapping map{412};
  EXPECT_EQ(map.MouseToGrid({258, 290}), (GridPoint{0, 0}));
  EXPECT_EQ(map.MouseToGrid({258 + 400, 290 - 218}), (GridPoint{100, 100}));
  EXPECT_EQ(map.MouseToGrid({257, 291}), (GridPoint{0, 0}));  // rounds to the nearest unit
  EXPECT_EQ(map.MouseToGrid({250, 300}), (GridPoint{-2, -5}));
}

TEST(CurveGridMapping, PressOnADrawnPointFindsThatPoint) {
  // The plot frame sits where grid (0,0) meets the mouse origin: its top-left
  // is at (258, 290 - 240) in the editor.
  for (int32_t width : {207, 300, 470}) {
    const CurveGridMapping map{width};
    for (int32_t x = 0; x <= 100; ++x) {
      for (int32_t y = 0; y <= 100; ++y) {
        const PixelPoint p = map.GridToPlot({x, y});
        ASSERT_EQ(map.MouseToGrid({p.x + 258, p.y + 50}), (GridPoint{x, y})) << width;
      }
    }
  }
}

TEST(CurveGridMapping, DegenerateWidthDoesNotDivideByZero) {
  const CurveGridMapping map{0};
  EXPECT_EQ(map.GridToPlot({100, 0}).x, 0);
  EXPECT_EQ(map.MouseToGrid({259, 290}).x, 103);
}

}  // namespace
}  // namespace vuriru
