// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a device command runs on: the clock (real or virtual), the HID
// backend (hidapi or the simulated adapter), the link, the transaction engine
// with its console host, the program's settings and curves, and the trace.
// The session drives the engine through its scheduler until the command's
// goal is reached, a failure shows, or the command's time is up; every outcome
// comes back as a CommandResult with one line for the user.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backend/hid_backend.h"
#include "cli/cli_options.h"
#include "cli/console_firmware_host.h"
#include "cli/console_host.h"
#include "cli/exit_code.h"
#include "cli/progress_bar.h"
#include "cli/trace_writer.h"
#include "common/event_loop_scheduler.h"
#include "comms/engine/engine_state.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "link/device_change.h"
#include "link/hid_device.h"
#include "link/link_state.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

// The flags a session's link and engine work on; there is no window.
struct SessionState : LinkState, EngineState {};

struct AdapterEntry {
  std::string path;
  bool opens = false;
};

class DeviceSession {
 public:
  DeviceSession(const CliOptions& options, ProgressBar& progress);
  ~DeviceSession();
  DeviceSession(const DeviceSession&) = delete;
  DeviceSession& operator=(const DeviceSession&) = delete;

  // Sets up the backend (simulated target and faults) and the trace file.
  // Fails with a usage error for a bad fault name or an unwritable trace file.
  CommandResult Prepare();

  // The attached link adapters and whether each could be opened.
  std::vector<AdapterEntry> ListAdapters();

  // Finds the adapter (--device, or the last one attached) and opens the link.
  CommandResult Connect();
  // Runs until the adapter's version and the controller's kind (and software
  // version, where it has one) are known.
  CommandResult WaitForIdentity();
  // Runs until the controller's settings (and a full controller's curves)
  // have been read.
  CommandResult WaitForRead();
  // Stores the settings and curves the session holds now, as Apply and
  // Default do, and runs until the controller has taken them.
  CommandResult Store(int32_t pressedCommand);
  // Forgets that the settings were read, so that the engine reads them
  // again, and runs until it has.
  CommandResult ReadAgain();

  // Runs the engine until `goal` holds, a failure shows (the adapter gone,
  // a message box, the controller lost) or the command's time is up.
  // `goalText` completes "the controller did not finish ..." for a time-out.
  // For commands that drive the engine themselves, such as a firmware update.
  CommandResult RunUntil(const std::function<bool()>& goal, const std::string& goalText);
  // Gives the command `ms` more from now, so that a long job that keeps
  // moving (a firmware update) gives up only after that long without progress.
  void RestartDeadline(uint64_t ms);

  // Starts a firmware update from the file at `path`, as the window's update
  // button does once the user picked the file; RunUntil then carries it. From
  // here on the bar follows the image's bytes, a failed transfer is the
  // command's failure, and an unplugged adapter ends the transfer with its
  // own message.
  // `anyExtension`: send the file whatever its name says (--force).
  FirmwareTransfer& StartFirmwareUpdate(const std::string& path, bool anyExtension = false);

  // "full", "lcd", "v1", "v1-bec", "v1-hgm", or "none".
  std::string ControllerKind() const;
  bool IsFullController() const;
  bool IsV1Controller() const;
  bool IsDisplayBox() const;

  const std::string& AdapterVersion() const { return m_engine.ConnectVersionText(); }
  const std::string& SoftwareVersion() const { return m_engine.SoftwareVersionText(); }
  SessionState& State() { return m_state; }
  SettingsBlock& Settings() { return m_settings; }
  V1SettingsBlock& V1Settings() { return m_v1; }
  CurveSet& Curves() { return m_curves; }
  TransactionEngine& Engine() { return m_engine; }
  Scheduler& Clock() { return m_scheduler; }
  ConsoleHost& Host() { return m_host; }
  ProgressBar& Progress() { return m_progress; }
  // The HID backend; with --simulate a SimulatedHidLibrary, which tests reach
  // through here to look at the simulated target.
  HidLibrary& Backend() { return *m_backend.library; }

 private:
  bool ReadDone() const;
  std::optional<CommandResult> Failure() const;
  CommandResult ReadUntilDone(const std::string& caption);
  CommandResult TimedOut(const std::string& goalText) const;
  void OnDeviceChange(const DeviceChangeEvent& event);

  const CliOptions& m_options;
  ProgressBar& m_progress;
  EventLoopScheduler m_scheduler;
  uint64_t m_deadlineMs;
  // The backend outlives the link, which closes the adapter through it.
  HidBackend m_backend;
  SessionState m_state;
  SettingsBlock m_settings;
  V1SettingsBlock m_v1;
  CurveSet m_curves{m_settings};
  ConsoleHost m_host{m_progress};
  std::optional<TraceWriter> m_trace;
  UsbLink m_link;
  TransactionEngine m_engine;
  ConsoleFirmwareHost m_firmwareHost;
  // Created by StartFirmwareUpdate; it hooks itself into the engine.
  std::optional<FirmwareTransfer> m_firmware;
  bool m_adapterRemoved = false;
  // The adapter went away while the box restarted into its loader.
  bool m_boxDropped = false;
};

}  // namespace vuriru
