// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window shows around its pages: the About item and box, and
// the progress dialog inside the window.

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_window_rig.h"
#include "widgets/kit/about_dlg.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/v1_dlg.h"

namespace vuriru {
namespace {

using testing::MainWindowRig;

QMenu* FileMenu(CQorProDlg& window) {
  auto* bar = window.findChild<QMenuBar*>();
  if (bar == nullptr) return nullptr;
  for (QAction* action : bar->actions()) {
    if (action->text() == QStringLiteral("&File")) return action->menu();
  }
  return nullptr;
}

TEST(MainWindowLook, AboutAndHistoryItemsSitAboveExitAndAboutOpensTheAboutBox) {
  MainWindowRig rig(/*withAdapter=*/false);
  QMenu* file = FileMenu(*rig.window);
  ASSERT_NE(file, nullptr);
  const QList<QAction*> items = file->actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items.back()->text(), QStringLiteral("E&xit"));
  EXPECT_EQ(items[items.size() - 2]->text(), QStringLiteral("History..."));
  QAction* about = items[items.size() - 3];
  EXPECT_EQ(about->text(), QStringLiteral("&About Calvex..."));

  // The box is modal; close it from inside its own event loop.
  QString seenTitle;
  bool seenModal = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seenTitle = box->windowTitle();
    seenModal = box->isModal();
    box->OkButton()->click();
  });
  about->trigger();
  EXPECT_EQ(seenTitle, QStringLiteral("About Calvex"));
  EXPECT_TRUE(seenModal);
}

TEST(MainWindowLook, ProgressDialogShowsInsideTheWindowDuringTheFirstRead) {
  MainWindowRig rig;
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  CEscProcessDlg* progress = window.ProgressDialog();
  ASSERT_TRUE(rig.RunUntil([&] { return !progress->isHidden(); }));
  EXPECT_FALSE(progress->isWindow());
  EXPECT_EQ(progress->parentWidget(), &window);
  EXPECT_TRUE(window.rect().contains(progress->geometry()));
  const int menuHeight = window.findChild<QMenuBar*>()->height();
  EXPECT_EQ(progress->geometry(), CEscProcessDlg::PlaceInClientArea().translated(0, menuHeight));
  EXPECT_FALSE(progress->Caption().isEmpty());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.ReadDone(); }));
  EXPECT_TRUE(progress->isHidden());
}

// Whatever page is shown, the picture's caption stays whole: nothing of the
// picture but its ground lies under a page, a button or an indicator.
TEST(MainWindowLook, NoPageHidesTheCaptionOfTheWindowPicture) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  const int menuHeight = window.findChild<QMenuBar*>()->height();
  const QImage picture = LoadArtwork("V3Menu.bmp").toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(picture.isNull());
  // The ground is a top-to-bottom gradient: anything else differs from the
  // left edge of its row.
  QRect drawn;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 1; x < picture.width(); ++x) {
      if (picture.pixel(x, y) != picture.pixel(0, y)) drawn |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(drawn.isEmpty());
  auto inClientArea = [&](const QWidget* part) { return part->geometry().translated(0, -menuHeight); };
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) {
    window.OnPageButton(page);
    ASSERT_EQ(window.BackgroundFile(), "V3Menu.bmp");
    EXPECT_FALSE(inClientArea(window.PageWidget(page)).intersects(drawn)) << int(page);
  }
  for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1104, 1105}) {
    EXPECT_FALSE(inClientArea(window.Button(id)).intersects(drawn)) << id;
  }
}

// A V1 controller uses neither the button row nor the indicator strip: its
// panel takes the whole client area below the menu.
TEST(MainWindowLook, V1PanelFillsTheClientArea) {
  MainWindowRig rig(true, SimTargetKind::kV1);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  window.show();
  ASSERT_TRUE(rig.RunUntil([&] { return !window.V1Panel()->isHidden() && rig.ReadDone(); }));
  const int menuHeight = window.findChild<QMenuBar*>()->height();
  EXPECT_EQ(window.V1Panel()->geometry(), QRect(0, menuHeight, window.width(), window.height() - menuHeight));
}

}  // namespace
}  // namespace vuriru
