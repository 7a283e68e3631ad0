// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/transfer_rig.h"

#include <fstream>

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::test {

std::string RecordingHosts::ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) {
  dialogs.push_back(std::string(filter) + "|" + std::string(defaultName));
  return chosenFile;
}

TransferRig::TransferRig(SimTargetKind target, uint32_t answerDelayMs)
    : engine(TransactionEngine::Parts{link, scheduler, state, hosts, settings, v1, curves}) {
  LoadFactorySettings(settings);
  v1 = V1FactoryBlock();
  SimAdapterConfig config;
  config.path = SimulatedHidLibrary::SimPath(0);
  config.target = target;
  config.answerDelayMs = answerDelayMs;
  hid.AddAdapter(config);
  hid.SetDeviceChangeHandler([this](const DeviceChangeEvent& event) { hotplug.Handle(event); });
  scheduler.SetTimerHandler([this](int id) { engine.HandleTimer(id); });
  link.SetTrace([this](bool outgoing, const uint8_t* bytes, uint32_t length) {
    if (outgoing) sent.push_back({scheduler.NowMs(), std::vector<uint8_t>(bytes, bytes + length)});
  });
  m_filePath = testing::TempDir() + "vuriru_firmware_" + testing::UnitTest::GetInstance()->current_test_info()->name();
}

bool TransferRig::ConnectAndSettle() {
  link.SetDevicePath(link.GetLastLinkDevicePath());
  if (!engine.ConnectAttempt()) return false;
  const bool box = Adapter().Config().target == SimTargetKind::kLcd;
  const bool settled = scheduler.RunUntil(
      [&] {
        if (state.engineState != engine_state::kProbe) return false;
        return box ? state.g_deviceType == device_type::kFull : state.settingsRead == 1 && state.g_escPresent == 1;
      },
      20000);
  if (box) state.g_lcdMode = true;  // the user picks "RUZ Oviveru Ruv" in the Device menu
  sent.clear();
  hosts.calls.clear();
  hosts.progressTexts.clear();
  return settled;
}

void TransferRig::ChooseFile(const std::vector<uint8_t>& bytes, const std::string& extension) {
  hosts.chosenFile = m_filePath + "." + extension;
  std::ofstream out(hosts.chosenFile, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool TransferRig::RunTransfer() {
  const bool ended = scheduler.RunUntil(
      [&] { return transfer.Outcome() != TransferOutcome::kRunning && !engine.IsWaiting(); }, 600000);
  scheduler.AdvanceBy(500);
  return ended;
}

std::vector<SentBlock> TransferRig::TakeSent() {
  std::vector<SentBlock> taken;
  taken.swap(sent);
  return taken;
}

std::vector<std::vector<uint8_t>> TransferRig::TakeSentBytes() {
  std::vector<std::vector<uint8_t>> bytes;
  for (SentBlock& block : TakeSent()) bytes.push_back(std::move(block.bytes));
  return bytes;
}

std::vector<uint8_t> PatternImage(size_t n) {
  std::vector<uint8_t> image(n);
  for (size_t i = 0; i < n; ++i) image[i] = static_cast<uint8_t>((i * 31 + i / 251) & 0xFF);
  return image;
}

std::vector<uint8_t> ScrambledFile(const std::vector<uint8_t>& image) {
  std::vector<uint8_t> file = image;
  for (uint8_t& b : file) b ^= 0x5B;
  return file;
}

std::vector<uint8_t> RecordImage(size_t n, uint16_t recordLength) {
  std::vector<uint8_t> image;
  size_t i = 0;
  while (image.size() < n) {
    const size_t length = std::min<size_t>(recordLength, n - image.size());
    const size_t body = length < 2 ? 0 : length - 2;
    image.push_back(static_cast<uint8_t>(body >> 8));
    image.push_back(static_cast<uint8_t>(body & 0xFF));
    // Record bodies avoid the probe bytes, which a loader takes as the end.
    for (size_t k = 0; k < body; ++k, ++i) image.push_back(static_cast<uint8_t>((i * 7) % 0xD0));
  }
  return image;
}

std::vector<uint8_t> RecordText(const std::vector<uint8_t>& image) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::vector<uint8_t> text;
  for (size_t i = 0; i < image.size(); ++i) {
    text.push_back(static_cast<uint8_t>(kDigits[image[i] >> 4]));
    text.push_back(static_cast<uint8_t>(kDigits[image[i] & 0xF]));
  }
  return text;
}

}  // namespace vuriru::test
