// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the main window's questions and file dialogs in place of a user,
// and records what was asked.

#include <deque>
#include <string>
#include <vector>

#include "widgets/history/review_text.h"
#include "window/user_dialogs.h"

namespace vuriru::testing {

class ScriptedDialogs : public UserDialogs {
 public:
  Answer Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) override {
    asked.push_back(caption + ": " + EnglishText(text));
    if (answers.empty()) return buttons == QuestionButtons::kOkCancel ? Answer::kCancel : Answer::kNo;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  // Keeps the review as the window's box would show it, in the window's
  // language, and answers it as any question.
  Answer AskReview(const ReviewQuestion& question, const std::string& caption, QuestionButtons buttons) override {
    reviews.push_back(ReviewQuestionText(question));
    return UserDialogs::AskReview(question, caption, buttons);
  }
  void Tell(const UserText& text, const std::string& caption, MessageIcon /*icon*/) override {
    told.push_back(caption + ": " + EnglishText(text));
  }
  std::string ChooseSaveFile(std::string_view filter) override {
    filters.emplace_back(filter);
    return saveFile;
  }
  std::string ChooseOpenFile(std::string_view filter, std::string_view /*defaultName*/) override {
    filters.emplace_back(filter);
    return openFile;
  }

  std::deque<Answer> answers;
  std::vector<std::string> asked;
  std::vector<QString> reviews;
  std::vector<std::string> told;
  std::vector<std::string> filters;
  std::string saveFile;
  std::string openFile;
};

}  // namespace vuriru::testing
