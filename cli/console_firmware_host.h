// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The firmware update's host on the console: the command has already picked
// and checked the file, so the file-open dialog returns it at once.

#include <string>
#include <string_view>

#include "comms/firmware/firmware_host.h"

namespace vuriru {

class ConsoleFirmwareHost : public FirmwareHost {
 public:
  void SetFile(std::string path) { m_path = std::move(path); }

  std::string ChooseFirmwareFile(std::string_view, std::string_view) override { return m_path; }

 private:
  std::string m_path;
};

}  // namespace vuriru
