// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The History window (File > History...): the settings library's setups and
// snapshots in a list (date, reason or name, kind, software version), what
// the chosen one would change on the pages, and its actions. What it shows
// and does is the HistoryBrowser's; this draws it. Usable by keyboard: the
// list has the focus first, Enter loads, Delete and F2 delete and rename a
// setup, Escape closes.

#include <functional>
#include <optional>
#include <vector>

#include <QDialog>

#include "widgets/history/setup_name_dlg.h"
#include "window/history_browser.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace vuriru {

class CHistoryDlg : public QDialog {
  Q_OBJECT

 public:
  // The caption of the window; its rows come from `browser`, which
  // outlives it.
  static constexpr const char* kCaption = QT_TRANSLATE_NOOP("Messages", "History");

  CHistoryDlg(HistoryBrowser& browser, QWidget* parent = nullptr);

  // Asks for a setup's name (and note); tests answer in place of the form.
  using NameAsker =
      std::function<std::optional<SetupNameInput>(const QString& title, const QString& name, bool withNote)>;
  void SetNameAsker(NameAsker asker) { m_askName = std::move(asker); }

  // The entry of the chosen row, or none.
  const HistoryEntry* Chosen() const;
  QTreeWidget* List() const { return m_list; }
  QPlainTextEdit* Details() const { return m_details; }
  QPushButton* LoadButton() const { return m_load; }
  QPushButton* ExportButton() const { return m_export; }
  QPushButton* SaveAsSetupButton() const { return m_saveAs; }
  QPushButton* RenameButton() const { return m_rename; }
  QPushButton* DeleteButton() const { return m_delete; }
  QPushButton* SaveEditsButton() const { return m_saveEdits; }
  QPushButton* CloseButton() const { return m_close; }
  QLabel* ProblemLabel() const { return m_problem; }

  // The actions, as the buttons run them.
  void OnLoad();
  void OnExport();
  void OnSaveAsSetup();
  void OnRename();
  void OnDelete();
  void OnSaveEdits();

 protected:
  // Delete and F2 on the list delete and rename the chosen setup.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Lists the library anew and chooses the row `choose` picks, else the first.
  void Fill(const std::function<bool(const HistoryEntry&)>& choose = {});
  // After a refused change: the library may have turned itself off (a full
  // disk, a lock), so the list, the buttons and the foot are shown anew,
  // keeping `chosen` (a copy: the list it came from is made anew) chosen.
  void Refill(HistoryEntry chosen);
  void OnChosen();

  HistoryBrowser& m_browser;
  std::vector<HistoryEntry> m_entries;
  NameAsker m_askName;
  QTreeWidget* m_list;
  QPlainTextEdit* m_details;
  QPushButton* m_load;
  QPushButton* m_export;
  QPushButton* m_saveAs;
  QPushButton* m_rename;
  QPushButton* m_delete;
  QPushButton* m_saveEdits;
  QPushButton* m_close;
  QLabel* m_problem;
};

}  // namespace vuriru
