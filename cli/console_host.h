#pragma once
// The engine's host on the console. There are no pages or windows: progress
// goes to the progress bar, and what a window would show the user (a message
// box, a curve the controller sent damaged, the end of a V1 store) is kept
// for the running command to judge.

#include <set>
#include <string>
#include <vector>

#include "cli/progress_bar.h"
#include "comms/engine/engine_host.h"

namespace vuriru {

class ConsoleHost : public EngineHost {
 public:
  explicit ConsoleHost(ProgressBar& progress) : m_progress(progress) {}

  // Message boxes the engine asked for, oldest first.
  const std::vector<std::string>& Messages() const { return m_messages; }
  // Curves whose reply was refused since the last ClearRefusedCurves.
  const std::set<CurveNumber>& RefusedCurves() const { return m_refusedCurves; }
  void ClearRefusedCurves() { m_refusedCurves.clear(); }
  int V1SendsDone() const { return m_v1SendsDone; }

  void ShowProgress(uint32_t pos, uint32_t range) override { m_progress.SetProgress(pos, range); }
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
  // The command has already put the values to send into the V1 block.
  void TakeV1PanelValues() override {}
  void ShowV1SendDone() override { ++m_v1SendsDone; }
  void HideCnV1Panel() override {}

  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override { m_messages.push_back(text); }

  void RedrawCurve(CurveNumber number) override { m_refusedCurves.insert(number); }
  void RefreshPagesFromIndexes() override {}
  void FormatRunningLog() override {}
  void Beep() override {}
  void UpdateMainWindow() override {}

 private:
  ProgressBar& m_progress;
  std::vector<std::string> m_messages;
  std::set<CurveNumber> m_refusedCurves;
  int m_v1SendsDone = 0;
};

}  // namespace vuriru
