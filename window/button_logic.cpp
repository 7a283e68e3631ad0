// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/button_logic.h"

#include "window/button_art.h"

namespace vuriru {
namespace {

// After the user cancelled the Apply or Default question, the command button
// that is still drawn pressed is released and the page that was selected
// before becomes selected again.
void ReleaseCancelledCommand(int controlId, bool& down, ButtonHost& host) {
  SharedState& state = host.State();
  int& confirm = host.ConfirmState();
  if (confirm != 2) return;
  bool apply = controlId == button_id::kApply && state.g_pressedCommand == command::kApply;
  bool defaults = controlId == button_id::kDefault && state.g_pressedCommand == command::kDefault;
  if (!apply && !defaults) return;
  down = false;
  state.g_pressedCommand = 0;
  state.g_selectedPage = state.g_lastPage;
  if (defaults) confirm = 0;
}

void RecordPress(int controlId, SharedState& state) {
  if (int page = PageNumberOfButton(controlId); page != 0) {
    state.g_selectedPage = static_cast<uint8_t>(page);
    state.g_lastPage = static_cast<uint8_t>(page);
  } else if (controlId == button_id::kApply) {
    state.g_pressedCommand = command::kApply;
  } else if (controlId == button_id::kDefault) {
    state.g_pressedCommand = command::kDefault;
  }
}

ButtonImageChoice Image(int imageId) {
  return {ButtonImageChoice::Kind::kImage, imageId};
}

}  // namespace

ButtonImageChoice ResolveButtonImage(int controlId, bool down, ButtonHost& host) {
  ReleaseCancelledCommand(controlId, down, host);
  if (down && host.IsBusy()) return {ButtonImageChoice::Kind::kKeepPicture, 0};
  if (down) RecordPress(controlId, host.State());

  const SharedState& state = host.State();
  if (controlId == button_id::kEscIndicator) {
    if (state.g_escPresent == 1) return Image(image_id::kEscPresent);
    return Image(state.g_lcdMode ? image_id::kEscLcd : image_id::kEscAbsent);
  }
  if (controlId == button_id::kUsbIndicator) {
    return Image(state.g_adapterReady == 1 ? image_id::kUsbReady : image_id::kUsbAbsent);
  }
  std::optional<ButtonArt> art = FindButtonArt(controlId);
  if (!art) return {};
  int page = PageNumberOfButton(controlId);
  bool selected = down || (page != 0 && state.g_selectedPage == page);
  return Image(selected ? art->pressedImage : art->normalImage);
}

}  // namespace vuriru
