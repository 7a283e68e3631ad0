// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/throttle_page.h"

#include "settings/settings_pages.h"

namespace vuriru {

CThrottle::CThrottle(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CCurvePage(ThrottlePageTable(), block, curves.throttle, host, parent),
      m_editor(new CThrottleLine(curves.throttle, host, this)) {
  AttachEditor(m_editor);
  ShowLabels();
}

void CThrottle::PrepareForSwitch() {
  HideAll();
  if (m_curve.CloseFlag() == CurveModel::kShown) {
    HideAll();
  } else {
    ShowLabels();
  }
}

}  // namespace vuriru
