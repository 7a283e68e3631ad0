// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_file_io.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "sample_esc_data.h"

namespace vuriru {
namespace {

namespace fs = std::filesystem;
using testing::SampleEscData;

TEST(ExportFileName, LastDotOfTheFileNameOnly) {
  EXPECT_EQ(ExportFileName("/home/me/settings.bak"), fs::path("/home/me/settings.DATA"));
  EXPECT_EQ(ExportFileName("/home/me/settings"), fs::path("/home/me/settings.DATA"));
  EXPECT_EQ(ExportFileName("/home/me/car.v2.DATA"), fs::path("/home/me/car.v2.DATA"));
  EXPECT_EQ(ExportFileName("/home/me/runs.2024/car"), fs::path("/home/me/runs.2024/car.DATA"));
  EXPECT_EQ(ExportFileName("car."), fs::path("car.DATA"));
}

class DataFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("vuriru-files-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  static std::vector<uint8_t> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Put(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  size_t EntriesInDir() const { return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), {})); }

  fs::path m_dir;
};

TEST_F(DataFileOnDisk, SaveThenRead) {
  const fs::path path = m_dir / "car.DATA";
  EXPECT_FALSE(FileExistsAndNotEmpty(path));
  ASSERT_TRUE(SaveDataFile(path, SampleEscData()).ok);
  EXPECT_TRUE(FileExistsAndNotEmpty(path));
  EXPECT_EQ(fs::file_size(path), kDataFileSize);
  EXPECT_EQ(EntriesInDir(), 1u);  // no temporary file left behind

  const DataFileImport read = ReadDataFile(path, EscData{});
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.data.settings.Log(RunningLog::MotorMaxRpm), 300u);
  EXPECT_EQ(EncodeDataFile(read.data).bytes, EncodeDataFile(SampleEscData()).bytes);
}

TEST_F(DataFileOnDisk, EmptyFileNeedsNoOverwriteQuestion) {
  Put(m_dir / "empty.DATA", {});
  EXPECT_FALSE(FileExistsAndNotEmpty(m_dir / "empty.DATA"));
}

TEST_F(DataFileOnDisk, LongShortAndMissingFilesAreRefused) {
  const DataFileBytes good = EncodeDataFile(SampleEscData()).bytes;
  std::vector<uint8_t> longer(good.begin(), good.end());
  longer.push_back(0);
  Put(m_dir / "long.DATA", longer);
  std::vector<uint8_t> shorter(good.begin(), good.end() - 1);
  Put(m_dir / "short.DATA", shorter);
  for (const char* name : {"long.DATA", "short.DATA", "missing.DATA"}) {
    const DataFileImport read = ReadDataFile(m_dir / name, EscData{});
    EXPECT_FALSE(read.ok) << name;
    EXPECT_EQ(read.message, "Import file error!");
  }
  EXPECT_FALSE(ReadDataFile(m_dir, EscData{}).ok);  // a folder
}

// The window takes an import over only when it is ok; a refused one must not
// carry part of the file either, whichever check refused it: the header, or
// a curve found impossible after the sections before it were already read.
TEST_F(DataFileOnDisk, RefusedImportCarriesNothingOfTheFile) {
  DataFileBytes badHeader = EncodeDataFile(SampleEscData()).bytes;
  badHeader[kDataFileSize - 1] = 0x11;
  std::vector<std::vector<uint8_t>> files{{badHeader.begin(), badHeader.end()}};
  for (StoredCurve EscData::*which : {&EscData::brakeCurve, &EscData::throttleCurve}) {
    EscData data = SampleEscData();
    (data.*which).x[1] = 120;  // off the grid
    const DataFileExport encoded = EncodeDataFile(data);
    ASSERT_TRUE(encoded.ok);
    files.emplace_back(encoded.bytes.begin(), encoded.bytes.end());
  }
  const EscData nothing{};
  for (const auto& bytes : files) {
    Put(m_dir / "bad.DATA", bytes);
    const DataFileImport read = ReadDataFile(m_dir / "bad.DATA", SampleEscData());
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.data.settings.current, nothing.settings.current);
    EXPECT_EQ(read.data.settings.runningLog, nothing.settings.runningLog);
    for (StoredCurve EscData::*curve : {&EscData::boostCurve, &EscData::brakeCurve, &EscData::throttleCurve}) {
      EXPECT_EQ((read.data.*curve).x, (nothing.*curve).x);
      EXPECT_EQ((read.data.*curve).table, (nothing.*curve).table);
    }
  }
}

TEST_F(DataFileOnDisk, FailedWriteLeavesTheTargetAsItWas) {
  const fs::path path = m_dir / "car.DATA";
  const std::vector<uint8_t> before{1, 2, 3};
  Put(path, before);

  // Let the disk refuse anything past 100 bytes, as a full disk would.
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
  rlimit small = oldLimit;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileWriteResult result = SaveDataFile(path, SampleEscData());
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.message.empty());
  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(DataFileOnDisk, FailedRenameLeavesTheTargetAsItWas) {
  const fs::path path = m_dir / "car.DATA";
  fs::create_directory(path);
  Put(path / "inside", {9});
  EXPECT_FALSE(SaveDataFile(path, SampleEscData()).ok);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(Contents(path / "inside"), std::vector<uint8_t>{9});
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(DataFileOnDisk, SavingOverALinkReplacesTheFileItNames) {
  const fs::path real = m_dir / "real.DATA";
  const fs::path link = m_dir / "link.DATA";
  Put(real, {1, 2, 3});
  fs::create_symlink(real.filename(), link);
  ASSERT_TRUE(SaveDataFile(link, SampleEscData()).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::file_size(real), kDataFileSize);
  EXPECT_EQ(EntriesInDir(), 2u);
}

TEST_F(DataFileOnDisk, MissingFolderIsReported) {
  const FileWriteResult result = SaveDataFile(m_dir / "nowhere" / "car.DATA", SampleEscData());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.message.empty());
}

}  // namespace
}  // namespace vuriru
