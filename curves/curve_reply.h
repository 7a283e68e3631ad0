// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Taking a stored curve back from the controller. The reply is 123 bytes: a
// first byte, the 120 curve values (sampled table, x, y; 40 each) and the two
// check bytes.

#include <cstddef>
#include <cstdint>

#include "curves/curve_set.h"
#include "settings/settings_block.h"

namespace vuriru {

inline constexpr size_t kCurveReplyLength = 123;

// Checks the reply and, when it is sound, replaces the stored curve of that
// editor; when the page's curve setting is non-zero it becomes 1 (Custom) and
// the editor reloads its points. A reply is refused when it is shorter than
// 123 bytes, when its check bytes do not match, or when it holds a curve the
// editor could not have made. Returns whether the curve was taken.
// A refused reply changes nothing; the engine reports it, and the editor then
// redraws the curve it still has.
bool StoreCurveReply(CurveNumber number, const uint8_t* reply, size_t length, CurveSet& curves,
                     SettingsBlock& settings);

}  // namespace vuriru
