// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/v1/v1_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "v1/v1_settings_table.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/recording_panel_host.h"

namespace vuriru {
namespace {

size_t Slot(V1Setting s) {
  return static_cast<size_t>(s);
}

class V1Panel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureV1QtApplication(); }

  V1Panel() {
    host.state.g_transferPending = 0;
    host.onSend = [this] { panel.TakePanelValues(); };
  }

  void Press(int buttonId) { panel.Button(buttonId)->click(); }

  void ClickBackground() {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, panel.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&panel, &press);
  }

  std::vector<int> ListChoices() const {
    std::vector<int> choices;
    for (size_t i = 0; i < kV1SettingCount; ++i) choices.push_back(panel.List(i)->currentIndex());
    return choices;
  }

  testing::RecordingPanelHost host;
  V1SettingsBlock block;
  CV1Dlg panel{block, host};
};

TEST_F(V1Panel, StartsWithTheFactoryChoicesAndDefaultOk) {
  const V1SettingsBlock factory = V1FactoryBlock();
  EXPECT_EQ(ListChoices(), std::vector<int>(factory.index.begin(), factory.index.end()));
  EXPECT_EQ(panel.StatusText(), "Default Ok");
  EXPECT_EQ(block.becShown, kV1BecHidden);
  EXPECT_FALSE(panel.IsBecShown());
  EXPECT_TRUE(panel.Caption(Slot(V1Setting::Bec))->isHidden());
  EXPECT_EQ(panel.List(Slot(V1Setting::CutOffVoltage))->currentText(), "3.0V/Cell(*)");
  EXPECT_EQ(panel.Caption(Slot(V1Setting::PercentageDragBrake))->text(), "Percentage Drag Brake");
  EXPECT_EQ(host.SentAnything(), 0);
}

TEST_F(V1Panel, ListsCarryTheirOptionTexts) {
  const auto& table = V1SettingsTable();
  for (size_t i = 0; i < table.size(); ++i) {
    QComboBox* list = panel.List(i);
    EXPECT_EQ(list->objectName(), QStringLiteral("list%1").arg(table[i].listId));
    ASSERT_EQ(static_cast<size_t>(list->count()), table[i].options.size());
    for (int item = 0; item < list->count(); ++item) {
      EXPECT_EQ(list->itemText(item).toStdString(), table[i].options[static_cast<size_t>(item)]);
    }
  }
}

TEST_F(V1Panel, ReadValuesShowOrHideTheBecList) {
  block = V1FactoryBlock(kV1BecShown);
  block[V1Setting::Bec] = 1;
  block[V1Setting::CutOffVoltage] = 3;
  panel.ShowReadValues();
  EXPECT_TRUE(panel.IsBecShown());
  EXPECT_FALSE(panel.Caption(Slot(V1Setting::Bec))->isHidden());
  EXPECT_EQ(panel.List(Slot(V1Setting::Bec))->currentText(), "8.4V");
  EXPECT_EQ(panel.List(Slot(V1Setting::CutOffVoltage))->currentText(), "3.2V/Cell");
  EXPECT_EQ(panel.StatusText(), "Read Ok");

  block.becShown = kV1BecHidden;
  panel.ShowReadValues();
  EXPECT_FALSE(panel.IsBecShown());
  EXPECT_TRUE(panel.Caption(Slot(V1Setting::Bec))->isHidden());
}

TEST_F(V1Panel, BackgroundClickDropsUnsentListChanges) {
  block = V1FactoryBlock();
  block[V1Setting::MotorTiming] = 4;
  panel.ShowReadValues();
  panel.List(Slot(V1Setting::MotorTiming))->setCurrentIndex(0);
  panel.List(Slot(V1Setting::NeutralRange))->setCurrentIndex(5);
  ClickBackground();
  EXPECT_EQ(panel.List(Slot(V1Setting::MotorTiming))->currentIndex(), 4);
  EXPECT_EQ(panel.List(Slot(V1Setting::NeutralRange))->currentIndex(), 2);
}

TEST_F(V1Panel, TakePanelValuesCopiesTheListsIntoTheBlock) {
  panel.List(Slot(V1Setting::CutOffVoltage))->setCurrentIndex(5);
  panel.List(Slot(V1Setting::ThrottleLimit))->setCurrentIndex(8);
  panel.TakePanelValues();
  EXPECT_EQ(block[V1Setting::CutOffVoltage], 5);
  EXPECT_EQ(block[V1Setting::ThrottleLimit], 8);
  EXPECT_EQ(block[V1Setting::RunningMode], 1);
  EXPECT_EQ(panel.Indexes()[Slot(V1Setting::ThrottleLimit)], 8);
  // The lists now show what will be sent, so a background click keeps it.
  ClickBackground();
  EXPECT_EQ(panel.List(Slot(V1Setting::ThrottleLimit))->currentIndex(), 8);
}

TEST_F(V1Panel, SendWithTheLinkOpenStartsTheSendRoutine) {
  host.state.g_linkState = link_state::kOpen;
  panel.List(Slot(V1Setting::MotorRotation))->setCurrentIndex(1);
  Press(CV1Dlg::kSendButtonId);
  EXPECT_EQ(host.sends, 1);
  EXPECT_EQ(block[V1Setting::MotorRotation], 1);
  EXPECT_EQ(host.state.g_progressRange, 409u);
  EXPECT_EQ(panel.StatusText(), "Esc Sending......");

  host.state.g_transferPending = 1;
  panel.ShowSendDone();
  EXPECT_EQ(panel.StatusText(), "Send Ok");
  EXPECT_EQ(host.state.g_transferPending, 0);
  EXPECT_EQ(host.progressFinished, 1);
}

TEST_F(V1Panel, SendWithoutALinkSendsNothing) {
  host.state.g_linkState = link_state::kNoLink;
  panel.List(Slot(V1Setting::MotorRotation))->setCurrentIndex(1);
  Press(CV1Dlg::kSendButtonId);
  EXPECT_EQ(host.SentAnything(), 0);
  EXPECT_EQ(block[V1Setting::MotorRotation], 0);
  EXPECT_EQ(panel.StatusText(), "Esc Sending......");
  EXPECT_EQ(host.state.g_transferPending, 0);
}

TEST_F(V1Panel, ReadWithoutALinkShowsProgressAndSendsNothing) {
  host.state.g_linkState = 3;
  host.indicators = {0, 0};
  host.state.g_curveEditorOpen = 0;
  Press(CV1Dlg::kReadButtonId);
  EXPECT_EQ(host.SentAnything(), 0);
  EXPECT_EQ(host.progressShown, 1);
  EXPECT_EQ(host.state.g_transferPending, 1);
  EXPECT_EQ(host.state.g_progressRange, 409u);
  EXPECT_EQ(panel.StatusText(), "Esc Reading......");
}

TEST_F(V1Panel, ReadWithTheLinkOpenStartsTheEngineRead) {
  host.state.g_linkState = link_state::kOpen;
  panel.List(Slot(V1Setting::MotorTiming))->setCurrentIndex(0);
  Press(CV1Dlg::kReadButtonId);
  EXPECT_EQ(host.reads, 1);
  EXPECT_EQ(host.progressShown, 0);
  EXPECT_EQ(panel.List(Slot(V1Setting::MotorTiming))->currentIndex(), 2);
  EXPECT_EQ(panel.StatusText(), "Esc Reading......");
}

TEST_F(V1Panel, BusyPanelIgnoresReadAndSend) {
  host.state.g_linkState = link_state::kOpen;
  host.state.g_transferPending = 1;
  Press(CV1Dlg::kReadButtonId);
  Press(CV1Dlg::kSendButtonId);
  host.state.g_transferPending = 0;
  host.indicators = {2, 0};
  Press(CV1Dlg::kReadButtonId);
  Press(CV1Dlg::kSendButtonId);
  EXPECT_EQ(host.SentAnything(), 0);
  EXPECT_EQ(host.progressShown, 0);
  EXPECT_EQ(panel.StatusText(), "Default Ok");
}

TEST_F(V1Panel, FirmwareUpdateOnlyWithTheLinkOpen) {
  Press(CV1Dlg::kFirmwareButtonId);
  EXPECT_EQ(host.firmwareStarts, 0);
  host.state.g_linkState = link_state::kOpen;
  Press(CV1Dlg::kFirmwareButtonId);
  EXPECT_EQ(host.firmwareStarts, 1);
}

TEST_F(V1Panel, MenuPictureReplacesTheBackgroundOnlyWhenItLoads) {
  // The pictures lie beside the test executable, as beside the program.
  EXPECT_TRUE(panel.HasBackground());
  panel.OnMenuInit();
  EXPECT_TRUE(panel.HasBackground());
}

TEST_F(V1Panel, LongStatusTextsAreCut) {
  panel.SetStatusText(std::string(80, 'x'));
  EXPECT_EQ(panel.StatusText().size(), 50);
}

}  // namespace
}  // namespace vuriru
