// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/v1_busy_rule.h"

namespace vuriru {

bool IsV1PanelBusy(const SharedState& state, V1ConnectionIndicators indicators) {
  if (state.g_transferPending != 0 || state.g_curveEditorOpen != 0) return true;
  if (state.g_linkState == kV1LinkOpening) {
    return indicators.esc != kIndicatorConnected || indicators.usb != kIndicatorConnected;
  }
  if (state.g_linkState == link_state::kOpen) return indicators.esc == 0 || indicators.usb == 0;
  return false;
}

}  // namespace vuriru
