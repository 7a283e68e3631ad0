// SPDX-License-Identifier: GPL-3.0-or-later
// A library that cannot be used: locked, damaged, read-only, on a full disk,
// newer or foreign. Each gives one message, once; every call is still safe;
// the program works on without history, and the file is left as it was.

#include <chrono>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "library/full_disk_vfs.h"
#include "library/library.h"
#include "library/library_fixture.h"
#include "library/library_schema.h"

namespace vuriru {
namespace {

using testing::FileBytes;
using testing::FullData;
using testing::FullRecord;
using ::testing::HasSubstr;
using testing::LibraryFolder;

// Every call on a library that cannot take anything new comes back refused
// with the library's message, at once.
void ExpectEveryChangeRefused(Library& library) {
  EXPECT_FALSE(library.CanWrite());
  const LibraryResult recorded = library.RecordSnapshot(FullRecord(7), SnapshotReason::kRead);
  EXPECT_FALSE(recorded.ok);
  EXPECT_EQ(recorded.message, library.ProblemText());
  EXPECT_FALSE(library.SaveSetup("Track A", "", FullData(), "").ok);
  EXPECT_FALSE(library.RenameSetup("Track A", "Track B").ok);
  EXPECT_FALSE(library.DeleteSetup("Track A").ok);
  const LibraryResult run = RecordRunLog(library, FullData().settings, "V3.12_240517");
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(run.refusal, LibraryRefusal::kLibrary);
  EXPECT_FALSE(library.SetRunLogNote(1, "heat 3").ok);
}

// A raw connection of "another program".
class OtherProgram {
 public:
  explicit OtherProgram(const std::filesystem::path& path) { sqlite3_open(path.c_str(), &m_db); }
  ~OtherProgram() { sqlite3_close(m_db); }
  int Run(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

 private:
  sqlite3* m_db = nullptr;
};

class LibraryFailures : public LibraryFolder {
 protected:
  // A library with one snapshot and one setup in it, closed again.
  void MakeLibrary() {
    Library library(File(), Ticking());
    ASSERT_TRUE(library.RecordSnapshot(FullRecord(1), SnapshotReason::kRead).ok);
    ASSERT_TRUE(library.SaveSetup("Track A", "", FullData(2), "").ok);
  }
  LibraryOptions Quick() {
    LibraryOptions options = Ticking();
    options.busyTimeoutMs = 100;
    return options;
  }
};

TEST_F(LibraryFailures, LockedByAnotherWriterGivesUpAfterTheBusyTimeOutAndKeepsReading) {
  MakeLibrary();
  Library library(File(), Quick());
  ASSERT_TRUE(library.CanWrite());
  OtherProgram other(File());
  ASSERT_EQ(other.Run("BEGIN EXCLUSIVE"), SQLITE_OK);

  const auto start = std::chrono::steady_clock::now();
  const LibraryResult recorded = library.RecordSnapshot(FullRecord(3), SnapshotReason::kBeforeApply);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(recorded.ok);
  EXPECT_GE(waited, std::chrono::milliseconds(90));
  EXPECT_LT(waited, std::chrono::seconds(5));
  EXPECT_EQ(library.Problem(), LibraryProblem::kLocked);
  EXPECT_EQ(recorded.message, "The settings library " + File().string() +
                                  " is locked by another program. Settings are read and stored as usual, but this "
                                  "session keeps no history.");
  EXPECT_EQ(library.TakeNotice(), recorded.message);
  EXPECT_FALSE(library.TakeNotice());
  // What is in the file can still be looked at; nothing new is taken, even
  // once the other program is done.
  EXPECT_EQ(library.ListSnapshots().size(), 1u);
  ASSERT_EQ(other.Run("COMMIT"), SQLITE_OK);
  ExpectEveryChangeRefused(library);
  EXPECT_EQ(Library(File()).SnapshotCount(), 1u);
}

TEST_F(LibraryFailures, LockedWholeWhileOpeningLeavesNoHistoryAtAll) {
  MakeLibrary();
  OtherProgram other(File());
  ASSERT_EQ(other.Run("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM snapshots"), SQLITE_OK);
  Library library(File(), Quick());
  EXPECT_EQ(library.Problem(), LibraryProblem::kLocked);
  EXPECT_FALSE(library.CanRead());
  EXPECT_TRUE(library.ListSnapshots().empty());
  ExpectEveryChangeRefused(library);
  EXPECT_TRUE(library.TakeNotice());
}

TEST_F(LibraryFailures, AGarbageFileIsCalledDamagedAndLeftAsItWas) {
  std::vector<uint8_t> garbage(8192);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 31 + 7);
  testing::WriteBytes(File(), garbage);

  Library library(File(), Quick());
  EXPECT_EQ(library.Problem(), LibraryProblem::kCorrupt);
  EXPECT_THAT(library.ProblemText(), HasSubstr("is damaged and was left as it is"));
  EXPECT_FALSE(library.CanRead());
  EXPECT_TRUE(library.ListSnapshots().empty());
  EXPECT_TRUE(library.ListSetups().empty());
  EXPECT_FALSE(library.GetSnapshot(1));
  ExpectEveryChangeRefused(library);
  EXPECT_EQ(FileBytes(File()), garbage);
  EXPECT_FALSE(std::filesystem::exists(File().string() + "-wal"));
}

TEST_F(LibraryFailures, ALibraryWithDamagedPagesIsLeftAsItWas) {
  MakeLibrary();
  std::vector<uint8_t> bytes = FileBytes(File());
  ASSERT_GT(bytes.size(), 200u);
  std::fill(bytes.begin() + 100, bytes.end(), 0xA5);
  testing::WriteBytes(File(), bytes);

  Library library(File(), Quick());
  library.ListSnapshots();
  library.RecordSnapshot(FullRecord(5), SnapshotReason::kRead);
  EXPECT_EQ(library.Problem(), LibraryProblem::kCorrupt);
  EXPECT_EQ(FileBytes(File()), bytes);
}

TEST_F(LibraryFailures, AFullDiskKeepsWhatWasThereAndTakesNothingHalfWay) {
  testing::RegisterFullDiskVfs();
  LibraryOptions options = Quick();
  options.vfs = testing::kFullDiskVfs;
  {
    Library library(File(), options);
    ASSERT_TRUE(library.RecordSnapshot(FullRecord(1), SnapshotReason::kRead).ok) << library.ProblemText();
    testing::SetDiskFull(true);
    const LibraryResult recorded = library.RecordSnapshot(FullRecord(2), SnapshotReason::kBeforeApply);
    testing::SetDiskFull(false);
    EXPECT_FALSE(recorded.ok);
    EXPECT_EQ(library.Problem(), LibraryProblem::kDiskFull);
    EXPECT_EQ(recorded.message, "The disk holding the settings library " + File().string() +
                                    " is full. Settings are read and stored as usual, but this session keeps no "
                                    "history.");
    EXPECT_EQ(library.ListSnapshots().size(), 1u);
    ExpectEveryChangeRefused(library);
  }
  Library again(File(), Quick());
  ASSERT_TRUE(again.CanWrite()) << again.ProblemText();
  ASSERT_EQ(again.SnapshotCount(), 1u);
  EXPECT_EQ(again.ListSnapshots().front().reason, SnapshotReason::kRead);
}

TEST_F(LibraryFailures, AFullDiskWhileCreatingTheLibraryLeavesNoHistory) {
  testing::RegisterFullDiskVfs();
  LibraryOptions options = Quick();
  options.vfs = testing::kFullDiskVfs;
  testing::SetDiskFull(true);
  Library library(File(), options);
  testing::SetDiskFull(false);
  EXPECT_EQ(library.Problem(), LibraryProblem::kDiskFull);
  EXPECT_FALSE(library.CanRead());
  ExpectEveryChangeRefused(library);
}

// Runs the read-only checks as a user who may not write the file: as
// ourselves when we are not root, else in a child process that gives up
// root, since root writes whatever the permissions say.
template <typename Checks>
void AsUserWithoutWriteAccess(Checks checks) {
  if (::geteuid() != 0) {
    checks();
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(90);
    checks();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks failed as a user without write access (see above)";
}

TEST_F(LibraryFailures, AReadOnlyLibraryShowsItsHistoryButTakesNothingNew) {
  MakeLibrary();
  const std::vector<uint8_t> before = FileBytes(File());
  std::filesystem::permissions(File(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  std::filesystem::permissions(m_dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                          std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  AsUserWithoutWriteAccess([&] {
    Library library(File(), Quick());
    EXPECT_EQ(library.Problem(), LibraryProblem::kReadOnly);
    EXPECT_THAT(library.ProblemText(), HasSubstr("cannot be written"));
    EXPECT_TRUE(library.CanRead());
    EXPECT_EQ(library.ListSnapshots().size(), 1u);
    EXPECT_TRUE(library.GetSetup("Track A"));
    ExpectEveryChangeRefused(library);
    EXPECT_TRUE(library.TakeNotice());
    EXPECT_FALSE(library.TakeNotice());
    // Nor can a new library be made in a folder that cannot be written.
    Library fresh(File("new.sqlite3"), Quick());
    EXPECT_NE(fresh.Problem(), LibraryProblem::kNone);
    EXPECT_FALSE(fresh.CanWrite());
  });
  EXPECT_EQ(FileBytes(File()), before);
}

TEST_F(LibraryFailures, ALibraryOfANewerProgramOrAnotherProgramsDatabaseIsLeftAlone) {
  MakeLibrary();
  {
    OtherProgram newer(File());
    ASSERT_EQ(newer.Run(("PRAGMA user_version = " + std::to_string(LatestLibraryVersion() + 1)).c_str()), SQLITE_OK);
  }
  const std::vector<uint8_t> newerBytes = FileBytes(File());
  {
    Library library(File(), Quick());
    EXPECT_EQ(library.Problem(), LibraryProblem::kNewer);
    EXPECT_THAT(library.ProblemText(), HasSubstr("made by a newer version"));
    EXPECT_TRUE(library.ListSnapshots().empty());
    ExpectEveryChangeRefused(library);
  }
  EXPECT_EQ(FileBytes(File()), newerBytes);

  {
    OtherProgram foreign(File("other.db"));
    ASSERT_EQ(foreign.Run("CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine')"), SQLITE_OK);
  }
  const std::vector<uint8_t> foreignBytes = FileBytes(File("other.db"));
  Library library(File("other.db"), Quick());
  EXPECT_EQ(library.Problem(), LibraryProblem::kNotALibrary);
  ExpectEveryChangeRefused(library);
  EXPECT_EQ(FileBytes(File("other.db")), foreignBytes);
}

TEST_F(LibraryFailures, AFolderThatCannotBeMadeIsSaidOnce) {
  testing::WriteBytes(File("plain-file"), {1, 2, 3});
  Library library(File("plain-file") / "sub" / "library.sqlite3", Quick());
  EXPECT_EQ(library.Problem(), LibraryProblem::kCannotOpen);
  EXPECT_THAT(library.ProblemText(), HasSubstr("cannot be opened (its folder cannot be made"));
  ExpectEveryChangeRefused(library);
  EXPECT_TRUE(library.TakeNotice());
  EXPECT_FALSE(library.TakeNotice());
}

}  // namespace
}  // namespace vuriru
