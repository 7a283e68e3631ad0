#include "app/esc_process_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace vuriru {
namespace {

int Argc = 1;
char Arg0[] = "test_app";
char* Argv[] = {Arg0, nullptr};

class ProgressDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }
};

TEST_F(ProgressDialog, PercentIsIntegerShareOfRange) {
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(440, 220), 50);
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(409, 1), 0);
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(3, 2), 66);
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(100, 250), 250);
  // No range yet: nothing done rather than a division by zero.
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(0, 10), 0);
  // Large counts do not overflow on the way.
  EXPECT_EQ(CEscProcessDlg::ProgressPercent(4000000000u, 2000000000u), 50);
}

TEST_F(ProgressDialog, ShowsProgressAndHidesAgain) {
  CEscProcessDlg dialog;
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.Caption(), "Esc Process......");

  dialog.SetCaption("Read From Esc Process......");
  dialog.ShowProgress(440, 220);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.ShownPercent(), 50);
  EXPECT_EQ(dialog.Caption(), "Read From Esc Process......");

  dialog.SetProgress(440, 900);
  EXPECT_EQ(dialog.ShownPercent(), 100);

  dialog.HideProgress();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
}

TEST_F(ProgressDialog, TakesNoInput) {
  CEscProcessDlg dialog;
  dialog.ShowProgress(100, 10);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&dialog, &escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());
  dialog.HideProgress();
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace vuriru
