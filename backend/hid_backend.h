// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HID library the window and the command-line tool work with: the
// attached link adapters through hidapi, or, with --simulate, one simulated
// adapter with the chosen target behind it, misbehaving as the --fault
// arguments say. Built here for both programs, so that they take the same
// choices the same way.

#include <memory>
#include <string>
#include <vector>

#include "common/scheduler.h"
#include "link/device_change.h"
#include "link/hid_device.h"

namespace vuriru {

class HidapiLibrary;
class SimulatedHidLibrary;

// The backend options of a command line.
struct HidBackendChoice {
  std::string simulate;             // a simulated target's name; empty: hidapi
  std::vector<std::string> faults;  // --fault arguments, "name" or "name=N"
};

// What a choice got wrong, for one usage-error line such as
// "vuriru-link: <what>; run 'vuriru-link --help' for the <helpTopic>".
struct HidBackendError {
  std::string what;       // "unknown --simulate kind 'x'" or "--fault: <why>"; empty when sound
  std::string helpTopic;  // "kinds" or "fault names"

  explicit operator bool() const { return !what.empty(); }
};

// Checks a choice without building anything, so that a program can refuse a
// bad command line before it starts its window. Faults count only with a
// simulated target; a program that accepts them without one says so itself.
HidBackendError CheckHidBackendChoice(const HidBackendChoice& choice);

struct HidBackend {
  // Never null: even a refused choice leaves a library for the link to hold.
  std::unique_ptr<HidLibrary> library;
  SimulatedHidLibrary* simulated = nullptr;  // the library, when simulated
  HidapiLibrary* hidapi = nullptr;           // the library, otherwise
  // What CheckHidBackendChoice says of the choice; the program stops on it.
  HidBackendError error;

  // Where the backend reports adapters that come and go on their own: a
  // simulated adapter reports its arrival and its removal, hidapi the
  // removals that a failed read discovers. An empty handler ends the reports;
  // a backend that outlives the handler's owner must get one first.
  void ReportDeviceChanges(DeviceChangeHandler handler);
};

// Builds the backend the choice names; the simulated adapter (path
// SimulatedHidLibrary::SimPath(0)) runs on `scheduler`, which must outlive it.
HidBackend MakeHidBackend(const HidBackendChoice& choice, Scheduler& scheduler);

}  // namespace vuriru
