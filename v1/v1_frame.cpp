// SPDX-License-Identifier: GPL-3.0-or-later
#include "v1/v1_frame.h"

#include "v1/cut_off_code.h"
#include "v1/v1_reply.h"
#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

constexpr uint8_t kCnCutOffIndexCommand = 0xED;
constexpr uint8_t kCnFixedCommand = 0xE9;
constexpr uint8_t kCnFixedValue = 1;
constexpr int kBecRepeats = 4;

// Settings sent as (command, index) pairs, in the order the controller takes them.
constexpr std::array kV1PairOrder = {
    V1Setting::RunningMode,
    V1Setting::PercentageBraking,
    V1Setting::PercentageDragBrake,
    V1Setting::MotorTiming,
    V1Setting::InitialAcceleration,
    V1Setting::ThrottleLimit,
    V1Setting::ThrottlePercentReverse,
    V1Setting::NeutralRange,
    V1Setting::MotorRotation,
};

constexpr std::array kCnV1PairOrder = {
    CnV1Setting::RunningMode,
    CnV1Setting::PercentageBraking,
    CnV1Setting::PercentageDragBrake,
    CnV1Setting::MotorTiming,
    CnV1Setting::InitialAcceleration,
    CnV1Setting::ThrottleLimit,
    CnV1Setting::ThrottlePercentReverse,
    CnV1Setting::MotorRotation,
    CnV1Setting::NeutralRange,
};

constexpr std::array kCnV1TurboOrder = {CnV1Setting::TurboTiming, CnV1Setting::TurboDelay, CnV1Setting::BoostStartRpm};

// Appends (command, index) for the setting; false when the index is not one of its options.
template <typename SettingT, typename BlockT>
bool AppendIndexPair(const std::vector<V1SettingRow<SettingT>>& table, const BlockT& block, SettingT s,
                     V1Frame& frame) {
  const auto& row = V1Row(table, s);
  if (!IsOptionIndex(row, block[s])) return false;
  frame.push_back(V1Write::Pair(row.sendCommand, static_cast<uint8_t>(block[s])));
  return true;
}

}  // namespace

std::optional<V1Frame> BuildV1Frame(const V1SettingsBlock& block) {
  const auto& table = V1SettingsTable();
  V1Frame frame;
  for (V1Setting s : kV1PairOrder) {
    if (!AppendIndexPair(table, block, s, frame)) return std::nullopt;
  }
  if (block.IsBecShown()) {
    for (int i = 0; i < kBecRepeats; ++i) {
      if (!AppendIndexPair(table, block, V1Setting::Bec, frame)) return std::nullopt;
    }
  }
  const std::optional<uint8_t> code = CutOffCode(block[V1Setting::CutOffVoltage]);
  if (!code) return std::nullopt;
  frame.push_back(V1Write::Pair(V1Row(table, V1Setting::CutOffVoltage).sendCommand, *code));
  return frame;
}

std::optional<V1Frame> BuildCnV1Frame(const CnV1SettingsBlock& block, size_t replyLength) {
  if (!IsCnV1ReplyLength(replyLength)) return std::nullopt;
  const auto& table = CnV1SettingsTable();
  const bool shortFrame = replyLength == 12 || replyLength == 15;
  V1Frame frame;

  const int32_t cutOff = block[CnV1Setting::CutOffVoltage];
  const std::optional<uint8_t> code = CutOffCode(cutOff);
  if (!code) return std::nullopt;  // also rejects an index outside the cut-off list
  if (shortFrame) {
    frame.push_back(V1Write::Pair(kCnCutOffIndexCommand, static_cast<uint8_t>(cutOff)));
  } else {
    frame.push_back(V1Write::Pair(V1Row(table, CnV1Setting::CutOffVoltage).sendCommand, *code));
  }

  for (CnV1Setting s : kCnV1PairOrder) {
    if (!AppendIndexPair(table, block, s, frame)) return std::nullopt;
  }
  frame.push_back(V1Write::Pair(kCnFixedCommand, kCnFixedValue));
  if (CnV1HasTurboSettings(replyLength)) {
    for (CnV1Setting s : kCnV1TurboOrder) {
      if (!AppendIndexPair(table, block, s, frame)) return std::nullopt;
    }
  }
  if (shortFrame) frame.push_back(V1Write::Single(kCnV1FrameEnd));
  return frame;
}

std::vector<uint8_t> FlattenV1Frame(const V1Frame& frame) {
  std::vector<uint8_t> bytes;
  for (const V1Write& write : frame) {
    const auto part = write.Bytes();
    bytes.insert(bytes.end(), part.begin(), part.end());
  }
  return bytes;
}

}  // namespace vuriru
