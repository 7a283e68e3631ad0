// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Brake page: seven visible settings, the hidden D.Brake Rate, and the
// brake curve editor that BRAKE CURVE "Custom" shows in place of the labels.

#include "curves/curve_set.h"
#include "pages/curve_page.h"
#include "widgets/curves/curve_lines.h"

namespace vuriru {

class CBrake : public CCurvePage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CBrake(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CBrakeLine* Editor() const { return m_editor; }
  // What the main window does when it switches to this page: every list
  // closes, and the labels stay hidden while the editor is shown.
  void PrepareForSwitch();

 private:
  CBrakeLine* m_editor;
};

}  // namespace vuriru
