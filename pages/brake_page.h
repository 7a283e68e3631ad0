#pragma once
// The Brake page: seven visible settings, the hidden D.Brake Rate, and the
// brake curve editor that BRAKE CURVE "Custom" shows in place of the labels.

#include "app/button_host.h"
#include "curves/curve_set.h"
#include "curves/ui/curve_lines.h"
#include "pages/settings_page.h"

namespace vuriru {

class CBrake : public CSettingsPage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CBrake(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CBrakeLine* Editor() const { return m_editor; }
  // Hides every option list and value label.
  void HideAll();
  // Shows the value labels of the visible settings.
  void ShowLabels();
  // What the main window does when it switches to this page: every list
  // closes, and the labels stay hidden while the editor is shown.
  void PrepareForSwitch();
  // After OK or CANCEL: hides the editor and shows the labels again. Runs on
  // every paint; returns whether there was anything to restore.
  bool RestoreAfterEditor();

 protected:
  void OnCurveSelectorChosen(size_t row, int index) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  CurveModel& m_curve;
  ButtonHost& m_host;
  CBrakeLine* m_editor;
};

}  // namespace vuriru
