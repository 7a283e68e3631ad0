// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Boost page: BOOST TIMING, START RPM, END RPM, SLOPE and STABLITY
// ASSIST, and the boost curve editor, which SLOPE's "Custom" opens (without
// SLOPE on offer a custom boost curve could never be edited). While the
// boost timing is 0 the other settings are inert and drawn grey; every
// boost timing choice returns the boost curve to its default for the new
// timing, whose bend lies at the new boost limit.

#include "curves/curve_set.h"
#include "pages/curve_page.h"
#include "widgets/curves/curve_lines.h"

namespace vuriru {

class CBoost : public CCurvePage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CBoost(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CBoostLine* Editor() const { return m_editor; }
  // A choice as the option lists make it, with the boost timing's curve reset.
  void ChooseOption(size_t row, int index) override;

 protected:
  bool IsBlocked(size_t row) const override;
  // SLOPE's "Custom" opens the boost editor with its rpm axis set from
  // START RPM and END RPM.
  void BeforeShowingEditor() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AfterBoostTimingChoice();

  SettingsBlock& m_block;
  CBoostLine* m_editor;
};

}  // namespace vuriru
