// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_kind.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vuriru {

FirmwareKind ExpectedFirmwareKind(bool lcdMode, uint8_t v1ReplyLength) {
  if (lcdMode) return FirmwareKind::kBoxImage;
  if (v1ReplyLength == 12 || v1ReplyLength == 15) return FirmwareKind::kV1Image;
  return FirmwareKind::kRecords;
}

namespace {

// The extension of the name's last path part, in lower case; empty when it has none.
std::string LowerExtension(std::string_view fileName) {
  const size_t slash = fileName.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string extension(name.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

std::optional<FirmwareKind> FirmwareKindFromFileName(std::string_view fileName) {
  const std::string extension = LowerExtension(fileName);
  if (extension.empty()) return std::nullopt;
  for (FirmwareKind kind : {FirmwareKind::kBoxImage, FirmwareKind::kV1Image, FirmwareKind::kRecords}) {
    if (extension == FirmwareExtension(kind)) return kind;
  }
  return std::nullopt;
}

std::string_view FirmwareExtension(FirmwareKind kind) {
  switch (kind) {
    case FirmwareKind::kBoxImage:
      return "xut";
    case FirmwareKind::kV1Image:
      return "hgm";
    case FirmwareKind::kRecords:
      break;
  }
  return "xup";
}

bool FirmwareFileFits(std::string_view fileName, FirmwareKind kind) {
  const std::string extension = LowerExtension(fileName);
  return extension == "bin" || extension == FirmwareExtension(kind);
}

std::string_view FirmwareFileFilter(FirmwareKind kind) {
  // The first filter once listed only *.bin, which hid the very files its
  // label names.
  switch (kind) {
    case FirmwareKind::kBoxImage:
      return "config Files (*.xut)|*.xut;*.bin| all file  (*.*)|*.*||";
    case FirmwareKind::kV1Image:
      return "config Files (*.hgm)|*.hgm;*.bin| all file  (*.*)|*.*||";
    case FirmwareKind::kRecords:
      break;
  }
  return "config Files (*.xup)|*.xup;*.bin| all file  (*.*)|*.*||";
}

std::string_view FirmwareDefaultFileName(FirmwareKind kind) {
  switch (kind) {
    case FirmwareKind::kBoxImage:
      return "*.xut";
    case FirmwareKind::kV1Image:
      return "*.hgm";
    case FirmwareKind::kRecords:
      break;
  }
  return "*.xup";
}

}  // namespace vuriru
