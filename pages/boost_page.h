#pragma once
// The Boost page: BOOST TIMING, START RPM and END RPM on show, SLOPE and
// STABLITY ASSIST carried but hidden, and the boost curve editor. While the
// boost timing is 0 the other settings are inert and drawn grey; every
// boost timing choice returns the boost curve to its default for the new
// timing, whose bend lies at the new boost limit.

#include "app/button_host.h"
#include "curves/curve_set.h"
#include "curves/ui/curve_lines.h"
#include "pages/settings_page.h"

namespace vuriru {

class CBoost : public CSettingsPage {
  Q_OBJECT

 public:
  // The curves and the host must outlive the page.
  CBoost(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent = nullptr);

  CBoostLine* Editor() const { return m_editor; }
  // A choice as the option lists make it, with the boost timing's curve reset.
  void ChooseOption(size_t row, int index) override;
  // Hides every option list and value label (while the editor is shown).
  void HideAll();
  void ShowLabels();
  // After OK or CANCEL: hides the editor and shows the labels again. Runs on
  // every paint; returns whether there was anything to restore.
  bool RestoreAfterEditor();

 protected:
  bool IsBlocked(size_t row) const override;
  void OnCurveSelectorChosen(size_t row, int index) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AfterBoostTimingChoice();

  SettingsBlock& m_block;
  CurveSet& m_curves;
  ButtonHost& m_host;
  CBoostLine* m_editor;
};

}  // namespace vuriru
