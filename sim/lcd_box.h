// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated display box (probe answer 0x27). It answers probes only; the
// start byte 0xD3 restarts it into its loader, which runs the 512-byte block
// firmware protocol (sim/block_loader.h) and keeps the image it receives.

#include <cstdint>

#include "sim/block_loader.h"
#include "sim/sim_target.h"

namespace vuriru {

class SimLcdBox : public SimTarget {
 public:
  SimLcdBox();

  bool InLoader() const { return m_inLoader; }

  // How long the restart into the loader takes before it answers.
  static constexpr uint32_t kRestartMs = 20;

 protected:
  void Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) override;

 private:
  bool m_inLoader = false;
  SimBlockLoader m_loader;
};

}  // namespace vuriru
