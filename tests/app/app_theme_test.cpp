// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/app_theme.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_window_rig.h"
#include "app/qt_user_dialogs.h"
#include "widgets/layout/theme_colours.h"

namespace vuriru {
namespace {

// The theme is the whole application's; each test puts the previous look back.
class AppTheme : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    m_palette = QApplication::palette();
    m_style = QApplication::style()->name();
    ApplyAppTheme();
  }
  void TearDown() override {
    QApplication::setStyle(m_style);
    QApplication::setPalette(m_palette);
  }

  // Runs `open`, which shows a modal dialog, and looks at that dialog from
  // inside its event loop before closing it.
  template <typename Look>
  void WhileModal(const std::function<void()>& open, Look look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      seen = true;
      look(modal);
      modal->close();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    open();
    EXPECT_TRUE(seen);
  }

  static bool IsDark(const QColor& colour) { return colour.lightness() < 80; }

 private:
  QPalette m_palette;
  QString m_style;
};

TEST_F(AppTheme, MessageBoxesAndFileDialogsAreDark) {
  QtUserDialogs dialogs;
  WhileModal([&] { dialogs.Tell("Import file error!", "", MessageIcon::kExclamation); },
             [&](QWidget* modal) {
               ASSERT_NE(qobject_cast<QMessageBox*>(modal), nullptr);
               EXPECT_TRUE(IsDark(modal->palette().color(QPalette::Window)));
               EXPECT_FALSE(IsDark(modal->palette().color(QPalette::WindowText)));
               EXPECT_EQ(modal->palette().color(QPalette::Highlight), QColor(theme::kAccent));
             });
  WhileModal([&] { dialogs.ChooseOpenFile("config Files (*.xup)|*.bin| all file  (*.*)|*.*||", "*.xup"); },
             [&](QWidget* modal) {
               auto* files = qobject_cast<QFileDialog*>(modal);
               ASSERT_NE(files, nullptr);
               // Qt's own dialog, which the palette reaches; the desktop's would not.
               EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
               EXPECT_TRUE(IsDark(files->palette().color(QPalette::Base)));
             });
  WhileModal([&] { dialogs.ChooseSaveFile("(*.DATA)|*.DATA|All File (*.*)|*.*||"); },
             [&](QWidget* modal) {
               auto* files = qobject_cast<QFileDialog*>(modal);
               ASSERT_NE(files, nullptr);
               EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
               EXPECT_TRUE(files->testOption(QFileDialog::DontConfirmOverwrite));
             });
  EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
}

}  // namespace
}  // namespace vuriru
