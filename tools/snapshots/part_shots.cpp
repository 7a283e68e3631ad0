#include "tools/snapshots/part_shots.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <QPainter>

#include "app/artwork.h"
#include "app/button_art.h"
#include "app/button_host.h"
#include "app/owner_draw_button.h"

namespace vuriru::snapshots {
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

constexpr int kButtonIds[] = {button_id::kDeviceInfo,     button_id::kGeneral,      button_id::kThrottle,
                              button_id::kBrake,          button_id::kBoost,        button_id::kTurbo,
                              button_id::kData,           button_id::kApply,        button_id::kDefault,
                              button_id::kReset,          button_id::kOk,           button_id::kCancel,
                              button_id::kEnglish,        button_id::kChinese,      button_id::kSendSettings,
                              button_id::kUpdateFirmware, button_id::kReadSettings, button_id::kUpData};

// Lays the pictures out in rows, left to right, on the pictures' ground.
QPixmap Sheet(const std::vector<std::vector<QPixmap>>& rows) {
  const int gap = 10;
  int width = 0;
  int height = gap;
  for (const auto& row : rows) {
    int rowWidth = gap;
    int rowHeight = 0;
    for (const QPixmap& picture : row) {
      rowWidth += picture.width() + gap;
      rowHeight = std::max(rowHeight, picture.height());
    }
    width = std::max(width, rowWidth);
    height += rowHeight + gap;
  }
  QPixmap sheet(width, height);
  sheet.fill(QColor(0x12, 0x15, 0x19));
  QPainter painter(&sheet);
  int y = gap;
  for (const auto& row : rows) {
    int x = gap;
    int rowHeight = 0;
    for (const QPixmap& picture : row) {
      painter.drawPixmap(x, y, picture);
      x += picture.width() + gap;
      rowHeight = std::max(rowHeight, picture.height());
    }
    y += rowHeight + gap;
  }
  return sheet;
}

}  // namespace

void BackgroundShots(Snapshots& shots) {
  const char* const files[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "V1Menu", "V3Menu", "CnV1Menu", "V1", "LB"};
  for (const char* file : files) {
    QPixmap picture = LoadArtwork(std::string(file) + ".bmp");
    if (picture.isNull()) {
      shots.Fail(QStringLiteral("%1.bmp is missing beside the program").arg(QLatin1String(file)));
      continue;
    }
    shots.Save(picture, QStringLiteral("background-%1").arg(QLatin1String(file)));
  }
}

// Each button normal, pressed and dimmed, three buttons to a row; the
// indicators in all their states on the last row.
void ButtonSheet(Snapshots& shots) {
  std::vector<std::vector<QPixmap>> rows;
  int inRow = 0;
  for (int id : kButtonIds) {
    if (inRow++ % 3 == 0) rows.emplace_back();
    IdleHost host;
    CCownerDrawBton button(id, host);
    button.resize(button.sizeHint());
    rows.back().push_back(button.grab());
    button.setDown(true);
    rows.back().push_back(button.grab());
    button.setDown(false);
    button.SetDimmed(true);
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
  rows.push_back({AppIcon().pixmap(16, 16), AppIcon().pixmap(32, 32), AppIcon().pixmap(64, 64)});
  shots.Save(Sheet(rows), QStringLiteral("buttons"));
}

}  // namespace vuriru::snapshots
