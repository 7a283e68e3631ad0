// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/button_art.h"

#include <algorithm>
#include <array>

#include "common/user_text.h"

namespace vuriru {
namespace {

struct ButtonRow {
  int controlId;
  ButtonArt art;
  const char* caption;
};

// RESET, OK and CANCEL also appear at 57 x 23 in the V1 panels; the button
// scales its image down there.
constexpr std::array kButtons = {
    ButtonRow{button_id::kDeviceInfo, {162, 166, 66, 74}, VURIRU_TEXT("Buttons", "Device")},
    ButtonRow{button_id::kGeneral, {141, 173, 66, 74}, VURIRU_TEXT("Buttons", "General")},
    ButtonRow{button_id::kThrottle, {160, 174, 66, 74}, VURIRU_TEXT("Buttons", "Throttle")},
    ButtonRow{button_id::kBrake, {137, 170, 66, 74}, VURIRU_TEXT("Buttons", "Brake")},
    ButtonRow{button_id::kBoost, {136, 169, 66, 74}, VURIRU_TEXT("Buttons", "Boost")},
    ButtonRow{button_id::kTurbo, {129, 175, 66, 74}, VURIRU_TEXT("Buttons", "Turbo")},
    ButtonRow{button_id::kData, {139, 171, 66, 74}, VURIRU_TEXT("Buttons", "Data")},
    ButtonRow{button_id::kApply, {134, 134, 66, 74}, VURIRU_TEXT("Buttons", "Apply")},
    ButtonRow{button_id::kDefault, {140, 140, 66, 74}, VURIRU_TEXT("Buttons", "Default")},
    ButtonRow{button_id::kReset, {154, 196, 121, 30}, VURIRU_TEXT("Buttons", "RESET")},
    ButtonRow{button_id::kOk, {152, 197, 121, 30}, VURIRU_TEXT("Buttons", "OK")},
    ButtonRow{button_id::kCancel, {138, 198, 121, 30}, VURIRU_TEXT("Buttons", "CANCEL")},
    ButtonRow{button_id::kEnglish, {187, 187, 26, 101}, VURIRU_TEXT("Buttons", "ENGLISH")},
    ButtonRow{button_id::kChinese, {186, 186, 25, 101}, VURIRU_TEXT("Buttons", "CHINESE")},
    ButtonRow{button_id::kSendSettings, {193, 193, 121, 31}, VURIRU_TEXT("Buttons", "Send Settings")},
    ButtonRow{button_id::kUpdateFirmware, {217, 217, 121, 31}, VURIRU_TEXT("Buttons", "Update Firmware")},
    ButtonRow{button_id::kReadSettings, {191, 191, 121, 31}, VURIRU_TEXT("Buttons", "Read Settings")},
    ButtonRow{button_id::kUpData, {176, 176, 121, 30}, VURIRU_TEXT("Buttons", "Update")},
};

constexpr int kIndicatorWidth = 53;
constexpr int kIndicatorHeight = 56;

}  // namespace

std::optional<ButtonArt> FindButtonArt(int controlId) {
  auto it =
      std::find_if(kButtons.begin(), kButtons.end(), [&](const ButtonRow& row) { return row.controlId == controlId; });
  if (it == kButtons.end()) return std::nullopt;
  return it->art;
}

int PageNumberOfButton(int controlId) {
  if (controlId >= button_id::kDeviceInfo && controlId <= button_id::kData)
    return controlId - button_id::kDeviceInfo + 1;
  return 0;
}

std::vector<ButtonImageInfo> AllButtonImages() {
  std::vector<ButtonImageInfo> infos;
  auto add = [&](int imageId, int width, int height, const std::string& caption, ImageLook look) {
    bool known =
        std::any_of(infos.begin(), infos.end(), [&](const ButtonImageInfo& s) { return s.imageId == imageId; });
    if (!known) infos.push_back({imageId, width, height, caption, look});
  };
  for (const ButtonRow& row : kButtons) {
    add(row.art.normalImage, row.art.width, row.art.height, row.caption, ImageLook::kNormal);
    add(row.art.pressedImage, row.art.width, row.art.height, row.caption, ImageLook::kPressed);
  }
  add(image_id::kEscPresent, kIndicatorWidth, kIndicatorHeight, VURIRU_TEXT("Buttons", "ESC"), ImageLook::kIndicatorOn);
  add(image_id::kEscLcd, kIndicatorWidth, kIndicatorHeight, VURIRU_TEXT("Buttons", "LCD"), ImageLook::kIndicatorAlt);
  add(image_id::kEscAbsent, kIndicatorWidth, kIndicatorHeight, VURIRU_TEXT("Buttons", "ESC"), ImageLook::kIndicatorOff);
  add(image_id::kUsbReady, kIndicatorWidth, kIndicatorHeight, VURIRU_TEXT("Buttons", "USB"), ImageLook::kIndicatorOn);
  add(image_id::kUsbAbsent, kIndicatorWidth, kIndicatorHeight, VURIRU_TEXT("Buttons", "USB"), ImageLook::kIndicatorOff);
  return infos;
}

}  // namespace vuriru
