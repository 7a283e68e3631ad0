// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the V1 panels put their parts, in pixels. The panel fills the main
// window's client area (443 x 310 dialog units): a header with the title and
// the two link indicators, the settings in two columns, the three buttons,
// the status line. Plain C++, so that the artwork generator draws the panel's
// picture to the same places.

#include "widgets/layout/dialog_units.h"

namespace vuriru::v1_layout {

inline constexpr int kWidth = DuX(443);
inline constexpr int kHeight = DuY(310);
inline constexpr int kMargin = 14;

// Header: the title at the left, "Connection", "ESC" [indicator], "USB"
// [indicator] at the right. The indicators are 53 x 56, drawn unscaled.
inline constexpr PixelRect kTitle{kMargin, 16, 300, 26};
inline constexpr int kIndicatorWidth = 53;
inline constexpr int kIndicatorHeight = 56;
inline constexpr PixelRect kUsbIndicator{kWidth - kMargin - kIndicatorWidth, 10, kIndicatorWidth, kIndicatorHeight};
inline constexpr PixelRect kUsbLabel{kUsbIndicator.x - 40, 28, 36, 20};
inline constexpr PixelRect kEscIndicator{kUsbLabel.x - 12 - kIndicatorWidth, 10, kIndicatorWidth, kIndicatorHeight};
inline constexpr PixelRect kEscLabel{kEscIndicator.x - 40, 28, 36, 20};
inline constexpr PixelRect kConnectionLabel{kEscLabel.x - 96, 28, 90, 20};
inline constexpr int kHeaderRule = 76;

// Settings: two columns of caption and drop-down list, their rows spread
// over the grid's height.
inline constexpr int kGridTop = 92;
inline constexpr int kGridBottom = 376;
inline constexpr int kRowHeight = 24;
inline constexpr int kColumnX[] = {kMargin, kWidth / 2 + 8};
inline constexpr int kCaptionWidth = 176;
inline constexpr int kListWidth = 130;
inline constexpr PixelRect kGridPanel{6, kGridTop - 10, kWidth - 12, kGridBottom - kGridTop + 20};

// The buttons, 121 x 31 each and drawn unscaled, then the status line.
inline constexpr int kButtonWidth = 121;
inline constexpr int kButtonHeight = 31;
inline constexpr int kButtonTop = 398;
inline constexpr int kButtonGap = 12;
inline constexpr int ButtonX(int index) {
  return kMargin + index * (kButtonWidth + kButtonGap);
}
// The version boxes of the thirteen-setting panel, right of the buttons.
inline constexpr int kVersionX = ButtonX(3) + 24;
inline constexpr int kVersionTop = kButtonTop - 6;
inline constexpr int kVersionPitch = 22;
inline constexpr PixelRect kStatus{kMargin, 450, kWidth - 2 * kMargin, 28};

// The top of setting row `row` of `rows` in a column.
inline constexpr int RowTop(int row, int rows) {
  if (rows <= 1) return kGridTop;
  return kGridTop + row * (kGridBottom - kGridTop - kRowHeight) / (rows - 1);
}

}  // namespace vuriru::v1_layout
