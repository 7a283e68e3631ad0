// The bitmap files that `doctor` looks for are the ones the window loads.

#include "widgets/kit/artwork.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "common/program_files.h"

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

}  // namespace
}  // namespace vuriru
