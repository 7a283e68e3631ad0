// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "fuzz/entry_points.h"

namespace vuriru::fuzz {

std::span<const FuzzTarget> FuzzTargets() {
  static constexpr std::array<FuzzTarget, 9> kTargets{{
      {"settings_reply", SettingsReplyInput},
      {"curve_reply", CurveReplyInput},
      {"v1_reply", V1ReplyInput},
      {"data_file", DataFileInput},
      {"json_file", JsonFileInput},
      {"library_rows", LibraryRowsInput},
      {"xup_file", RecordFileInput},
      {"block_file", BlockFileInput},
      {"engine", EngineInput},
  }};
  return kTargets;
}

}  // namespace vuriru::fuzz
