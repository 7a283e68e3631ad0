// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program around a firmware transfer, for tests: the virtual clock,
// the shared state, a simulated adapter with one target, the link and its
// hot-plug handling, the engine and the transfer, and hosts that write down
// what the windows were asked to do. Every block the link writes is kept
// with the virtual time it went out.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/event_loop_scheduler.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "engine/recording_host.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "sim/simulated_hid_library.h"
#include "v1/v1_settings_block.h"

namespace vuriru::test {

struct SentBlock {
  uint64_t atMs = 0;
  std::vector<uint8_t> bytes;
};

// Records what the engine and the transfer report (engine/recording_host.h)
// and answers the file-open dialog.
class RecordingHosts : public RecordingHost, public FirmwareHost {
 public:
  std::string chosenFile;            // what the file-open dialog returns; empty: cancelled
  std::vector<std::string> dialogs;  // "filter|default name" per dialog shown

  std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) override;
};

class TransferRig {
 public:
  explicit TransferRig(SimTargetKind target, uint32_t answerDelayMs = 4);

  // Opens the link and runs the engine until it idles in state 2 with the
  // attached device identified (and, for a controller, read).
  bool ConnectAndSettle();
  // Writes `bytes` to a file with this extension and lets the next file
  // dialog return it.
  void ChooseFile(const std::vector<uint8_t>& bytes, const std::string& extension);
  // Runs the clock until the transfer is no longer running (or a minute of
  // virtual time has passed), then a little longer so the engine settles.
  bool RunTransfer();
  void RunMs(uint64_t ms) { scheduler.AdvanceBy(ms); }

  SimulatedAdapter& Adapter() { return hid.Adapter(0); }
  SimMemory& Target() { return hid.Adapter(0).Target().Memory(); }
  void Pull() { hid.Pull(hid.Adapter(0).Path()); }
  void Plug() { hid.Plug(hid.Adapter(0).Path()); }
  std::vector<SentBlock> TakeSent();
  // The blocks sent since the last call, as bytes.
  std::vector<std::vector<uint8_t>> TakeSentBytes();

  EventLoopScheduler scheduler{EventLoopScheduler::Clock::kVirtual};
  struct State : LinkState, EngineState {
  } state;
  SimulatedHidLibrary hid{scheduler};
  UsbLink link{hid, state, scheduler};
  RecordingHosts hosts;
  SettingsBlock settings;
  V1SettingsBlock v1;
  CurveSet curves{settings};
  TransactionEngine engine;
  LinkHotplug hotplug{link, state, scheduler, engine};
  FirmwareTransfer transfer{engine, hosts};
  std::vector<SentBlock> sent;

 private:
  std::string m_filePath;
};

// n bytes that differ from their neighbours, so a shifted or repeated byte shows.
std::vector<uint8_t> PatternImage(size_t n);
// Every byte XOR 0x5B, as *.xut and *.hgm files hold an image.
std::vector<uint8_t> ScrambledFile(const std::vector<uint8_t>& image);
// Records of `recordLength` bytes (length bytes included) up to `n` bytes,
// and that image as *.xup text.
std::vector<uint8_t> RecordImage(size_t n, uint16_t recordLength);
std::vector<uint8_t> RecordText(const std::vector<uint8_t>& image);

}  // namespace vuriru::test
