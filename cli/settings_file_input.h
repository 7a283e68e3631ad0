// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a *.DATA file named on the command line, with the import's checks,
// and a failure line that says why the file was refused.

#include <string>

#include "cli/exit_code.h"
#include "files/data_file_codec.h"

namespace vuriru {

// On success `data` holds the file's content; otherwise the result carries
// exit code 3 and one line naming the file and the reason.
CommandResult LoadSettingsFile(const std::string& path, EscData& data);

}  // namespace vuriru
