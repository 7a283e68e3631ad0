// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/esc_process_dlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProgressBar>
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

// The main window's shape: a menu bar over a client area of 443 x 310
// dialog units.
struct WindowLike {
  WindowLike() {
    window.resize(665, 504 + menu->sizeHint().height());
    menu->addMenu(QStringLiteral("&File"));
  }
  QWidget window;
  QMenuBar* menu = new QMenuBar(&window);
};

TEST_F(ProgressDialog, LiesInsideItsWindowBelowTheMenuAndMovesWithIt) {
  WindowLike owner;
  owner.window.move(40, 30);
  owner.window.show();
  auto* dialog = new CEscProcessDlg(&owner.window);
  dialog->ShowProgress(409, 100);
  EXPECT_FALSE(dialog->isWindow());
  EXPECT_EQ(dialog->parentWidget(), &owner.window);
  // 540 x 70 at (150, 210) on a window of two pixels per dialog unit.
  EXPECT_EQ(CEscProcessDlg::PlaceInClientArea(), QRect(113, 171, 405, 57));
  const int menuHeight = owner.menu->sizeHint().height();
  EXPECT_EQ(dialog->geometry(), CEscProcessDlg::PlaceInClientArea().translated(0, menuHeight));
  EXPECT_TRUE(owner.window.rect().contains(dialog->geometry()));

  const QPoint onScreen = dialog->mapToGlobal(QPoint(0, 0)) - owner.window.mapToGlobal(QPoint(0, 0));
  owner.window.move(300, 200);
  EXPECT_EQ(dialog->mapToGlobal(QPoint(0, 0)) - owner.window.mapToGlobal(QPoint(0, 0)), onScreen);
  EXPECT_EQ(dialog->pos(), CEscProcessDlg::PlaceInClientArea().topLeft() + QPoint(0, menuHeight));

  // A sibling shown later does not cover it on the next progress step.
  auto* page = new QWidget(&owner.window);
  page->setGeometry(owner.window.rect());
  page->show();
  dialog->ShowProgress(409, 200);
  QWidget* top = owner.window.childAt(dialog->geometry().center());
  EXPECT_TRUE(top == dialog || dialog->isAncestorOf(top));
}

// Without a title bar the caption is drawn inside: it changes the picture,
// and the longest caption fits whole.
TEST_F(ProgressDialog, DrawsItsCaptionInside) {
  WindowLike owner;
  auto* dialog = new CEscProcessDlg(&owner.window);
  dialog->ShowProgress(100, 45);
  dialog->SetCaption(QString());
  const QImage empty = dialog->grab(dialog->CaptionRect()).toImage();
  dialog->SetCaption(QStringLiteral("Data Transferring.. 45% done."));
  EXPECT_EQ(dialog->Caption(), QStringLiteral("Data Transferring.. 45% done."));
  const QImage written = dialog->grab(dialog->CaptionRect()).toImage();
  EXPECT_NE(empty, written);
  int lightPixels = 0;
  for (int y = 0; y < written.height(); ++y) {
    for (int x = 0; x < written.width(); ++x) lightPixels += qGray(written.pixel(x, y)) > 160 ? 1 : 0;
  }
  EXPECT_GT(lightPixels, 40);

  const QFontMetrics metrics(dialog->font());
  for (const char* caption : {"Read From Esc Process......", "Send to Esc Process......",
                              "Data Transferring.. 100% done.", "Transferring.. 100% done."}) {
    EXPECT_LE(metrics.horizontalAdvance(QString::fromLatin1(caption)), dialog->CaptionRect().width()) << caption;
  }
  EXPECT_GE(dialog->CaptionRect().height(), metrics.height());
  // The caption and the bar do not overlap.
  const QRect bar = dialog->findChild<QProgressBar*>()->geometry();
  EXPECT_FALSE(bar.intersects(dialog->CaptionRect()));
  EXPECT_TRUE(dialog->rect().contains(bar));
}

}  // namespace
}  // namespace vuriru
