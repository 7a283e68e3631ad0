// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user reads when a firmware update cannot start or stops: what
// happened, and what to do about it. Shown in the exclamation box. Each is an
// English source text with its figures and names as arguments (UserText), so
// that the window can show it in the user's language; EnglishText() gives
// what the command-line tool prints.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/user_text.h"
#include "comms/firmware/firmware_kind.h"

namespace vuriru {

// The device that takes this kind of file, as the messages name it: the
// RUZ Oviveru Ruv for *.xut, the controller for *.hgm and *.xup.
std::string FirmwareTargetName(FirmwareKind kind);

// The update was asked for with nothing attached that can take firmware.
UserText NoFirmwareTargetMessage();

// Refusals of the file, before anything is sent.
UserText EmptyFirmwareFileMessage();
UserText FirmwareFileTooLargeMessage();
UserText BlockImageTooLargeMessage(size_t imageBytes);
UserText BlockImageTooShortMessage(size_t imageBytes);
UserText RecordPastEndMessage(uint32_t recordOffset);
UserText FirmwareFileUnreadableMessage(const std::string& path);
UserText FirmwareKindMismatchMessage(const std::string& fileName, const std::string& expectedExtension);

// A transfer that stopped: no answer, the device refused a record, too many
// bad answers, or the link adapter was pulled out. `kind` names the device
// that was being updated.
UserText TransferSilentMessage(uint32_t percent, FirmwareKind kind);
UserText RecordRefusedMessage(uint32_t percent);
UserText TooManyBadAnswersMessage(uint32_t percent);
UserText AdapterRemovedMessage(uint32_t percent, FirmwareKind kind);

}  // namespace vuriru
