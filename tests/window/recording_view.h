// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A WindowView that writes down every drawing step as one line, e.g.
// "Page 2 shown" or "Button 1007 redrawn", and answers the dialogs with what
// the test queued, so that the window controller is tested without a widget.

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "window/user_dialogs.h"
#include "window/window_view.h"

namespace vuriru::test {

class RecordingView : public WindowView {
 public:
  std::vector<std::string> steps;
  std::string background;

  bool Has(const std::string& step) const { return std::find(steps.begin(), steps.end(), step) != steps.end(); }
  // Where the step stands last, or steps.size() when it is not there.
  size_t LastIndexOf(const std::string& step) const {
    const auto found = std::find(steps.rbegin(), steps.rend(), step);
    return found == steps.rend() ? steps.size() : static_cast<size_t>(steps.rend() - found - 1);
  }
  // Where the step stands first, or steps.size() when it is not there.
  size_t IndexOf(const std::string& step) const {
    return static_cast<size_t>(std::find(steps.begin(), steps.end(), step) - steps.begin());
  }

  void SetButtonShown(int id, bool shown) override {
    Add("Button " + std::to_string(id) + (shown ? " shown" : " hidden"));
  }
  void SetButtonDimmed(int, bool) override {}
  void RedrawButton(int id) override { Add("Button " + std::to_string(id) + " redrawn"); }
  void FocusButton(int id) override { Add("Button " + std::to_string(id) + " focused"); }
  void SetIndicatorsShown(bool shown) override { Add(shown ? "Indicators shown" : "Indicators hidden"); }
  void RedrawIndicators() override { Add("Indicators redrawn"); }
  void SetPageShown(uint8_t page, bool shown) override {
    Add("Page " + std::to_string(page) + (shown ? " shown" : " hidden"));
  }
  void HideCurveEditors() override { Add("Editors hidden"); }
  void SetV1PanelShown(V1PanelKind panel, bool shown) override {
    Add(std::string(panel == V1PanelKind::kV1 ? "V1 panel" : "13-setting panel") + (shown ? " shown" : " hidden"));
  }
  void SetBackground(const std::string& file) override {
    background = file;
    Add("Background " + file);
  }
  void Redraw() override { Add("Redraw"); }
  void PreparePageSwitch(uint8_t page) override { Add("Prepare " + std::to_string(page)); }
  void FinishPageSwitch(uint8_t page) override { Add("Finish " + std::to_string(page)); }
  void RefreshDeviceInfo() override { Add("Device info refreshed"); }
  void ApplyDeviceLook() override { Add("Device look"); }
  void RedrawNoteButtons() override { Add("Note buttons redrawn"); }
  void CollectSelections() override { Add("Collect"); }
  void ApplyFactoryIndexes() override { Add("Factory indexes"); }
  void RefreshPages() override { Add("Pages refreshed"); }
  void ResetCurveEditors() override { Add("Editors reset"); }
  void RedrawCurve(CurveNumber number) override {
    Add("Curve " + std::to_string(static_cast<int>(number)) + " redrawn");
  }
  void FormatRunningLog() override { Add("Running log"); }
  bool CloseOpenList() override {
    Add("Close list");
    return listOpen;
  }
  bool CancelOpenCurveEditor() override {
    Add("Cancel editor");
    return true;
  }
  void SetHardwareVersion(const std::string& text) override { Add("Hardware " + text); }
  void SetSoftwareVersion(const std::string& text) override { Add("Software " + text); }
  void ShowV1ReadValues() override { Add("V1 read values"); }
  void ShowV1SendDone() override { Add("V1 send done"); }
  void SetV1StatusText(const UserText& text) override { Add("V1 status " + EnglishText(text)); }
  void ShowProgress(uint32_t pos, uint32_t range) override {
    Add("Progress shown " + std::to_string(pos) + "/" + std::to_string(range));
  }
  void SetProgressCaption(const UserText& text, uint32_t, uint32_t) override { Add("Caption " + EnglishText(text)); }
  void HideProgress() override { Add("Progress hidden"); }
  void Beep() override { Add("Beep"); }
  void ShowStatusLine(const std::string& text) override { statusLine = text; }

  bool listOpen = false;
  std::string statusLine;

 private:
  void Add(std::string step) { steps.push_back(std::move(step)); }
};

class QueuedDialogs : public UserDialogs {
 public:
  Answer Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) override {
    asked.push_back(caption + ": " + EnglishText(text));
    texts.push_back(text);
    if (answers.empty()) return buttons == QuestionButtons::kOkCancel ? Answer::kCancel : Answer::kNo;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Tell(const UserText& text, const std::string& caption, MessageIcon) override {
    told.push_back(caption + ": " + EnglishText(text));
    texts.push_back(text);
    if (whenTold) whenTold();
  }
  std::string ChooseSaveFile(std::string_view) override { return saveFile; }
  std::string ChooseOpenFile(std::string_view, std::string_view) override { return openFile; }

  std::deque<Answer> answers;
  std::vector<std::string> asked;
  std::vector<std::string> told;
  // Every question and message as it came, for a test to show it in the
  // window's language.
  std::vector<UserText> texts;
  // Runs as each message is shown, to see what had happened by then.
  std::function<void()> whenTold;
  // What the file dialogs pick; empty: cancelled.
  std::string saveFile;
  std::string openFile;
};

}  // namespace vuriru::test
