// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/v1/cn_v1_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "v1/v1_settings_table.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/recording_panel_host.h"

namespace vuriru {
namespace {

size_t Slot(CnV1Setting s) {
  return static_cast<size_t>(s);
}

class CnV1Panel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureV1QtApplication(); }

  CnV1Panel() { host.state.g_transferPending = 0; }

  void Press(int buttonId) { panel.Button(buttonId)->click(); }

  testing::RecordingPanelHost host;
  CnV1SettingsBlock block;
  CCnV1Dlg panel{block, host};
};

TEST_F(CnV1Panel, StartsWithNumberedCaptionsFactoryChoicesAndNoTurbo) {
  EXPECT_EQ(panel.Caption(Slot(CnV1Setting::CutOffVoltage))->text(), "1.Cut-off Voltage");
  EXPECT_EQ(panel.Caption(Slot(CnV1Setting::TurboDelay))->text(), "13.Turbo Delay");
  EXPECT_EQ(panel.List(Slot(CnV1Setting::CutOffVoltage))->currentText(), "NOCut-Off");
  // The factory choice is the second option even though the list marks the third.
  EXPECT_EQ(panel.List(Slot(CnV1Setting::RunningMode))->currentIndex(), 1);
  EXPECT_EQ(panel.List(Slot(CnV1Setting::RunningMode))->itemText(2), "Forward(*)/Reverse");
  EXPECT_EQ(panel.StatusText(), "Default Ok");
  EXPECT_FALSE(panel.AreTurboSettingsShown());
  EXPECT_TRUE(panel.Caption(Slot(CnV1Setting::BoostStartRpm))->isHidden());
}

TEST_F(CnV1Panel, TurboSettingsShownOnlyForRepliesOfFifteenBytesOrMore) {
  block = CnV1FactoryBlock();
  block[CnV1Setting::TurboTiming] = 3;
  for (size_t length : {12u, 14u}) {
    panel.ShowReadValues(length);
    EXPECT_FALSE(panel.AreTurboSettingsShown()) << length;
  }
  for (size_t length : {15u, 18u}) {
    panel.ShowReadValues(length);
    EXPECT_TRUE(panel.AreTurboSettingsShown()) << length;
    EXPECT_FALSE(panel.Caption(Slot(CnV1Setting::TurboDelay))->isHidden());
  }
  EXPECT_EQ(panel.List(Slot(CnV1Setting::TurboTiming))->currentText(), "3");
  EXPECT_EQ(panel.StatusText(), "Read Ok");
  panel.ShowReadValues(14);
  EXPECT_FALSE(panel.AreTurboSettingsShown());
}

TEST_F(CnV1Panel, SendWithoutALinkSendsNothingAndStaysUsable) {
  panel.List(Slot(CnV1Setting::MotorTiming))->setCurrentIndex(4);
  Press(CCnV1Dlg::kSendButtonId);
  EXPECT_EQ(host.SentAnything(), 0);
  EXPECT_EQ(host.state.g_transferPending, 0);
  EXPECT_EQ(block[CnV1Setting::MotorTiming], 4);
  host.state.g_linkState = link_state::kOpen;
  Press(CCnV1Dlg::kSendButtonId);
  EXPECT_EQ(host.sends, 1);
  EXPECT_EQ(panel.StatusText(), "Esc Sending......");
}

TEST_F(CnV1Panel, RunningTransferRefusesReadAndSend) {
  host.state.g_linkState = link_state::kOpen;
  host.state.g_transferPending = 1;
  Press(CCnV1Dlg::kReadButtonId);
  Press(CCnV1Dlg::kSendButtonId);
  EXPECT_EQ(host.SentAnything(), 0);
}

TEST_F(CnV1Panel, ReadIgnoresTheIndicators) {
  host.state.g_linkState = link_state::kOpen;
  host.indicators = {0, 0};
  Press(CCnV1Dlg::kReadButtonId);
  EXPECT_EQ(host.reads, 1);
  EXPECT_EQ(panel.StatusText(), "Esc Reading......");
}

TEST_F(CnV1Panel, VersionBoxesShowTheControllerVersions) {
  panel.SetVersionTexts("HW 1.2", "SW 3.4");
  EXPECT_EQ(panel.HardwareBox()->objectName(), "edit1065");
  EXPECT_EQ(panel.HardwareBox()->text(), "HW 1.2");
  EXPECT_EQ(panel.SoftwareBox()->text(), "SW 3.4");
}

}  // namespace
}  // namespace vuriru
