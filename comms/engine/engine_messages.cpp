// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/engine_messages.h"

namespace vuriru {

// Each message is one whole text, so that a translation can order its parts
// as its language needs.
UserText LinkLostText(Transaction transaction) {
  switch (transaction) {
    case Transaction::kApply:
      return VURIRU_TEXT("Messages",
                         "The link was lost while the settings were being stored. The controller may hold part of the "
                         "new settings. Connect it again and check the settings it shows once they have been read; "
                         "then make your changes again and press Apply.");
    case Transaction::kDefault:
      return VURIRU_TEXT("Messages",
                         "The link was lost while the factory settings were being stored. The controller may hold "
                         "part of the new settings. Connect it again and check the settings it shows once they have "
                         "been read; then press Default again.");
    case Transaction::kV1Store:
      return VURIRU_TEXT("Messages",
                         "The link was lost while the settings were being stored. The controller may hold part of the "
                         "new settings. Connect it again and check the settings it shows once they have been read; "
                         "then press \"Send Settings\" again.");
    default:
      return VURIRU_TEXT("Messages",
                         "The link was lost while the controller's settings were being read. Nothing was changed on "
                         "the controller. Connect it again; its settings are then read again.");
  }
}

UserText ControllerStalledText(Transaction transaction) {
  switch (transaction) {
    case Transaction::kApply:
      return VURIRU_TEXT("Messages",
                         "The controller stopped answering while the settings were being stored. It may hold part of "
                         "the new settings. Check that it is powered and connected, then make your changes again and "
                         "press Apply.");
    case Transaction::kDefault:
      return VURIRU_TEXT("Messages",
                         "The controller stopped answering while the factory settings were being stored. It may hold "
                         "part of the new settings. Check that it is powered and connected, then press Default "
                         "again.");
    case Transaction::kV1Store:
      return VURIRU_TEXT("Messages",
                         "The controller stopped answering while the settings were being stored. It may hold part of "
                         "the new settings. Check that it is powered and connected, then press \"Send Settings\" "
                         "again.");
    default:
      return VURIRU_TEXT("Messages",
                         "The controller stopped answering while its settings were being read. Nothing was changed on "
                         "the controller. Check that it is powered and connected; its settings are read again once "
                         "it answers.");
  }
}

std::string LinkLostMessage(Transaction transaction) {
  return EnglishText(LinkLostText(transaction));
}

std::string ControllerStalledMessage(Transaction transaction) {
  return EnglishText(ControllerStalledText(transaction));
}

}  // namespace vuriru
