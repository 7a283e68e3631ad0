// SPDX-License-Identifier: GPL-3.0-or-later
// A full controller's settings reply: parsed onto the factory settings, then
// built back into the settings frame that Apply would send.

#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "settings/settings_table.h"
#include "settings/settings_wire.h"

namespace vuriru::fuzz {

int SettingsReplyInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> reply(data, size);
  SettingsBlock block;
  LoadFactorySettings(block);
  const SettingsBlock before = block;

  const bool parsed = ParseSettingsReply(reply, block);
  Require(parsed == (size >= kSettingsReplyMinLength), "a settings reply is taken from 33 bytes on");
  for (const SettingRow& row : SettingsTable()) {
    const int32_t now = block.Current(row.setting);
    const bool carried = parsed && row.replyByte != kNotCarried && static_cast<size_t>(row.replyByte) < size;
    if (carried) {
      Require(now == reply[static_cast<size_t>(row.replyByte)], "a setting holds its reply byte");
    } else {
      Require(now == before.Current(row.setting), "a setting the reply does not carry keeps its value");
    }
    Require(block.Factory(row.setting) == before.Factory(row.setting), "a reply never changes a factory index");
  }
  for (const RunningLogRow& row : RunningLogTable()) {
    const bool carried = parsed && static_cast<size_t>(row.replyByte) < size;
    const uint32_t expected = carried ? reply[static_cast<size_t>(row.replyByte)] : before.Log(row.value);
    Require(block.Log(row.value) == expected, "a running-log value holds its reply byte");
  }

  // What Apply would send back: every block setting as its tag and byte.
  const SettingsFrame frame = BuildSettingsFrame(block);
  for (const SettingRow& row : SettingsTable()) {
    if (row.frameSlot == kNotCarried) continue;
    const size_t at = static_cast<size_t>(row.frameSlot) * 2;
    Require(frame[at] == row.frameTag, "every frame pair starts with its tag");
    Require(frame[at + 1] == (block.Current(row.setting) & 0xFF), "every frame pair carries its setting");
  }
  Require(frame[kSettingsFrameLength - 4] == 0xAF, "the frame ends with its trailer");
  return 0;
}

}  // namespace vuriru::fuzz
