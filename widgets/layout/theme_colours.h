// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the program's look, shared by the widgets and the artwork
// generator: a dark ground, one accent colour, light text.

#include <QRgb>

namespace vuriru::theme {

inline constexpr QRgb kGroundTop = 0xff20252c;
inline constexpr QRgb kGroundBottom = 0xff121519;
inline constexpr QRgb kPanel = 0xff292f38;
inline constexpr QRgb kEdge = 0xff3d4551;
inline constexpr QRgb kText = 0xffe4e8ec;
inline constexpr QRgb kMutedText = 0xff8b95a1;
inline constexpr QRgb kAccent = 0xffff8a1f;
inline constexpr QRgb kSlot = 0xffeef1f4;  // behind the black value texts

}  // namespace vuriru::theme
