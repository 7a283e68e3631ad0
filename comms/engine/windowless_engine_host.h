#pragma once
// An EngineHost for programs without windows (the command-line tool, the
// benches, test rigs): every request is accepted and ignored, and a message
// box counts as dismissed at once. Derived hosts override what they show.

#include "comms/engine/engine_host.h"

namespace vuriru {

class WindowlessEngineHost : public EngineHost {
 public:
  void ShowProgress(uint32_t, uint32_t) override {}
  void SetProgressText(const std::string&) override {}
  void HideProgress() override {}
  void ShowPage(uint8_t) override {}
  void ReloadBackground() override {}
  void ShowStatusIndicators(bool) override {}
  void RedrawIndicators() override {}
  void RedrawWindow() override {}
  void RedrawPressedButton(int32_t) override {}
  void ShowCommandButtons() override {}
  void FocusPageButton(uint8_t) override {}
  void SetEscLabel(const std::string&) override {}
  void SetHardwareVersionText(const std::string&) override {}
  void SetSoftwareVersionText(const std::string&) override {}
  void ShowV1Panel() override {}
  void ShowV1ReadValues() override {}
  void TakeV1PanelValues() override {}
  void ShowV1SendDone() override {}
  void HideCnV1Panel() override {}
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  void RedrawCurve(CurveNumber) override {}
  void RefreshPagesFromIndexes() override {}
  void FormatRunningLog() override {}
  void Beep() override {}
  void UpdateMainWindow() override {}
};

}  // namespace vuriru
