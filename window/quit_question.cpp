// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/quit_question.h"

#include "common/user_text.h"

namespace vuriru {

std::string QuitQuestion(const QuitSituation& situation) {
  switch (situation.running) {
    case Transaction::kApply:
    case Transaction::kDefault:
    case Transaction::kV1Store:
      return VURIRU_TEXT(
          "Messages",
          "The settings are being stored on the controller. Closing now can leave the controller with only part of "
          "the new settings. Quit anyway?");
    case Transaction::kReadCurves:
      return VURIRU_TEXT(
          "Messages",
          "The controller's curves are being read. Closing now stops the read; nothing on the controller changes. "
          "Quit anyway?");
    case Transaction::kFirmware:
      if (situation.boxFirmware) {
        return VURIRU_TEXT(
            "Messages",
            "A firmware update of the RUZ Oviveru Ruv is running. Closing now can leave the RUZ Oviveru Ruv "
            "without working firmware. Quit anyway?");
      }
      return VURIRU_TEXT(
          "Messages",
          "A firmware update is running. Closing now can leave the controller without working firmware. Quit "
          "anyway?");
    default:
      break;
  }
  if (situation.editsNotApplied) {
    return VURIRU_TEXT(
        "Messages",
        "Some settings or curves were changed but not applied to the controller. Quit without applying them?");
  }
  return {};
}

}  // namespace vuriru
