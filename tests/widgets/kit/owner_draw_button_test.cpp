// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/owner_draw_button.h"

#include <cstdlib>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "widgets/kit/artwork.h"
#include "widgets/kit/fake_button_host.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

int Argc = 1;
char Arg0[] = "test_app";
char* Argv[] = {Arg0, nullptr};

class OwnerDrawButton : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }

  // Draws the button as the window would and returns what it shows.
  static QImage Draw(CCownerDrawBton& button) {
    button.resize(button.sizeHint());
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  static QImage Resource(int imageId) { return ResourceImage(imageId).toImage().convertToFormat(QImage::Format_RGB32); }

  testing::FakeButtonHost host;
};

TEST_F(OwnerDrawButton, EveryImageIsCompiledInAtItsSize) {
  for (const ButtonImageInfo& info : AllButtonImages()) {
    QPixmap image = ResourceImage(info.imageId);
    ASSERT_FALSE(image.isNull()) << info.imageId;
    EXPECT_EQ(image.size(), QSize(info.width, info.height)) << info.imageId;
  }
  EXPECT_EQ(ResourceImage(image_id::kCurveGrid).size(), QSize(470, 253));
  EXPECT_TRUE(ResourceImage(4242).isNull());
}

TEST_F(OwnerDrawButton, DrawsNormalThenPressedImage) {
  CCownerDrawBton button(button_id::kBoost, host);
  QImage normal = Draw(button);
  EXPECT_EQ(button.ShownImage(), 136);
  EXPECT_EQ(normal, Resource(136));

  button.setDown(true);
  QImage pressed = Draw(button);
  EXPECT_EQ(button.ShownImage(), 169);
  EXPECT_EQ(pressed, Resource(169));
  EXPECT_NE(normal, pressed);
  EXPECT_EQ(host.state.g_selectedPage, page::kBoost);
}

TEST_F(OwnerDrawButton, PressWhileBusyLeavesThePicture) {
  CCownerDrawBton button(button_id::kData, host);
  Draw(button);
  host.busy = true;
  button.setDown(true);
  QImage whileBusy = Draw(button);
  EXPECT_EQ(button.ShownImage(), 139);
  EXPECT_EQ(whileBusy, Resource(139));
  EXPECT_EQ(host.state.g_selectedPage, page::kNoneSelected);
}

// Press and release handled before any painting, as a quick click can be:
// the click handler must still find the page the press selected.
TEST_F(OwnerDrawButton, QuickClickRecordsThePressBeforeTheClickHandlerRuns) {
  CCownerDrawBton button(button_id::kTurbo, host);
  button.resize(button.sizeHint());
  int selectedAtClick = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { selectedAtClick = host.state.g_selectedPage; });
  QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, button.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(&button, &press);
  QCoreApplication::sendEvent(&button, &release);
  EXPECT_EQ(selectedAtClick, page::kTurbo);
  EXPECT_EQ(host.state.g_lastPage, page::kTurbo);

  // While busy the same click records nothing.
  host.busy = true;
  CCownerDrawBton apply(button_id::kApply, host);
  apply.resize(apply.sizeHint());
  QCoreApplication::sendEvent(&apply, &press);
  QCoreApplication::sendEvent(&apply, &release);
  EXPECT_EQ(host.state.g_pressedCommand, command::kNone);
}

TEST_F(OwnerDrawButton, IndicatorRedrawsWithTheState) {
  CCownerDrawBton usb(button_id::kUsbIndicator, host);
  Draw(usb);
  EXPECT_EQ(usb.ShownImage(), image_id::kUsbAbsent);
  host.state.g_adapterReady = 1;
  EXPECT_EQ(Draw(usb), Resource(image_id::kUsbReady));
}

// Dimmed is a look only: the image chosen and a press recorded stay as they
// are, and the normal look comes back whole.
TEST_F(OwnerDrawButton, DimmedDrawsFaintButKeepsImageAndPress) {
  QWidget window;
  window.setAutoFillBackground(true);
  window.setPalette(QPalette(QColor(0x12, 0x15, 0x19)));
  CCownerDrawBton button(button_id::kGeneral, host, &window);
  button.resize(button.sizeHint());
  window.resize(button.size());
  const QImage normal = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(normal, Resource(141));

  button.SetDimmed(true);
  EXPECT_TRUE(button.IsDimmed());
  const QImage dimmed = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(button.ShownImage(), 141);
  EXPECT_NE(dimmed, normal);
  // Nothing in it keeps the accent's colour, and it is darker overall.
  auto sum = [](const QImage& image) {
    qint64 total = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) total += qGray(image.pixel(x, y));
    return total;
  };
  EXPECT_LT(sum(dimmed), sum(normal));
  bool coloured = false;
  for (int y = 0; y < dimmed.height(); ++y)
    for (int x = 0; x < dimmed.width(); ++x) {
      const QColor c(dimmed.pixel(x, y));
      coloured |= std::abs(c.red() - c.blue()) > 12;
    }
  EXPECT_FALSE(coloured);

  button.setDown(true);
  window.grab();
  EXPECT_EQ(button.ShownImage(), 173);
  EXPECT_EQ(host.state.g_selectedPage, page::kGeneral);

  button.setDown(false);
  host.state.g_selectedPage = page::kNoneSelected;
  button.SetDimmed(false);
  EXPECT_EQ(window.grab().toImage().convertToFormat(QImage::Format_RGB32), normal);
}

TEST_F(OwnerDrawButton, SmallerButtonShowsWholeImageScaled) {
  CCownerDrawBton ok(button_id::kOk, host);
  ok.resize(57, 23);
  QImage drawn = ok.grab().toImage();
  EXPECT_EQ(drawn.size(), QSize(57, 23));
  EXPECT_EQ(ok.ShownImage(), 152);
}

}  // namespace
}  // namespace vuriru
