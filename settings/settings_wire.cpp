// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_wire.h"

#include "settings/settings_table.h"

namespace vuriru {

namespace {
constexpr std::array<uint8_t, 4> kFrameTrailer{0xAF, 0x01, 0x01, 0x01};
}  // namespace

bool ParseSettingsReply(std::span<const uint8_t> reply, SettingsBlock& block) {
  if (reply.size() < kSettingsReplyMinLength) return false;
  for (const SettingRow& row : SettingsTable()) {
    if (row.replyByte == kNotCarried) continue;
    const auto at = static_cast<size_t>(row.replyByte);
    if (at < reply.size()) block.Current(row.setting) = reply[at];
  }
  for (const RunningLogRow& row : RunningLogTable()) {
    const auto at = static_cast<size_t>(row.replyByte);
    if (at < reply.size()) block.Log(row.value) = reply[at];
  }
  return true;
}

SettingsFrame BuildSettingsFrame(const SettingsBlock& block) {
  SettingsFrame frame{};
  for (const SettingRow& row : SettingsTable()) {
    if (row.frameSlot == kNotCarried) continue;
    const auto at = static_cast<size_t>(row.frameSlot) * 2;
    frame[at] = static_cast<uint8_t>(row.frameTag);
    frame[at + 1] = static_cast<uint8_t>(block.Current(row.setting) & 0xFF);
  }
  const size_t trailerAt = kSettingsFrameLength - kFrameTrailer.size();
  for (size_t i = 0; i < kFrameTrailer.size(); ++i) frame[trailerAt + i] = kFrameTrailer[i];
  return frame;
}

}  // namespace vuriru
