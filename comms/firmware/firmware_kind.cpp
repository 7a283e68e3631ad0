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

std::optional<FirmwareKind> FirmwareKindFromFileName(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string extension(fileName.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
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

std::string_view FirmwareFileFilter(FirmwareKind kind) {
  switch (kind) {
    case FirmwareKind::kBoxImage:
      return "config Files (*.xut)|*.bin| all file  (*.*)|*.*||";
    case FirmwareKind::kV1Image:
      return "config Files (*.hgm)|*.bin| all file  (*.*)|*.*||";
    case FirmwareKind::kRecords:
      break;
  }
  return "config Files (*.xup)|*.bin| all file  (*.*)|*.*||";
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
