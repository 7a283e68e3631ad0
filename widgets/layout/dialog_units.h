// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where dialog units become pixels. Page templates give
// positions and sizes in dialog units of the classic 8-point dialog font at
// 96 dpi: 1.5 pixels across and 1.625 pixels down per unit. Qt scales these
// logical pixels for high-density screens. Plain C++, so that the artwork
// generator draws to exactly the same layout as the widgets.

namespace vuriru {

// Rounded to the nearest pixel, halves up.
constexpr int DuX(int units) {
  return (units * 3 + (units >= 0 ? 1 : -1)) / 2;
}
constexpr int DuY(int units) {
  return (units * 13 + (units >= 0 ? 4 : -4)) / 8;
}

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

constexpr PixelRect DuRect(int x, int y, int width, int height) {
  return {DuX(x), DuY(y), DuX(width), DuY(height)};
}

}  // namespace vuriru
