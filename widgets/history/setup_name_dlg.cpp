// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/setup_name_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/library.h"
#include "widgets/kit/language.h"

namespace vuriru {

CSetupNameDlg::CSetupNameDlg(const QString& title, const QString& name, bool withNote, QWidget* parent)
    : QDialog(parent),
      m_name(new QLineEdit(name, this)),
      m_problem(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  setObjectName(QStringLiteral("setupName"));
  setWindowTitle(title);
  setModal(true);
  auto* form = new QFormLayout;
  m_name->setObjectName(QStringLiteral("name"));
  m_name->setMinimumWidth(280);
  form->addRow(MessageText(QT_TRANSLATE_NOOP("Messages", "Name:")), m_name);
  if (withNote) {
    m_note = new QLineEdit(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setPlaceholderText(MessageText(QT_TRANSLATE_NOOP("Messages", "Track A, wet, 17.5T")));
    form->addRow(MessageText(QT_TRANSLATE_NOOP("Messages", "Note:")), m_note);
  }
  m_problem->setObjectName(QStringLiteral("problem"));
  m_problem->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_problem);
  layout->addWidget(m_buttons);
  connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
    if (CanAccept()) accept();
  });
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_name, &QLineEdit::textChanged, this, [this] { CheckName(); });
  // Tab goes from the name to the note, then to OK: the note is made after
  // the buttons, and the chain would otherwise follow that order.
  if (m_note != nullptr) {
    setTabOrder(m_name, m_note);
    setTabOrder(m_note, m_buttons);
  }
  m_name->selectAll();
  m_name->setFocus();
  CheckName();
}

SetupNameInput CSetupNameDlg::Input() const {
  return {m_name->text().toStdString(), m_note != nullptr ? m_note->text().toStdString() : std::string()};
}

bool CSetupNameDlg::CanAccept() const {
  return SetupNameProblem(m_name->text().toStdString()).empty();
}

void CSetupNameDlg::CheckName() {
  // An empty field needs no scolding; OK simply waits for a name.
  const UserText problem = m_name->text().isEmpty() ? UserText() : SetupNameProblemText(m_name->text().toStdString());
  m_problem->setText(MessageText(AsSentence(problem)));
  m_problem->setVisible(!problem.empty());
  m_buttons->button(QDialogButtonBox::Ok)->setEnabled(CanAccept());
}

std::optional<SetupNameInput> CSetupNameDlg::Ask(const QString& title, const QString& name, bool withNote,
                                                 QWidget* parent) {
  CSetupNameDlg dialog(title, name, withNote, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Input();
}

}  // namespace vuriru
