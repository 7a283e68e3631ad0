// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's listener on the console. There are no pages or windows:
// progress goes to the progress bar, and what a window would show the user
// (a message box, a curve the controller sent damaged, the end of a V1 store)
// is kept for the running command to judge.

#include <set>
#include <string>
#include <vector>

#include "cli/progress_bar.h"
#include "comms/engine/engine_events.h"
#include "curves/stored_curve.h"

namespace vuriru {

class ConsoleHost : public EngineListener {
 public:
  explicit ConsoleHost(ProgressBar& progress) : m_progress(progress) {}

  // Message boxes the engine asked for, oldest first.
  const std::vector<std::string>& Messages() const { return m_messages; }
  // Curves whose reply was refused since the last ClearRefusedCurves.
  const std::set<CurveNumber>& RefusedCurves() const { return m_refusedCurves; }
  void ClearRefusedCurves() { m_refusedCurves.clear(); }
  int V1SendsDone() const { return m_v1SendsDone; }

  void OnEngineEvent(const EngineEvent& event) override {
    switch (event.kind) {
      case EngineEventKind::kProgress:
        if (event.progress == ProgressStep::kShow || event.progress == ProgressStep::kIndicators) {
          m_progress.SetProgress(event.pos, event.range);
        }
        break;
      case EngineEventKind::kStoreDone:
        if (event.transaction == Transaction::kV1Store) ++m_v1SendsDone;
        break;
      case EngineEventKind::kCurvesRead:
        for (CurveNumber number : {CurveNumber::Boost, CurveNumber::Brake, CurveNumber::Throttle}) {
          if (event.refusedCurves & (1u << static_cast<unsigned>(number))) m_refusedCurves.insert(number);
        }
        break;
      case EngineEventKind::kMessage:
        m_messages.push_back(event.text);
        break;
      default:
        break;
    }
  }

 private:
  ProgressBar& m_progress;
  std::vector<std::string> m_messages;
  std::set<CurveNumber> m_refusedCurves;
  int m_v1SendsDone = 0;
};

}  // namespace vuriru
