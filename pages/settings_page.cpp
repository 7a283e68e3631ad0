#include "pages/settings_page.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "widgets/kit/artwork.h"
#include "widgets/layout/dialog_units.h"

namespace vuriru {
namespace {

const QColor kBlackText(0x00, 0x00, 0x00);
const QColor kBlockedText(0x50, 0x50, 0x50);
const QColor kWhiteText(0xff, 0xff, 0xff);

QRect ToQRect(const PixelRect& r) {
  return QRect(r.x, r.y, r.width, r.height);
}

// Help texts keep the CR LF line breaks they are written with; the panel
// wants plain line feeds.
QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

// Value labels, lists and help share one face. DejaVu Sans at 10 pixels fits
// the longest option ("Forward/Brake/Reverse") into a value label and every
// help text into the panel without scrolling; its 11-pixel line fits the
// lists' 12-pixel rows whole.
QFont PageFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  return font;
}

// True for the keys that move the highlight in an open list.
bool IsListNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

bool IsActivationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// A focused value label is ringed in the accent colour; the ring's place is
// kept free when the label has no focus, so the text does not move.
const QString kValueLabelStyle = QStringLiteral(
    "QLabel { background: transparent; border: 1px solid transparent; border-radius: 3px; }"
    "QLabel:focus { border: 1px solid #ff8a1f; }");

// The help text is drawn straight onto the picture's help frame.
const QString kHelpPanelStyle = QStringLiteral("QPlainTextEdit { background: transparent; color: #ffffff; }");

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

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

}  // namespace

CSettingsPage::CSettingsPage(const PageTable& table, SettingsBlock& block, QWidget* parent)
    : QWidget(parent),
      m_table(table),
      m_block(block),
      m_rows(table.rows.size()),
      m_helpPanel(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("dialog%1").arg(table.dialogId));
  setFixedSize(DuX(table.size.x), DuY(table.size.y));
  setFont(PageFont());

  // A missing or unreadable picture leaves the page without one.
  m_background = LoadArtwork(table.backgroundFile);

  m_helpPanel->setObjectName(QStringLiteral("help%1").arg(table.helpPanelId));
  m_helpPanel->setReadOnly(true);
  // Out of the Tab order, which walks the value labels only.
  m_helpPanel->setFocusPolicy(Qt::ClickFocus);
  m_helpPanel->setFrameShape(QFrame::NoFrame);
  // Every help text fits the panel; like the auto-scrolling edit it stands
  // for, the panel shows no scroll bar.
  m_helpPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_helpPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_helpPanel->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  m_helpPanel->setGeometry(
      ToQRect(DuRect(table.helpPanelPos.x, table.helpPanelPos.y, table.helpPanelSize.x, table.helpPanelSize.y)));
  m_helpPanel->setStyleSheet(kHelpPanelStyle);
  m_helpPanel->viewport()->setAutoFillBackground(false);
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
  for (const std::string& option : tableRow.options) {
    auto* item = new QListWidgetItem(QString::fromStdString(option), row.list);
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

void CSettingsPage::ClickOption(size_t row, int option) {
  QListWidget* list = m_rows[row].list;
  if (list->isHidden()) return;  // the selection change has already chosen
  // A click on the option already chosen fires no selection change. It closes
  // the list; on a curve selector it is still a choice, so that "Custom" opens
  // the editor on the custom curve the controller already holds. An option
  // the keys highlighted is not chosen yet: a click on it chooses it.
  if (m_table.rows[row].curveSelector || option != CurrentIndex(row)) {
    ChooseOption(row, option);
  } else {
    list->hide();
  }
}

void CSettingsPage::MoveHighlight(size_t row, int key) {
  QListWidget* list = m_rows[row].list;
  const int count = list->count();
  if (count == 0) return;
  const int step = std::max(1, list->viewport()->height() / kListRowHeight - 1);
  int target = std::max(list->currentRow(), 0);
  switch (key) {
    case Qt::Key_Up:
      target -= 1;
      break;
    case Qt::Key_Down:
      target += 1;
      break;
    case Qt::Key_PageUp:
      target -= step;
      break;
    case Qt::Key_PageDown:
      target += step;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = count - 1;
      break;
    default:
      return;
  }
  target = std::clamp(target, 0, count - 1);
  {
    // Only the highlight moves; Enter or a click chooses.
    QSignalBlocker quiet(list);
    list->setCurrentRow(target);
  }
  list->scrollToItem(list->item(target));
}

void CSettingsPage::CloseListUnchosen(size_t row) {
  QListWidget* list = m_rows[row].list;
  {
    // The highlight goes back to the chosen option for the next opening.
    QSignalBlocker quiet(list);
    list->setCurrentRow(CurrentIndex(row));
  }
  list->hide();
  m_rows[row].label->setFocus(Qt::OtherFocusReason);
}

bool CSettingsPage::OnListKey(size_t row, QKeyEvent* key) {
  if (IsListNavigationKey(key->key())) {
    MoveHighlight(row, key->key());
    return true;
  }
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      QLabel* label = m_rows[row].label;
      ClickOption(row, m_rows[row].list->currentRow());
      if (!label->isHidden()) label->setFocus(Qt::OtherFocusReason);
      return true;
    }
    case Qt::Key_Escape:
      CloseListUnchosen(row);
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Leaves the list as Escape does, then moves on from its label.
      CloseListUnchosen(row);
      focusNextPrevChild(key->key() == Qt::Key_Tab);
      return true;
    default:
      return false;
  }
}

bool CSettingsPage::OnLabelKey(size_t row, QKeyEvent* key) {
  if (IsActivationKey(key->key()) && key->modifiers() == Qt::NoModifier) {
    // Exactly what a click on the label does, rules of the page included.
    QLabel* label = m_rows[row].label;
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    return true;
  }
  if (key->key() == Qt::Key_Escape && OpenListRow() != kNoOpenList) {
    CloseAllLists();
    return true;
  }
  if (key->key() == Qt::Key_Down && OpenListRow() == static_cast<int>(row)) {
    m_rows[row].list->setFocus(Qt::OtherFocusReason);
    return true;
  }
  return false;
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
    m_rows[i].valueText = m_rows[i].list->item(current)->text().toStdString();
  }
  CollectSelections();
  ShowValueLabels();
}

void CSettingsPage::ShowValueLabels() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    m_rows[i].label->setText(QString::fromStdString(m_rows[i].valueText));
    m_rows[i].label->setVisible(m_table.rows[i].visible);
  }
}

void CSettingsPage::OpenList(size_t row) {
  if (row >= m_rows.size() || !m_table.rows[row].visible) return;
  // The click closes the other lists even where the rules keep this one shut.
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (i != row) m_rows[i].list->hide();
  }
  if (IsBlocked(row)) return;
  SetHelpText(m_table.rows[row].helpText);
  m_rows[row].list->show();
  m_rows[row].list->raise();
  m_rows[row].list->scrollToItem(m_rows[row].list->currentItem());
}

void CSettingsPage::CloseAllLists() {
  for (const Row& row : m_rows) row.list->hide();
}

int CSettingsPage::OpenListRow() const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (!m_rows[i].list->isHidden()) return static_cast<int>(i);
  }
  return kNoOpenList;
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
  m_rows[row].valueText = list->item(index)->text().toStdString();
  list->hide();
  CollectSelections();
  RefreshFromIndexes();
}

void CSettingsPage::SetHelpText(const std::string& text) {
  m_helpText = text;
  m_helpPanel->setPlainText(DisplayText(text));
  m_helpPanel->show();
  m_helpPanel->update();
}

void CSettingsPage::ClearHelp() {
  m_helpText.clear();
  m_helpPanel->clear();
  m_helpPanel->hide();
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

void CSettingsPage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) CloseAllLists();
  QWidget::mousePressEvent(event);
}

bool CSettingsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    // An opened list takes the keys at once, however a page opened it.
    for (const Row& row : m_rows) {
      if (watched == row.list) row.list->setFocus(Qt::OtherFocusReason);
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    for (size_t i = 0; i < m_rows.size(); ++i) {
      if (watched == m_rows[i].list) return OnListKey(i, key) || QWidget::eventFilter(watched, event);
      if (watched == m_rows[i].label) return OnLabelKey(i, key) || QWidget::eventFilter(watched, event);
    }
  }
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == m_helpPanel->viewport()) CloseAllLists();
    for (size_t i = 0; i < m_rows.size(); ++i) {
      if (watched == m_rows[i].label) {
        OpenList(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vuriru
