// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row per setting and per running-log value: where each travels in the
// settings reply, the settings frame and the settings file, its factory index,
// its page and its caption. The reply parser, the frame builder and the file
// codec all read their layouts from these rows, so a new setting is one row
// here (and its place, options and help text in its page's table). The
// caption is written here only: the pages, the command-line tool and the
// artwork read it from these rows.

#include <cstdint>
#include <span>

#include "settings/settings_block.h"

namespace vuriru {

// Marks a layout a row does not take part in.
inline constexpr int kNotCarried = -1;

struct SettingRow {
  Setting setting;
  const char* caption;   // as the page shows it, e.g. "RUN MODE", "Moter Rotation"
  uint8_t page;          // page::kGeneral … page::kTurbo
  int replyByte;         // position in the settings reply, or kNotCarried
  int frameSlot;         // pair number in the settings frame (tag at 2·slot), or kNotCarried
  int frameTag;          // byte before the value in the settings frame, or kNotCarried
  int fileOffset;        // offset in the settings file's block, or kNotCarried
  int32_t factoryIndex;  // position of the option marked "(*)" in its page's list, 0 where none is marked
};

struct RunningLogRow {
  RunningLog value;
  const char* caption;  // the Data page's label caption, e.g. "BATT MIN VOLTAGE"
  int replyByte;        // one byte in the settings reply
  int fileOffset;       // first byte in the settings file's block
  int fileLength;       // 1, or 2 for the motor rpm (low byte, then high byte)
  // The stored value times 10^unitPower is the value in its physical unit:
  // 0.1 V steps (-1), degrees Celsius (0), 1000 rpm steps (3).
  int unitPower;
  const char* unit;  // "V", "°C", "rpm"
};

// All settings in `Setting` order: the 31 block settings, then the page-only ones.
std::span<const SettingRow> SettingsTable();
const SettingRow& SettingRowFor(Setting setting);

// The four running-log values in `RunningLog` order.
std::span<const RunningLogRow> RunningLogTable();
const RunningLogRow& RunningLogRowFor(RunningLog value);
// A stored running-log value in its physical unit (volts, degrees Celsius,
// rpm). A division for the 0.1 V steps, so that 72 gives exactly 7.2.
double RunningLogInUnits(RunningLog value, uint32_t stored);

// Fills every factory index from the table and sets every current index to
// it. The running log is left as it is: it has no factory value.
void LoadFactorySettings(SettingsBlock& block);

}  // namespace vuriru
