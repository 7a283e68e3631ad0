// SPDX-License-Identifier: GPL-3.0-or-later
// The questions before a write or an import keep their first line, and
// say when there is nothing to compare with.

#include "window/write_review.h"

#include <cctype>

#include <gtest/gtest.h>

#include "files/settings_review.h"
#include "library/library.h"
#include "library/library_problem.h"
#include "settings/settings_table.h"
#include "window/library_notice.h"

namespace vuriru::test {
namespace {

EscData Factory() {
  EscData data;
  LoadFactorySettings(data.settings);
  return data;
}

TEST(WriteReview, WithoutACompletedReadTheQuestionsStandAlone) {
  EXPECT_EQ(ApplyQuestionText(std::nullopt, Factory()), "Do you want to apply?");
  EXPECT_EQ(DefaultQuestionText(std::nullopt, Factory()), "Do you want to default?");
}

TEST(WriteReview, ApplyLeavesOutWhatTheControllerDoesNotStore) {
  EscData edited = Factory();
  edited.settings.Current(Setting::ThReverseSpd) += 1;
  EXPECT_EQ(ApplyQuestionText(Factory(), edited), std::string("Do you want to apply?\n\n") + kNothingChanges);
  // An import lists it: the file carries it.
  EXPECT_NE(ImportQuestionText("car.DATA", Factory(), edited, {}).find("THREVERSE SPD"), std::string::npos);
}

TEST(WriteReview, ImportNamesTheFileAndAddsTheReadingsRemarks) {
  EscData imported = Factory();
  imported.settings.Current(Setting::RunMode) = 2;
  EXPECT_EQ(ImportQuestionText("car.json", Factory(), imported, {"\"SLOPE\" is not in the file; it keeps its value"}),
            "car.json would change:\n\nRUN MODE: Forward/Brake(*) \u2192 Forward/Reverse\n\nThe file's reading "
            "noted:\n\"SLOPE\" is not in the file; it keeps its value");
  EXPECT_EQ(ImportQuestionText("car.json", Factory(), Factory(), {}),
            std::string("car.json would change:\n\n") + kNothingChanges);
}

// The window words the library's trouble in sentences the translation
// holds; each must read in English exactly as the library's own message, or
// the window would tell something else than the command line.
TEST(LibraryNotice, EachProblemReadsAsTheLibrarysMessageAndIsTranslatable) {
  const std::filesystem::path path = "/home/racer/.local/share/vuriru/library.sqlite3";
  for (LibraryProblem problem :
       {LibraryProblem::kLocked, LibraryProblem::kCorrupt, LibraryProblem::kReadOnly, LibraryProblem::kDiskFull,
        LibraryProblem::kNewer, LibraryProblem::kNotALibrary, LibraryProblem::kCannotOpen}) {
    const std::string english = LibraryProblemMessage(problem, path, "disk I/O error");
    const UserText notice = LibraryNoticeText(problem, path, english);
    EXPECT_EQ(EnglishText(notice), english);
    // Only a library that cannot be opened has SQLite's words in its message.
    EXPECT_EQ(notice.source == "%1", problem == LibraryProblem::kCannotOpen) << english;
  }
  // A message worded otherwise is shown as given, not replaced.
  const UserText other = LibraryNoticeText(LibraryProblem::kLocked, path, "Something else.");
  EXPECT_EQ(EnglishText(other), "Something else.");
}

// The naming form's reasons read as the library's, in sentence case, and
// each is a text the translation holds.
TEST(LibraryNotice, EachSetupNameProblemReadsAsTheLibrarysAndIsTranslatable) {
  for (const std::string& name : {std::string(), std::string(300, 'x'), std::string("wet\x01"), std::string("123"),
                                  std::string("device"), std::string(" Track A")}) {
    std::string english = SetupNameProblem(name);
    ASSERT_FALSE(english.empty()) << name;
    english.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(english.front())));
    const UserText text = SetupNameProblemText(name);
    EXPECT_EQ(EnglishText(text), english);
    EXPECT_NE(text.source, "%1") << english;
  }
  EXPECT_TRUE(SetupNameProblemText("Track A").empty());
}

}  // namespace
}  // namespace vuriru::test
