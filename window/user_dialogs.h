// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question, message and file choice the main window puts to the user.
// The window asks through this interface so that tests answer in place of a
// person and no box ever waits for a click during a test run.

#include <string>
#include <string_view>

#include "comms/engine/engine_events.h"

namespace vuriru {

// kYesNoDefaultNo: Enter answers No, for questions whose Yes loses something.
enum class QuestionButtons { kOkCancel, kYesNo, kYesNoDefaultNo };
enum class Answer { kOk, kCancel, kYes, kNo };

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A modal message box with the given buttons.
  virtual Answer Ask(const std::string& text, const std::string& caption, QuestionButtons buttons) = 0;
  // A modal message box with an OK button.
  virtual void Tell(const UserText& text, const std::string& caption, MessageIcon icon) = 0;
  // File dialogs; `filter` is in the "(*.DATA)|*.DATA|All File (*.*)|*.*||"
  // form. Empty when the user cancels.
  virtual std::string ChooseSaveFile(std::string_view filter) = 0;
  virtual std::string ChooseOpenFile(std::string_view filter, std::string_view defaultName) = 0;
};

}  // namespace vuriru
