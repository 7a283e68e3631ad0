// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which image each bitmap button shows, by control id and state, and the list
// of button images the artwork generator draws. Plain C++.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vuriru {

namespace button_id {
inline constexpr int kDeviceInfo = 1000;  // "IDB_AL", page 1
inline constexpr int kGeneral = 1001;
inline constexpr int kThrottle = 1002;
inline constexpr int kBrake = 1003;
inline constexpr int kBoost = 1004;
inline constexpr int kTurbo = 1005;
inline constexpr int kData = 1006;  // page 7
inline constexpr int kApply = 1007;
inline constexpr int kDefault = 1008;
inline constexpr int kEnglish = 1010;
inline constexpr int kChinese = 1012;
inline constexpr int kSendSettings = 1024;
inline constexpr int kUpdateFirmware = 1025;
inline constexpr int kUpData = 1034;
inline constexpr int kReset = 1039;
inline constexpr int kEscIndicator = 1104;
inline constexpr int kUsbIndicator = 1105;
inline constexpr int kCancel = 1106;
inline constexpr int kOk = 1107;
inline constexpr int kReadSettings = 1213;
}  // namespace button_id

namespace image_id {
inline constexpr int kEscPresent = 143;
inline constexpr int kEscLcd = 215;
inline constexpr int kEscAbsent = 153;
inline constexpr int kUsbReady = 214;
inline constexpr int kUsbAbsent = 216;
inline constexpr int kCurveGrid = 179;  // the curve editors' plot grid, 470 x 253
inline constexpr int kAppIcon = 128;    // the application icon, one picture per size
}  // namespace image_id

// The sizes the application icon is drawn at, in pixels, and the resource id
// of each: 128 for the largest, 128000 + size for the smaller ones.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 256};
inline constexpr int AppIconImageId(int size) {
  return size == 256 ? image_id::kAppIcon : image_id::kAppIcon * 1000 + size;
}

struct ButtonArt {
  int normalImage = 0;
  int pressedImage = 0;  // also the selected image of a page button
  int width = 0;
  int height = 0;
};

// The images of a push button, or nothing for the indicators and for ids
// that have no images.
std::optional<ButtonArt> FindButtonArt(int controlId);

// 1..7 for the page buttons 1000..1006, 0 for every other control.
int PageNumberOfButton(int controlId);

// How an image looks, so that pressed and selected images stand out.
enum class ImageLook { kNormal, kPressed, kIndicatorOn, kIndicatorAlt, kIndicatorOff };

struct ButtonImageInfo {
  int imageId = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  ImageLook look = ImageLook::kNormal;
};

// Every button image, each image id once, for the artwork generator.
std::vector<ButtonImageInfo> AllButtonImages();

}  // namespace vuriru
