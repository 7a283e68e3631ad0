#pragma once
// The Throttle page: five visible settings, the hidden THREVERSE SPD, and the
// throttle curve editor that THCURVE "Custom" shows in place of the labels.

#include "app/button_host.h"
#include "curves/curve_set.h"
#include "curves/ui/curve_lines.h"
#include "pages/settings_page.h"

namespace vuriru {

class CThrottle : public CSettingsPage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CThrottle(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CThrottleLine* Editor() const { return m_editor; }
  // Hides every option list and value label.
  void HideAll();
  // Shows the value labels of the visible settings.
  void ShowLabels();
  // What the main window does when it switches to this page: the labels stay
  // hidden while the editor is shown.
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
  CThrottleLine* m_editor;
};

}  // namespace vuriru
