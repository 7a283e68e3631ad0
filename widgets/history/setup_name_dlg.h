// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small form that names a setup: its name and, when saving, a free note
// ("Track A, wet, 17.5T"). OK stays off while the name could not be used,
// and the line below the fields says why.

#include <optional>
#include <string>

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vuriru {

struct SetupNameInput {
  std::string name;
  std::string note;
};

class CSetupNameDlg : public QDialog {
  Q_OBJECT

 public:
  // `withNote` false: a rename, which asks for the name alone.
  CSetupNameDlg(const QString& title, const QString& name, bool withNote, QWidget* parent = nullptr);

  SetupNameInput Input() const;
  QLineEdit* NameEdit() const { return m_name; }
  QLineEdit* NoteEdit() const { return m_note; }
  QLabel* ProblemLabel() const { return m_problem; }
  bool CanAccept() const;

  // Shows the form modally; nothing when cancelled.
  static std::optional<SetupNameInput> Ask(const QString& title, const QString& name, bool withNote, QWidget* parent);

 private:
  void CheckName();

  QLineEdit* m_name;
  QLineEdit* m_note = nullptr;
  QLabel* m_problem;
  QDialogButtonBox* m_buttons;
};

}  // namespace vuriru
