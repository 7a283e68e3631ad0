// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_messages.h"

namespace vuriru {
namespace {

bool IsBox(FirmwareKind kind) {
  return kind == FirmwareKind::kBoxImage;
}

}  // namespace

std::string FirmwareTargetName(FirmwareKind kind) {
  return IsBox(kind) ? "RUZ Oviveru Ruv" : "controller";
}

UserText NoFirmwareTargetMessage() {
  return VURIRU_TEXT("Messages",
                     "No controller or RUZ Oviveru Ruv is connected. Connect it to the link adapter, switch it on, "
                     "and wait until it is shown as connected before updating the firmware.");
}

UserText EmptyFirmwareFileMessage() {
  return VURIRU_TEXT("Messages", "The firmware file is empty. Nothing was sent.");
}

UserText FirmwareFileTooLargeMessage() {
  return VURIRU_TEXT("Messages",
                     "The firmware file is too large: a firmware image holds at most 262144 bytes. Nothing was sent.");
}

UserText BlockImageTooLargeMessage(size_t imageBytes) {
  return {VURIRU_TEXT("Messages",
                      "The firmware file is too large for this device: it holds %1 bytes and at most 65535 can be "
                      "sent. Nothing was sent."),
          {std::to_string(imageBytes)}};
}

UserText BlockImageTooShortMessage(size_t imageBytes) {
  return {VURIRU_TEXT("Messages",
                      "The firmware file is too short to be a firmware image for this device: it holds %1 bytes and "
                      "needs more than 512. Nothing was sent."),
          {std::to_string(imageBytes)}};
}

UserText RecordPastEndMessage(uint32_t recordOffset) {
  return {VURIRU_TEXT("Messages",
                      "The firmware file is damaged: the record that starts at byte %1 runs past the end of the file. "
                      "Nothing was sent."),
          {std::to_string(recordOffset)}};
}

UserText FirmwareFileUnreadableMessage(const std::string& path) {
  return {VURIRU_TEXT("Messages", "The firmware file \"%1\" could not be read. Nothing was sent."), {path}};
}

UserText FirmwareKindMismatchMessage(const std::string& fileName, const std::string& expectedExtension) {
  return {VURIRU_TEXT("Messages", "\"%1\" is not a firmware file for the attached device, which takes *.%2 files."),
          {fileName, expectedExtension}};
}

UserText TransferSilentMessage(uint32_t percent, FirmwareKind kind) {
  if (IsBox(kind)) {
    return {VURIRU_TEXT("Messages",
                        "The RUZ Oviveru Ruv stopped answering during the firmware update. The transfer stopped at "
                        "%1%. Keep the RUZ Oviveru Ruv powered and connected, then start the update again; it can be "
                        "repeated until it completes."),
            {std::to_string(percent)}};
  }
  return {VURIRU_TEXT("Messages",
                      "The controller stopped answering during the firmware update. The transfer stopped at %1%. Keep "
                      "the controller powered and connected, then start the update again; it can be repeated until it "
                      "completes."),
          {std::to_string(percent)}};
}

UserText RecordRefusedMessage(uint32_t percent) {
  return {VURIRU_TEXT("Messages",
                      "The controller refused a part of the firmware. The transfer stopped at %1%. Keep the "
                      "controller powered and connected, then start the update again; it can be repeated until it "
                      "completes."),
          {std::to_string(percent)}};
}

UserText TooManyBadAnswersMessage(uint32_t percent) {
  return {VURIRU_TEXT("Messages",
                      "The controller answered a part of the firmware wrongly four times. The transfer stopped at %1%. "
                      "Keep the controller powered and connected, then start the update again; it can be repeated "
                      "until it completes."),
          {std::to_string(percent)}};
}

UserText AdapterRemovedMessage(uint32_t percent, FirmwareKind kind) {
  if (IsBox(kind)) {
    return {VURIRU_TEXT("Messages",
                        "The link adapter was removed during the firmware update. The transfer stopped at %1%. Plug "
                        "the adapter in again, keep the RUZ Oviveru Ruv powered, then start the update again; it can "
                        "be repeated until it completes."),
            {std::to_string(percent)}};
  }
  return {VURIRU_TEXT("Messages",
                      "The link adapter was removed during the firmware update. The transfer stopped at %1%. Plug the "
                      "adapter in again, keep the controller powered, then start the update again; it can be repeated "
                      "until it completes."),
          {std::to_string(percent)}};
}

}  // namespace vuriru
