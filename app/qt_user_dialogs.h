// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's dialogs as real Qt message boxes and file dialogs.

#include "window/user_dialogs.h"

class QString;
class QWidget;

namespace vuriru {

class QtUserDialogs : public UserDialogs {
 public:
  // Boxes are centred on the parent, which may be set later.
  void SetParent(QWidget* parent) { m_parent = parent; }

  Answer Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) override;
  Answer AskReview(const ReviewQuestion& question, const std::string& caption, QuestionButtons buttons) override;
  void Tell(const UserText& text, const std::string& caption, MessageIcon icon) override;
  std::string ChooseSaveFile(std::string_view filter) override;
  std::string ChooseOpenFile(std::string_view filter, std::string_view defaultName) override;

 private:
  Answer AskShown(const QString& text, const QString& caption, QuestionButtons buttons);

  QWidget* m_parent = nullptr;
};

}  // namespace vuriru
