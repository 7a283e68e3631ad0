// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/widget_setup.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace vuriru {
namespace {

int Argc = 1;
char Arg0[] = "test_app";
char* Argv[] = {Arg0, nullptr};

class WidgetSetup : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }
};

TEST_F(WidgetSetup, HelpPanelShowsTextWithPlainLineBreaksAndHidesWhenCleared) {
  QWidget page;
  HelpTextPanel panel(1195, DuRect(290, 40, 100, 145), &page);
  EXPECT_EQ(panel.objectName(), QStringLiteral("help1195"));
  EXPECT_EQ(panel.geometry(), ToQRect(DuRect(290, 40, 100, 145)));
  EXPECT_TRUE(panel.isReadOnly());
  EXPECT_EQ(panel.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  panel.ShowText(" INCLUDES \r\n\"FORWARD/BRAKE \" \r\n MODE ");
  EXPECT_EQ(panel.toPlainText(), QStringLiteral(" INCLUDES \n\"FORWARD/BRAKE \" \n MODE "));
  EXPECT_FALSE(panel.isHidden());

  panel.Clear();
  EXPECT_TRUE(panel.toPlainText().isEmpty());
  EXPECT_TRUE(panel.isHidden());
  // Shown again by the next text.
  panel.ShowText("TO SELECT 6V OR 7.4V BEC OUTPUT VOLTAGE");
  EXPECT_FALSE(panel.isHidden());
}

}  // namespace
}  // namespace vuriru
