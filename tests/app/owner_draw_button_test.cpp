#include "app/owner_draw_button.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "app/artwork.h"
#include "app/button_art.h"
#include "app/fake_button_host.h"

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

TEST_F(OwnerDrawButton, SmallerButtonShowsWholeImageScaled) {
  CCownerDrawBton ok(button_id::kOk, host);
  ok.resize(57, 23);
  QImage drawn = ok.grab().toImage();
  EXPECT_EQ(drawn.size(), QSize(57, 23));
  EXPECT_EQ(ok.ShownImage(), 152);
}

}  // namespace
}  // namespace vuriru
