#include "comms/firmware/firmware_messages.h"

namespace vuriru {
namespace {

// What to do after a transfer stopped, said of the device being updated.
std::string RetryAdvice(FirmwareKind kind) {
  return " Keep the " + FirmwareTargetName(kind) +
         " powered and connected, then start the update again; it can be repeated until it completes.";
}

std::string StoppedAt(const std::string& what, uint32_t percent, FirmwareKind kind) {
  return what + " The transfer stopped at " + std::to_string(percent) + "%." + RetryAdvice(kind);
}

}  // namespace

std::string FirmwareTargetName(FirmwareKind kind) {
  return kind == FirmwareKind::kBoxImage ? "RUZ Oviveru Ruv" : "controller";
}

std::string NoFirmwareTargetMessage() {
  return "No controller or RUZ Oviveru Ruv is connected. Connect it to the link adapter, switch it on, and wait "
         "until it is shown as connected before updating the firmware.";
}

std::string EmptyFirmwareFileMessage() {
  return "The firmware file is empty. Nothing was sent.";
}

std::string FirmwareFileTooLargeMessage() {
  return "The firmware file is too large: a firmware image holds at most 262144 bytes. Nothing was sent.";
}

std::string BlockImageTooLargeMessage(size_t imageBytes) {
  return "The firmware file is too large for this device: it holds " + std::to_string(imageBytes) +
         " bytes and at most 65535 can be sent. Nothing was sent.";
}

std::string BlockImageTooShortMessage(size_t imageBytes) {
  return "The firmware file is too short to be a firmware image for this device: it holds " +
         std::to_string(imageBytes) + " bytes and needs more than 512. Nothing was sent.";
}

std::string RecordPastEndMessage(uint32_t recordOffset) {
  return "The firmware file is damaged: the record that starts at byte " + std::to_string(recordOffset) +
         " runs past the end of the file. Nothing was sent.";
}

std::string FirmwareFileUnreadableMessage(const std::string& path) {
  return "The firmware file \"" + path + "\" could not be read. Nothing was sent.";
}

std::string FirmwareKindMismatchMessage(const std::string& fileName, const std::string& expectedExtension) {
  return "\"" + fileName + "\" is not a firmware file for the attached device, which takes *." + expectedExtension +
         " files.";
}

std::string TransferSilentMessage(uint32_t percent, FirmwareKind kind) {
  return StoppedAt("The " + FirmwareTargetName(kind) + " stopped answering during the firmware update.", percent, kind);
}

std::string RecordRefusedMessage(uint32_t percent) {
  return StoppedAt("The controller refused a part of the firmware.", percent, FirmwareKind::kRecords);
}

std::string TooManyBadAnswersMessage(uint32_t percent) {
  return StoppedAt("The controller answered a part of the firmware wrongly four times.", percent,
                   FirmwareKind::kRecords);
}

std::string AdapterRemovedMessage(uint32_t percent, FirmwareKind kind) {
  return "The link adapter was removed during the firmware update. The transfer stopped at " + std::to_string(percent) +
         "%. Plug the adapter in again, keep the " + FirmwareTargetName(kind) +
         " powered, then start the update again; it can be repeated until it completes.";
}

}  // namespace vuriru
