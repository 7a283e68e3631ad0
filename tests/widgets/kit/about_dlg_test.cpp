// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/about_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "widgets/kit/artwork.h"
#include "widgets/layout/dialog_units.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

int Argc = 1;
char Arg0[] = "test_app";
char* Argv[] = {Arg0, nullptr};

class AboutBox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) new QApplication(Argc, Argv);
  }
};

TEST_F(AboutBox, ShowsIconVersionOwnerAndOk) {
  CAboutDlg about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Calvex"));
  EXPECT_EQ(about.size(), QSize(DuX(235), DuY(46)));
  EXPECT_EQ(about.VersionLabel()->text(), QStringLiteral(" Version 1.0"));
  EXPECT_EQ(about.OwnerLabel()->text(), QStringLiteral("Vuriru USB Link contributors"));
  EXPECT_EQ(about.OkButton()->text(), QStringLiteral("OK"));
  ASSERT_FALSE(about.IconLabel()->pixmap().isNull());
  EXPECT_EQ(about.IconLabel()->pixmap().size(), QSize(32, 32));

  // Everything lies inside the box, and the texts are not cut off.
  about.show();
  for (QWidget* part : {static_cast<QWidget*>(about.IconLabel()), static_cast<QWidget*>(about.VersionLabel()),
                        static_cast<QWidget*>(about.OwnerLabel()), static_cast<QWidget*>(about.OkButton())}) {
    EXPECT_TRUE(about.rect().contains(part->geometry())) << part->objectName().toStdString();
  }
  for (QLabel* line : {about.VersionLabel(), about.OwnerLabel()}) {
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width()) << line->text().toStdString();
    EXPECT_LE(line->fontMetrics().height(), line->height()) << line->text().toStdString();
  }
  EXPECT_FALSE(about.OkButton()->geometry().intersects(about.OwnerLabel()->geometry()));

  about.OkButton()->click();
  EXPECT_TRUE(about.isHidden());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutBox, ApplicationIconHasEverySize) {
  const QIcon icon = AppIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : kAppIconSizes) {
    EXPECT_EQ(ResourceImage(AppIconImageId(size)).size(), QSize(size, size)) << size;
  }
  // The largest picture is not blank: the gauge is drawn on the tile.
  const QImage large = ResourceImage(image_id::kAppIcon).toImage();
  EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(large.pixel(128, 128)), 255);
}

}  // namespace
}  // namespace vuriru
