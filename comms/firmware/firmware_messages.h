#pragma once
// What the user reads when a firmware update cannot start or stops: what
// happened, and what to do about it. Shown in the exclamation box.

#include <cstddef>
#include <cstdint>
#include <string>

#include "comms/firmware/firmware_kind.h"

namespace vuriru {

// The device that takes this kind of file, as the messages name it: the
// RUZ Oviveru Ruv for *.xut, the controller for *.hgm and *.xup.
std::string FirmwareTargetName(FirmwareKind kind);

// The update was asked for with nothing attached that can take firmware.
std::string NoFirmwareTargetMessage();

// Refusals of the file, before anything is sent.
std::string EmptyFirmwareFileMessage();
std::string FirmwareFileTooLargeMessage();
std::string BlockImageTooLargeMessage(size_t imageBytes);
std::string BlockImageTooShortMessage(size_t imageBytes);
std::string RecordPastEndMessage(uint32_t recordOffset);
std::string FirmwareFileUnreadableMessage(const std::string& path);
std::string FirmwareKindMismatchMessage(const std::string& fileName, const std::string& expectedExtension);

// A transfer that stopped: no answer, the device refused a record, too many
// bad answers, or the link adapter was pulled out. `kind` names the device
// that was being updated.
std::string TransferSilentMessage(uint32_t percent, FirmwareKind kind);
std::string RecordRefusedMessage(uint32_t percent);
std::string TooManyBadAnswersMessage(uint32_t percent);
std::string AdapterRemovedMessage(uint32_t percent, FirmwareKind kind);

}  // namespace vuriru
