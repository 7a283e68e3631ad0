// Renders the widgets built so far, offscreen, to PNG files in telling states,
// so that the look can be reviewed without a device:
//   vuriru-snapshots OUTDIR

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QWidget>

#include "app/artwork.h"
#include "app/button_art.h"
#include "app/button_host.h"
#include "app/esc_process_dlg.h"
#include "app/owner_draw_button.h"
#include "pages/general_page.h"
#include "pages/settings_pages.h"

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
  void Save(const QPixmap& picture, const QString& name) {
    QString path = m_dir.filePath(name + QStringLiteral(".png"));
    if (!picture.save(path)) {
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

// The pages that have no class of their own yet, built straight from their
// tables: their pictures with the value labels over them, after Default and
// with the first list open.
void TablePageShots(Snapshots& shots) {
  for (const PageTable* table : AllPageTables()) {
    if (table == &GeneralPageTable()) continue;
    SettingsBlock block;
    CSettingsPage page(*table, block);
    page.show();
    QString name = QString::fromStdString(table->title).toLower();
    page.ApplyFactoryIndexes();
    shots.Save(page, name + QStringLiteral("-default"));
    page.OpenList(0);
    shots.Save(page, name + QStringLiteral("-list-open"));
  }
}

// Every bitmap file beside the program, as the program finds it.
void BackgroundShots(Snapshots& shots) {
  const char* const files[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "V1Menu", "V3Menu", "CnV1Menu", "V1", "LB"};
  for (const char* file : files) {
    QPixmap picture = LoadArtwork(std::string(file) + ".bmp");
    if (picture.isNull()) {
      std::fprintf(stderr, "vuriru-snapshots: %s.bmp is missing beside the program\n", file);
      continue;
    }
    shots.Save(picture, QStringLiteral("background-%1").arg(QLatin1String(file)));
  }
}

// The dialog with a plain caption bar above it, since an offscreen window
// has no frame to show its caption in.
void ProgressShot(Snapshots& shots) {
  CEscProcessDlg dialog;
  dialog.SetCaption(QStringLiteral("Data Transferring.. 50% done."));
  dialog.ShowProgress(440, 220);
  QPixmap client = dialog.grab();
  const int captionHeight = 24;
  QPixmap framed(client.width(), client.height() + captionHeight);
  framed.fill(QColor(0x3c, 0x3f, 0x44));
  QPainter painter(&framed);
  painter.setPen(Qt::white);
  painter.drawText(QRect(8, 0, client.width() - 16, captionHeight), Qt::AlignVCenter | Qt::AlignLeft, dialog.Caption());
  painter.drawPixmap(0, captionHeight, client);
  painter.end();
  shots.Save(framed, QStringLiteral("progress-50"));
}

// Every button normal and pressed on one sheet, each pair side by side, three
// pairs to a row; the indicators in all their states on the last row.
void ButtonSheet(Snapshots& shots, const std::vector<int>& ids) {
  const int gap = 10;
  const int columns = 3;
  std::vector<std::vector<QPixmap>> rows;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i % columns == 0) rows.emplace_back();
    IdleHost host;
    CCownerDrawBton button(ids[i], host);
    button.resize(button.sizeHint());
    rows.back().push_back(button.grab());
    button.setDown(true);
    rows.back().push_back(button.grab());
  }
  IdleHost host;
  CCownerDrawBton esc(button_id::kEscIndicator, host);
  CCownerDrawBton usb(button_id::kUsbIndicator, host);
  esc.resize(esc.sizeHint());
  usb.resize(usb.sizeHint());
  rows.push_back({esc.grab(), usb.grab()});
  host.State().g_lcdMode = true;
  rows.back().push_back(esc.grab());
  host.State().g_escPresent = 1;
  host.State().g_adapterReady = 1;
  rows.back().push_back(esc.grab());
  rows.back().push_back(usb.grab());

  int pairWidth = 0;
  for (const auto& row : rows)
    for (size_t i = 0; i + 1 < row.size(); i += 2) pairWidth = std::max(pairWidth, row[i].width() + row[i + 1].width());
  int sheetWidth = gap + columns * (pairWidth + 3 * gap);
  int sheetHeight = gap;
  for (const auto& row : rows) {
    int height = 0;
    for (const QPixmap& picture : row) height = std::max(height, picture.height());
    sheetHeight += height + gap;
  }
  QPixmap sheet(sheetWidth, sheetHeight);
  sheet.fill(QColor(0x12, 0x15, 0x19));
  QPainter painter(&sheet);
  int y = gap;
  for (size_t r = 0; r < rows.size(); ++r) {
    const auto& row = rows[r];
    bool indicators = r + 1 == rows.size();
    int x = gap;
    int height = 0;
    for (size_t i = 0; i < row.size(); ++i) {
      painter.drawPixmap(x, y, row[i]);
      height = std::max(height, row[i].height());
      bool endOfPair = indicators || i % 2 == 1;
      x += endOfPair && !indicators ? pairWidth - row[i - 1].width() + 2 * gap : row[i].width() + gap;
    }
    y += height + gap;
  }
  painter.end();
  shots.Save(sheet, QStringLiteral("buttons"));
}

void ButtonShots(Snapshots& shots) {
  const int ids[] = {button_id::kDeviceInfo,     button_id::kGeneral,      button_id::kThrottle,
                     button_id::kBrake,          button_id::kBoost,        button_id::kTurbo,
                     button_id::kData,           button_id::kApply,        button_id::kDefault,
                     button_id::kReset,          button_id::kOk,           button_id::kCancel,
                     button_id::kEnglish,        button_id::kChinese,      button_id::kSendSettings,
                     button_id::kUpdateFirmware, button_id::kReadSettings, button_id::kUpData};
  ButtonSheet(shots, std::vector<int>(std::begin(ids), std::end(ids)));
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
  vuriru::TablePageShots(shots);
  vuriru::BackgroundShots(shots);
  vuriru::ProgressShot(shots);
  vuriru::ButtonShots(shots);
  return shots.Ok() ? 0 : 1;
}
