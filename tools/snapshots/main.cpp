// Renders the widgets built so far, offscreen, to PNG files in telling states,
// so that the look can be reviewed without a device:
//   vuriru-snapshots OUTDIR

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "app/button_art.h"
#include "app/button_host.h"
#include "app/esc_process_dlg.h"
#include "app/owner_draw_button.h"
#include "pages/general_page.h"

namespace vuriru {
namespace {

// A window that is never busy, so that pressed buttons draw pressed.
class IdleHost : public ButtonHost {
 public:
  bool IsBusy() const override { return false; }
  SharedState& State() override { return m_state; }
  int& ConfirmState() override { return m_confirm; }

 private:
  SharedState m_state;
  int m_confirm = 0;
};

class Snapshots {
 public:
  explicit Snapshots(const QString& dir) : m_dir(dir) {}

  void Save(QWidget& widget, const QString& name) {
    QString path = m_dir.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
      std::fprintf(stderr, "vuriru-snapshots: cannot write %s\n", qPrintable(path));
      m_ok = false;
    }
  }
  bool Ok() const { return m_ok; }

 private:
  QDir m_dir;
  bool m_ok = true;
};

void GeneralPageShots(Snapshots& shots) {
  SettingsBlock block;
  CGeneral page(block);
  page.show();
  shots.Save(page, QStringLiteral("general-startup"));
  page.ApplyFactoryIndexes();
  shots.Save(page, QStringLiteral("general-default"));
  page.OpenList(page.RowOf(Setting::VoltageCutoff));
  shots.Save(page, QStringLiteral("general-list-open"));
}

void ProgressShot(Snapshots& shots) {
  CEscProcessDlg dialog;
  dialog.SetCaption(QStringLiteral("Data Transferring.. 50% done."));
  dialog.ShowProgress(440, 220);
  shots.Save(dialog, QStringLiteral("progress-50"));
}

void ButtonShots(Snapshots& shots) {
  const int ids[] = {button_id::kDeviceInfo,     button_id::kGeneral,      button_id::kThrottle,
                     button_id::kBrake,          button_id::kBoost,        button_id::kTurbo,
                     button_id::kData,           button_id::kApply,        button_id::kDefault,
                     button_id::kReset,          button_id::kOk,           button_id::kCancel,
                     button_id::kEnglish,        button_id::kChinese,      button_id::kSendSettings,
                     button_id::kUpdateFirmware, button_id::kReadSettings, button_id::kUpData};
  for (int id : ids) {
    IdleHost host;
    CCownerDrawBton button(id, host);
    button.resize(button.sizeHint());
    shots.Save(button, QStringLiteral("button-%1-normal").arg(id));
    button.setDown(true);
    shots.Save(button, QStringLiteral("button-%1-pressed").arg(id));
  }
  IdleHost host;
  CCownerDrawBton esc(button_id::kEscIndicator, host);
  CCownerDrawBton usb(button_id::kUsbIndicator, host);
  esc.resize(esc.sizeHint());
  usb.resize(usb.sizeHint());
  shots.Save(esc, QStringLiteral("indicator-esc-absent"));
  shots.Save(usb, QStringLiteral("indicator-usb-absent"));
  host.State().g_lcdMode = true;
  shots.Save(esc, QStringLiteral("indicator-esc-lcd"));
  host.State().g_escPresent = 1;
  host.State().g_adapterReady = 1;
  shots.Save(esc, QStringLiteral("indicator-esc-present"));
  shots.Save(usb, QStringLiteral("indicator-usb-ready"));
}

}  // namespace
}  // namespace vuriru

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vuriru-snapshots OUTDIR\n");
    return 2;
  }
  QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "vuriru-snapshots: cannot create %s\n", argv[1]);
    return 1;
  }
  vuriru::Snapshots shots(dir);
  vuriru::GeneralPageShots(shots);
  vuriru::ProgressShot(shots);
  vuriru::ButtonShots(shots);
  return shots.Ok() ? 0 : 1;
}
