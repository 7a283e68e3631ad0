#include "app/main_window.h"

#include <QAction>
#include <QApplication>
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
#include "widgets/kit/about_dlg.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/layout/dialog_units.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"

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
      m_engine({m_link, scheduler, m_state, *this, m_settings, m_v1Settings, m_curves}),
      m_hotplug(m_link, m_state, scheduler, *this) {
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  BuildMenu();
  BuildButtons();
  BuildPages();
  const int menuHeight = m_menuBar->sizeHint().height();
  setFixedSize(DuX(kWidthDu), DuY(kHeightDu) + menuHeight);
  BuildStatusLine();
  m_scheduler.SetTimerHandler([this](int id) {
    m_engine.HandleTimer(id);
    // Whatever the tick changed, the buttons' looks follow within a tick.
    UpdateCommandLooks();
  });
}

CQorProDlg::~CQorProDlg() {
  m_scheduler.SetTimerHandler({});
  m_firmware.reset();
  m_link.Close();
}

void CQorProDlg::BuildMenu() {
  m_menuBar = new QMenuBar(this);
  QMenu* file = m_menuBar->addMenu(QStringLiteral("&File"));
  m_exportAction = file->addAction(QStringLiteral("Export Esc Data"), this, [this] { OnExportData(); });
  m_importAction = file->addAction(QStringLiteral("Import ESC Data"), this, [this] { OnImportData(); });
  file->addSeparator();
  // The About item sits at the end of the File menu: Qt cannot add it to the
  // window manager's menu.
  file->addAction(QStringLiteral("&About Calvex..."), this, [this] {
    CAboutDlg about(this);
    about.exec();
  });
  // Through the close path, so that it asks before anything is lost.
  file->addAction(QStringLiteral("E&xit"), this, [this] { close(); });
  QMenu* device = m_menuBar->addMenu(QStringLiteral("&Device"));
  m_escAction = device->addAction(QStringLiteral("ESC Speed Controller"), this, [this] { OnDeviceEsc(); });
  m_lcdAction = device->addAction(QStringLiteral("RUZ Oviveru Ruv"), this, [this] { OnDeviceLcd(); });
  // The menu-initialisation message: a shown V1 panel takes its menu picture.
  for (QMenu* menu : {file, device}) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      if (m_v1Dlg != nullptr && m_v1Dlg->isVisible()) m_v1Dlg->OnMenuInit();
    });
  }
}

void CQorProDlg::BuildButtons() {
  const int top = m_menuBar->sizeHint().height();
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

void CQorProDlg::BuildPages() {
  const QPoint at(kPageLeft, m_menuBar->sizeHint().height() + kPageTop);
  m_firmwarePage = new CFirmware(
      *this, m_engine.SoftwareVersionText(), m_engine.ConnectVersionText(), [this] { StartFirmwareUpdate(); }, this);
  m_general = new CGeneral(m_settings, this);
  m_throttle = new CThrottle(m_settings, m_curves, *this, this);
  m_brake = new CBrake(m_settings, m_curves, *this, this);
  m_boost = new CBoost(m_settings, m_curves, *this, this);
  m_turbo = new CTurbo(m_settings, this);
  m_data = new CData(m_settings, this);
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) {
    QWidget* widget = PageWidget(page);
    widget->move(at);
    widget->hide();
  }
  m_progress = new CEscProcessDlg(this);
  m_progress->hide();
  m_v1Dlg = new CV1Dlg(m_v1Settings, *this, this);
  m_cnV1Dlg = new CCnV1Dlg(m_cnV1Settings, *this, this);
  for (QWidget* panel : {static_cast<QWidget*>(m_v1Dlg), static_cast<QWidget*>(m_cnV1Dlg)}) {
    panel->move(at);
    panel->hide();
  }
}

QWidget* CQorProDlg::PageWidget(uint8_t page) const {
  switch (page) {
    case page::kDeviceInfo:
      return m_firmwarePage;
    case page::kGeneral:
      return m_general;
    case page::kThrottle:
      return m_throttle;
    case page::kBrake:
      return m_brake;
    case page::kBoost:
      return m_boost;
    case page::kTurbo:
      return m_turbo;
    case page::kData:
      return m_data;
    default:
      return nullptr;
  }
}

std::array<CSettingsPage*, 5> CQorProDlg::SettingsPages() const {
  return {m_general, m_throttle, m_brake, m_boost, m_turbo};
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

bool CQorProDlg::OnInitDialog() {
  if (!LoadPicture(m_startFile, m_bmpBackground) || !LoadPicture(m_startFile, m_bmpStart)) {
    reject();
    return false;
  }
  m_backgroundFile = m_startFile;
  SetButtonRowShown(false);

  m_state.g_selectedPage = page::kNoneSelected;
  m_state.g_currentPage = page::kNoneShown;
  m_state.g_adapterReady = 0;
  m_state.g_escPresent = 0;
  m_state.g_linkState = link_state::kNoLink;
  m_state.g_deviceType = device_type::kNone;
  m_engine.Retry() = 0;
  m_nConfirmState = 0;
  m_state.g_pageChosen = false;

  ShowStatusIndicators(true);
  ShowPage(m_state.g_selectedPage);

  m_state.g_curveEditorOpen = 0;
  m_state.g_transferPending = 1;
  m_state.g_refreshPages = 1;
  m_state.g_progressPos = 0;
  m_state.g_updateDoneNotice = 0;
  m_state.g_progressRange = 409;
  m_state.g_backgroundDirty = false;
  RedrawIndicators();

  m_link.SetDevicePath(m_link.GetLastLinkDevicePath());
  m_state.settingsRead = 0;
  m_progress->SetCaption(QStringLiteral("Read From Esc Process......"));
  m_scheduler.StartTimer(timer_id::kConnect, 500);
  UpdateCommandLooks();
  return true;
}

void CQorProDlg::SetButtonRowShown(bool shown) {
  for (int id : kRowButtons) m_buttons[id]->setVisible(shown);
}

void CQorProDlg::SetSettingsButtonsShown(bool shown) {
  for (int id : kRowButtons) {
    if (id != button_id::kDeviceInfo) m_buttons[id]->setVisible(shown);
  }
}

void CQorProDlg::HidePagesAndEditors() {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) PageWidget(page)->hide();
  m_throttle->Editor()->hide();
  m_brake->Editor()->hide();
  m_boost->Editor()->hide();
  // A V1 panel left on show would sit over the start picture after its
  // controller is gone.
  m_v1Dlg->hide();
  m_cnV1Dlg->hide();
}

void CQorProDlg::ShowPage(uint8_t page) {
  if (m_state.g_curveEditorOpen != 0 || m_state.g_currentPage == m_state.g_selectedPage) return;
  const bool controllerReady =
      m_state.g_linkState == link_state::kOpen && m_state.g_adapterReady == 1 && m_state.g_escPresent == 1;
  if (!controllerReady && !m_state.g_lcdMode) {
    SetButtonRowShown(true);
    HidePagesAndEditors();
    ShowStatusIndicators(true);
    m_state.g_backgroundDirty = true;
    ReloadBackground();
    update();
    return;
  }
  if (m_state.g_deviceType == device_type::kV1) {
    SetButtonRowShown(false);
    m_v1Dlg->show();
    m_cnV1Dlg->hide();
  } else if (m_state.g_deviceType == device_type::kFull) {
    const int focusId = m_state.g_currentPage >= page::kDeviceInfo && m_state.g_currentPage <= page::kData
                            ? button_id::kDeviceInfo + m_state.g_currentPage - 1
                            : button_id::kDeviceInfo;
    m_buttons[focusId]->setFocus();
    if (controllerReady) {
      SetButtonRowShown(!m_state.g_lcdMode);
    } else {
      // The RUZ Oviveru Ruv alone: its device page and nothing else.
      SetSettingsButtonsShown(false);
      m_buttons[button_id::kDeviceInfo]->show();
      for (uint8_t other = page::kGeneral; other <= page::kData; ++other) PageWidget(other)->hide();
      m_firmwarePage->show();
      m_state.g_backgroundDirty = true;
    }
    ShowStatusIndicators(true);
    if (QWidget* old = PageWidget(m_state.g_currentPage)) old->hide();
    if (QWidget* shown = PageWidget(page)) shown->show();
    m_state.g_backgroundDirty = true;
    ReloadBackground();
  } else if (m_state.g_deviceType == device_type::kV1Chinese) {
    SetButtonRowShown(false);
    m_cnV1Dlg->show();
    m_v1Dlg->hide();
  }
  update();
}

void CQorProDlg::ReloadBackground() {
  if (!m_state.g_backgroundDirty) return;
  m_state.g_backgroundDirty = false;
  std::string file = "1.bmp";
  if (m_state.g_linkState == link_state::kOpen) {
    if (m_state.g_adapterReady == 1 && m_state.g_escPresent == 1) {
      switch (m_state.g_deviceType) {
        case device_type::kV1:
          file = "V1Menu.bmp";
          break;
        case device_type::kV1Chinese:
          file = "CnV1Menu.bmp";
          break;
        case device_type::kFull:
          file = "V3Menu.bmp";
          break;
        default:
          break;
      }
    } else if (m_state.g_lcdMode) {
      file = "V3Menu.bmp";
    }
  }
  if (file == m_backgroundFile && !m_bmpBackground.isNull()) return;
  if (!LoadPicture(file, m_bmpBackground)) {
    reject();
    return;
  }
  m_backgroundFile = file;
  update();
}

void CQorProDlg::ShowStatusIndicators(bool show) {
  if (show) {
    m_buttons[button_id::kEscIndicator]->show();
    m_buttons[button_id::kUsbIndicator]->show();
  } else if (m_state.g_deviceType != device_type::kFull) {
    m_buttons[button_id::kEscIndicator]->hide();
    m_buttons[button_id::kUsbIndicator]->hide();
  }
}

const QPixmap& CQorProDlg::PaintedBackground() const {
  return m_state.g_pageChosen ? m_bmpBackground : m_bmpStart;
}

void CQorProDlg::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int top = m_menuBar->sizeHint().height();
  painter.drawPixmap(QPoint(0, top), PaintedBackground(), QRect(0, 0, width(), height() - top));
}

bool CQorProDlg::IsBusy() const {
  return m_state.g_transferPending != 0 || m_state.g_curveEditorOpen != 0 || m_state.g_linkState != link_state::kOpen ||
         m_state.g_adapterReady == 0 || m_state.g_escPresent == 0;
}

}  // namespace vuriru
