// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_reply.h"

#include <optional>

#include "v1/cut_off_code.h"
#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

template <typename SettingT>
std::optional<int32_t> ListIndex(const V1SettingRow<SettingT>& row, uint8_t value) {
  if (!IsOptionIndex(row, value)) return std::nullopt;
  return value;
}

bool IsShortFrameLength(size_t replyLength) {
  return replyLength == 12 || replyLength == 15;
}

}  // namespace

bool DecodeV1Reply(std::span<const uint8_t> reply, V1SettingsBlock& block) {
  if (reply.size() < kV1MinReplyLength) return false;
  for (const auto& row : V1SettingsTable()) {
    if (row.setting == V1Setting::Bec && !block.IsBecShown()) continue;
    const auto byte = static_cast<size_t>(row.replyByte);
    if (byte >= reply.size()) continue;
    const std::optional<int32_t> index =
        row.setting == V1Setting::CutOffVoltage ? CutOffIndexFromCode(reply[byte]) : ListIndex(row, reply[byte]);
    if (index) block[row.setting] = *index;
  }
  return true;
}

bool IsCnV1ReplyLength(size_t replyLength) {
  return replyLength == 12 || replyLength == 14 || replyLength == 15 || replyLength == 18;
}

bool CnV1HasTurboSettings(size_t replyLength) {
  return replyLength >= 15;
}

bool DecodeCnV1Reply(std::span<const uint8_t> reply, CnV1SettingsBlock& block) {
  if (!IsCnV1ReplyLength(reply.size())) return false;
  const bool hasTurbo = CnV1HasTurboSettings(reply.size());
  for (const auto& row : CnV1SettingsTable()) {
    auto byte = static_cast<size_t>(row.replyByte);
    switch (row.setting) {
      case CnV1Setting::MotorRotation:
        if (IsShortFrameLength(reply.size())) byte = 9;
        break;
      case CnV1Setting::TurboTiming:
      case CnV1Setting::BoostStartRpm:
      case CnV1Setting::TurboDelay:
        if (!hasTurbo) continue;
        break;
      default:
        break;
    }
    // A 15-byte reply ends before Turbo Delay's byte 15; that setting keeps its value.
    if (byte >= reply.size()) continue;
    const std::optional<int32_t> index =
        row.setting == CnV1Setting::CutOffVoltage ? CnCutOffIndexFromByte(reply[byte]) : ListIndex(row, reply[byte]);
    if (index) block[row.setting] = *index;
  }
  return true;
}

}  // namespace vuriru
