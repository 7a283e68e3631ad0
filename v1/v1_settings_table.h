// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of both V1 panel layouts described as data: caption, drop-down
// list, option texts (the factory choice marked "(*)"), factory index, the
// reply byte that carries the setting and the command that stores it. The
// reply decoders, the send frames and the panel widgets read these tables.

#include <cstdint>
#include <string>
#include <vector>

#include "v1/v1_settings_block.h"

namespace vuriru {

template <typename SettingT>
struct V1SettingRow {
  SettingT setting;
  std::string caption;
  int listId = 0;
  std::vector<std::string> options;
  int32_t factoryIndex = 0;
  int replyByte = 0;        // position of the value in the settings reply
  uint8_t sendCommand = 0;  // command byte that precedes the value when storing
};

// A list that the V1 panel's template holds but never shows or uses.
struct V1HiddenList {
  std::string caption;
  int listId = 0;
  std::vector<std::string> options;
};

// The V1 layout (`CV1Dlg`): one row per V1Setting, in enum order. The cut-off
// travels as a cut-off code (v1/cut_off_code.h); BEC is read from byte 14 and
// sent as four 0xA1 pairs, both only while BEC is shown.
const std::vector<V1SettingRow<V1Setting>>& V1SettingsTable();
const std::vector<V1HiddenList>& V1HiddenLists();

// The thirteen-setting layout (`CCnV1Dlg`): one row per CnV1Setting, in enum
// order. The replies of 12 and 15 bytes carry Motor Rotation in byte 9 instead
// of 11, and the cut-off travels under 0xED as a plain index in the frames for
// those lengths (v1/v1_frame.h).
const std::vector<V1SettingRow<CnV1Setting>>& CnV1SettingsTable();

template <typename SettingT>
const V1SettingRow<SettingT>& V1Row(const std::vector<V1SettingRow<SettingT>>& table, SettingT s) {
  return table[static_cast<size_t>(s)];
}

// Whether `index` names an option of the row's list.
template <typename SettingT>
bool IsOptionIndex(const V1SettingRow<SettingT>& row, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < row.options.size();
}

V1SettingsBlock V1FactoryBlock(int32_t becShown = kV1BecHidden);
CnV1SettingsBlock CnV1FactoryBlock();

}  // namespace vuriru
