// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question, message and file choice the main window puts to the user.
// The window asks through this interface so that tests answer in place of a
// person and no box ever waits for a click during a test run.

#include <string>
#include <string_view>

#include "comms/engine/engine_events.h"
#include "window/write_review.h"

namespace vuriru {

// kYesNoDefaultNo: Enter answers No, for questions whose Yes loses something.
enum class QuestionButtons { kOkCancel, kYesNo, kYesNoDefaultNo };
enum class Answer { kOk, kCancel, kYes, kNo };

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A modal message box with the given buttons; the text is an English
  // source text with its arguments, shown in the window's language.
  virtual Answer Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) = 0;
  // A question with the list of what it changes; the window shows it in its
  // language. Asked as its English text unless a dialog does better.
  virtual Answer AskReview(const ReviewQuestion& question, const std::string& caption, QuestionButtons buttons) {
    return Ask(UserText("%1", {EnglishText(question)}), caption, buttons);
  }
  // A modal message box with an OK button.
  virtual void Tell(const UserText& text, const std::string& caption, MessageIcon icon) = 0;
  // File dialogs; `filter` is in the "(*.DATA)|*.DATA|All File (*.*)|*.*||"
  // form. Empty when the user cancels.
  virtual std::string ChooseSaveFile(std::string_view filter) = 0;
  virtual std::string ChooseOpenFile(std::string_view filter, std::string_view defaultName) = 0;
};

}  // namespace vuriru
