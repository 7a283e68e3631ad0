// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap files that `doctor` looks for are the ones the window loads.

#include "widgets/kit/artwork.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include "common/program_files.h"
#include "widgets/kit/language.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

int Argc = 1;
char Arg0[] = "test_app";
char* Argv[] = {Arg0, nullptr};

TEST(Artwork, EveryBitmapFileTheDiagnosisChecksIsDrawnAndLoads) {
  if (!QApplication::instance()) new QApplication(Argc, Argv);
  for (const std::string& name : BitmapFileNames()) {
    EXPECT_FALSE(LoadArtwork(name).isNull()) << name << " at " << ArtworkPath(name).toStdString();
  }
}

// Each picture is drawn once more in Chinese, in the folder the window looks
// in; one missing there would quietly show the English words.
TEST(Artwork, EveryBitmapFileIsDrawnInChineseTooAndThosePrintingWordsDiffer) {
  if (!QApplication::instance()) new QApplication(Argc, Argv);
  const QString folder = ArtworkFolder(Language::kChinese);
  int differing = 0;
  for (const std::string& name : BitmapFileNames()) {
    const QImage chinese(ArtworkPath(folder.toStdString() + "/" + name));
    EXPECT_FALSE(chinese.isNull()) << name;
    if (chinese != QImage(ArtworkPath(name))) ++differing;
  }
  EXPECT_EQ(differing, 9) << "the page backgrounds 1..9 print words, the others none";

  ASSERT_TRUE(SetLanguage(Language::kChinese));
  const QImage shownChinese = LoadArtwork("2.bmp").toImage();
  const QImage generalChinese = ResourceImage(FindButtonArt(button_id::kGeneral)->normalImage).toImage();
  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  EXPECT_NE(shownChinese, LoadArtwork("2.bmp").toImage());
  EXPECT_NE(generalChinese, ResourceImage(FindButtonArt(button_id::kGeneral)->normalImage).toImage());
}

}  // namespace
}  // namespace vuriru
