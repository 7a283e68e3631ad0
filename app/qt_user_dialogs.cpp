// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_user_dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include "app/file_filter.h"
#include "widgets/history/review_text.h"
#include "widgets/kit/language.h"

namespace vuriru {

namespace {

// Qt's own file dialog, not the desktop's: it follows the program's dark
// palette like every other window of the program.
constexpr QFileDialog::Option kOwnFileDialog = QFileDialog::DontUseNativeDialog;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The settings file's messages and captions (files/data_file_codec.h) reach
// the boxes as fixed English texts; they are listed here for the translation.
[[maybe_unused]] const char* const kFileTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "Import file error!"), QT_TRANSLATE_NOOP("Messages", "Import"),
    QT_TRANSLATE_NOOP("Messages", "Export file error!"), QT_TRANSLATE_NOOP("Messages", "Export")};

// The boxes' buttons in the window's language.
void NameButtons(QMessageBox& box) {
  const std::pair<QMessageBox::StandardButton, const char*> names[] = {
      {QMessageBox::Ok, QT_TRANSLATE_NOOP("Messages", "OK")},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Messages", "Cancel")},
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("Messages", "Yes")},
      {QMessageBox::No, QT_TRANSLATE_NOOP("Messages", "No")}};
  for (const auto& [which, name] : names) {
    if (QAbstractButton* button = box.button(which)) button->setText(MessageText(name));
  }
}

// A file dialog's filter, with its "All File (*.*)" in the window's language.
QString FilterText(std::string_view filter) {
  QString text = Q(QtFileFilter(filter));
  const char* const allFiles = QT_TRANSLATE_NOOP("Messages", "All File (*.*)");
  text.replace(QString::fromLatin1(allFiles), MessageText(allFiles));
  return text;
}

}  // namespace

Answer QtUserDialogs::Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) {
  // Questions and captions are English source texts, shown in the window's
  // language; a text the translation does not hold shows as it is.
  return AskShown(MessageText(text), MessageText(caption), buttons);
}

Answer QtUserDialogs::AskReview(const ReviewQuestion& question, const std::string& caption, QuestionButtons buttons) {
  return AskShown(ReviewQuestionText(question), MessageText(caption), buttons);
}

Answer QtUserDialogs::AskShown(const QString& text, const QString& caption, QuestionButtons buttons) {
  if (buttons != QuestionButtons::kOkCancel) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    NameButtons(box);
    box.setDefaultButton(buttons == QuestionButtons::kYesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
  }
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, m_parent);
  NameButtons(box);
  return box.exec() == QMessageBox::Ok ? Answer::kOk : Answer::kCancel;
}

void QtUserDialogs::Tell(const UserText& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, MessageText(caption),
                  MessageText(text), QMessageBox::Ok, m_parent);
  NameButtons(box);
  box.exec();
}

std::string QtUserDialogs::ChooseSaveFile(std::string_view filter) {
  // The window asks its own overwrite question for the name it really saves
  // under, which differs from the chosen one in its extension.
  return QFileDialog::getSaveFileName(
             m_parent, QString(), QString(), FilterText(filter), nullptr,
             QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails | kOwnFileDialog)
      .toStdString();
}

std::string QtUserDialogs::ChooseOpenFile(std::string_view filter, std::string_view defaultName) {
  // The labels already name their patterns; Qt's own pattern suffix would
  // show them twice.
  return QFileDialog::getOpenFileName(m_parent, QString(), Q(defaultName), FilterText(filter), nullptr,
                                      QFileDialog::HideNameFilterDetails | kOwnFileDialog)
      .toStdString();
}

}  // namespace vuriru
