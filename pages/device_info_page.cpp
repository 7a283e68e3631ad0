// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/device_info_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include "settings/page_table.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/kit/widget_setup.h"
#include "window/button_art.h"
#include "window/shared_state.h"

namespace vuriru {
namespace {

struct LabelLayout {
  int id;
  const char* name;
  int y;
};
// In m_labels order: DEVICE, HARDWARE, SOFTWARE, INFORMATION.
constexpr LabelLayout kLabels[] = {
    {CFirmware::kDeviceLabelId, QT_TRANSLATE_NOOP("Settings", "DEVICE"), 17},
    {CFirmware::kHardwareLabelId, QT_TRANSLATE_NOOP("Settings", "HARDWARE"), 45},
    {CFirmware::kSoftwareLabelId, QT_TRANSLATE_NOOP("Settings", "SOFTWARE"), 73},
    {CFirmware::kInformationLabelId, QT_TRANSLATE_NOOP("Settings", "INFORMATION"), 101},
};
constexpr size_t kDevice = 0;
constexpr size_t kHardware = 1;
constexpr size_t kSoftware = 2;
constexpr size_t kInformation = 3;

// In m_valueEdits order, with their first texts.
constexpr int kValueEditIds[] = {1064, 1065, 1068, 1066, 1067};
constexpr const char* kValueEditTexts[] = {"CAR ESC", "TURBO", "", "", ""};
constexpr int kConnectVersionEditId = 1066;
constexpr int kBlackEditIds[] = {1064, 1065, kConnectVersionEditId};

const char* const kVersionOptions[] = {"V1.1 QOR", "V1.2 QOR", "V1.3 QOR", "V1.4 QOR",
                                       "V1.5 QOR", "V1.6 QOR", "V1.7 QOR"};

const char* const kDeviceHelp = QT_TRANSLATE_NOOP("Settings", "TO SHOW THE DEVICE \r\n INFORMATION");
const char* const kSoftwareHelp = QT_TRANSLATE_NOOP("Settings", "TO SHOW THE SOFTWARE \r\n VERSION");
const char* const kHardwareHelp = QT_TRANSLATE_NOOP("Settings", "TO SHOW THE \r\n HARDWARE INFORMATION");
const char* const kInformationHelp =
    QT_TRANSLATE_NOOP("Settings", "TO SHOW ANY FURTHER \r\n INFORMATION ABOUT \r\nTHAT ESC");

constexpr DialogPoint kPageSize{400, 261};
constexpr int kLabelX = 145;
constexpr DialogPoint kLabelSize{80, 14};
constexpr int kNameX = 8;
constexpr DialogPoint kUpdateButtonPos{145, 140};
constexpr PixelRect kHelpPanelPlace = DuRect(290, 40, 100, 145);

// The device picture has no light value slots; the labels bring their own so
// that their black text reads on the dark ground.
const QString kValueLabelStyle =
    QStringLiteral("QLabel { background: #eef1f4; color: #000000; border-radius: 4px; padding: 0 3px; }");
const QString kNameStyle = QStringLiteral("QLabel { color: #ffffff; font-weight: bold; }");

}  // namespace

CFirmware::CFirmware(ButtonHost& host, const std::string& softwareVersion, const std::string& connectVersion,
                     std::function<void()> startFirmwareUpdate, QWidget* parent)
    : QWidget(parent),
      m_host(host),
      m_softwareVersion(softwareVersion),
      m_connectVersion(connectVersion),
      m_startFirmwareUpdate(std::move(startFirmwareUpdate)),
      m_backgroundFile("8.bmp") {
  setObjectName(QStringLiteral("dialog165"));
  setFixedSize(DuX(kPageSize.x), DuY(kPageSize.y));
  setFont(PageFont());
  // A missing or unreadable picture leaves the page without one.
  m_background = LoadArtwork(m_backgroundFile);

  BuildVersionList();
  BuildLabels();
  BuildValueEdits();

  m_updateButton = new CCownerDrawBton(button_id::kUpData, m_host, this);
  m_updateButton->setGeometry(
      QRect(QPoint(DuX(kUpdateButtonPos.x), DuY(kUpdateButtonPos.y)), m_updateButton->sizeHint()));
  connect(m_updateButton, &QAbstractButton::clicked, this, [this] { PressUpdate(); });

  m_helpPanel = new HelpTextPanel(kHelpPanelId, kHelpPanelPlace, this);

  SetLabelSource(kDevice, QT_TRANSLATE_NOOP("Settings", "Device"));
  SetLabelSource(kHardware, "TURBO");
  SetLabelSource(kSoftware, "V1.2_06202014");
  SetLabelSource(kInformation, "USB Link");
  SetLabelsShown(true, true, true, true);
  SetHelpText(kDeviceHelp);
  RefreshDeviceInfo();
}

void CFirmware::BuildVersionList() {
  // Filled from the template's version choices but never shown; a selection
  // in it changes nothing.
  m_versionList = new QListWidget(this);
  m_versionList->setObjectName(QStringLiteral("list%1").arg(kVersionListId));
  for (const char* option : kVersionOptions) m_versionList->addItem(QString::fromLatin1(option));
  m_versionList->setCurrentRow(0);
  m_versionList->hide();
}

void CFirmware::BuildLabels() {
  for (size_t i = 0; i < m_labels.size(); ++i) {
    const LabelLayout& layout = kLabels[i];
    m_names[i] = new QLabel(SettingText(layout.name), this);
    m_names[i]->setGeometry(ToQRect(DuRect(kNameX, layout.y, kLabelX - kNameX - 8, kLabelSize.y)));
    m_names[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_names[i]->setStyleSheet(kNameStyle);

    m_labels[i] = new QLabel(QString::fromLatin1(layout.name), this);
    m_labels[i]->setObjectName(QStringLiteral("label%1").arg(layout.id));
    m_labels[i]->setGeometry(ToQRect(DuRect(kLabelX, layout.y, kLabelSize.x, kLabelSize.y)));
    m_labels[i]->setStyleSheet(kValueLabelStyle);
    m_labels[i]->setCursor(Qt::PointingHandCursor);
    m_labels[i]->installEventFilter(this);
  }
}

void CFirmware::BuildValueEdits() {
  for (size_t i = 0; i < m_valueEdits.size(); ++i) {
    m_valueEdits[i] = new QLineEdit(QString::fromLatin1(kValueEditTexts[i]), this);
    m_valueEdits[i]->setObjectName(QStringLiteral("edit%1").arg(kValueEditIds[i]));
    m_valueEdits[i]->setReadOnly(true);
    m_valueEdits[i]->hide();
  }
  // Usable only once the device has told its connect version.
  ValueEdit(kConnectVersionEditId)->setEnabled(false);
}

void CFirmware::SetLabelsShown(bool device, bool hardware, bool software, bool information) {
  const bool shown[] = {device, hardware, software, information};
  for (size_t i = 0; i < m_labels.size(); ++i) {
    m_labels[i]->setVisible(shown[i]);
    m_names[i]->setVisible(shown[i]);
  }
}

void CFirmware::RefreshDeviceInfo() {
  SetLabelsShown(true, true, true, true);
  m_valueEdits[0]->setText(QStringLiteral("Car ESC"));
  if (m_host.State().g_lcdMode) {
    SetLabelSource(kDevice, QT_TRANSLATE_NOOP("Settings", "LCD PROGRAM"));
    SetLabelSource(kHardware, m_connectVersion);
  } else {
    SetLabelSource(kDevice, QT_TRANSLATE_NOOP("Settings", "CAR ESC"));
    SetLabelSource(kHardware, "TURBO");
    SetLabelSource(kSoftware, m_softwareVersion);
  }
}

bool CFirmware::ApplyTargetLook() {
  const bool lcd = m_host.State().g_lcdMode;
  if (lcd) {
    m_labels[kSoftware]->hide();
    m_names[kSoftware]->hide();
    for (size_t i : {kDevice, kHardware}) {
      m_labels[i]->show();
      m_names[i]->show();
    }
  } else {
    SetLabelsShown(true, true, true, true);
  }
  const std::string file = lcd ? "9.bmp" : "8.bmp";
  QPixmap picture = LoadArtwork(file);
  if (picture.isNull()) return false;
  m_background = picture;
  m_backgroundFile = file;
  update();
  return true;
}

void CFirmware::OnConnectVersionArrived() {
  if (QLineEdit* field = ValueEdit(kConnectVersionEditId)) field->setEnabled(true);
  update();
}

void CFirmware::PressUpdate() {
  m_versionList->hide();
  if (m_host.State().g_linkState != link_state::kOpen) return;
  if (m_startFirmwareUpdate) m_startFirmwareUpdate();
}

void CFirmware::ShowHelpFor(int labelId) {
  m_versionList->hide();
  switch (labelId) {
    case kDeviceLabelId:
      SetHelpText(kDeviceHelp);
      break;
    case kHardwareLabelId:
      SetHelpText(m_host.State().g_lcdMode ? kSoftwareHelp : kHardwareHelp);
      break;
    case kSoftwareLabelId:
      SetHelpText(kSoftwareHelp);
      break;
    case kInformationLabelId:
      SetHelpText(kInformationHelp);
      break;
    default:
      break;
  }
}

void CFirmware::SetHelpText(const std::string& text) {
  m_helpText = text;
  m_helpPanel->ShowText(SettingText(text));
}

void CFirmware::SetLabelSource(size_t label, const std::string& source) {
  m_labelSources[label] = source;
  m_labels[label]->setText(SettingText(source));
}

void CFirmware::Retranslate() {
  for (size_t i = 0; i < m_labels.size(); ++i) {
    m_names[i]->setText(SettingText(kLabels[i].name));
    m_labels[i]->setText(SettingText(m_labelSources[i]));
  }
  if (!m_helpPanel->isHidden()) m_helpPanel->ShowText(SettingText(m_helpText));
  QPixmap picture = LoadArtwork(m_backgroundFile);
  if (!picture.isNull()) m_background = picture;
  update();
}

void CFirmware::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void CFirmware::ClearHelp() {
  m_helpText.clear();
  m_helpPanel->Clear();
}

QLabel* CFirmware::Label(int labelId) const {
  for (size_t i = 0; i < m_labels.size(); ++i) {
    if (kLabels[i].id == labelId) return m_labels[i];
  }
  return nullptr;
}

QLineEdit* CFirmware::ValueEdit(int editId) const {
  for (size_t i = 0; i < m_valueEdits.size(); ++i) {
    if (kValueEditIds[i] == editId) return m_valueEdits[i];
  }
  return nullptr;
}

QColor CFirmware::TextColor(int controlId) const {
  for (const LabelLayout& layout : kLabels) {
    if (layout.id == controlId) return QColor(0x00, 0x00, 0x00);
  }
  for (int id : kBlackEditIds) {
    if (id == controlId) return QColor(0x00, 0x00, 0x00);
  }
  return QColor(0xff, 0xff, 0xff);
}

void CFirmware::paintEvent(QPaintEvent*) {
  if (m_background.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), m_background);
}

bool CFirmware::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (size_t i = 0; i < m_labels.size(); ++i) {
      if (watched == m_labels[i]) {
        ShowHelpFor(kLabels[i].id);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vuriru
