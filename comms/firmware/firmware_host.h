// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one question a firmware update puts to the user: which file to send.
// The main window asks with its file-open dialog, the command-line tool
// answers with the file it was given, tests with one they wrote.

#include <string>
#include <string_view>

namespace vuriru {

class FirmwareHost {
 public:
  virtual ~FirmwareHost() = default;

  // The file-open dialog (the file must exist, no read-only box), with this
  // filter and default extension and file name. Empty when cancelled.
  virtual std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) = 0;
};

}  // namespace vuriru
