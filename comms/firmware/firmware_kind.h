// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three kinds of firmware file, one per target, and how the program tells
// which one the attached device takes: *.xut for the RUZ Oviveru Ruv, *.hgm for
// V1 controllers whose settings reply is 12 or 15 bytes long, *.xup for every
// other controller.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vuriru {

enum class FirmwareKind {
  kBoxImage,  // *.xut, scrambled binary, 512-byte block protocol
  kV1Image,   // *.hgm, scrambled binary, 512-byte block protocol
  kRecords,   // *.xup, hexadecimal text of records, record protocol
};

// The kind the selected target takes. `lcdMode` is g_lcdMode; `v1ReplyLength`
// the length of the last accepted V1 settings reply (0 when none).
FirmwareKind ExpectedFirmwareKind(bool lcdMode, uint8_t v1ReplyLength);

// The kind named by a file's extension, compared without regard to case;
// nothing for any other extension.
std::optional<FirmwareKind> FirmwareKindFromFileName(std::string_view fileName);

// "xut", "hgm" or "xup".
std::string_view FirmwareExtension(FirmwareKind kind);

// Whether a file of this name may be sent as `kind`: its extension is the
// kind's own or "bin" (images are also handed out under that name), compared
// without regard to case. A name without an extension does not fit.
bool FirmwareFileFits(std::string_view fileName, FirmwareKind kind);

// The file-open dialog's filter, e.g. "config Files (*.xut)|*.xut;*.bin| all file  (*.*)|*.*||":
// each label as the program words it, the first one listing the files of the
// kind and *.bin files. Also its default extension and file name, e.g. "*.xut".
std::string_view FirmwareFileFilter(FirmwareKind kind);
std::string_view FirmwareDefaultFileName(FirmwareKind kind);

// True for the kinds sent in 512-byte blocks.
inline bool UsesBlockProtocol(FirmwareKind kind) {
  return kind != FirmwareKind::kRecords;
}

}  // namespace vuriru
