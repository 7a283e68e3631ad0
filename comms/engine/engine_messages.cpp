#include "comms/engine/engine_messages.h"

namespace vuriru {
namespace {

constexpr const char* kPartialStore =
    " The controller may hold part of the new settings. Connect it again and check the settings it shows once they "
    "have been read; then ";

std::string RetryAdvice(Transaction transaction) {
  switch (transaction) {
    case Transaction::kDefault:
      return "press Default again.";
    case Transaction::kV1Store:
      return "press \"Send Settings\" again.";
    default:
      return "make your changes again and press Apply.";
  }
}

bool IsStore(Transaction transaction) {
  return transaction == Transaction::kApply || transaction == Transaction::kDefault ||
         transaction == Transaction::kV1Store;
}

}  // namespace

std::string LinkLostMessage(Transaction transaction) {
  if (IsStore(transaction)) {
    const char* what = transaction == Transaction::kDefault ? "the factory settings were being stored."
                                                            : "the settings were being stored.";
    return std::string("The link was lost while ") + what + kPartialStore + RetryAdvice(transaction);
  }
  return "The link was lost while the controller's settings were being read. Nothing was changed on the controller. "
         "Connect it again; its settings are then read again.";
}

std::string ControllerStalledMessage(Transaction transaction) {
  if (IsStore(transaction)) {
    const char* what = transaction == Transaction::kDefault ? "the factory settings were being stored."
                                                            : "the settings were being stored.";
    return std::string("The controller stopped answering while ") + what +
           " It may hold part of the new settings. Check that it is powered and connected, then " +
           RetryAdvice(transaction);
  }
  return "The controller stopped answering while its settings were being read. Nothing was changed on the "
         "controller. Check that it is powered and connected; its settings are read again once it answers.";
}

}  // namespace vuriru
