// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing what a store sent with what the controller gave back.

#include "cli/read_back_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru {
namespace {

TEST(ReadBackCheck, ComparesTheLowByteOfEveryFrameSettingAndNamesIt) {
  SettingsBlock sent;
  LoadFactorySettings(sent);
  SettingsBlock held = sent;
  EXPECT_TRUE(SettingsDifferences(sent, held).empty());

  sent.Current(Setting::DragBrake) = 256 + 12;  // only the low byte travels
  held.Current(Setting::DragBrake) = 12;
  EXPECT_TRUE(SettingsDifferences(sent, held).empty());

  held.Current(Setting::RunMode) = 2;
  held.Current(Setting::TurboK) = 9;  // page-only, never sent
  EXPECT_THAT(SettingsDifferences(sent, held), ::testing::ElementsAre("General/RUN MODE (sent 0, read back 2)"));
}

TEST(ReadBackCheck, CurvesDifferOnlyInTheValuesTheBlockCarries) {
  SentCurves sent;
  sent.boost.x[1] = sent.boost.y[1] = 100;
  SentCurves held = sent;
  held.brake.table[kSampleCount] = 9;  // past the 40 carried entries
  EXPECT_TRUE(CurveDifferences(sent, held).empty());

  held.boost.table[39] = 100;
  held.throttle.y[0] = 1;
  EXPECT_THAT(CurveDifferences(sent, held), ::testing::ElementsAre("throttle curve", "boost curve"));
}

TEST(ReadBackCheck, V1BecCountsOnlyWhileShown) {
  V1SettingsBlock sent = V1FactoryBlock(kV1BecHidden);
  V1SettingsBlock held = sent;
  held[V1Setting::Bec] = 1;
  EXPECT_TRUE(V1Differences(sent, held).empty());
  sent.becShown = kV1BecShown;
  EXPECT_THAT(V1Differences(sent, held), ::testing::ElementsAre("V1/BEC (sent 0, read back 1)"));
}

TEST(ReadBackCheck, DescriptionNamesTheFirstFewAndCountsTheRest) {
  EXPECT_EQ(DescribeDifferences({"a", "b"}), "a, b");
  EXPECT_EQ(DescribeDifferences({"a", "b", "c", "d", "e", "f"}), "a, b, c, d and 2 more");
}

}  // namespace
}  // namespace vuriru
