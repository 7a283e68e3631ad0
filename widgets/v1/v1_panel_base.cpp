// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/v1/v1_panel_base.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "widgets/kit/artwork.h"
#include "widgets/kit/client_area.h"
#include "widgets/kit/language.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/kit/widget_setup.h"
#include "widgets/layout/theme_colours.h"
#include "widgets/layout/v1_panel_layout.h"

namespace vuriru {
namespace {

using namespace v1_layout;

// Static texts are drawn white straight onto the picture.
QLabel* WhiteLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAttribute(Qt::WA_TranslucentBackground);
  SetTextColour(label, Qt::white);
  return label;
}

// Edit boxes keep black text on a transparent background.
void MakeTransparentEdit(QLineEdit* edit, const QColor& text) {
  edit->setReadOnly(true);
  edit->setFrame(false);
  edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; }").arg(text.name()));
}

// A drop-down list whose closed box ends a choice too long for it with an
// ellipsis rather than cutting it off; the open list shows it whole.
class ElidingComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
};

// The drop-down lists mark the highlighted option in the accent colour, as
// the option lists of the pages do.
void UseAccentHighlight(QComboBox* list) {
  QPalette palette = list->palette();
  palette.setColor(QPalette::Highlight, QColor(theme::kAccent));
  palette.setColor(QPalette::HighlightedText, QColor(theme::kGroundBottom));
  list->setPalette(palette);
  list->view()->setPalette(palette);
}

}  // namespace

CV1PanelBase::CV1PanelBase(int dialogId, std::span<int32_t> block, V1PanelHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_blockIndexes(block) {
  setObjectName(QStringLiteral("dialog%1").arg(dialogId));
  setFixedSize(kWidth, kHeight);
  // A missing picture leaves the panel without one; nothing is reported.
  m_background = LoadArtwork("V1.bmp");
  if (!m_background.isNull()) m_backgroundFile = "V1.bmp";

  QLabel* heading = AddStaticText(1214, QT_TRANSLATE_NOOP("Settings", "Settings Control"));
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPixelSize(18);
  heading->setFont(headingFont);
  heading->setGeometry(ToQRect(kTitle));
  AddStaticText(1217, QT_TRANSLATE_NOOP("Settings", "Connection"))->setGeometry(ToQRect(kConnectionLabel));
  QLabel* esc = AddStaticText(1215, "ESC");
  esc->setGeometry(ToQRect(kEscLabel));
  QLabel* usb = AddStaticText(1216, "USB");
  usb->setGeometry(ToQRect(kUsbLabel));
  for (QLabel* label : {esc, usb, Label(1217)}) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The indicators are copied unscaled; their pictures carry no text, the
  // labels beside them say which is which.
  AddButton(kEscIndicatorId, {})->setGeometry(ToQRect(kEscIndicator));
  AddButton(kUsbIndicatorId, {})->setGeometry(ToQRect(kUsbIndicator));

  const int buttons[] = {kReadButtonId, kSendButtonId, kFirmwareButtonId};
  const char* const captions[] = {"Read Settings", "Send Settings", "Update Firmware"};
  for (int i = 0; i < 3; ++i) {
    AddButton(buttons[i], captions[i])->setGeometry(ButtonX(i), kButtonTop, kButtonWidth, kButtonHeight);
  }
  connect(Button(kReadButtonId), &QAbstractButton::clicked, this, [this] { OnReadSettings(); });
  connect(Button(kSendButtonId), &QAbstractButton::clicked, this, [this] { OnSendSettings(); });
  connect(Button(kFirmwareButtonId), &QAbstractButton::clicked, this, [this] { OnUpdateFirmware(); });

  m_statusBox = new QLineEdit(this);
  m_statusBox->setObjectName(QStringLiteral("edit%1").arg(kStatusBoxId));
  m_statusBox->setMaxLength(static_cast<int>(kStatusTextLimit));
  MakeTransparentEdit(m_statusBox, Qt::black);
  // Black text needs a light slot to stay readable on the dark picture.
  m_statusBox->setStyleSheet(QStringLiteral("QLineEdit { background: #eef1f4; color: #000000; padding: 0 6px; }"));
  m_statusBox->setGeometry(ToQRect(kStatus));
}

QLabel* CV1PanelBase::Label(int id) const {
  return findChild<QLabel*>(QStringLiteral("label%1").arg(id), Qt::FindDirectChildrenOnly);
}

QLabel* CV1PanelBase::AddStaticText(int id, const std::string& source) {
  QLabel* label = WhiteLabel(SettingText(source), this);
  label->setObjectName(QStringLiteral("label%1").arg(id));
  m_staticTexts.emplace_back(label, source);
  return label;
}

CCownerDrawBton* CV1PanelBase::AddButton(int controlId, const std::string& caption) {
  // Every button shows its own image, caption included, at its own size.
  auto* button = new CCownerDrawBton(controlId, m_host, this);
  button->setText(ButtonText(caption));
  m_buttonCaptions.emplace_back(button, caption);
  m_buttons.push_back(button);
  return button;
}

CCownerDrawBton* CV1PanelBase::Button(int controlId) const {
  for (CCownerDrawBton* button : m_buttons) {
    if (button->ControlId() == controlId) return button;
  }
  return nullptr;
}

QRect CV1PanelBase::SlotRect(size_t slot, size_t slotCount, bool forList) const {
  // The first column takes the larger half.
  const int rows = std::max(1, static_cast<int>((slotCount + 1) / 2));
  const int column = static_cast<int>(slot) / rows;
  const int row = static_cast<int>(slot) % rows;
  const int x = kColumnX[column % 2] + (forList ? kCaptionWidth : 0);
  return QRect(x, RowTop(row, rows), forList ? kListWidth : kCaptionWidth - 6, kRowHeight);
}

void CV1PanelBase::AddSetting(const std::string& caption, int listId, const std::vector<std::string>& options,
                              int32_t factoryIndex) {
  Row row;
  row.caption = WhiteLabel(SettingText(caption), this);
  row.captionSource = caption;
  row.optionSources = options;
  row.list = new ElidingComboBox(this);
  row.list->setObjectName(QStringLiteral("list%1").arg(listId));
  // The lists show the options in the window's language; the panel reads
  // and writes indexes only.
  for (const std::string& option : options) row.list->addItem(SettingText(option));
  UseAccentHighlight(row.list);
  row.list->view()->setMinimumWidth(row.list->view()->sizeHintForColumn(0) + 24);
  m_rows.push_back(row);
  m_index.push_back(0);
  m_factory.push_back(factoryIndex);
  // The rows spread over the grid's height, however many the layout has.
  for (size_t i = 0; i < m_rows.size(); ++i) {
    m_rows[i].caption->setGeometry(SlotRect(i, m_rows.size(), false));
    m_rows[i].list->setGeometry(SlotRect(i, m_rows.size(), true));
  }
}

void CV1PanelBase::AddUnusedList(int listId, const std::vector<std::string>& options) {
  auto* list = new QComboBox(this);
  list->setObjectName(QStringLiteral("list%1").arg(listId));
  for (const std::string& option : options) list->addItem(QString::fromStdString(option));
  list->hide();
}

QLineEdit* CV1PanelBase::AddVersionBox(int editId, const std::string& caption, int row) {
  const int top = kVersionTop + row * kVersionPitch;
  QLabel* label = WhiteLabel(SettingText(caption), this);
  label->setGeometry(kVersionX, top, 80, 20);
  m_staticTexts.emplace_back(label, caption);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("edit%1").arg(editId));
  MakeTransparentEdit(edit, Qt::white);
  edit->setGeometry(kVersionX + 84, top, kWidth - kMargin - kVersionX - 84, 20);
  return edit;
}

void CV1PanelBase::ShowSetting(size_t setting, bool shown) {
  m_rows[setting].caption->setVisible(shown);
  m_rows[setting].list->setVisible(shown);
}

void CV1PanelBase::RefreshLists() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    QComboBox* list = m_rows[i].list;
    const QSignalBlocker block(list);
    const bool inList = m_index[i] >= 0 && m_index[i] < list->count();
    list->setCurrentIndex(inList ? m_index[i] : -1);
  }
}

void CV1PanelBase::ReadLists() {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    const int chosen = m_rows[i].list->currentIndex();
    if (chosen >= 0) m_index[i] = chosen;
  }
}

void CV1PanelBase::ShowFactoryValues() {
  m_index = m_factory;
  RefreshLists();
  SetStatusText(kDefaultOkText);
  m_host.Beep();
}

void CV1PanelBase::ShowBlockValues() {
  for (size_t i = 0; i < std::min(m_index.size(), m_blockIndexes.size()); ++i) m_index[i] = m_blockIndexes[i];
  RefreshLists();
  SetStatusText(kReadOkText);
  m_host.Beep();
}

void CV1PanelBase::TakePanelValues() {
  ReadLists();
  CopyMembersToBlock();
}

void CV1PanelBase::CopyMembersToBlock() {
  for (size_t i = 0; i < std::min(m_index.size(), m_blockIndexes.size()); ++i) m_blockIndexes[i] = m_index[i];
}

void CV1PanelBase::ShowSendDone() {
  SetStatusText(kSendOkText);
  m_host.State().g_transferPending = 0;
  m_host.FinishProgress();
  m_host.Beep();
}

void CV1PanelBase::OnReadSettings() {
  if (IsPanelBusy()) return;
  SharedState& state = m_host.State();
  RefreshLists();
  state.g_curveEditorOpen = 0;
  if (state.g_linkState == link_state::kOpen) {
    m_host.StartV1Read();
  } else {
    state.g_progressRange = kProgressTotal;
    state.g_transferPending = 1;
    m_host.ShowProgress();
  }
  SetStatusText(kReadingText);
}

void CV1PanelBase::OnUpdateFirmware() {
  if (m_host.State().g_linkState == link_state::kOpen) m_host.SendFirmwareFile();
}

void CV1PanelBase::SetStatusText(const UserText& text) {
  m_statusSource = text;
  m_statusBox->setText(MessageText(text).left(static_cast<int>(kStatusTextLimit)));
}

void CV1PanelBase::Retranslate() {
  for (const auto& [label, source] : m_staticTexts) label->setText(SettingText(source));
  for (Row& row : m_rows) {
    row.caption->setText(SettingText(row.captionSource));
    for (int i = 0; i < row.list->count(); ++i) {
      row.list->setItemText(i, SettingText(row.optionSources[static_cast<size_t>(i)]));
    }
  }
  // The buttons' images are drawn per language; their texts name them.
  for (const auto& [button, caption] : m_buttonCaptions) {
    button->setText(ButtonText(caption));
    button->update();
  }
  m_statusBox->setText(MessageText(m_statusSource).left(static_cast<int>(kStatusTextLimit)));
  if (!m_backgroundFile.empty()) {
    QPixmap picture = LoadArtwork(m_backgroundFile);
    if (!picture.isNull()) m_background = picture;
  }
  update();
}

void CV1PanelBase::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

QString CV1PanelBase::StatusText() const {
  return m_statusBox->text();
}

void CV1PanelBase::OnMenuInit() {
  QPixmap menuPicture = LoadArtwork("V1Menu.bmp");
  if (menuPicture.isNull()) return;
  m_background = menuPicture;
  m_backgroundFile = "V1Menu.bmp";
  update();
}

void CV1PanelBase::showEvent(QShowEvent* event) {
  // The panel takes the window's whole client area, button row and indicator
  // strip included: a V1 controller uses neither.
  if (QWidget* window = parentWidget(); window != nullptr && !isWindow()) move(ClientOrigin(*window));
  QWidget::showEvent(event);
}

void CV1PanelBase::paintEvent(QPaintEvent*) {
  if (m_background.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), m_background);
}

void CV1PanelBase::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    // Unsent changes in the lists are dropped: they show the members again.
    if (CCownerDrawBton* hidden = Button(kUsbIndicatorId)) hidden->setFocus();
    RefreshLists();
  }
  QWidget::mousePressEvent(event);
}

}  // namespace vuriru
