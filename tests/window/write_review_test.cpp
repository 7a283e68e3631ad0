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

}  // namespace
}  // namespace vuriru::test
