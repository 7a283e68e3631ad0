// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/device_info_page.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "widgets/kit/fake_button_host.h"
#include "widgets/kit/owner_draw_button.h"

namespace vuriru {
namespace {

class DeviceInfoPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  QString Text(int labelId) const { return page.Label(labelId)->text(); }
  bool Shown(int labelId) const { return !page.Label(labelId)->isHidden(); }

  void Click(QWidget* widget) {
    QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
  }

  testing::FakeButtonHost host;
  std::string softwareVersion;
  std::string connectVersion;
  int updatesStarted = 0;
  CFirmware page{host, softwareVersion, connectVersion, [this] { ++updatesStarted; }};
};

TEST_F(DeviceInfoPage, BeforeAnyDeviceAnswered) {
  EXPECT_EQ(Text(CFirmware::kDeviceLabelId), "CAR ESC");
  EXPECT_EQ(Text(CFirmware::kHardwareLabelId), "TURBO");
  EXPECT_EQ(Text(CFirmware::kSoftwareLabelId), "");
  EXPECT_EQ(Text(CFirmware::kInformationLabelId), "USB Link");
  EXPECT_EQ(page.ValueEdit(1064)->text(), "Car ESC");
  EXPECT_EQ(page.ValueEdit(1065)->text(), "TURBO");
  EXPECT_EQ(page.HelpText(), "TO SHOW THE DEVICE \r\n INFORMATION");
  EXPECT_TRUE(Shown(CFirmware::kSoftwareLabelId));
  EXPECT_FALSE(page.ValueEdit(1066)->isEnabled());
  page.OnConnectVersionArrived();
  EXPECT_TRUE(page.ValueEdit(1066)->isEnabled());
}

TEST_F(DeviceInfoPage, VersionsAppearAtTheNextRefresh) {
  softwareVersion = "V2.0_01012020";
  EXPECT_EQ(Text(CFirmware::kSoftwareLabelId), "");
  page.RefreshDeviceInfo();
  EXPECT_EQ(Text(CFirmware::kSoftwareLabelId), "V2.0_01012020");
}

TEST_F(DeviceInfoPage, LcdModeKeepsTheSoftwareText) {
  softwareVersion = "V2.0_01012020";
  page.RefreshDeviceInfo();
  host.state.g_lcdMode = true;
  connectVersion = "LCD V3";
  softwareVersion = "changed";
  page.RefreshDeviceInfo();
  EXPECT_EQ(Text(CFirmware::kDeviceLabelId), "LCD PROGRAM");
  EXPECT_EQ(Text(CFirmware::kHardwareLabelId), "LCD V3");
  EXPECT_EQ(Text(CFirmware::kSoftwareLabelId), "V2.0_01012020");
}

TEST_F(DeviceInfoPage, TargetLookFollowsLcdMode) {
  host.state.g_lcdMode = true;
  page.RefreshDeviceInfo();
  EXPECT_TRUE(page.ApplyTargetLook());
  EXPECT_EQ(page.BackgroundFile(), "9.bmp");
  EXPECT_FALSE(Shown(CFirmware::kSoftwareLabelId));
  EXPECT_TRUE(Shown(CFirmware::kDeviceLabelId));
  EXPECT_TRUE(Shown(CFirmware::kHardwareLabelId));

  host.state.g_lcdMode = false;
  page.RefreshDeviceInfo();
  EXPECT_TRUE(page.ApplyTargetLook());
  EXPECT_EQ(page.BackgroundFile(), "8.bmp");
  for (int id : {CFirmware::kDeviceLabelId, CFirmware::kHardwareLabelId, CFirmware::kSoftwareLabelId,
                 CFirmware::kInformationLabelId}) {
    EXPECT_TRUE(Shown(id)) << id;
  }
  EXPECT_TRUE(page.HasBackground());
}

TEST_F(DeviceInfoPage, UpdateStartsOnlyWithAnOpenLink) {
  page.PressUpdate();
  page.UpdateButton()->click();
  EXPECT_EQ(updatesStarted, 0);
  host.state.g_linkState = link_state::kOpen;
  page.UpdateButton()->click();
  EXPECT_EQ(updatesStarted, 1);

  // Not yet wired: pressing is harmless.
  page.SetFirmwareUpdateStarter(nullptr);
  page.PressUpdate();
  EXPECT_EQ(updatesStarted, 1);
}

TEST_F(DeviceInfoPage, LabelClicksShowTheirHelp) {
  Click(page.Label(CFirmware::kInformationLabelId));
  EXPECT_EQ(page.HelpText(), "TO SHOW ANY FURTHER \r\n INFORMATION ABOUT \r\nTHAT ESC");
  Click(page.Label(CFirmware::kHardwareLabelId));
  EXPECT_EQ(page.HelpText(), "TO SHOW THE \r\n HARDWARE INFORMATION");
  host.state.g_lcdMode = true;
  Click(page.Label(CFirmware::kHardwareLabelId));
  EXPECT_EQ(page.HelpText(), "TO SHOW THE SOFTWARE \r\n VERSION");
}

TEST_F(DeviceInfoPage, HiddenVersionListAndColours) {
  QListWidget* list = page.VersionList();
  ASSERT_EQ(list->count(), 7);
  EXPECT_EQ(list->item(0)->text(), "V1.1 QOR");
  EXPECT_EQ(list->item(6)->text(), "V1.7 QOR");
  EXPECT_TRUE(list->isHidden());
  EXPECT_EQ(page.TextColor(1031), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(1066), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(1067), QColor(255, 255, 255));
}

}  // namespace
}  // namespace vuriru
