// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Throttle page: five visible settings, the hidden THREVERSE SPD, and the
// throttle curve editor that THCURVE "Custom" shows in place of the labels.

#include "curves/curve_set.h"
#include "pages/curve_page.h"
#include "widgets/curves/curve_lines.h"

namespace vuriru {

class CThrottle : public CCurvePage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CThrottle(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CThrottleLine* Editor() const { return m_editor; }
  // What the main window does when it switches to this page: the labels stay
  // hidden while the editor is shown.
  void PrepareForSwitch();

 private:
  CThrottleLine* m_editor;
};

}  // namespace vuriru
