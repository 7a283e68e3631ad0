// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File dialog filters are written as "description|patterns|..." pairs ending
// in "||"; Qt wants "description (patterns);;...". Plain C++.

#include <string>
#include <string_view>

namespace vuriru {

// "(*.DATA)|*.DATA|All File (*.*)|*.*||" becomes
// "(*.DATA) (*.DATA);;All File (*.*) (*.*)". Several patterns of one pair are
// separated by ";" in the pipe form and by spaces in the Qt form. A pair
// without patterns is dropped.
std::string QtFileFilter(std::string_view pipeFilter);

}  // namespace vuriru
