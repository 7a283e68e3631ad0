// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One settings page, built from its page table: a value label per setting
// that opens the setting's option list, a help panel, and the page's
// background picture. The current and factory indexes it shows and changes
// are the settings block's own, so that the engine, the settings file and the
// page always see the same values.

#include <string>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "settings/page_table.h"
#include "settings/settings_block.h"
#include "widgets/kit/widget_setup.h"

class QKeyEvent;
class QLabel;
class QListWidget;

namespace vuriru {

class CSettingsPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kNoOpenList = -1;

  // The table and the block must outlive the page.
  CSettingsPage(const PageTable& table, SettingsBlock& block, QWidget* parent = nullptr);

  // The three operations the main window calls on every settings page. A
  // page with rules of its own (enable rules, labels shown only once) adds
  // them by overriding and calling these.
  // Reads the selection of every option list into the current indexes.
  virtual void CollectSelections();
  // Restores the factory index of every setting that Default covers and shows it.
  virtual void ApplyFactoryIndexes();
  // Shows the current indexes, pulling indexes beyond their list back to its
  // last option.
  virtual void RefreshFromIndexes();

  // Opens the option list of a row, as a click on its value label does.
  void OpenList(size_t row);
  void CloseAllLists();
  // The user picks option `index` in the open list of `row`.
  virtual void ChooseOption(size_t row, int index);
  // The main window empties the help text and hides the panel on a page switch.
  void ClearHelp();

  const PageTable& Table() const { return m_table; }
  size_t RowCount() const { return m_rows.size(); }
  // The row of a setting, or RowCount() when the page does not hold it.
  size_t RowOf(Setting setting) const;
  QLabel* ValueLabel(size_t row) const { return m_rows.at(row).label; }
  QListWidget* OptionList(size_t row) const { return m_rows.at(row).list; }
  const std::string& ValueText(size_t row) const { return m_rows.at(row).valueText; }
  int OpenListRow() const;
  QPlainTextEdit* HelpPanel() const { return m_helpPanel; }
  const std::string& HelpText() const { return m_helpText; }
  bool HasBackground() const { return !m_background.isNull(); }
  // Black for the ids the table lists, grey for value labels whose setting the
  // page's rules block, white for everything else.
  QColor TextColor(int controlId) const;

 protected:
  // Enable rules of a page: a blocked setting's label does not open its list.
  virtual bool IsBlocked(size_t /*row*/) const { return false; }
  // What a page does when its curve selector is chosen; by default the same
  // as any other setting.
  virtual void OnCurveSelectorChosen(size_t row, int index);
  // The common steps of a choice: take the text, close the list, collect, refresh.
  void TakeChoice(size_t row, int index);
  void SetHelpText(const std::string& text);
  int32_t& CurrentIndex(size_t row) { return m_block.Current(m_table.rows[row].setting); }
  int32_t& FactoryIndex(size_t row) { return m_block.Factory(m_table.rows[row].setting); }

  // Sets every shown text and the picture again in the window's language.
  virtual void Retranslate();
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QLabel* label = nullptr;
    QListWidget* list = nullptr;
    std::string valueText;
  };

  void BuildRow(size_t index);
  // A click on an option of the open list of `row`, or Enter on it.
  void ClickOption(size_t row, int option);
  // Keys in an open list: arrows, Page Up/Down, Home and End move the
  // highlight, Enter chooses it, Escape closes the list unchosen.
  bool OnListKey(size_t row, QKeyEvent* key);
  void MoveHighlight(size_t row, int key);
  void CloseListUnchosen(size_t row);
  // Keys on a focused value label: Space or Enter opens its list.
  bool OnLabelKey(size_t row, QKeyEvent* key);
  void TakeFactoryMarks();
  void SelectCurrentIndexes();
  void ShowValueLabels();
  void ApplyTextColours();

  const PageTable& m_table;
  SettingsBlock& m_block;
  std::vector<Row> m_rows;
  HelpTextPanel* m_helpPanel;
  std::string m_helpText;
  QPixmap m_background;
};

}  // namespace vuriru
