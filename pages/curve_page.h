// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Throttle, Brake and Boost pages share: a curve selector whose
// "Custom" shows the page's curve editor in place of the value labels, whose
// "Linear(*)" returns the editor to its default curve, and the labels coming
// back when the editor closes with OK or CANCEL.

#include "curves/curve_model.h"
#include "pages/settings_page.h"
#include "widgets/curves/curve_line.h"
#include "window/button_host.h"

namespace vuriru {

class CCurvePage : public CSettingsPage {
  Q_OBJECT

 public:
  // Hides every option list and value label.
  void HideAll();
  // Shows the value labels of the visible settings.
  void ShowLabels();
  // After OK or CANCEL: hides the editor and shows the labels again. Runs on
  // every paint; returns whether there was anything to restore.
  bool RestoreAfterEditor();
  CCurveLine* Editor() const { return m_curveEditor; }

 protected:
  // The curve and the host must outlive the page.
  CCurvePage(const PageTable& table, SettingsBlock& block, CurveModel& curve, ButtonHost& host, QWidget* parent);

  // The derived page creates its editor as its child and hands it over here.
  void AttachEditor(CCurveLine* editor);
  // Runs after a "Custom" choice, just before the editor is shown.
  virtual void BeforeShowingEditor() {}

  void OnCurveSelectorChosen(size_t row, int index) override;
  void paintEvent(QPaintEvent* event) override;

  CurveModel& m_curve;
  ButtonHost& m_host;

 private:
  CCurveLine* m_curveEditor = nullptr;
};

}  // namespace vuriru
