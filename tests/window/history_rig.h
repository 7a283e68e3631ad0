// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window controller on a simulated adapter and controller, with the
// virtual clock and a settings library in a fresh folder: what the window
// keeps in its history and asks before a write, tested without a widget.

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_set.h"
#include "files/settings_review.h"
#include "library/library.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "settings/settings_table.h"
#include "sim/sim_target_factory.h"
#include "sim/simulated_hid_library.h"
#include "v1/v1_settings_table.h"
#include "window/recording_view.h"
#include "window/window_controller.h"

namespace vuriru::test {

// A folder of its own for each test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    m_dir = std::filesystem::temp_directory_path() /
            ("vuriru-window-history-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(m_dir);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_dir, error);
  }
  std::filesystem::path operator/(const std::string& name) const { return m_dir / name; }

 private:
  std::filesystem::path m_dir;
};

// The pages' part of Default: every setting Default restores takes its
// factory index, as the window's pages do, so that Default sends something.
class FactoryIndexView : public RecordingView {
 public:
  explicit FactoryIndexView(SettingsBlock& settings) : m_settings(settings) {}
  void ApplyFactoryIndexes() override {
    RecordingView::ApplyFactoryIndexes();
    m_settings = DefaultEscData(EscData{m_settings, {}, {}, {}}).settings;
  }

 private:
  SettingsBlock& m_settings;
};

struct HistoryRig {
  explicit HistoryRig(const std::filesystem::path& libraryPath, SimTargetKind target = SimTargetKind::kFull,
                      LibraryOptions options = {})
      : library(std::make_unique<Library>(libraryPath, std::move(options))) {
    LoadFactorySettings(settings);
    v1 = V1FactoryBlock();
    SimAdapterConfig config;
    config.path = SimulatedHidLibrary::SimPath(0);
    config.target = target;
    hid.AddAdapter(config);
    hid.SetDeviceChangeHandler(
        [this](const DeviceChangeEvent& event) { clock.RunAfter(0, [this, event] { hotplug.Handle(event); }); });
    controller.KeepHistoryIn(*library, v1);
  }
  ~HistoryRig() {
    hid.SetDeviceChangeHandler({});
    controller.Stop();
    link.Close();
  }

  bool Idle() const {
    return state.settingsRead == 1 && state.engineState == engine_state::kProbe && !engine.IsWaiting() &&
           state.g_transferPending == 0;
  }
  // Starts the window and runs until the controller has been read.
  bool StartAndRead() {
    controller.Start();
    return RunUntilIdle();
  }
  bool RunUntilIdle() {
    return clock.RunUntil([this] { return Idle(); }, 60000);
  }
  SimMemory& Memory() { return hid.Adapter(0).Target().Memory(); }
  std::vector<SnapshotInfo> Snapshots() { return library->ListSnapshots(); }

  EventLoopScheduler clock{EventLoopScheduler::Clock::kVirtual};
  SimulatedHidLibrary hid{clock};
  std::unique_ptr<Library> library;
  SharedState state;
  SettingsBlock settings;
  V1SettingsBlock v1;
  CurveSet curves{settings};
  UsbLink link{hid, state, clock};
  FactoryIndexView view{settings};
  QueuedDialogs dialogs;
  WindowController controller{{state, engine, link, clock, view, dialogs, settings, curves}};
  TransactionEngine engine{{link, clock, state, controller, settings, v1, curves}};
  LinkHotplug hotplug{link, state, clock, engine};
};

}  // namespace vuriru::test
