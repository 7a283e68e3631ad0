// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/snapshots/part_shots.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <QPainter>
#include <QWidget>

#include "widgets/kit/artwork.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"
#include "window/button_host.h"

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

// A button as the window shows it: drawn over the pictures' dark ground.
class OnGround {
 public:
  OnGround(int controlId, ButtonHost& host) : m_button(controlId, host, &m_ground) {
    m_ground.setAutoFillBackground(true);
    m_ground.setPalette(QPalette(QColor(0x12, 0x15, 0x19)));
    m_button.resize(m_button.sizeHint());
    m_ground.resize(m_button.size());
  }
  CCownerDrawBton& Button() { return m_button; }
  QPixmap Grab() { return m_ground.grab(); }

 private:
  QWidget m_ground;
  CCownerDrawBton m_button;
};

// Each button normal, pressed and dimmed, three buttons to a row; the
// indicators in all their states, and the application icon at three sizes.
void ButtonSheet(Snapshots& shots) {
  std::vector<std::vector<QPixmap>> rows;
  int inRow = 0;
  for (int id : kButtonIds) {
    if (inRow++ % 3 == 0) rows.emplace_back();
    IdleHost host;
    OnGround shown(id, host);
    rows.back().push_back(shown.Grab());
    shown.Button().setDown(true);
    rows.back().push_back(shown.Grab());
    // Dimmed from its normal look (a page button pressed once stays selected).
    IdleHost idle;
    OnGround dimmed(id, idle);
    dimmed.Button().SetDimmed(true);
    rows.back().push_back(dimmed.Grab());
  }
  IdleHost host;
  OnGround esc(button_id::kEscIndicator, host);
  OnGround usb(button_id::kUsbIndicator, host);
  rows.push_back({esc.Grab(), usb.Grab()});
  host.State().g_lcdMode = true;
  rows.back().push_back(esc.Grab());
  host.State().g_escPresent = 1;
  host.State().g_adapterReady = 1;
  rows.back().push_back(esc.Grab());
  rows.back().push_back(usb.Grab());
  rows.push_back({AppIcon().pixmap(16, 16), AppIcon().pixmap(32, 32), AppIcon().pixmap(64, 64)});
  shots.Save(Sheet(rows), QStringLiteral("buttons"));
}

}  // namespace vuriru::snapshots
