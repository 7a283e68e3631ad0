// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/settings_page.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>

#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"

namespace vuriru {
namespace {

const QColor kBlackText(0x00, 0x00, 0x00);
const QColor kBlockedText(0x50, 0x50, 0x50);
const QColor kWhiteText(0xff, 0xff, 0xff);

// A focused value label is ringed in the accent colour; the ring's place is
// kept free when the label has no focus, so the text does not move.
const QString kValueLabelStyle = QStringLiteral(
    "QLabel { background: transparent; border: 1px solid transparent; border-radius: 3px; }"
    "QLabel:focus { border: 1px solid #ff8a1f; }");

// Open lists match the light value slots of the pictures, with the accent
// colour marking the highlighted option. The rows are kListRowHeight high,
// with no padding, so that every list of up to four options shows whole in
// the height its page gives it.
const QString kOptionListStyle = QStringLiteral(
    "QListWidget { background: #eef1f4; color: #000000; border: 1px solid #ff8a1f; outline: 0; padding: 0; }"
    "QListWidget::item { padding: 0 2px; margin: 0; border: 0; }"
    "QListWidget::item:selected { background: #ff8a1f; color: #000000; }"
    "QListWidget::item:hover:!selected { background: #dde2e8; }"
    "QScrollBar:vertical { background: #dde2e8; width: 8px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #8b95a1; border-radius: 4px; min-height: 16px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");

}  // namespace

CSettingsPage::CSettingsPage(const PageTable& table, SettingsBlock& block, QWidget* parent)
    : QWidget(parent),
      m_table(table),
      m_block(block),
      m_rows(table.rows.size()),
      m_helpPanel(new HelpTextPanel(
          table.helpPanelId,
          DuRect(table.helpPanelPos.x, table.helpPanelPos.y, table.helpPanelSize.x, table.helpPanelSize.y), this)) {
  setObjectName(QStringLiteral("dialog%1").arg(table.dialogId));
  setFixedSize(DuX(table.size.x), DuY(table.size.y));
  setFont(PageFont());

  // A missing or unreadable picture leaves the page without one.
  m_background = LoadArtwork(table.backgroundFile);

  // Out of the Tab order, which walks the value labels only.
  m_helpPanel->setFocusPolicy(Qt::ClickFocus);
  m_helpPanel->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // A click into the help text closes an open list, as a click on the page does.
  m_helpPanel->viewport()->installEventFilter(this);

  for (size_t i = 0; i < m_rows.size(); ++i) BuildRow(i);
  TakeFactoryMarks();
  SelectCurrentIndexes();
  SetHelpText(table.initialHelpText);
  ApplyTextColours();
  // The labels start empty even where a factory option is known; the first
  // refresh (after a read, an import or Default) fills them.
  for (size_t i = 0; i < m_rows.size(); ++i) m_rows[i].label->setVisible(m_table.rows[i].visible);
}

void CSettingsPage::BuildRow(size_t index) {
  const PageSettingRow& tableRow = m_table.rows[index];
  Row& row = m_rows[index];

  row.label = new QLabel(this);
  row.label->setObjectName(QStringLiteral("label%1").arg(tableRow.labelId));
  row.label->setGeometry(
      ToQRect(DuRect(tableRow.labelPos.x, tableRow.labelPos.y, m_table.labelSize.x, m_table.labelSize.y)));
  row.label->setContentsMargins(1, 0, 0, 0);
  // The focus ring's border would otherwise indent the text by half an "x".
  row.label->setIndent(0);
  row.label->setCursor(Qt::PointingHandCursor);
  row.label->setStyleSheet(kValueLabelStyle);
  // Tab walks the value labels in the page's order; Space or Enter on one
  // opens its list as a click does.
  row.label->setFocusPolicy(Qt::StrongFocus);
  row.label->installEventFilter(this);
  row.label->hide();

  row.list = new QListWidget(this);
  row.list->setObjectName(QStringLiteral("list%1").arg(tableRow.listId));
  row.list->setGeometry(ToQRect(DuRect(tableRow.labelPos.x, tableRow.labelPos.y + kListOffsetY,
                                       m_table.labelSize.x + kListExtraWidth, tableRow.listHeight)));
  row.list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  row.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  row.list->setUniformItemSizes(true);
  row.list->setStyleSheet(kOptionListStyle);
  // Out of the Tab order: an open list takes the focus itself.
  row.list->setFocusPolicy(Qt::ClickFocus);
  // The items show the options in the window's language; every decision
  // reads the table's English option or the index.
  for (const std::string& option : tableRow.options) {
    auto* item = new QListWidgetItem(SettingText(option), row.list);
    item->setSizeHint(QSize(0, kListRowHeight));
  }
  row.list->installEventFilter(this);
  row.list->hide();
  connect(row.list, &QListWidget::currentRowChanged, this, [this, index](int current) {
    if (current >= 0) ChooseOption(index, current);
  });
  connect(row.list, &QListWidget::itemClicked, this,
          [this, index](QListWidgetItem* item) { ClickOption(index, m_rows[index].list->row(item)); });
}

void CSettingsPage::TakeFactoryMarks() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    const std::vector<std::string>& options = m_table.rows[i].options;
    bool marked = std::any_of(options.begin(), options.end(),
                              [](const std::string& o) { return o.find(kFactoryMarker) != std::string::npos; });
    // Without a marked option the indexes stay as they are (zero at start).
    if (!marked) continue;
    int factory = FactoryIndexFromOptions(options);
    CurrentIndex(i) = factory;
    FactoryIndex(i) = factory;
    m_rows[i].valueText = options[static_cast<size_t>(factory)];
  }
}

void CSettingsPage::SelectCurrentIndexes() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    QSignalBlocker quiet(m_rows[i].list);
    m_rows[i].list->setCurrentRow(CurrentIndex(i));
  }
}

void CSettingsPage::CollectSelections() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    // An empty list (a setting without options) has no selection; its index
    // keeps its value rather than becoming -1.
    int selected = m_rows[i].list->currentRow();
    if (selected >= 0) CurrentIndex(i) = selected;
  }
  ApplyTextColours();
  for (const Row& row : m_rows) row.label->update();
}

void CSettingsPage::ApplyFactoryIndexes() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    const PageSettingRow& tableRow = m_table.rows[i];
    if (tableRow.curveSelector) {
      CurrentIndex(i) = 0;
      FactoryIndex(i) = 0;
    } else if (tableRow.restoredByDefault) {
      CurrentIndex(i) = FactoryIndex(i);
    }
  }
  RefreshFromIndexes();
}

void CSettingsPage::RefreshFromIndexes() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    int count = m_rows[i].list->count();
    if (count == 0) continue;
    // Indexes come from outside as one byte; those beyond the list show its
    // last option, and a negative one its first.
    int32_t& current = CurrentIndex(i);
    current = std::clamp(current, 0, count - 1);
    QSignalBlocker quiet(m_rows[i].list);
    m_rows[i].list->setCurrentRow(current);
    m_rows[i].valueText = m_table.rows[i].options[static_cast<size_t>(current)];
  }
  CollectSelections();
  ShowValueLabels();
}

void CSettingsPage::ShowValueLabels() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    m_rows[i].label->setText(SettingText(m_rows[i].valueText));
    m_rows[i].label->setVisible(m_table.rows[i].visible);
  }
}

void CSettingsPage::ChooseOption(size_t row, int index) {
  if (row >= m_rows.size() || index < 0 || index >= m_rows[row].list->count()) return;
  if (m_table.rows[row].curveSelector) {
    OnCurveSelectorChosen(row, index);
  } else {
    TakeChoice(row, index);
  }
}

void CSettingsPage::OnCurveSelectorChosen(size_t row, int index) {
  TakeChoice(row, index);
}

void CSettingsPage::TakeChoice(size_t row, int index) {
  QListWidget* list = m_rows[row].list;
  {
    QSignalBlocker quiet(list);
    list->setCurrentRow(index);
  }
  m_rows[row].valueText = m_table.rows[row].options[static_cast<size_t>(index)];
  list->hide();
  CollectSelections();
  RefreshFromIndexes();
}

void CSettingsPage::SetHelpText(const std::string& text) {
  m_helpText = text;
  m_helpPanel->ShowText(SettingText(text));
}

void CSettingsPage::Retranslate() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    const std::vector<std::string>& options = m_table.rows[i].options;
    for (int item = 0; item < m_rows[i].list->count(); ++item) {
      m_rows[i].list->item(item)->setText(SettingText(options[static_cast<size_t>(item)]));
    }
    m_rows[i].label->setText(SettingText(m_rows[i].valueText));
  }
  // The help panel keeps its state: shown with its text, or cleared and hidden.
  if (!m_helpPanel->isHidden()) m_helpPanel->ShowText(SettingText(m_helpText));
  // The picture prints the settings' names in the window's language.
  m_background = LoadArtwork(m_table.backgroundFile);
  update();
}

void CSettingsPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void CSettingsPage::ClearHelp() {
  m_helpText.clear();
  m_helpPanel->Clear();
}

size_t CSettingsPage::RowOf(Setting setting) const {
  for (size_t i = 0; i < m_table.rows.size(); ++i) {
    if (m_table.rows[i].setting == setting) return i;
  }
  return m_table.rows.size();
}

QColor CSettingsPage::TextColor(int controlId) const {
  // A blocked label is grey even where the page otherwise draws it black.
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_table.rows[i].labelId == controlId && IsBlocked(i)) return kBlockedText;
  }
  const std::vector<int>& black = m_table.blackTextIds;
  if (std::find(black.begin(), black.end(), controlId) != black.end()) return kBlackText;
  return kWhiteText;
}

void CSettingsPage::ApplyTextColours() {
  for (size_t i = 0; i < m_rows.size(); ++i) SetTextColour(m_rows[i].label, TextColor(m_table.rows[i].labelId));
}

void CSettingsPage::paintEvent(QPaintEvent*) {
  if (m_background.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), m_background);
}

}  // namespace vuriru
