// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An EngineListener that writes down every event as one line of text, so
// tests can check what the engine reported and in which order. Messages read
// "ShowMessage <text>|<caption>|!" and a shown progress dialog "ShowProgress
// pos/range", as a window would take them; every other event reads as
// DescribeEvent writes it, e.g. "TransferEnded stalled apply".

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "comms/engine/engine_events.h"

namespace vuriru::test {

class RecordingHost : public EngineListener {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> progressTexts;
  std::vector<std::string> v1Texts;
  std::vector<std::string> messages;  // "text|caption|!" for an exclamation box
  std::vector<EngineEvent> events;
  // Runs inside a message, while the "box" is open.
  std::function<void()> onMessage;

  size_t Count(const std::string& call) const {
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
  }
  bool Has(const std::string& call) const { return Count(call) > 0; }
  bool HasMessage(const std::string& part) const {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const std::string& m) { return m.find(part) != std::string::npos; });
  }
  void Clear() {
    calls.clear();
    progressTexts.clear();
    v1Texts.clear();
    messages.clear();
    events.clear();
  }

  void OnEngineEvent(const EngineEvent& event) override {
    events.push_back(event);
    switch (event.kind) {
      case EngineEventKind::kMessage: {
        const std::string line =
            event.text + "|" + event.caption + "|" + (event.icon == MessageIcon::kExclamation ? "!" : "");
        messages.push_back(line);
        calls.push_back("ShowMessage " + line);
        if (onMessage) onMessage();
        return;
      }
      case EngineEventKind::kProgress:
        if (event.progress == ProgressStep::kV1Text) {
          v1Texts.push_back(event.text);
          return;
        }
        if (!event.text.empty()) progressTexts.push_back(event.text);
        if (event.progress == ProgressStep::kShow || event.progress == ProgressStep::kIndicators) {
          calls.push_back("ShowProgress " + std::to_string(event.pos) + "/" + std::to_string(event.range));
        } else if (event.progress == ProgressStep::kHide) {
          calls.push_back("HideProgress");
        }
        return;
      default:
        calls.push_back(DescribeEvent(event));
        return;
    }
  }
};

}  // namespace vuriru::test
