// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails at any step, or stops there, leaves the old file or the
// new one, whole, and reports a failure; a failure it reports leaves no
// temporary file behind.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "faulty_file_calls.h"
#include "files/atomic_file.h"
#include "files/data_file_io.h"
#include "sample_esc_data.h"

namespace vuriru {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileCalls;
using Step = FaultyFileCalls::Step;

class AtomicSaveFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("vuriru-save-faults-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_target = m_dir / "car.DATA";
    // Larger than one short write, so that a save takes several.
    m_new.resize(5000);
    for (size_t i = 0; i < m_new.size(); ++i) m_new[i] = static_cast<uint8_t>(i * 7 + 1);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void PutOld() {
    std::ofstream(m_target, std::ios::binary)
        .write(reinterpret_cast<const char*>(m_old.data()), static_cast<std::streamsize>(m_old.size()));
  }
  std::vector<uint8_t> Target() const {
    std::ifstream in(m_target, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), {})); }

  void ExpectFailedWithOldFile(const FileWriteResult& result, int error, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(std::strerror(error)), std::string::npos) << result.message;
    EXPECT_EQ(Target(), m_old);
    EXPECT_EQ(Entries(), 1u) << "a temporary file was left behind";
  }

  fs::path m_dir;
  fs::path m_target;
  const std::vector<uint8_t> m_old{1, 2, 3, 4};
  std::vector<uint8_t> m_new;
};

// The words the window translates read in English as the system's own, so
// the command line prints what it always printed.
TEST(SystemErrorText, ReadsAsTheSystemsWordsInEnglish) {
  for (int error : {ENOENT, EACCES, ENOSPC, EDQUOT, EROFS, EISDIR, ENOTDIR, EIO, EMFILE}) {
    EXPECT_EQ(EnglishText(SystemErrorText(error)), std::strerror(error)) << error;
  }
  EXPECT_EQ(SystemErrorText(EIO).source, "%1");
  EXPECT_NE(SystemErrorText(ENOSPC).source, "%1");
}

TEST_F(AtomicSaveFaults, EveryFailingStepLeavesTheOldFileWhole) {
  struct Case {
    Step step;
    int nth;
    int error;
    const char* what;
  };
  const Case cases[] = {
      {Step::kMakeTemp, 1, EACCES, "no temporary file can be made"},
      {Step::kWrite, 1, ENOSPC, "the disk is full at the first write"},
      {Step::kWrite, 1, EIO, "the first write fails"},
      {Step::kSync, 1, EIO, "fsync fails"},
      {Step::kSync, 1, ENOSPC, "fsync finds the disk full"},
      {Step::kClose, 1, EIO, "close reports a lost write"},
      {Step::kClose, 1, ENOSPC, "close finds the disk full"},
      {Step::kRename, 1, EXDEV, "the rename fails"},
      {Step::kRename, 1, EIO, "the rename fails with an I/O error"},
  };
  for (const Case& c : cases) {
    PutOld();
    FaultyFileCalls calls;
    calls.FailAt(c.step, c.error, c.nth);
    ExpectFailedWithOldFile(WriteFileAtomically(m_target, m_new, calls), c.error, c.what);
  }
}

TEST_F(AtomicSaveFaults, ShortWritesStillWriteTheWholeFile) {
  PutOld();
  FaultyFileCalls calls;
  calls.writeLimit = 7;
  EXPECT_TRUE(WriteFileAtomically(m_target, m_new, calls).ok);
  EXPECT_GT(calls.Calls(Step::kWrite), 700);
  EXPECT_EQ(Target(), m_new);
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicSaveFaults, ShortWritesThenAFullDiskOrAnErrorLeaveTheOldFile) {
  for (int error : {ENOSPC, EIO}) {
    PutOld();
    FaultyFileCalls calls;
    calls.writeLimit = 1000;
    calls.FailAt(Step::kWrite, error, 3);
    ExpectFailedWithOldFile(WriteFileAtomically(m_target, m_new, calls), error, "the third short write fails");
  }
}

TEST_F(AtomicSaveFaults, WriteThatTakesNothingIsAnError) {
  PutOld();
  FaultyFileCalls calls;
  calls.writeLimit = 1000;
  calls.emptyWriteAt = 2;
  ExpectFailedWithOldFile(WriteFileAtomically(m_target, m_new, calls), EIO, "a write takes no byte");
}

TEST_F(AtomicSaveFaults, InterruptedWriteIsRepeated) {
  PutOld();
  FaultyFileCalls calls;
  calls.FailAt(Step::kWrite, EINTR);
  EXPECT_TRUE(WriteFileAtomically(m_target, m_new, calls).ok);
  EXPECT_EQ(Target(), m_new);
}

TEST_F(AtomicSaveFaults, FolderSyncAfterTheRenameIsBestEffort) {
  // The new file is in place once renamed; a folder that cannot be synced
  // does not make the save a failure.
  for (Step step : {Step::kOpenDirectory, Step::kSync}) {
    PutOld();
    FaultyFileCalls calls;
    calls.FailAt(step, EIO, step == Step::kSync ? 2 : 1);
    EXPECT_TRUE(WriteFileAtomically(m_target, m_new, calls).ok);
    EXPECT_EQ(Target(), m_new);
    EXPECT_EQ(Entries(), 1u);
  }
}

TEST_F(AtomicSaveFaults, FailingSaveOfANewFileLeavesNoFile) {
  for (Step step : {Step::kWrite, Step::kSync, Step::kClose, Step::kRename}) {
    FaultyFileCalls calls;
    calls.FailAt(step, ENOSPC);
    EXPECT_FALSE(WriteFileAtomically(m_target, m_new, calls).ok);
    EXPECT_FALSE(fs::exists(m_target));
    EXPECT_EQ(Entries(), 0u);
  }
}

// The program stops (a crash, the power) at every call a save makes, in turn:
// nothing after that call takes effect, not even the clean-up.
TEST_F(AtomicSaveFaults, StoppingAtAnyCallLeavesTheOldOrTheNewFileWhole) {
  FaultyFileCalls counting;
  counting.writeLimit = 1500;
  PutOld();
  ASSERT_TRUE(WriteFileAtomically(m_target, m_new, counting).ok);

  int stops = 0;
  for (Step step : {Step::kMakeTemp, Step::kWrite, Step::kSync, Step::kChangeMode, Step::kClose, Step::kRename,
                    Step::kOpenDirectory}) {
    for (int nth = 1; nth <= counting.Calls(step); ++nth) {
      fs::remove_all(m_dir);
      fs::create_directories(m_dir);
      PutOld();
      FaultyFileCalls calls;
      calls.writeLimit = 1500;
      calls.StopAt(step, nth);
      WriteFileAtomically(m_target, m_new, calls);
      ASSERT_TRUE(calls.Stopped());
      const std::vector<uint8_t> left = Target();
      EXPECT_TRUE(left == m_old || left == m_new) << "stopped at step " << static_cast<int>(step) << " call " << nth;
      // Only a stop before the rename may leave the new bytes out.
      if (step > Step::kRename) {
        EXPECT_EQ(left, m_new);
      }
      ++stops;
    }
  }
  EXPECT_GE(stops, 10);
}

TEST_F(AtomicSaveFaults, DataFileSaveGoesThroughTheSameSteps) {
  PutOld();
  FaultyFileCalls calls;
  calls.FailAt(Step::kSync, ENOSPC);
  ExpectFailedWithOldFile(SaveDataFile(m_target, testing::SampleEscData(), calls), ENOSPC, "fsync of an export");
  FaultyFileCalls healthy;
  EXPECT_TRUE(SaveDataFile(m_target, testing::SampleEscData(), healthy).ok);
  EXPECT_EQ(Target().size(), kDataFileSize);
}

}  // namespace
}  // namespace vuriru
