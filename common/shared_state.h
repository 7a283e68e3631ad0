#pragma once
// The program-wide flags that the link, the engine, the pages and the main
// window read and write. One instance per program, owned by whoever drives the
// engine (the main window, the command-line tool, a test) and handed around by
// reference. The names keep the spelling the rest of the system knows them by.

#include <cstdint>

namespace vuriru {

namespace page {
inline constexpr uint8_t kDeviceInfo = 1;
inline constexpr uint8_t kGeneral = 2;
inline constexpr uint8_t kThrottle = 3;
inline constexpr uint8_t kBrake = 4;
inline constexpr uint8_t kBoost = 5;
inline constexpr uint8_t kTurbo = 6;
inline constexpr uint8_t kData = 7;
inline constexpr uint8_t kNoneShown = 240;
inline constexpr uint8_t kNoneSelected = 255;
}  // namespace page

namespace command {
inline constexpr int32_t kApply = 8;
inline constexpr int32_t kDefault = 9;
inline constexpr int32_t kNone = 255;
}  // namespace command

namespace device_type {
inline constexpr uint8_t kNone = 0;
inline constexpr uint8_t kV1 = 1;
inline constexpr uint8_t kV1Chinese = 2;
inline constexpr uint8_t kFull = 3;
}  // namespace device_type

namespace link_state {
inline constexpr uint8_t kNoLink = 0;
inline constexpr uint8_t kOpen = 2;
}  // namespace link_state

struct SharedState {
  uint8_t g_linkState = link_state::kNoLink;
  int32_t g_adapterReady = 0;
  int32_t g_escPresent = 0;
  uint8_t g_deviceType = device_type::kNone;
  bool g_lcdMode = false;
  bool g_lcdUpdating = false;
  // Start-up sets this so that the first read shows the progress dialog and
  // commands stay refused until that read ends.
  uint8_t g_transferPending = 1;
  uint32_t g_progressPos = 0;
  uint32_t g_progressRange = 409;
  int32_t g_pressedCommand = command::kNone;
  uint8_t g_selectedPage = page::kNoneSelected;
  uint8_t g_currentPage = page::kNoneShown;
  uint8_t g_lastPage = page::kNoneShown;
  bool g_pageChosen = false;
  uint8_t g_curveEditorOpen = 0;
  uint8_t g_refreshPages = 1;
  bool g_backgroundDirty = false;
  uint8_t g_updateDoneNotice = 0;

  // The transaction engine's state number (0 idle, 1..17).
  uint8_t engineState = 0;
  // 1 once a settings reply has been parsed; cleared when the link is lost or
  // a firmware update ends.
  int32_t settingsRead = 0;
  // 10, or 11 when a V1 controller answered the probe with 0x2B (BEC shown).
  int32_t v1Variant = 10;
};

}  // namespace vuriru
