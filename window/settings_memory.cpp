// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings_memory.h"

#include <utility>

namespace vuriru {

void SettingsMemory::RememberRead(const EscData& data) {
  m_full = data;
  m_v1.reset();
}

void SettingsMemory::RememberStored(const SettingsSnapshot& sent) {
  // A store without a read before it has no running log to keep; it does
  // not happen, as commands wait for the first read.
  if (!m_full) return;
  m_full->settings.current = sent.current;
  m_full->boostCurve = sent.boost;
  m_full->brakeCurve = sent.brake;
  m_full->throttleCurve = sent.throttle;
}

void SettingsMemory::RememberV1(const V1SettingsBlock& block, std::string kind) {
  m_v1 = V1Memory{block, std::move(kind)};
  m_full.reset();
}

void SettingsMemory::Forget() {
  m_full.reset();
  m_v1.reset();
}

}  // namespace vuriru
