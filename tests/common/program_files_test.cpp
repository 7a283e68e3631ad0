// SPDX-License-Identifier: GPL-3.0-or-later
// Where the bitmap files are looked for: beside the executable first, then
// in ../share/vuriru-link relative to it, as a package installs them.

#include "common/program_files.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace vuriru::test {
namespace {

namespace fs = std::filesystem;

class ProgramFiles : public ::testing::Test {
 protected:
  ProgramFiles() {
    fs::remove_all(m_root);
    fs::create_directories(m_bin);
    fs::create_directories(m_share);
  }
  ~ProgramFiles() override { fs::remove_all(m_root); }

  const fs::path m_root = fs::temp_directory_path() / ("vuriru-files-" + std::to_string(getpid()));
  const fs::path m_bin = m_root / "usr" / "bin";
  const fs::path m_share = m_root / "usr" / "share" / "vuriru-link";
};

TEST_F(ProgramFiles, BesideTheExecutableComesFirstThenTheSharedFolder) {
  EXPECT_EQ(FindArtworkFile(m_bin, "1.bmp"), fs::path());
  std::ofstream(m_share / "1.bmp") << "x";
  EXPECT_EQ(FindArtworkFile(m_bin, "1.bmp"), m_share / "1.bmp");
  std::ofstream(m_bin / "1.bmp") << "x";
  EXPECT_EQ(FindArtworkFile(m_bin, "1.bmp"), m_bin / "1.bmp");
  // A folder of that name is no file, and an empty name finds nothing.
  fs::create_directories(m_share / "2.bmp");
  EXPECT_EQ(FindArtworkFile(m_bin, "2.bmp"), fs::path());
  EXPECT_EQ(FindArtworkFile(m_bin, ""), fs::path());
  EXPECT_EQ(ArtworkFolders(m_bin).back(), m_share);
}

TEST_F(ProgramFiles, TheRunningProgramsFolderIsFound) {
  const fs::path folder = ExecutableFolder("whatever");
  EXPECT_TRUE(fs::exists(folder / "test_common")) << folder;
}

}  // namespace
}  // namespace vuriru::test
