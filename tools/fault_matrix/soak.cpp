// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <random>
#include <unistd.h>

#include "settings/settings_wire.h"
#include "tools/fault_matrix/fault_matrix.h"
#include "tools/fault_matrix/matrix_rig.h"

namespace vuriru::matrix {
namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory in quarantine, so resident memory grows
// by design there; LeakSanitizer watches for leaks in that build instead.
constexpr bool kMeasureResident = false;
#else
constexpr bool kMeasureResident = true;
#endif

// Resident memory in KiB, or 0 where /proc is not there to ask.
uint64_t ResidentKiB() {
  if (!kMeasureResident) return 0;
  std::ifstream statm("/proc/self/statm");
  uint64_t sizePages = 0;
  uint64_t residentPages = 0;
  if (!(statm >> sizePages >> residentPages)) return 0;
  const long pageBytes = sysconf(_SC_PAGESIZE);
  return pageBytes > 0 ? residentPages * static_cast<uint64_t>(pageBytes) / 1024 : 0;
}

// Growth allowed between the warmed-up point and the end: the allocator keeps
// some slack, a leak of even a few bytes per transaction does not fit in it.
constexpr uint64_t kResidentSlackKiB = 512;

}  // namespace

SoakResult RunSoak(uint32_t transactions, uint32_t seed) {
  SoakResult result;
  std::mt19937 random(seed);
  MatrixRig rig(SimTargetKind::kFull);
  if (!rig.StartAndSettle()) {
    result.problems.push_back("the controller could not be read at the start");
    return result;
  }
  const uint64_t startedAt = rig.clock.NowMs();
  for (uint32_t n = 0; n < transactions; ++n) {
    ++result.transactions;
    SimFaults& faults = rig.Adapter().Faults();
    faults = SimFaults();
    const uint32_t pick = random() % 10;
    const size_t toldFrom = rig.dialogs.told.size();
    const size_t eventsFrom = rig.events.events.size();
    if (pick == 1) faults.Set(SimFault::kSplit20);
    if (pick == 2) faults.Set(SimFault::kGarbage);
    if (pick == 3) faults.Set(SimFault::kNoFirstAck);
    if (pick == 4) {
      faults.Set(SimFault::kPullAfterBytes);
      faults.pullAfterBytes = rig.Adapter().BytesWritten() + 1 + random() % 500;
    }
    if (pick == 5) faults.Set(SimFault::kNoAnswer);

    // Apply a random change, or Default.
    const bool factory = random() % 4 == 0;
    if (!factory) {
      rig.settings.Current(Setting::PunchRate1) = static_cast<int32_t>(random() % 30);
      rig.settings.Current(Setting::DragBrake) = static_cast<int32_t>(random() % 101);
    }
    if (rig.controller.IsBusy()) {
      result.problems.push_back("transaction " + std::to_string(n) + ": commands refused before it");
      break;
    }
    if (factory) {
      rig.controller.OnDefault();
    } else {
      rig.controller.OnApply();
    }
    const SettingsFrame sent = BuildSettingsFrame(rig.settings);
    const bool ended = rig.RunUntil(
        [&] {
          if (rig.dialogs.told.size() > toldFrom || !rig.link.IsOpen()) return true;
          for (size_t i = eventsFrom; i < rig.events.events.size(); ++i) {
            if (rig.events.events[i].kind == EngineEventKind::kStoreDone) return true;
          }
          return false;
        },
        120000);
    rig.clock.AdvanceBy(1000);
    bool stored = false;
    for (size_t i = eventsFrom; i < rig.events.events.size(); ++i) {
      stored = stored || rig.events.events[i].kind == EngineEventKind::kStoreDone;
    }
    const size_t told = rig.dialogs.told.size() - toldFrom;
    if (stored && told == 0) {
      ++result.succeeded;
      // Read back, without the fault (a settings reply carries no check, so
      // junk before it would be read as settings): the controller holds what
      // was sent.
      faults = SimFaults();
      rig.state.settingsRead = 0;
      // The pull may come after the store has ended (the adapter's own
      // traffic counts too): plug it in again, as a user would, to read back.
      if (!rig.Adapter().Plugged()) rig.hid.Plug(rig.Adapter().Path());
      if (!rig.RunUntil([&] { return rig.ReadDone(); }, 30000)) {
        result.problems.push_back("transaction " + std::to_string(n) + ": the read-back did not end");
        break;
      }
      const SettingsFrame back = BuildSettingsFrame(rig.settings);
      if (back != sent) {
        std::string where;
        for (size_t i = 0; i < back.size(); ++i) {
          if (back[i] != sent[i]) {
            where += " byte " + std::to_string(i) + ": sent " + std::to_string(sent[i]) + ", read " +
                     std::to_string(back[i]);
          }
        }
        result.problems.push_back("transaction " + std::to_string(n) + " (pick " + std::to_string(pick) +
                                  (factory ? ", Default" : ", Apply") +
                                  "): the read-back differs from what was sent:" + where);
      } else {
        ++result.storesVerified;
      }
    } else if (told == 1) {
      ++result.failedAndTold;
    } else if (!ended) {
      ++result.waited;
      result.problems.push_back("transaction " + std::to_string(n) + ": neither stored nor told");
    } else {
      result.problems.push_back("transaction " + std::to_string(n) + ": told " + std::to_string(told) + " times");
    }
    if (rig.view.progressShown) result.problems.push_back("transaction " + std::to_string(n) + ": dialog left up");

    // Back to a working controller for the next one.
    faults = SimFaults();
    if (!rig.Adapter().Plugged()) rig.hid.Plug(rig.Adapter().Path());
    if (!rig.RunUntil([&] { return rig.ReadDone(); }, 60000)) {
      result.problems.push_back("transaction " + std::to_string(n) + ": the controller was not read again");
      break;
    }
    if (result.problems.size() > 20) break;
    // What the rig keeps of a transaction is only needed during it; drop it so
    // that the memory measured is the program's own.
    rig.events.events.clear();
    rig.dialogs.told.clear();
    rig.Adapter().ForgetRecords();
    if (n + 1 == transactions / 10) result.residentKiBWarm = ResidentKiB();
  }
  result.residentKiBEnd = ResidentKiB();
  if (result.residentKiBWarm != 0 && result.residentKiBEnd > result.residentKiBWarm + kResidentSlackKiB) {
    result.problems.push_back("resident memory grew from " + std::to_string(result.residentKiBWarm) + " KiB to " +
                              std::to_string(result.residentKiBEnd) + " KiB");
  }
  result.virtualMs = rig.clock.NowMs() - startedAt;
  return result;
}

}  // namespace vuriru::matrix
