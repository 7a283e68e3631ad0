// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine_rig.h"

namespace vuriru::test {

namespace {
SettingsBlock FactorySettings() {
  SettingsBlock block;
  LoadFactorySettings(block);
  return block;
}
}  // namespace

EngineRig::EngineRig(HidLibrary& hid, EventLoopScheduler& clock)
    : scheduler(clock),
      link(hid, state, scheduler),
      settings(FactorySettings()),
      v1(V1FactoryBlock()),
      curves(settings),
      engine(TransactionEngine::Parts{link, scheduler, state, host, settings, v1, curves}) {
  scheduler.SetTimerHandler([this](int id) { engine.HandleTimer(id); });
  link.SetTrace([this](bool outgoing, const uint8_t* bytes, uint32_t length) {
    if (outgoing) sent.push_back({scheduler.NowMs(), std::vector<uint8_t>(bytes, bytes + length)});
  });
}

bool EngineRig::Connect() {
  link.SetDevicePath(link.GetLastLinkDevicePath());
  const bool connected = engine.ConnectAttempt();
  sent.clear();  // the connect report
  return connected;
}

std::vector<SentBlock> EngineRig::TakeSent() {
  std::vector<SentBlock> taken;
  taken.swap(sent);
  return taken;
}

std::vector<std::vector<uint8_t>> EngineRig::TakeSentBytes() {
  std::vector<std::vector<uint8_t>> bytes;
  for (auto& block : TakeSent()) bytes.push_back(std::move(block.bytes));
  return bytes;
}

}  // namespace vuriru::test
