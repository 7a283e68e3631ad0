// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program without a window for the fault matrix and the soak: the
// virtual clock, a simulated adapter, the link and its hot-plug handling, the
// engine, and the window controller drawing into a view that only counts.

#include <cstdint>
#include <string>
#include <vector>

#include "common/event_loop_scheduler.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_set.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "sim/simulated_hid_library.h"
#include "v1/v1_settings_block.h"
#include "window/shared_state.h"
#include "window/unattended_dialogs.h"
#include "window/window_controller.h"
#include "window/window_view.h"

namespace vuriru::matrix {

// Keeps what the window would show that the matrix judges: whether the
// progress dialog is up, and whether a command button was released.
class CountingView : public WindowView {
 public:
  explicit CountingView(SettingsBlock& settings) : m_settings(settings) {}
  bool progressShown = false;

  void SetButtonShown(int, bool) override {}
  void SetButtonDimmed(int, bool) override {}
  void RedrawButton(int) override {}
  void FocusButton(int) override {}
  void SetIndicatorsShown(bool) override {}
  void RedrawIndicators() override {}
  void SetPageShown(uint8_t, bool) override {}
  void HideCurveEditors() override {}
  void SetV1PanelShown(V1PanelKind, bool) override {}
  void SetBackground(const std::string&) override {}
  void Redraw() override {}
  void PreparePageSwitch(uint8_t) override {}
  void FinishPageSwitch(uint8_t) override {}
  void RefreshDeviceInfo() override {}
  void ApplyDeviceLook() override {}
  void RedrawNoteButtons() override {}
  void CollectSelections() override {}
  // What the pages' Default does to the indexes.
  void ApplyFactoryIndexes() override { m_settings.current = m_settings.factory; }
  void RefreshPages() override {}
  void ResetCurveEditors() override {}
  void RedrawCurve(CurveNumber) override {}
  void FormatRunningLog() override {}
  bool CloseOpenList() override { return false; }
  bool CancelOpenCurveEditor() override { return false; }
  void SetHardwareVersion(const std::string&) override {}
  void SetSoftwareVersion(const std::string&) override {}
  void ShowV1ReadValues() override {}
  void ShowV1SendDone() override { progressShown = false; }
  void SetV1StatusText(const UserText&) override {}
  void ShowProgress(uint32_t, uint32_t) override { progressShown = true; }
  void SetProgressCaption(const UserText&, uint32_t, uint32_t) override {}
  void HideProgress() override { progressShown = false; }
  void Beep() override {}
  void ShowStatusLine(const std::string&) override {}

 private:
  SettingsBlock& m_settings;
};

// The engine's events go to the window controller, and are kept.
class EventTee : public EngineListener {
 public:
  explicit EventTee(EngineListener& next) : m_next(next) {}
  std::vector<EngineEvent> events;
  void OnEngineEvent(const EngineEvent& event) override {
    events.push_back(event);
    m_next.OnEngineEvent(event);
  }

 private:
  EngineListener& m_next;
};

struct MatrixRig {
  explicit MatrixRig(SimTargetKind target);
  ~MatrixRig();

  // Starts the program and runs until the attached device is read (or, for
  // the box, identified and selected from the Device menu).
  bool StartAndSettle();
  bool RunUntil(const std::function<bool()>& done, uint64_t limitMs) { return clock.RunUntil(done, limitMs); }
  bool ReadDone() const;
  SimulatedAdapter& Adapter() { return hid.Adapter(0); }
  SimMemory& Memory() { return hid.Adapter(0).Target().Memory(); }

  EventLoopScheduler clock{EventLoopScheduler::Clock::kVirtual};
  SimulatedHidLibrary hid{clock};
  SharedState state;
  SettingsBlock settings;
  V1SettingsBlock v1;
  CurveSet curves{settings};
  UsbLink link{hid, state, clock};
  CountingView view{settings};
  UnattendedDialogs dialogs;
  WindowController controller{{state, engine, link, clock, view, dialogs, settings, curves}};
  EventTee events{controller};
  TransactionEngine engine{{link, clock, state, events, settings, v1, curves}};
  LinkHotplug hotplug{link, state, clock, engine};
  bool box = false;
};

}  // namespace vuriru::matrix
