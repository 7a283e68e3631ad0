// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/fault_matrix/matrix_rig.h"

#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::matrix {

MatrixRig::MatrixRig(SimTargetKind target) {
  LoadFactorySettings(settings);
  v1 = V1FactoryBlock();
  box = target == SimTargetKind::kLcd;
  SimAdapterConfig config;
  config.path = SimulatedHidLibrary::SimPath(0);
  config.target = target;
  hid.AddAdapter(config);
  // Device changes are handled on the next turn of the loop, as the window does.
  hid.SetDeviceChangeHandler(
      [this](const DeviceChangeEvent& event) { clock.RunAfter(0, [this, event] { hotplug.Handle(event); }); });
}

MatrixRig::~MatrixRig() {
  hid.SetDeviceChangeHandler({});
  controller.Stop();
  link.Close();
}

bool MatrixRig::ReadDone() const {
  return state.settingsRead == 1 && state.engineState == engine_state::kProbe && !engine.IsWaiting() &&
         state.g_transferPending == 0;
}

bool MatrixRig::StartAndSettle() {
  controller.Start();
  if (box) {
    if (!RunUntil([this] { return state.g_adapterReady == 1 && state.g_deviceType == device_type::kFull; }, 20000)) {
      return false;
    }
    controller.OnDeviceLcd();
    return state.g_lcdMode;
  }
  return RunUntil([this] { return ReadDone(); }, 20000);
}

}  // namespace vuriru::matrix
