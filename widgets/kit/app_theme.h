// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's dark look for everything Qt draws itself: message boxes,
// file dialogs, menus, drop-down lists and buttons.

namespace vuriru {

// Sets the Fusion style and the dark palette on the whole application, once
// the application object exists. The pictures and the owner-drawn widgets
// keep their own colours.
void ApplyAppTheme();

}  // namespace vuriru
