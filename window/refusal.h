// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a command of the main window cannot act now, in words for its status
// line. A refused command changes nothing; the user reads the reason instead
// of wondering why the click did nothing.

#include <string>

#include "window/shared_state.h"

namespace vuriru {

enum class WindowCommand { kPage, kDevicePage, kApply, kDefault, kExport, kImport };

// Empty when the command may act. Follows the busy check's conditions, most
// basic first (no adapter before no controller before busy).
std::string RefusalReason(const SharedState& state, WindowCommand command);

}  // namespace vuriru
