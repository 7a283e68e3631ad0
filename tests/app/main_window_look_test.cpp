// What the main window shows around its pages: the About item and box, and
// the progress dialog inside the window.

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/esc_process_dlg.h"
#include "tests/app/main_window_rig.h"

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

TEST(MainWindowLook, AboutItemSitsAboveExitAndOpensTheAboutBox) {
  MainWindowRig rig(/*withAdapter=*/false);
  QMenu* file = FileMenu(*rig.window);
  ASSERT_NE(file, nullptr);
  const QList<QAction*> items = file->actions();
  ASSERT_GE(items.size(), 2);
  EXPECT_EQ(items.back()->text(), QStringLiteral("E&xit"));
  QAction* about = items[items.size() - 2];
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
  const int menuHeight = window.findChild<QMenuBar*>()->sizeHint().height();
  EXPECT_EQ(progress->geometry(), CEscProcessDlg::PlaceInClientArea().translated(0, menuHeight));
  EXPECT_FALSE(progress->Caption().isEmpty());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.ReadDone(); }));
  EXPECT_TRUE(progress->isHidden());
}

}  // namespace
}  // namespace vuriru
