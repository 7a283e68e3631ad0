// SPDX-License-Identifier: GPL-3.0-or-later
#include "backend/hid_backend.h"

#include <utility>

#include "link/hidapi/hidapi_library.h"
#include "sim/sim_fault.h"
#include "sim/sim_target_factory.h"
#include "sim/simulated_hid_library.h"

namespace vuriru {
namespace {

// Reads the choice into a target and faults; the first thing it gets wrong
// comes back as the error.
HidBackendError ParseChoice(const HidBackendChoice& choice, SimTargetKind* target, SimFaults* faults) {
  if (choice.simulate.empty()) return {};
  if (!ParseSimTarget(choice.simulate, target)) {
    return {"unknown --simulate kind '" + choice.simulate + "'", "kinds"};
  }
  for (const std::string& fault : choice.faults) {
    std::string why;
    if (!ParseSimFaultArgument(fault, *faults, &why)) return {"--fault: " + why, "fault names"};
  }
  return {};
}

}  // namespace

HidBackendError CheckHidBackendChoice(const HidBackendChoice& choice) {
  SimTargetKind target = SimTargetKind::kFull;
  SimFaults faults;
  return ParseChoice(choice, &target, &faults);
}

void HidBackend::ReportDeviceChanges(DeviceChangeHandler handler) {
  if (simulated != nullptr) simulated->SetDeviceChangeHandler(std::move(handler));
  if (hidapi != nullptr) hidapi->SetRemovalReporter(std::move(handler));
}

HidBackend MakeHidBackend(const HidBackendChoice& choice, Scheduler& scheduler) {
  HidBackend backend;
  if (choice.simulate.empty()) {
    auto library = std::make_unique<HidapiLibrary>();
    backend.hidapi = library.get();
    backend.library = std::move(library);
    return backend;
  }
  auto library = std::make_unique<SimulatedHidLibrary>(scheduler);
  SimAdapterConfig config;
  config.path = SimulatedHidLibrary::SimPath(0);
  SimFaults faults;
  backend.error = ParseChoice(choice, &config.target, &faults);
  library->AddAdapter(config).Faults() = faults;
  backend.simulated = library.get();
  backend.library = std::move(library);
  return backend;
}

}  // namespace vuriru
