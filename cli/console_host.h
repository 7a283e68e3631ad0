#pragma once
// The engine's host on the console. There are no pages or windows: progress
// goes to the progress bar, and what a window would show the user (a message
// box, a curve the controller sent damaged, the end of a V1 store) is kept
// for the running command to judge.

#include <set>
#include <string>
#include <vector>

#include "cli/progress_bar.h"
#include "comms/engine/windowless_engine_host.h"

namespace vuriru {

class ConsoleHost : public WindowlessEngineHost {
 public:
  explicit ConsoleHost(ProgressBar& progress) : m_progress(progress) {}

  // Message boxes the engine asked for, oldest first.
  const std::vector<std::string>& Messages() const { return m_messages; }
  // Curves whose reply was refused since the last ClearRefusedCurves.
  const std::set<CurveNumber>& RefusedCurves() const { return m_refusedCurves; }
  void ClearRefusedCurves() { m_refusedCurves.clear(); }
  int V1SendsDone() const { return m_v1SendsDone; }

  void ShowProgress(uint32_t pos, uint32_t range) override { m_progress.SetProgress(pos, range); }
  // The command has already put the values to send into the V1 block, so
  // TakeV1PanelValues stays a no-op.
  void ShowV1SendDone() override { ++m_v1SendsDone; }

  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override { m_messages.push_back(text); }

  void RedrawCurve(CurveNumber number) override { m_refusedCurves.insert(number); }

 private:
  ProgressBar& m_progress;
  std::vector<std::string> m_messages;
  std::set<CurveNumber> m_refusedCurves;
  int m_v1SendsDone = 0;
};

}  // namespace vuriru
