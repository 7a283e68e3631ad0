// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the attached controller held when it was last read or stored, as the
// window knows it: a full controller's settings, running log and curves, or
// a V1 controller's block and kind. The pages' edits never reach it, so the
// snapshot taken before a write keeps what the write replaces.

#include <optional>
#include <string>

#include "comms/engine/settings_snapshot.h"
#include "files/data_file_codec.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

struct V1Memory {
  V1SettingsBlock block;
  std::string kind;  // "v1", "v1-bec" or "v1-hgm"
};

class SettingsMemory {
 public:
  // A full controller was read: its settings, running log and curves.
  void RememberRead(const EscData& data);
  // A store to the full controller completed: it holds what was sent. The
  // running log stays as read, since a store does not change it.
  void RememberStored(const SettingsSnapshot& sent);
  // A V1 controller was read, or took the block it was sent.
  void RememberV1(const V1SettingsBlock& block, std::string kind);
  // The controller went away: what a later one holds is not known yet.
  void Forget();

  const std::optional<EscData>& Full() const { return m_full; }
  const std::optional<V1Memory>& V1() const { return m_v1; }

 private:
  std::optional<EscData> m_full;
  std::optional<V1Memory> m_v1;
};

}  // namespace vuriru
