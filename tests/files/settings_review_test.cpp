// SPDX-License-Identifier: GPL-3.0-or-later
// The review before a store, a Default or an import: which settings and
// curves change, and how the question shows them.

#include "files/settings_review.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "curves/curve_kind.h"
#include "sample_esc_data.h"

namespace vuriru {
namespace {

using ::testing::ElementsAre;
using testing::SampleEscData;

TEST(SettingsReview, NothingChangedSaysSoUnderTheQuestion) {
  const ChangeList changes = CompareEscData(SampleEscData(), SampleEscData(), ReviewScope::kStored);
  EXPECT_TRUE(changes.Empty());
  EXPECT_EQ(ReviewText("Do you want to apply?", changes), std::string("Do you want to apply?\n\n") + kNothingChanges);
}

TEST(SettingsReview, ListsEachChangedSettingAsOptionTextsInPageOrderThenTheCurves) {
  const EscData before = SampleEscData();
  EscData after = before;
  after.settings.Current(Setting::TurboStartRpm) = 0;
  after.settings.Current(Setting::RunMode) = 0;
  after.settings.Current(Setting::MoterRotation) = 1;
  after.brakeCurve = testing::ThreePointCurve(60, 10);
  after.throttleCurve = testing::ThreePointCurve(40, 90);
  const ChangeList changes = CompareEscData(before, after, ReviewScope::kStored);
  EXPECT_THAT(
      ChangeLines(changes),
      ElementsAre("RUN MODE: Forward/Reverse \u2192 Forward/Brake(*)", "Moter Rotation: Normal(*) \u2192 Reverse ",
                  "START RPM (Turbo): 20000rpm(*) \u2192 8000rpm", "throttle curve changes", "brake curve changes"));
  EXPECT_EQ(ReviewText("Do you want to apply?", changes),
            "Do you want to apply?\n\nRUN MODE: Forward/Reverse \u2192 Forward/Brake(*)\nMoter Rotation: Normal(*) "
            "\u2192 Reverse \nSTART RPM (Turbo): 20000rpm(*) \u2192 8000rpm\nthrottle curve changes\nbrake curve "
            "changes");
  ASSERT_EQ(changes.settings.size(), 3u);
  EXPECT_EQ(changes.settings[0].fromIndex, 2);
  EXPECT_EQ(changes.settings[0].toIndex, 0);
}

TEST(SettingsReview, ASettingTheControllerDoesNotStoreCountsOnlyForAFile) {
  EscData after = SampleEscData();
  after.settings.Current(Setting::ThReverseSpd) = 0;
  after.settings.Current(Setting::Profile) = 9;  // held by no file either
  EXPECT_TRUE(CompareEscData(SampleEscData(), after, ReviewScope::kStored).Empty());
  EXPECT_THAT(ChangeLines(CompareEscData(SampleEscData(), after, ReviewScope::kFile)),
              ElementsAre("THREVERSE SPD: 100% \u2192 25%(*)"));
}

TEST(SettingsReview, IndexesCompareByTheByteThatTravelsAndShowWhenOutsideTheList) {
  EscData before = SampleEscData();
  EscData after = before;
  before.settings.Current(Setting::RunMode) = 7;  // as a controller may report it
  after.settings.Current(Setting::RunMode) = 2;
  EXPECT_THAT(ChangeLines(CompareEscData(before, after, ReviewScope::kStored)),
              ElementsAre("RUN MODE: index 7, outside its list \u2192 Forward/Reverse"));
  after.settings.Current(Setting::RunMode) = 7 + 256;
  EXPECT_TRUE(CompareEscData(before, after, ReviewScope::kStored).Empty());
}

TEST(SettingsReview, CurvesCompareByTheirPointsNotByStaleTableEntries) {
  EscData after = SampleEscData();
  after.boostCurve.table[5] ^= 1;
  after.boostCurve.x[10] = 77;  // behind the end point, never shown or sent
  EXPECT_TRUE(CompareEscData(SampleEscData(), after, ReviewScope::kStored).Empty());
}

TEST(DefaultEscData, FactoryIndexesAndDefaultCurvesWhileTheRestStays) {
  const EscData current = SampleEscData();
  const EscData target = DefaultEscData(current);
  EXPECT_EQ(target.settings.Current(Setting::RunMode), 0);
  EXPECT_EQ(target.settings.Current(Setting::VoltageCutoff), 1);
  EXPECT_EQ(target.settings.Current(Setting::RpmLock), 99);
  EXPECT_EQ(target.settings.Current(Setting::ThCurve), 0);
  // Settings Default leaves alone, and the running log, stay.
  EXPECT_EQ(target.settings.Current(Setting::Profile), current.settings.Current(Setting::Profile));
  EXPECT_EQ(target.settings.runningLog, current.settings.runningLog);
  EXPECT_EQ(StoredPoints(target.throttleCurve), (std::vector<CurvePoint>{{0, 0}, {100, 100}}));
  // The boost curve bends at the limit of the factory boost timing.
  const int32_t limit = BoostLimit(target.settings.Current(Setting::BoostTiming));
  std::vector<CurvePoint> boost = {{0, 0}, {limit, 100}, {100, 100}};
  if (limit == 100) boost = {{0, 0}, {100, 100}};
  EXPECT_EQ(StoredPoints(target.boostCurve), boost);
  EXPECT_EQ(target.throttleCurve.table[39], 100);
  EXPECT_FALSE(CompareEscData(current, target, ReviewScope::kStored).Empty());
}

}  // namespace
}  // namespace vuriru
