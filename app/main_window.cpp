// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "settings/settings_table.h"
#include "widgets/charts/run_log_view.h"
#include "widgets/history/history_dlg.h"
#include "widgets/kit/about_dlg.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/layout/dialog_units.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"
#include "window/history_browser.h"

namespace vuriru {

namespace {

constexpr int kWidthDu = 443;
constexpr int kHeightDu = 310;
constexpr int kButtonWidth = 66;
constexpr int kButtonHeight = 74;
constexpr int kButtonGap = 5;
constexpr int kPageLeft = 4;
constexpr int kPageTop = kButtonHeight + 4;

// The button row from left to right: the seven page buttons, Apply, Default.
constexpr std::array kRowButtons = {button_id::kDeviceInfo, button_id::kGeneral, button_id::kThrottle,
                                    button_id::kBrake,      button_id::kBoost,   button_id::kTurbo,
                                    button_id::kData,       button_id::kApply,   button_id::kDefault};
constexpr int kStatusHeight = 22;
// The strip on the right that carries the indicators and the picture's caption.
constexpr int kRightStripWidth = 60;

SettingsBlock FactorySettings() {
  SettingsBlock block;
  LoadFactorySettings(block);
  return block;
}

}  // namespace

CQorProDlg::CQorProDlg(Scheduler& scheduler, HidLibrary& hid, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      m_scheduler(scheduler),
      m_dialogs(dialogs),
      m_settings(FactorySettings()),
      m_link(hid, m_state, scheduler),
      m_controller({m_state, m_engine, m_link, scheduler, *this, dialogs, m_settings, m_curves}),
      m_engine({m_link, scheduler, m_state, m_controller, m_settings, m_v1Settings, m_curves}),
      m_hotplug(m_link, m_state, scheduler, m_engine) {
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  BuildMenu();
  BuildButtons();
  BuildPages();
  const int menuHeight = m_menuHeight;
  setFixedSize(DuX(kWidthDu), DuY(kHeightDu) + menuHeight);
  BuildStatusLine();
}

CQorProDlg::~CQorProDlg() {
  m_controller.Stop();
  m_link.Close();
}

void CQorProDlg::BuildMenu() {
  m_menuBar = new QMenuBar(this);
  QMenu* file = m_fileMenu = m_menuBar->addMenu(QString());
  m_fileActions[0] = file->addAction(QString(), this, [this] { OnExportData(); });
  m_fileActions[1] = file->addAction(QString(), this, [this] { OnImportData(); });
  file->addSeparator();
  // The About item sits at the end of the File menu: Qt cannot add it to the
  // window manager's menu.
  m_fileActions[2] = file->addAction(QString(), this, [this] {
    CAboutDlg about(this);
    about.exec();
  });
  m_historyAction = file->addAction(QString(), this, [this] { OnHistory(); });
  // Through the close path, so that it asks before anything is lost.
  m_fileActions[3] = file->addAction(QString(), this, [this] { close(); });
  QMenu* device = m_deviceMenu = m_menuBar->addMenu(QString());
  m_deviceActions[0] = device->addAction(QString(), this, [this] { OnDeviceEsc(); });
  m_deviceActions[1] = device->addAction(QString(), this, [this] { OnDeviceLcd(); });
  // Each language is named in its own words, so that it can be found
  // whichever language the window shows.
  m_languageMenu = m_menuBar->addMenu(QString());
  m_englishAction =
      m_languageMenu->addAction(QStringLiteral("English"), this, [this] { ChooseLanguage(Language::kEnglish); });
  m_chineseAction =
      m_languageMenu->addAction(QStringLiteral("中文"), this, [this] { ChooseLanguage(Language::kChinese); });
  for (QAction* choice : {m_englishAction, m_chineseAction}) choice->setCheckable(true);
  RetranslateMenus();
  // One height in every language, so that the buttons and pages below sit in
  // the same place: the titles' height in the taller of the two scripts (a
  // title the bar cannot hold in full height goes behind its extension too).
  const QFontMetrics metrics(m_menuBar->font());
  const auto textHeight = [&metrics](const QString& text) { return metrics.size(Qt::TextShowMnemonic, text).height(); };
  const int shown = textHeight(m_fileMenu->title());
  const int tallest = std::max({shown, textHeight(QStringLiteral("&File")), textHeight(QStringLiteral("文件(&F)"))});
  m_menuHeight = m_menuBar->sizeHint().height() + tallest - shown;
  m_menuBar->setFixedHeight(m_menuHeight);
  RetranslateMenus();
  // The menu-initialisation message: a shown V1 panel takes its menu picture.
  for (QMenu* menu : {file, device}) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      if (m_v1Dlg != nullptr && m_v1Dlg->isVisible()) m_v1Dlg->OnMenuInit();
    });
  }
}

void CQorProDlg::RetranslateMenus() {
  m_fileMenu->setTitle(MessageText(QT_TRANSLATE_NOOP("Messages", "&File")));
  m_fileActions[0]->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "Export Esc Data")));
  m_fileActions[1]->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "Import ESC Data")));
  m_fileActions[2]->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "&About Calvex...")));
  m_historyAction->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "History...")));
  m_fileActions[3]->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "E&xit")));
  m_deviceMenu->setTitle(MessageText(QT_TRANSLATE_NOOP("Messages", "&Device")));
  m_deviceActions[0]->setText(MessageText(QT_TRANSLATE_NOOP("Messages", "ESC Speed Controller")));
  // A name: the same in every language.
  m_deviceActions[1]->setText(QStringLiteral("RUZ Oviveru Ruv"));
  m_languageMenu->setTitle(MessageText(QT_TRANSLATE_NOOP("Messages", "&Language")));
  m_englishAction->setChecked(CurrentLanguage() == Language::kEnglish);
  m_chineseAction->setChecked(CurrentLanguage() == Language::kChinese);
  // No layout sizes the bar: it takes its width from the titles now shown,
  // else it would hide longer ones behind its extension button.
  m_menuBar->resize(m_menuBar->sizeHint().width(), m_menuHeight);
}

void CQorProDlg::ChooseLanguage(Language language) {
  // A translation that cannot be loaded leaves the window as it is.
  if (SetLanguage(language)) RememberLanguage(language);
  RetranslateMenus();
}

void CQorProDlg::Retranslate() {
  RetranslateMenus();
  // The pictures print words: load the current ones again in this language.
  if (QPixmap start = LoadArtwork(m_startFile); !start.isNull()) m_bmpStart = start;
  if (!m_backgroundFile.empty()) {
    if (QPixmap background = LoadArtwork(m_backgroundFile); !background.isNull()) m_bmpBackground = background;
  }
  if (!m_statusSource.empty()) m_statusLine->setText(MessageText(m_statusSource));
  if (!m_progressCaption.empty()) m_progress->SetCaption(MessageText(m_progressCaption));
  for (const auto& [id, button] : m_buttons) button->update();
  update();
}

void CQorProDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && m_menuBar != nullptr) Retranslate();
  QDialog::changeEvent(event);
}

void CQorProDlg::BuildButtons() {
  const int top = m_menuHeight;
  int x = 4;
  for (int id : kRowButtons) {
    auto* button = new CCownerDrawBton(id, *this, this);
    button->setGeometry(x, top, kButtonWidth, kButtonHeight);
    x += kButtonWidth + kButtonGap;
    m_buttons[id] = button;
    const int page = PageNumberOfButton(id);
    if (page != 0) {
      connect(button, &QAbstractButton::clicked, this, [this, page] { OnPageButton(static_cast<uint8_t>(page)); });
    }
  }
  connect(m_buttons[button_id::kApply], &QAbstractButton::clicked, this, [this] { OnApply(); });
  connect(m_buttons[button_id::kDefault], &QAbstractButton::clicked, this, [this] { OnDefault(); });
  // The two indicators sit to the right of the page area.
  const int indicatorX = DuX(kWidthDu) - 56;
  for (int id : {button_id::kEscIndicator, button_id::kUsbIndicator}) {
    auto* indicator = new CCownerDrawBton(id, *this, this);
    indicator->setGeometry(indicatorX, top + kPageTop + (id == button_id::kEscIndicator ? 10 : 72), 53, 56);
    indicator->hide();
    m_buttons[id] = indicator;
  }
  // The language buttons exist but are never shown and do nothing.
  for (int id : {button_id::kEnglish, button_id::kChinese}) {
    auto* language = new CCownerDrawBton(id, *this, this);
    language->hide();
    m_buttons[id] = language;
  }
}

void CQorProDlg::BuildStatusLine() {
  m_statusLine = new QLabel(this);
  m_statusLine->setObjectName(QStringLiteral("statusLine"));
  // Across the page area, clear of the strip on the right.
  m_statusLine->setGeometry(8, height() - kStatusHeight - 4, width() - 16 - kRightStripWidth, kStatusHeight);
  m_statusLine->setStyleSheet(
      QStringLiteral("QLabel { color: #f0f0f0; background: rgba(20, 22, 26, 200); "
                     "border-left: 3px solid #ff8a1c; padding-left: 6px; }"));
  m_statusLine->hide();
}

QString CQorProDlg::StatusLineText() const {
  return m_statusLine->isHidden() ? QString() : m_statusLine->text();
}

void CQorProDlg::BuildPages() {
  const int top = m_menuHeight + kPageTop;
  m_pages = std::make_unique<CPageSet>(
      CPageSet::Parts{m_settings, m_curves, *this, m_engine.SoftwareVersionText(), m_engine.ConnectVersionText(),
                      [this] { m_controller.StartFirmwareUpdate(); }},
      this, kPageLeft, top);
  connect(DataPage(), &CData::historyRequested, this, [this] { OnRunLogHistory(); });
  m_progress = new CEscProcessDlg(this);
  m_progress->hide();
  m_v1Dlg = new CV1Dlg(m_v1Settings, *this, this);
  m_cnV1Dlg = new CCnV1Dlg(m_cnV1Settings, *this, this);
  for (QWidget* panel : {static_cast<QWidget*>(m_v1Dlg), static_cast<QWidget*>(m_cnV1Dlg)}) {
    panel->move(kPageLeft, top);
    panel->hide();
  }
}

CCownerDrawBton* CQorProDlg::Button(int controlId) const {
  auto found = m_buttons.find(controlId);
  return found == m_buttons.end() ? nullptr : found->second;
}

bool CQorProDlg::LoadPicture(const std::string& file, QPixmap& into) {
  QPixmap picture = LoadArtwork(file);
  if (picture.isNull()) {
    m_missingPicture = file;
    return false;
  }
  into = picture;
  return true;
}

void CQorProDlg::KeepHistoryIn(Library& library) {
  m_library = &library;
  m_controller.KeepHistoryIn(library, m_v1Settings);
}

void CQorProDlg::OnRunLogHistory() {
  if (m_library == nullptr) return;
  RunLogView::Open(*m_library, this);
}

void CQorProDlg::OnHistory() {
  if (m_library == nullptr) return;
  HistoryBrowser browser(*m_library, m_controller, m_dialogs);
  CHistoryDlg history(browser, this);
  history.exec();
  m_controller.UpdateCommandLooks();
}

bool CQorProDlg::OnInitDialog() {
  if (!LoadPicture(m_startFile, m_bmpBackground) || !LoadPicture(m_startFile, m_bmpStart)) {
    reject();
    return false;
  }
  m_backgroundFile = m_startFile;
  m_controller.Start();
  return true;
}

const QPixmap& CQorProDlg::PaintedBackground() const {
  return m_state.g_pageChosen ? m_bmpBackground : m_bmpStart;
}

void CQorProDlg::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int top = m_menuHeight;
  painter.drawPixmap(QPoint(0, top), PaintedBackground(), QRect(0, 0, width(), height() - top));
}

}  // namespace vuriru
