#pragma once
// An EngineHost that writes down every call as one line of text, e.g.
// "ShowPage 240" or "ShowMessage Failed to get ESC Version||!", so tests can
// check what the windows were asked to do and in which order.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "comms/engine/engine_host.h"

namespace vuriru::test {

class RecordingHost : public EngineHost {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> progressTexts;
  // Runs inside ShowMessage, while the "box" is open.
  std::function<void()> onMessage;

  size_t Count(const std::string& call) const {
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
  }
  bool Has(const std::string& call) const { return Count(call) > 0; }
  void Clear() {
    calls.clear();
    progressTexts.clear();
  }

  void ShowProgress(uint32_t pos, uint32_t range) override {
    Add("ShowProgress " + std::to_string(pos) + "/" + std::to_string(range));
  }
  void SetProgressText(const std::string& text) override { progressTexts.push_back(text); }
  void HideProgress() override { Add("HideProgress"); }
  void ShowPage(uint8_t page) override { Add("ShowPage " + std::to_string(page)); }
  void ReloadBackground() override { Add("ReloadBackground"); }
  void ShowStatusIndicators(bool show) override { Add(show ? "ShowStatusIndicators" : "HideStatusIndicators"); }
  void RedrawIndicators() override { Add("RedrawIndicators"); }
  void RedrawWindow() override { Add("RedrawWindow"); }
  void RedrawPressedButton(int32_t command) override { Add("RedrawPressedButton " + std::to_string(command)); }
  void ShowCommandButtons() override { Add("ShowCommandButtons"); }
  void FocusPageButton(uint8_t page) override { Add("FocusPageButton " + std::to_string(page)); }
  void SetEscLabel(const std::string& text) override { Add("SetEscLabel " + text); }
  void SetHardwareVersionText(const std::string& text) override { Add("Hardware " + text); }
  void SetSoftwareVersionText(const std::string& text) override { Add("Software " + text); }
  void ShowV1Panel() override { Add("ShowV1Panel"); }
  void ShowV1ReadValues() override { Add("ShowV1ReadValues"); }
  void TakeV1PanelValues() override { Add("TakeV1PanelValues"); }
  void ShowV1SendDone() override { Add("ShowV1SendDone"); }
  void HideCnV1Panel() override { Add("HideCnV1Panel"); }
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    Add("ShowMessage " + text + "|" + caption + "|" + (icon == MessageIcon::kExclamation ? "!" : ""));
    if (onMessage) onMessage();
  }
  void RedrawCurve(CurveNumber number) override { Add("RedrawCurve " + std::to_string(static_cast<int>(number))); }
  void RefreshPagesFromIndexes() override { Add("RefreshPages"); }
  void FormatRunningLog() override { Add("FormatRunningLog"); }
  void Beep() override { Add("Beep"); }
  void UpdateMainWindow() override { Add("UpdateMainWindow"); }

 private:
  void Add(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace vuriru::test
