#pragma once
// The firmware update's host on the console. The command has already picked
// and checked the file, so the file-open dialog returns it at once; there is
// no V1 panel and there are no pages to hide.

#include <string>
#include <string_view>

#include "comms/firmware/firmware_host.h"

namespace vuriru {

class ConsoleFirmwareHost : public FirmwareHost {
 public:
  void SetFile(std::string path) { m_path = std::move(path); }

  std::string ChooseFirmwareFile(std::string_view, std::string_view) override { return m_path; }
  void ShowV1TransferText(const std::string&) override {}
  void ClearV1ReadBusy() override {}
  void HideAllPages() override {}

 private:
  std::string m_path;
};

}  // namespace vuriru
