// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_target_factory.h"

#include "sim/full_controller.h"
#include "sim/lcd_box.h"
#include "sim/v1_controller.h"

namespace vuriru {

namespace {

// An adapter with nothing plugged into it: what is written goes nowhere.
class NothingAttached : public SimTarget {
 protected:
  void Consume(const uint8_t*, size_t, SimAnswers&) override {}
};

}  // namespace

const std::vector<SimTargetInfo>& SimTargetList() {
  static const std::vector<SimTargetInfo> kList = {
      {SimTargetKind::kFull, "full", "full controller (0x2A): settings, three curves, *.xup firmware"},
      {SimTargetKind::kLcd, "lcd", "display box (0x27): *.xut firmware by 512-byte blocks"},
      {SimTargetKind::kV1, "v1", "V1 controller (0x2C), 14-byte settings, *.xup firmware"},
      {SimTargetKind::kV1Bec, "v1-bec", "V1 controller with BEC (0x2B), 18-byte settings, *.xup firmware"},
      {SimTargetKind::kV1Hgm, "v1-hgm", "V1 controller (0x2C), 12-byte settings, *.hgm firmware"},
      {SimTargetKind::kNone, "none", "adapter with no controller behind it"},
  };
  return kList;
}

std::string_view SimTargetName(SimTargetKind kind) {
  for (const auto& info : SimTargetList()) {
    if (info.kind == kind) return info.name;
  }
  return "?";
}

bool ParseSimTarget(std::string_view name, SimTargetKind* kind) {
  for (const auto& info : SimTargetList()) {
    if (info.name == name) {
      *kind = info.kind;
      return true;
    }
  }
  return false;
}

std::unique_ptr<SimTarget> MakeSimTarget(SimTargetKind kind) {
  switch (kind) {
    case SimTargetKind::kFull:
      return std::make_unique<SimFullController>();
    case SimTargetKind::kLcd:
      return std::make_unique<SimLcdBox>();
    case SimTargetKind::kV1:
      return std::make_unique<SimV1Controller>(SimV1Controller::Model::kPlain);
    case SimTargetKind::kV1Bec:
      return std::make_unique<SimV1Controller>(SimV1Controller::Model::kBec);
    case SimTargetKind::kV1Hgm:
      return std::make_unique<SimV1Controller>(SimV1Controller::Model::kHgm);
    case SimTargetKind::kNone:
      return std::make_unique<NothingAttached>();
  }
  return std::make_unique<NothingAttached>();
}

std::string SimTargetHelp() {
  std::string text;
  for (const auto& info : SimTargetList()) {
    text += "  ";
    text += info.name;
    text.append(info.name.size() < 8 ? 8 - info.name.size() : 1, ' ');
    text += info.help;
    text += '\n';
  }
  text +=
      "  Every target starts from the same memory, chosen apart from the factory values:\n"
      "  full: adapter V2.05_23114, software V3.12_240517, RUN MODE 1, VOLTAGE CUTOFF 34 (6.2v),\n"
      "        PUNCH RATE1 20, RPM Lock 80, BEC Output 1, THCURVE/BRAKE CURVE/SLOPE Custom,\n"
      "        throttle curve (0,0) (30,50) (70,80) (100,100), brake (0,0) (60,30) (100,100),\n"
      "        boost (0,0) (40,70) (100,100), running log 7.20V 68/81 degree celsius 42000rpm;\n"
      "  v1, v1-bec, v1-hgm: software V1.05_190308, cut-off 3.2V/Cell, Running Mode 2,\n"
      "        Motor Timing 3 (v1-bec: BEC 8.4V); lcd: empty. All values: sim/README.md.\n";
  return text;
}

}  // namespace vuriru
