// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/data_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "settings/page_table.h"
#include "settings/running_log_text.h"
#include "settings/settings_table.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"

namespace vuriru {
namespace {

struct ValueLayout {
  RunningLog value;
  int labelId;
  DialogPoint labelPos;
  int labelWidth;
  bool labelShown;
  int boxId;
  DialogPoint boxPos;
  const char* helpText;
};

// In RunningLog order.
const ValueLayout kLayout[] = {
    {RunningLog::BatteryMinVoltage,
     1056,
     {138, 17},
     80,
     true,
     1060,
     {18, 47},
     QT_TRANSLATE_NOOP("Settings", "TO SHOW THE MINIMUM \r\nBATTERY VOLTAGE WHEN \r\nIN THE RUNNING")},
    {RunningLog::EscMaxTemp,
     1057,
     {138, 52},
     79,
     true,
     1061,
     {18, 77},
     QT_TRANSLATE_NOOP("Settings", "TO SHOW THE ESC \r\nMAXIMUM TEMPERATURE \r\nWHEN IN THE RUNNING")},
    // Stored and exported, but nothing on the page shows it.
    {RunningLog::MotorMaxTemp,
     1058,
     {137, 122},
     79,
     false,
     1062,
     {18, 107},
     QT_TRANSLATE_NOOP("Settings", "TO SHOW THE MOTOR \r\nMAXIMUM TEMPERATURE \r\nWHEN IN THE RUNNING")},
    {RunningLog::MotorMaxRpm,
     1059,
     {138, 87},
     80,
     true,
     1063,
     {18, 137},
     QT_TRANSLATE_NOOP("Settings", "TO SHOW THE MOTOR \r\nMAXIMUM RPM WHEN IN \r\nTHE RUNNING")},
};
static_assert(std::size(kLayout) == kRunningLogCount);

constexpr DialogPoint kPageSize{400, 240};
constexpr PixelRect kHelpPanelPlace = DuRect(290, 40, 107, 145);
constexpr DialogPoint kValueBoxSize{80, 12};
constexpr int kLabelHeight = 8;
// Below the values, apart from the page's own controls: the page keeps its
// layout, and the button opens the running log of earlier runs.
constexpr PixelRect kHistoryButtonPlace = DuRect(138, 112, 80, 14);
constexpr const char* kHistoryCaption = QT_TRANSLATE_NOOP("Settings", "History");

// The running log's English texts end in their unit; the unit "degree
// celsius" is shown in the window's language.
QString ShownLogText(const std::string& english) {
  static const std::string kCelsius = QT_TRANSLATE_NOOP("Settings", "degree celsius");
  if (english.size() > kCelsius.size() && english.ends_with(kCelsius)) {
    return QString::fromStdString(english.substr(0, english.size() - kCelsius.size())) + SettingText(kCelsius);
  }
  return QString::fromStdString(english);
}

}  // namespace

CData::CData(const SettingsBlock& block, QWidget* parent)
    : QWidget(parent),
      m_block(block),
      m_helpPanel(new HelpTextPanel(kHelpPanelId, kHelpPanelPlace, this)),
      m_historyButton(new QPushButton(SettingText(kHistoryCaption), this)) {
  setObjectName(QStringLiteral("dialog171"));
  setFixedSize(DuX(kPageSize.x), DuY(kPageSize.y));
  setFont(PageFont());
  // A missing or unreadable picture leaves the page without one.
  m_background = LoadArtwork("7.bmp");

  for (const ValueLayout& layout : kLayout) BuildValue(layout.value);
  m_historyButton->setObjectName(QStringLiteral("historyButton"));
  m_historyButton->setGeometry(ToQRect(kHistoryButtonPlace));
  connect(m_historyButton, &QPushButton::clicked, this, &CData::historyRequested);
  ShowHelpFor(RunningLog::BatteryMinVoltage);
}

void CData::BuildValue(RunningLog value) {
  const ValueLayout& layout = kLayout[Index(value)];
  ValueControls& controls = m_controls[Index(value)];

  // The caption shows until the first FormatRunningLog replaces it.
  controls.label = new QLabel(SettingText(RunningLogRowFor(value).caption), this);
  controls.label->setObjectName(QStringLiteral("label%1").arg(layout.labelId));
  controls.label->setAlignment(Qt::AlignCenter);
  controls.label->setGeometry(ToQRect(DuRect(layout.labelPos.x, layout.labelPos.y, layout.labelWidth, kLabelHeight)));
  controls.label->setCursor(Qt::PointingHandCursor);
  SetTextColour(controls.label, TextColor(layout.labelId));
  controls.label->installEventFilter(this);
  controls.label->setVisible(layout.labelShown);

  controls.box = new QLineEdit(this);
  controls.box->setObjectName(QStringLiteral("edit%1").arg(layout.boxId));
  controls.box->setReadOnly(true);
  controls.box->setAlignment(Qt::AlignCenter);
  controls.box->setGeometry(ToQRect(DuRect(layout.boxPos.x, layout.boxPos.y, kValueBoxSize.x, kValueBoxSize.y)));
  controls.box->installEventFilter(this);
  controls.box->hide();
}

void CData::FormatRunningLog() {
  m_logFormatted = true;
  RunningLogTexts texts = ::vuriru::FormatRunningLog(m_block);
  const std::array<const std::string*, kRunningLogCount> byValue = {&texts.batteryMinVoltage, &texts.escMaxTemp,
                                                                    &texts.motorMaxTemp, &texts.motorMaxRpm};
  for (size_t i = 0; i < kRunningLogCount; ++i) {
    QString text = ShownLogText(*byValue[i]);
    m_controls[i].box->setText(text);
    m_controls[i].label->setText(text);
  }
}

void CData::ShowHelpFor(RunningLog value) {
  m_helpText = kLayout[Index(value)].helpText;
  m_helpPanel->ShowText(SettingText(m_helpText));
}

void CData::Retranslate() {
  if (m_logFormatted) {
    FormatRunningLog();
  } else {
    for (const ValueLayout& layout : kLayout) {
      m_controls[Index(layout.value)].label->setText(SettingText(RunningLogRowFor(layout.value).caption));
    }
  }
  if (!m_helpPanel->isHidden()) m_helpPanel->ShowText(SettingText(m_helpText));
  m_historyButton->setText(SettingText(kHistoryCaption));
  m_background = LoadArtwork("7.bmp");
  update();
}

void CData::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void CData::ClearHelp() {
  m_helpText.clear();
  m_helpPanel->Clear();
}

QColor CData::TextColor(int controlId) const {
  if (controlId >= kFirstValueLabelId && controlId <= kLastValueBoxId) return QColor(0x00, 0x00, 0x00);
  return QColor(0xff, 0xff, 0xff);
}

void CData::paintEvent(QPaintEvent*) {
  if (m_background.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), m_background);
}

bool CData::eventFilter(QObject* watched, QEvent* event) {
  const bool click = event->type() == QEvent::MouseButtonPress;
  const bool focus = event->type() == QEvent::FocusIn;
  if (click || focus) {
    for (size_t i = 0; i < kRunningLogCount; ++i) {
      const bool labelClicked = click && watched == m_controls[i].label;
      const bool boxFocused = focus && watched == m_controls[i].box;
      if (labelClicked || boxFocused) ShowHelpFor(kLayout[i].value);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vuriru
