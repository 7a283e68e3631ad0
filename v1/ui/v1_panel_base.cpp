#include "v1/ui/v1_panel_base.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "app/artwork.h"
#include "app/dialog_units.h"
#include "app/owner_draw_button.h"

namespace vuriru {
namespace {

// The panel fills the 600 x 420 picture "V1.bmp".
constexpr int kPanelWidthDu = 400;
constexpr int kPanelHeightDu = 258;
// Settings sit in two columns of seven slots: caption, then list.
constexpr int kSlotsPerColumn = 7;
constexpr int kColumnX[] = {8, 202};
constexpr int kFirstSlotY = 40;
constexpr int kSlotPitchY = 20;
constexpr int kCaptionWidthDu = 100;
constexpr int kListWidthDu = 88;
constexpr int kRowHeightDu = 12;

QRect ToQRect(const PixelRect& r) {
  return QRect(r.x, r.y, r.width, r.height);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

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

}  // namespace

CV1PanelBase::CV1PanelBase(int dialogId, V1PanelHost& host, QWidget* parent) : QWidget(parent), m_host(host) {
  setObjectName(QStringLiteral("dialog%1").arg(dialogId));
  setFixedSize(DuX(kPanelWidthDu), DuY(kPanelHeightDu));
  // A missing picture leaves the panel without one; nothing is reported.
  m_background = LoadArtwork("V1.bmp");
  if (!m_background.isNull()) m_backgroundFile = "V1.bmp";

  QLabel* heading = AddStaticText(1214, QStringLiteral("Settings Control"));
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPixelSize(16);
  heading->setFont(headingFont);
  heading->setGeometry(ToQRect(DuRect(8, 18, 180, 14)));
  AddStaticText(1217, QStringLiteral("Connection"))->setGeometry(ToQRect(DuRect(230, 8, 60, 10)));
  AddStaticText(1215, QStringLiteral("ESC"))->setGeometry(ToQRect(DuRect(290, 8, 20, 10)));
  AddStaticText(1216, QStringLiteral("USB"))->setGeometry(ToQRect(DuRect(340, 8, 20, 10)));
  AddButton(kEscIndicatorId, QString())->setGeometry(ToQRect(DuRect(312, 4, 24, 24)));
  AddButton(kUsbIndicatorId, QString())->setGeometry(ToQRect(DuRect(362, 4, 24, 24)));

  AddButton(kReadButtonId, QStringLiteral("Read Settings"))->setGeometry(ToQRect(DuRect(10, 192, 80, 18)));
  AddButton(kSendButtonId, QStringLiteral("Send Settings"))->setGeometry(ToQRect(DuRect(100, 192, 80, 18)));
  AddButton(kFirmwareButtonId, QStringLiteral("Update Firmware"))->setGeometry(ToQRect(DuRect(190, 192, 80, 18)));
  connect(Button(kReadButtonId), &QAbstractButton::clicked, this, [this] { OnReadSettings(); });
  connect(Button(kSendButtonId), &QAbstractButton::clicked, this, [this] { OnSendSettings(); });
  connect(Button(kFirmwareButtonId), &QAbstractButton::clicked, this, [this] { OnUpdateFirmware(); });

  m_statusBox = new QLineEdit(this);
  m_statusBox->setObjectName(QStringLiteral("edit%1").arg(kStatusBoxId));
  m_statusBox->setMaxLength(static_cast<int>(kStatusTextLimit));
  MakeTransparentEdit(m_statusBox, Qt::black);
  // Black text needs a light slot to stay readable on the dark picture.
  m_statusBox->setStyleSheet(QStringLiteral("QLineEdit { background: #eef1f4; color: #000000; padding: 0 3px; }"));
  m_statusBox->setGeometry(ToQRect(DuRect(10, 222, 260, 14)));
}

QLabel* CV1PanelBase::AddStaticText(int id, const QString& text) {
  QLabel* label = WhiteLabel(text, this);
  label->setObjectName(QStringLiteral("label%1").arg(id));
  return label;
}

CCownerDrawBton* CV1PanelBase::AddButton(int controlId, const QString& text) {
  auto* button = new CCownerDrawBton(controlId, m_host, this);
  button->setText(text);
  if (!text.isEmpty()) {
    // These buttons have no image of their own; their caption is drawn over
    // the picture and lets clicks through to the button.
    QLabel* caption = WhiteLabel(text, button);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption->setGeometry(0, 0, DuX(80), DuY(18));
    button->setStyleSheet(QStringLiteral("border: 1px solid white;"));
  }
  m_buttons.push_back(button);
  return button;
}

CCownerDrawBton* CV1PanelBase::Button(int controlId) const {
  for (CCownerDrawBton* button : m_buttons) {
    if (button->ControlId() == controlId) return button;
  }
  return nullptr;
}

QRect CV1PanelBase::SlotRect(size_t slot, bool forList) const {
  const int column = static_cast<int>(slot) / kSlotsPerColumn;
  const int row = static_cast<int>(slot) % kSlotsPerColumn;
  const int x = kColumnX[column % 2] + (forList ? kCaptionWidthDu : 0);
  const int y = kFirstSlotY + row * kSlotPitchY;
  return ToQRect(DuRect(x, y, forList ? kListWidthDu : kCaptionWidthDu, kRowHeightDu));
}

void CV1PanelBase::AddSetting(const std::string& caption, int listId, const std::vector<std::string>& options) {
  Row row;
  row.caption = WhiteLabel(QString::fromStdString(caption), this);
  row.caption->setGeometry(SlotRect(m_rows.size(), false));
  row.list = new QComboBox(this);
  row.list->setObjectName(QStringLiteral("list%1").arg(listId));
  for (const std::string& option : options) row.list->addItem(QString::fromStdString(option));
  row.list->setGeometry(SlotRect(m_rows.size(), true));
  m_rows.push_back(row);
  m_index.push_back(0);
}

void CV1PanelBase::AddUnusedList(int listId, const std::vector<std::string>& options) {
  auto* list = new QComboBox(this);
  list->setObjectName(QStringLiteral("list%1").arg(listId));
  for (const std::string& option : options) list->addItem(QString::fromStdString(option));
  list->hide();
}

QLineEdit* CV1PanelBase::AddVersionBox(int editId, const QString& caption, int row) {
  WhiteLabel(caption, this)->setGeometry(ToQRect(DuRect(290, 180 + row * 16, 50, 12)));
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("edit%1").arg(editId));
  MakeTransparentEdit(edit, Qt::white);
  edit->setGeometry(ToQRect(DuRect(340, 180 + row * 16, 55, 12)));
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

void CV1PanelBase::SetStatusText(const std::string& text) {
  m_statusBox->setText(QString::fromStdString(text.substr(0, kStatusTextLimit)));
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
