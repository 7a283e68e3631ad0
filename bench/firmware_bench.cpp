// SPDX-License-Identifier: GPL-3.0-or-later
// Times firmware transfers of 60 KiB to the simulated targets on the real
// clock, with a device that answers 2 ms after each request: a *.xut image to
// the display box in 512-byte blocks and a *.xup image to the full controller
// in records. Beside each figure stands the floor that the protocol's own
// tick pacing allows, and the longest time one engine call kept the thread.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/timing_scheduler.h"
#include "common/event_loop_scheduler.h"
#include "comms/engine/engine_events.h"
#include "comms/engine/engine_state.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/block_protocol.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "link/link_state.h"
#include "link/usb_link.h"
#include "settings/settings_table.h"
#include "sim/simulated_hid_library.h"
#include "v1/v1_settings_table.h"

namespace vuriru::bench {
namespace {

constexpr uint32_t kImageBytes = 60 * 1024;
constexpr uint32_t kRecordBytes = 1024;  // length bytes included
constexpr uint32_t kAnswerDelayMs = 2;
constexpr uint64_t kLimitMs = 180000;

class FileOnlyHost : public FirmwareHost {
 public:
  explicit FileOnlyHost(std::string path) : m_path(std::move(path)) {}
  std::string ChooseFirmwareFile(std::string_view, std::string_view) override { return m_path; }

 private:
  std::string m_path;
};

// Block protocol: the start tick at 1000 ms, 200 ms each for the unlock, the
// size and 0x02 0x00, 100 ms per full block (send tick, answer tick at 50 ms),
// then 400 ms each for the last block, 0x13 0x81 and its answer.
uint64_t BlockFloorMs(uint32_t size) {
  const uint64_t fullBlocks = LastBlockOffset(size) / kBlockLength;
  return 1000 + 3 * 200 + 100 * fullBlocks - 50 + 3 * 400;
}

// Record protocol: the start tick at 200 ms, 240 ms per record (send tick and
// answer tick at 120 ms), one more tick to see the end, then the 2000 ms the
// controller is given to settle.
uint64_t RecordFloorMs(uint32_t records) {
  return 200 + 240 * uint64_t{records} + 120 + 2000;
}

std::vector<uint8_t> XutFile() {
  std::vector<uint8_t> file(kImageBytes);
  for (uint32_t i = 0; i < kImageBytes; ++i) file[i] = static_cast<uint8_t>((i * 31) ^ 0x5B);
  return file;
}

std::vector<uint8_t> XupFile() {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::vector<uint8_t> text;
  for (uint32_t offset = 0; offset < kImageBytes; offset += kRecordBytes) {
    for (uint32_t i = 0; i < kRecordBytes; ++i) {
      const uint32_t body = kRecordBytes - 2;
      const uint8_t b = i == 0   ? static_cast<uint8_t>(body >> 8)
                        : i == 1 ? static_cast<uint8_t>(body & 0xFF)
                                 : static_cast<uint8_t>((offset + i) * 7);
      text.push_back(static_cast<uint8_t>(kDigits[b >> 4]));
      text.push_back(static_cast<uint8_t>(kDigits[b & 0xF]));
    }
  }
  return text;
}

bool TimeTransfer(const char* label, SimTargetKind target, const std::vector<uint8_t>& file, const char* extension,
                  uint64_t floorMs) {
  const std::string path = std::string("/tmp/vuriru_firmware_bench.") + extension;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

  EventLoopScheduler clock(EventLoopScheduler::Clock::kReal);
  TimingScheduler scheduler(clock);
  SimulatedHidLibrary hid(clock);
  SimAdapterConfig config{SimulatedHidLibrary::SimPath(0), target};
  config.answerDelayMs = kAnswerDelayMs;
  hid.AddAdapter(config);

  struct : LinkState, EngineState {
  } state;
  UsbLink link(hid, state, scheduler);
  IgnoringEngineListener host;
  FileOnlyHost files(path);
  SettingsBlock settings;
  LoadFactorySettings(settings);
  V1SettingsBlock v1 = V1FactoryBlock();
  CurveSet curves(settings);
  TransactionEngine engine({link, scheduler, state, host, settings, v1, curves});
  FirmwareTransfer transfer(engine, files);
  scheduler.SetTimerHandler([&](int id) { engine.HandleTimer(id); });

  link.SetDevicePath(link.GetLastLinkDevicePath());
  if (!engine.ConnectAttempt()) {
    std::fprintf(stderr, "firmware_bench: the simulated adapter could not be opened\n");
    return false;
  }
  const bool box = target == SimTargetKind::kLcd;
  const auto ready = [&] {
    return state.engineState == engine_state::kProbe &&
           (box ? state.g_deviceType == device_type::kFull : state.settingsRead == 1 && state.g_transferPending == 0);
  };
  if (!clock.RunUntil(ready, kLimitMs)) {
    std::fprintf(stderr, "firmware_bench: %s: the device was not found\n", label);
    return false;
  }
  if (box) state.g_lcdMode = true;

  const uint64_t startedAt = clock.NowMs();
  transfer.SendFirmwareFile();
  const bool ended = clock.RunUntil([&] { return transfer.Outcome() != TransferOutcome::kRunning; }, kLimitMs);
  const uint64_t tookMs = clock.NowMs() - startedAt;
  std::remove(path.c_str());
  if (!ended || transfer.Outcome() != TransferOutcome::kCompleted ||
      hid.Adapter(0).Target().Memory().firmwareImage.size() != kImageBytes) {
    std::fprintf(stderr, "firmware_bench: %s did not complete: %s\n", label, transfer.LastMessage().c_str());
    return false;
  }
  std::printf("%s: %.2f s (pacing floor %.2f s); longest engine call %.3f ms\n", label,
              static_cast<double>(tookMs) / 1000.0, static_cast<double>(floorMs) / 1000.0,
              static_cast<double>(scheduler.LongestCallUs()) / 1000.0);
  return true;
}

int Run() {
  std::printf("60 KiB images, device answers after %u ms\n", kAnswerDelayMs);
  const bool xut = TimeTransfer("*.xut to the display box (512-byte blocks)", SimTargetKind::kLcd, XutFile(), "xut",
                                BlockFloorMs(kImageBytes));
  const bool xup = TimeTransfer("*.xup to the full controller (1024-byte records)", SimTargetKind::kFull, XupFile(),
                                "xup", RecordFloorMs(kImageBytes / kRecordBytes));
  return xut && xup ? 0 : 1;
}

}  // namespace
}  // namespace vuriru::bench

int main() {
  return vuriru::bench::Run();
}
