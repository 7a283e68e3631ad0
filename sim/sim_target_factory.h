// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated targets by name, for tests and the command line.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_target.h"

namespace vuriru {

enum class SimTargetKind { kFull, kLcd, kV1, kV1Bec, kV1Hgm, kNone };

struct SimTargetInfo {
  SimTargetKind kind;
  std::string_view name;  // the command-line name
  std::string_view help;
};

const std::vector<SimTargetInfo>& SimTargetList();
std::string_view SimTargetName(SimTargetKind kind);
bool ParseSimTarget(std::string_view name, SimTargetKind* kind);

// A fresh target with its starting memory; for kNone a target that never
// answers anything.
std::unique_ptr<SimTarget> MakeSimTarget(SimTargetKind kind);

// The target list for --help, one "  name  description" per line.
std::string SimTargetHelp();

}  // namespace vuriru
