#pragma once
// What a firmware update asks of the windows beyond the engine's own host:
// the file-open dialog, the V1 panel's progress line and read-busy flag, and
// hiding the pages once the update is over. The main window implements it
// with widgets, the command-line tool without them, tests by recording.

#include <string>
#include <string_view>

namespace vuriru {

class FirmwareHost {
 public:
  virtual ~FirmwareHost() = default;

  // The file-open dialog (the file must exist, no read-only box), with this
  // filter and default extension and file name. Empty when cancelled.
  virtual std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) = 0;

  // The V1 panel's progress line, e.g. "Transferring.. 37% done.".
  virtual void ShowV1TransferText(const std::string& text) = 0;
  // The V1 panel forgets that it is waiting for a settings read.
  virtual void ClearV1ReadBusy() = 0;
  // Hides the device information page and the six settings pages.
  virtual void HideAllPages() = 0;
};

}  // namespace vuriru
