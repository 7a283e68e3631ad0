// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs for runs without a user at the window (the fault matrix, the window
// bench): every question is answered OK or Yes, the firmware file is the one
// set beforehand, and what the window tells is kept to be looked at.

#include <string>
#include <string_view>
#include <vector>

#include "window/user_dialogs.h"

namespace vuriru {

class UnattendedDialogs : public UserDialogs {
 public:
  std::string firmwareFile;
  std::vector<std::string> told;  // "caption: text", in order

  Answer Ask(const UserText&, const std::string&, QuestionButtons buttons) override {
    return buttons == QuestionButtons::kOkCancel ? Answer::kOk : Answer::kYes;
  }
  void Tell(const UserText& text, const std::string& caption, MessageIcon) override {
    told.push_back(caption + ": " + EnglishText(text));
  }
  std::string ChooseSaveFile(std::string_view) override { return {}; }
  std::string ChooseOpenFile(std::string_view, std::string_view) override { return firmwareFile; }
};

}  // namespace vuriru
