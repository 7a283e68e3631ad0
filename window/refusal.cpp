// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/refusal.h"

#include "common/user_text.h"

namespace vuriru {

std::string RefusalReason(const SharedState& state, WindowCommand command) {
  // In RUZ Oviveru Ruv mode the device page is the only one there is, and
  // it stays reachable without a controller.
  if (command == WindowCommand::kDevicePage && state.g_lcdMode) return {};
  if (state.g_linkState != link_state::kOpen)
    return VURIRU_TEXT("Messages", "No link adapter is connected. Plug in the USB link adapter.");
  if (state.g_adapterReady == 0)
    return VURIRU_TEXT("Messages", "The link adapter does not answer yet. Wait a moment, or plug it in again.");
  if (state.g_lcdMode && command != WindowCommand::kDevicePage) {
    return VURIRU_TEXT(
        "Messages",
        "The RUZ Oviveru Ruv is selected: only its device page is available. Choose \"ESC Speed Controller\" in "
        "the Device menu for a controller.");
  }
  if (state.g_escPresent == 0) {
    return VURIRU_TEXT("Messages",
                       "No controller answers. Connect the controller to the link adapter and switch it on.");
  }
  if (state.g_curveEditorOpen != 0)
    return VURIRU_TEXT("Messages", "Close the curve editor first: OK keeps the curve, CANCEL drops the changes.");
  if (state.g_transferPending != 0)
    return VURIRU_TEXT("Messages", "Busy with the controller: wait until the transfer has ended.");
  const bool fileCommand = command == WindowCommand::kExport || command == WindowCommand::kImport;
  if (fileCommand && state.g_deviceType != device_type::kFull) {
    return VURIRU_TEXT(
        "Messages",
        "Settings files hold a full controller's settings; the attached V1 controller is set up on its panel.");
  }
  return {};
}

}  // namespace vuriru
