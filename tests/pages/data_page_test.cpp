// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/data_page.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "pages/qt_app.h"

namespace vuriru {
namespace {

class DataPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  void Click(QWidget* widget) {
    QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
  }

  QString LabelText(RunningLog value) const { return page.ValueLabel(value)->text(); }

  SettingsBlock block;
  CData page{block};
};

TEST_F(DataPage, CaptionsShowUntilTheFirstRead) {
  EXPECT_EQ(LabelText(RunningLog::BatteryMinVoltage), "BATT MIN VOLTAGE");
  EXPECT_EQ(LabelText(RunningLog::EscMaxTemp), "ESC MAX TEMP");
  EXPECT_EQ(LabelText(RunningLog::MotorMaxRpm), "MOT MAX RPM");
  EXPECT_TRUE(page.ValueLabel(RunningLog::MotorMaxTemp)->isHidden());
  EXPECT_FALSE(page.ValueLabel(RunningLog::MotorMaxRpm)->isHidden());
  EXPECT_TRUE(page.ValueBox(RunningLog::EscMaxTemp)->isHidden());
  EXPECT_EQ(page.HelpText(), "TO SHOW THE MINIMUM \r\nBATTERY VOLTAGE WHEN \r\nIN THE RUNNING");
}

TEST_F(DataPage, ZeroValuesAreFormattedNotLeftBlank) {
  page.FormatRunningLog();
  EXPECT_EQ(LabelText(RunningLog::BatteryMinVoltage), " 0.00V");
  EXPECT_EQ(LabelText(RunningLog::EscMaxTemp), "0degree celsius");
  EXPECT_EQ(LabelText(RunningLog::MotorMaxRpm), "0rpm");
  EXPECT_EQ(page.ValueBox(RunningLog::BatteryMinVoltage)->text(), " 0.00V");
}

TEST_F(DataPage, ImportedRpmAboveOneByteAndHiddenMotorTemperature) {
  block.Log(RunningLog::MotorMaxRpm) = 300;
  block.Log(RunningLog::MotorMaxTemp) = 65;
  block.Log(RunningLog::BatteryMinVoltage) = 74;
  page.FormatRunningLog();
  EXPECT_EQ(LabelText(RunningLog::MotorMaxRpm), "300000rpm");
  EXPECT_EQ(LabelText(RunningLog::BatteryMinVoltage), " 7.40V");
  // Formatted and carried, but still not shown.
  EXPECT_EQ(page.ValueBox(RunningLog::MotorMaxTemp)->text(), "65degree celsius");
  EXPECT_TRUE(page.ValueLabel(RunningLog::MotorMaxTemp)->isHidden());
}

TEST_F(DataPage, ClickOrFocusShowsTheMatchingHelp) {
  Click(page.ValueLabel(RunningLog::MotorMaxRpm));
  EXPECT_EQ(page.HelpText(), "TO SHOW THE MOTOR \r\nMAXIMUM RPM WHEN IN \r\nTHE RUNNING");
  EXPECT_EQ(page.HelpPanel()->toPlainText(), "TO SHOW THE MOTOR \nMAXIMUM RPM WHEN IN \nTHE RUNNING");
  EXPECT_FALSE(page.HelpPanel()->isHidden());

  QFocusEvent focus(QEvent::FocusIn);
  QApplication::sendEvent(page.ValueBox(RunningLog::EscMaxTemp), &focus);
  EXPECT_EQ(page.HelpText(), "TO SHOW THE ESC \r\nMAXIMUM TEMPERATURE \r\nWHEN IN THE RUNNING");

  page.ClearHelp();
  EXPECT_TRUE(page.HelpPanel()->isHidden());
  Click(page.ValueLabel(RunningLog::BatteryMinVoltage));
  EXPECT_FALSE(page.HelpPanel()->isHidden());
}

TEST_F(DataPage, LookAndColours) {
  EXPECT_TRUE(page.HasBackground());  // "7.bmp" lies beside the test executable
  EXPECT_EQ(page.size(), QSize(600, 390));
  EXPECT_EQ(page.TextColor(1056), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(1063), QColor(0, 0, 0));
  EXPECT_EQ(page.TextColor(1231), QColor(255, 255, 255));
  EXPECT_EQ(page.ValueLabel(RunningLog::BatteryMinVoltage)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

}  // namespace
}  // namespace vuriru
