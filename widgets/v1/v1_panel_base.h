// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both V1 panel layouts share: the background picture, the caption
// labels and drop-down lists (one per row of the layout's settings table,
// exchanged with the panel's index members), the status box, the bitmap
// buttons, the reaction to a click on the background, and the exchange of the
// members with the layout's settings block and factory indexes. The layouts
// add what is shown only for some controllers, their busy rule, and their
// rules for "Send Settings".

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "common/user_text.h"
#include "comms/engine/engine_state.h"
#include "v1/v1_settings_table.h"
#include "widgets/v1/v1_panel_host.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vuriru {

class CCownerDrawBton;

class CV1PanelBase : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kStatusBoxId = 1015;
  static constexpr int kReadButtonId = 1213;
  static constexpr int kSendButtonId = 1024;
  static constexpr int kFirmwareButtonId = 1025;
  static constexpr int kEscIndicatorId = 1104;
  static constexpr int kUsbIndicatorId = 1105;
  static constexpr size_t kStatusTextLimit = 50;
  // The progress total of a read or send.
  static constexpr uint32_t kProgressTotal = kProgressRangeRead;

  inline static const char* const kReadingText = QT_TRANSLATE_NOOP("Messages", "Esc Reading......");
  inline static const char* const kSendingText = QT_TRANSLATE_NOOP("Messages", "Esc Sending......");
  inline static const char* const kReadOkText = QT_TRANSLATE_NOOP("Messages", "Read Ok");
  inline static const char* const kSendOkText = QT_TRANSLATE_NOOP("Messages", "Send Ok");
  inline static const char* const kDefaultOkText = QT_TRANSLATE_NOOP("Messages", "Default Ok");

  // The status line; the firmware update writes its progress here too. Texts
  // longer than the box holds are cut.
  // The status line takes an English source text (or one with arguments)
  // and shows it in the window's language; StatusSource() is what it was given.
  void SetStatusText(const UserText& text);
  QString StatusText() const;
  const UserText& StatusSource() const { return m_statusSource; }

  // The menu-initialisation message replaces the background by "V1Menu.bmp".
  void OnMenuInit();

  // The panel's index members, in the order of the settings.
  const std::vector<int32_t>& Indexes() const { return m_index; }
  QComboBox* List(size_t setting) const { return m_rows[setting].list; }
  QLabel* Caption(size_t setting) const { return m_rows[setting].caption; }
  CCownerDrawBton* Button(int controlId) const;
  // A static text by its control id (1214 title, 1215 "ESC", 1216 "USB",
  // 1217 "Connection"), or nullptr.
  QLabel* Label(int id) const;
  bool HasBackground() const { return !m_background.isNull(); }
  // The picture file the background was last loaded from.
  const std::string& BackgroundFile() const { return m_backgroundFile; }

  // Moves the index members into the lists; an index outside a list leaves
  // that list without a choice.
  void RefreshLists();
  // Moves the lists' choices into the index members; a list without a choice
  // keeps its member.
  void ReadLists();

  // Factory indexes into the members and lists, "Default Ok", beep.
  void ShowFactoryValues();
  // The lists into the members and the members into the block (before a send).
  void TakePanelValues();
  // The last pair of a send was acknowledged: "Send Ok", the transfer is over.
  void ShowSendDone();

 protected:
  // `block` is the layout's settings block, one index per row of its table;
  // the block and the host outlive the panel.
  CV1PanelBase(int dialogId, std::span<int32_t> block, V1PanelHost& host, QWidget* parent);

  // One caption and drop-down list per row, in the table's order.
  template <typename SettingT>
  void AddSettings(const std::vector<V1SettingRow<SettingT>>& table) {
    for (const auto& row : table) AddSetting(row.caption, row.listId, row.options, row.factoryIndex);
  }
  // A list the template holds but that never carries a setting.
  void AddUnusedList(int listId, const std::vector<std::string>& options);
  void ShowSetting(size_t setting, bool shown);
  QLineEdit* AddVersionBox(int editId, const std::string& caption, int row);

  // After a read: the block into the members and lists, "Read Ok", beep.
  void ShowBlockValues();
  void CopyMembersToBlock();

  // The layout's busy rule: while it holds, "Read Settings" and "Send
  // Settings" do nothing.
  virtual bool IsPanelBusy() const = 0;
  // "Read Settings": unsent changes in the lists are dropped; with the link
  // open the engine reads, otherwise the progress dialog's own handling ends
  // the wait. Either way the status box says "Esc Reading......".
  void OnReadSettings();
  virtual void OnSendSettings() = 0;
  // "Update Firmware": the firmware transfer needs the open link to write to.
  void OnUpdateFirmware();

  void showEvent(QShowEvent* event) override;
  // Sets every shown text and the picture again in the window's language.
  virtual void Retranslate();
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

  V1PanelHost& m_host;
  std::vector<int32_t> m_index;

 private:
  struct Row {
    QLabel* caption = nullptr;
    QComboBox* list = nullptr;
    std::string captionSource;
    std::vector<std::string> optionSources;
  };

  void AddSetting(const std::string& caption, int listId, const std::vector<std::string>& options,
                  int32_t factoryIndex);
  QLabel* AddStaticText(int id, const std::string& source);
  CCownerDrawBton* AddButton(int controlId, const std::string& caption);
  // Setting `slot` of `slotCount`, in two columns.
  QRect SlotRect(size_t slot, size_t slotCount, bool forList) const;

  std::span<int32_t> m_blockIndexes;
  std::vector<int32_t> m_factory;
  std::vector<Row> m_rows;
  QPixmap m_background;
  std::string m_backgroundFile;
  UserText m_statusSource;
  // The static texts and version captions by their English source texts.
  std::vector<std::pair<QLabel*, std::string>> m_staticTexts;
  std::vector<std::pair<CCownerDrawBton*, std::string>> m_buttonCaptions;
  QLineEdit* m_statusBox = nullptr;
  std::vector<CCownerDrawBton*> m_buttons;
};

}  // namespace vuriru
