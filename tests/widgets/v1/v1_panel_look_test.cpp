// SPDX-License-Identifier: GPL-3.0-or-later
// The V1 panels' layout: the buttons and indicators at their images' sizes,
// drawn unscaled, the "ESC" and "USB" labels beside the indicators, the
// accent highlight in the lists, and a panel that fills the window's client
// area without an empty band.

#include <algorithm>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "widgets/kit/artwork.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/layout/dialog_units.h"
#include "widgets/layout/theme_colours.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/recording_panel_host.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

QImage Rgb(const QPixmap& picture) {
  return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

// The tallest run of rows, from the top of `panel` to its bottom, that no
// shown part of the panel reaches into.
int TallestEmptyBand(const QWidget& panel) {
  std::vector<bool> covered(static_cast<size_t>(panel.height()), false);
  for (const QWidget* part : panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (part->isHidden()) continue;
    const QRect place = part->geometry().intersected(panel.rect());
    for (int y = place.top(); y <= place.bottom(); ++y) covered[static_cast<size_t>(y)] = true;
  }
  int tallest = 0;
  int run = 0;
  for (bool rowCovered : covered) {
    run = rowCovered ? 0 : run + 1;
    tallest = std::max(tallest, run);
  }
  return tallest;
}

class V1PanelLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureV1QtApplication(); }

  testing::RecordingPanelHost host;
  V1SettingsBlock block;
  CV1Dlg panel{block, host};
};

TEST_F(V1PanelLook, ButtonsAndIndicatorsShowTheirImagesUnscaled) {
  const int buttons[] = {CV1Dlg::kReadButtonId, CV1Dlg::kSendButtonId, CV1Dlg::kFirmwareButtonId};
  const int images[] = {191, 193, 217};
  for (size_t i = 0; i < 3; ++i) {
    CCownerDrawBton* button = panel.Button(buttons[i]);
    EXPECT_EQ(button->size(), QSize(121, 31)) << buttons[i];
    EXPECT_EQ(Rgb(button->grab()), Rgb(ResourceImage(images[i]))) << buttons[i];
    // The image carries the caption; nothing is laid over it.
    EXPECT_TRUE(button->findChildren<QWidget*>().isEmpty()) << buttons[i];
  }
  for (int id : {CV1Dlg::kEscIndicatorId, CV1Dlg::kUsbIndicatorId}) {
    CCownerDrawBton* indicator = panel.Button(id);
    EXPECT_EQ(indicator->size(), QSize(53, 56)) << id;
    const QImage shown = Rgb(indicator->grab());
    EXPECT_EQ(shown, Rgb(ResourceImage(indicator->ShownImage()))) << id;
  }
}

TEST_F(V1PanelLook, EscAndUsbLabelsStandBesideTheirIndicators) {
  const std::pair<int, int> pairs[] = {{1215, CV1Dlg::kEscIndicatorId}, {1216, CV1Dlg::kUsbIndicatorId}};
  for (const auto& [labelId, indicatorId] : pairs) {
    const QLabel* label = panel.Label(labelId);
    ASSERT_NE(label, nullptr) << labelId;
    const QRect indicator = panel.Button(indicatorId)->geometry();
    EXPECT_LE(label->geometry().right(), indicator.left()) << labelId;
    EXPECT_GE(label->geometry().right(), indicator.left() - 16) << labelId;
    EXPECT_TRUE(indicator.contains(QPoint(indicator.center().x(), label->geometry().center().y()))) << labelId;
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << labelId;
  }
  EXPECT_EQ(panel.Label(1215)->text(), "ESC");
  EXPECT_EQ(panel.Label(1216)->text(), "USB");
  // The two indicator symbols tell themselves apart without a caption.
  EXPECT_NE(Rgb(ResourceImage(image_id::kEscAbsent)), Rgb(ResourceImage(image_id::kUsbAbsent)));
  EXPECT_NE(Rgb(ResourceImage(image_id::kEscPresent)), Rgb(ResourceImage(image_id::kEscLcd)));
}

TEST_F(V1PanelLook, ListsHighlightInTheAccentColour) {
  for (size_t i = 0; i < kV1SettingCount; ++i) {
    EXPECT_EQ(panel.List(i)->view()->palette().color(QPalette::Highlight), QColor(theme::kAccent)) << i;
  }
}

// Inside the window the panel takes the whole client area below the menu,
// where the button row and the indicator strip would be; its parts spread
// over its height.
TEST_F(V1PanelLook, FillsTheWindowsClientAreaWithoutAnEmptyBand) {
  QWidget window;
  auto* menu = new QMenuBar(&window);
  menu->addMenu(QStringLiteral("&File"));
  window.resize(DuX(443), DuY(310) + menu->sizeHint().height());
  testing::RecordingPanelHost windowHost;
  V1SettingsBlock windowBlock;
  auto* inside = new CV1Dlg(windowBlock, windowHost, &window);
  inside->move(4, menu->sizeHint().height() + 78);  // where the window places its pages
  inside->hide();
  window.show();
  inside->show();
  EXPECT_EQ(inside->geometry(), QRect(0, menu->sizeHint().height(), DuX(443), DuY(310)));
  EXPECT_LE(TallestEmptyBand(*inside), 30);

  CnV1SettingsBlock cnBlock;
  CCnV1Dlg cn(cnBlock, host);
  cn.show();
  EXPECT_LE(TallestEmptyBand(cn), 30);
  // No two parts overlap.
  std::vector<QRect> places;
  for (const QWidget* part : cn.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!part->isHidden()) places.push_back(part->geometry());
  }
  for (size_t i = 0; i < places.size(); ++i) {
    for (size_t j = i + 1; j < places.size(); ++j) EXPECT_FALSE(places[i].intersects(places[j])) << i << " " << j;
  }
}

}  // namespace
}  // namespace vuriru
