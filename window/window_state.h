// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's part of the program-wide flags: which page is selected and
// shown, what the user pressed, and whether a curve editor is open. The names
// keep the spelling the rest of the system knows them by.

#include <cstdint>

#include "common/state_values.h"

namespace vuriru {

struct WindowState {
  uint8_t g_selectedPage = page::kNoneSelected;
  uint8_t g_currentPage = page::kNoneShown;
  uint8_t g_lastPage = page::kNoneShown;
  bool g_pageChosen = false;
  // 8 Apply, 9 Default, 255 none: the command button drawn pressed.
  int32_t g_pressedCommand = command::kNone;
  // The curve-editing flag: 1 while a curve editor is shown.
  uint8_t g_curveEditorOpen = 0;
  bool g_backgroundDirty = false;
};

}  // namespace vuriru
