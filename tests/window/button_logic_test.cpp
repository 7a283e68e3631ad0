// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/button_logic.h"

#include <gtest/gtest.h>

#include "widgets/kit/fake_button_host.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

using Kind = ButtonImageChoice::Kind;

int ImageOf(int controlId, bool down, testing::FakeButtonHost& host) {
  ButtonImageChoice choice = ResolveButtonImage(controlId, down, host);
  EXPECT_EQ(choice.kind, Kind::kImage);
  return choice.imageId;
}

TEST(ButtonImage, PageButtonShowsSelectedImageWhenPressedOrSelected) {
  testing::FakeButtonHost host;
  EXPECT_EQ(ImageOf(button_id::kGeneral, false, host), 141);
  EXPECT_EQ(ImageOf(button_id::kGeneral, true, host), 173);
  EXPECT_EQ(host.state.g_selectedPage, page::kGeneral);
  EXPECT_EQ(host.state.g_lastPage, page::kGeneral);
  // Released, it stays selected while it is the selected page.
  EXPECT_EQ(ImageOf(button_id::kGeneral, false, host), 173);
  EXPECT_EQ(ImageOf(button_id::kThrottle, false, host), 160);
}

TEST(ButtonImage, PressWhileBusyKeepsPictureAndSelection) {
  testing::FakeButtonHost host;
  host.busy = true;
  host.state.g_selectedPage = page::kBrake;
  EXPECT_EQ(ResolveButtonImage(button_id::kGeneral, true, host).kind, Kind::kKeepPicture);
  EXPECT_EQ(ResolveButtonImage(button_id::kApply, true, host).kind, Kind::kKeepPicture);
  EXPECT_EQ(host.state.g_selectedPage, page::kBrake);
  EXPECT_EQ(host.state.g_pressedCommand, command::kNone);
  // Not pressed, a busy window still draws normally.
  EXPECT_EQ(ImageOf(button_id::kBrake, false, host), 170);
}

TEST(ButtonImage, CommandButtonsRecordTheirCommand) {
  testing::FakeButtonHost host;
  EXPECT_EQ(ImageOf(button_id::kApply, true, host), 134);
  EXPECT_EQ(host.state.g_pressedCommand, command::kApply);
  EXPECT_EQ(ImageOf(button_id::kDefault, true, host), 140);
  EXPECT_EQ(host.state.g_pressedCommand, command::kDefault);
  EXPECT_EQ(ImageOf(button_id::kOk, false, host), 152);
  EXPECT_EQ(ImageOf(button_id::kOk, true, host), 197);
}

TEST(ButtonImage, CancelledQuestionReleasesTheCommandButton) {
  testing::FakeButtonHost host;
  host.state.g_lastPage = page::kTurbo;
  host.state.g_pressedCommand = command::kApply;
  host.confirmState = 2;
  EXPECT_EQ(ImageOf(button_id::kApply, true, host), 134);
  EXPECT_EQ(host.state.g_pressedCommand, 0);
  EXPECT_EQ(host.state.g_selectedPage, page::kTurbo);
  EXPECT_EQ(host.confirmState, 2);  // Apply leaves it; Default clears it

  host.state.g_pressedCommand = command::kDefault;
  EXPECT_EQ(ImageOf(button_id::kDefault, true, host), 140);
  EXPECT_EQ(host.state.g_pressedCommand, 0);
  EXPECT_EQ(host.confirmState, 0);
}

TEST(ButtonImage, IndicatorsFollowTheLinkState) {
  testing::FakeButtonHost host;
  EXPECT_EQ(ImageOf(button_id::kEscIndicator, false, host), image_id::kEscAbsent);
  host.state.g_lcdMode = true;
  EXPECT_EQ(ImageOf(button_id::kEscIndicator, false, host), image_id::kEscLcd);
  host.state.g_escPresent = 1;
  EXPECT_EQ(ImageOf(button_id::kEscIndicator, false, host), image_id::kEscPresent);
  EXPECT_EQ(ImageOf(button_id::kUsbIndicator, false, host), image_id::kUsbAbsent);
  host.state.g_adapterReady = 1;
  EXPECT_EQ(ImageOf(button_id::kUsbIndicator, false, host), image_id::kUsbReady);
}

TEST(ButtonImage, UnknownIdHasNoImage) {
  testing::FakeButtonHost host;
  EXPECT_EQ(ResolveButtonImage(4242, false, host).kind, Kind::kNoImage);
  EXPECT_EQ(ResolveButtonImage(4242, true, host).kind, Kind::kNoImage);
  EXPECT_EQ(host.state.g_selectedPage, page::kNoneSelected);
}

TEST(ButtonArtList, EveryImageOnceWithItsSize) {
  std::vector<ButtonImageInfo> images = AllButtonImages();
  for (size_t i = 0; i < images.size(); ++i) {
    for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i].imageId, images[j].imageId);
  }
  // 18 buttons, 8 of them with one image for both states, and 5 indicator images.
  EXPECT_EQ(images.size(), 33u);
}

}  // namespace
}  // namespace vuriru
