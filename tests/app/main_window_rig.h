// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on a virtual clock with one simulated adapter, the dialogs
// answered by the test.

#include <memory>

#include <QApplication>

#include "app/main_window.h"
#include "app/scripted_dialogs.h"
#include "common/event_loop_scheduler.h"
#include "sim/sim_target_factory.h"
#include "sim/simulated_hid_library.h"

namespace vuriru::testing {

inline void EnsureApplication() {
  static int argc = 1;
  static char arg0[] = "test_main_window";
  static char* argv[] = {arg0, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

class MainWindowRig {
 public:
  explicit MainWindowRig(bool withAdapter = true, SimTargetKind target = SimTargetKind::kFull) {
    EnsureApplication();
    if (withAdapter) {
      SimAdapterConfig config;
      config.path = SimulatedHidLibrary::SimPath(0);
      config.target = target;
      hid.AddAdapter(config);
    }
    window = std::make_unique<CQorProDlg>(clock, hid, dialogs);
    hid.SetDeviceChangeHandler([this](const DeviceChangeEvent& event) { window->OnDeviceChange(event); });
  }
  ~MainWindowRig() { hid.SetDeviceChangeHandler({}); }

  SharedState& State() { return window->State(); }

  bool ReadDone() {
    const SharedState& state = window->State();
    return state.settingsRead == 1 && state.engineState == 2 && !window->Engine().IsWaiting() &&
           state.g_transferPending == 0;
  }
  // Starts the window and runs the virtual clock until the first read ended.
  bool StartAndRead() {
    if (!window->OnInitDialog()) return false;
    return clock.RunUntil([this] { return ReadDone(); }, 60000);
  }
  bool RunUntil(const std::function<bool()>& done) { return clock.RunUntil(done, 60000); }

  EventLoopScheduler clock{EventLoopScheduler::Clock::kVirtual};
  SimulatedHidLibrary hid{clock};
  ScriptedDialogs dialogs;
  std::unique_ptr<CQorProDlg> window;
};

}  // namespace vuriru::testing
