#include "app/qt_user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/file_filter.h"

namespace vuriru {

namespace {

// Qt's own file dialog, not the desktop's: it follows the program's dark
// palette like every other window of the program.
constexpr QFileDialog::Option kOwnFileDialog = QFileDialog::DontUseNativeDialog;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Answer QtUserDialogs::Ask(const std::string& text, const std::string& caption, QuestionButtons buttons) {
  if (buttons != QuestionButtons::kOkCancel) {
    const QMessageBox::StandardButton safe =
        buttons == QuestionButtons::kYesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes;
    const auto pressed = QMessageBox::question(m_parent, Q(caption), Q(text), QMessageBox::Yes | QMessageBox::No, safe);
    return pressed == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
  }
  QMessageBox box(QMessageBox::NoIcon, Q(caption), Q(text), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
  return box.exec() == QMessageBox::Ok ? Answer::kOk : Answer::kCancel;
}

void QtUserDialogs::Tell(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, Q(caption), Q(text),
                  QMessageBox::Ok, m_parent);
  box.exec();
}

std::string QtUserDialogs::ChooseSaveFile(std::string_view filter) {
  // The window asks its own overwrite question for the name it really saves
  // under, which differs from the chosen one in its extension.
  return QFileDialog::getSaveFileName(
             m_parent, QString(), QString(), Q(QtFileFilter(filter)), nullptr,
             QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails | kOwnFileDialog)
      .toStdString();
}

std::string QtUserDialogs::ChooseOpenFile(std::string_view filter, std::string_view defaultName) {
  // The labels already name their patterns; Qt's own pattern suffix would
  // show them twice.
  return QFileDialog::getOpenFileName(m_parent, QString(), Q(defaultName), Q(QtFileFilter(filter)), nullptr,
                                      QFileDialog::HideNameFilterDetails | kOwnFileDialog)
      .toStdString();
}

}  // namespace vuriru
