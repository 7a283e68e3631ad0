#pragma once
// Taking a stored curve back from the controller. The reply is 123 bytes: a
// first byte, the 120 curve values (sampled table, x, y; 40 each) and the two
// check bytes.

#include <cstddef>
#include <cstdint>

#include "common/shared_state.h"
#include "curves/curve_set.h"
#include "settings/settings_block.h"

namespace vuriru {

inline constexpr size_t kCurveReplyLength = 123;

// What a curve reply asks of the windows; the engine's host implements it.
class CurveReplyObserver {
 public:
  virtual ~CurveReplyObserver() = default;
  // The reply was refused: the editor redraws the curve it still has.
  virtual void RedrawCurve(CurveNumber number) = 0;
  // After the throttle curve, the last of a read: every page shows the
  // current indexes again, the Data page reformats the running log, a short
  // beep sounds and the main window updates its controls.
  virtual void RefreshPagesFromIndexes() = 0;
  virtual void FormatRunningLog() = 0;
  virtual void Beep() = 0;
  virtual void UpdateMainWindow() = 0;
};

// Checks the reply and, when it is sound, replaces the stored curve of that
// editor; when the page's curve setting is non-zero it becomes 1 (Custom) and
// the editor reloads its points. A reply is refused when it is shorter than
// 123 bytes, when its check bytes do not match, or when it holds a curve the
// editor could not have made. Returns whether the curve was taken.
bool StoreCurveReply(CurveNumber number, const uint8_t* reply, size_t length, CurveSet& curves, SettingsBlock& settings,
                     SharedState& shared, CurveReplyObserver& observer);

}  // namespace vuriru
