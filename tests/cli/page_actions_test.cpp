// SPDX-License-Identifier: GPL-3.0-or-later
// What Apply, Default and the import do to the settings before a store.

#include "cli/page_actions.h"

#include <gtest/gtest.h>

#include "curves/curve_sampling.h"
#include "files/settings_review.h"
#include "settings/settings_table.h"

namespace vuriru {
namespace {

TEST(PageActions, DefaultRestoresFactoryIndexesButLeavesTheProfile) {
  SettingsBlock settings;
  LoadFactorySettings(settings);
  const SettingsBlock factory = settings;
  for (int32_t& index : settings.current) index = 1;
  settings.Current(Setting::Profile) = 3;
  CurveSet curves(settings);
  ApplyFactoryValues(settings, curves);
  for (const SettingRow& row : SettingsTable()) {
    if (row.setting == Setting::Profile) continue;
    EXPECT_EQ(settings.Current(row.setting), factory.Current(row.setting)) << row.caption;
  }
  EXPECT_EQ(settings.Current(Setting::Profile), 3);
}

TEST(PageActions, DefaultResetsAndSamplesEachCurve) {
  SettingsBlock settings;
  LoadFactorySettings(settings);
  CurveSet curves(settings);
  curves.throttle.Stored().x[1] = 30;
  curves.throttle.Stored().y[1] = 80;
  curves.throttle.Stored().x[2] = curves.throttle.Stored().y[2] = 100;
  curves.throttle.LoadStoredCurve();
  ApplyFactoryValues(settings, curves);
  const StoredCurve& throttle = curves.throttle.Stored();
  EXPECT_EQ(throttle.x[1], 100);
  EXPECT_EQ(throttle.y[1], 100);
  // A straight line samples to its own inputs; the first entry is always 0.
  EXPECT_EQ(throttle.table[0], 0);
  for (size_t k = 1; k < kSampleCount; ++k) EXPECT_EQ(throttle.table[k], SampleInput(k)) << k;
}

TEST(PageActions, ImportHoldsIndexesToTheirListsAndResamplesTheCurves) {
  SettingsBlock settings;
  LoadFactorySettings(settings);
  CurveSet curves(settings);
  EscData data;
  data.settings = settings;
  data.settings.Current(Setting::RunMode) = 200;  // three options
  data.settings.Log(RunningLog::EscMaxTemp) = 70;
  data.brakeCurve.x[1] = data.brakeCurve.y[1] = 100;
  data.boostCurve = data.throttleCurve = data.brakeCurve;
  data.brakeCurve.table.fill(7);  // not what the points sample to
  TakeImportedData(data, settings, curves);
  EXPECT_EQ(settings.Current(Setting::RunMode), 2);
  EXPECT_EQ(settings.Log(RunningLog::EscMaxTemp), 70u);
  EXPECT_EQ(curves.brake.Stored().table[39], 100);
}

// The review before Default computes what Default will send without touching
// the pages; it must be exactly what the pages and editors then send.
TEST(PageActions, DefaultSendsWhatTheReviewBeforeItShowed) {
  SettingsBlock settings;
  LoadFactorySettings(settings);
  settings.Current(Setting::BoostTiming) = 40;
  settings.Current(Setting::RunMode) = 2;
  settings.Current(Setting::Profile) = 3;
  settings.Log(RunningLog::EscMaxTemp) = 70;
  CurveSet curves(settings);
  curves.throttle.Stored().x[1] = 30;
  curves.throttle.Stored().y[1] = 60;
  curves.throttle.Stored().x[2] = 100;
  curves.throttle.Stored().y[2] = 100;
  curves.throttle.LoadStoredCurve();
  const EscData reviewed = DefaultEscData(CurrentEscData(settings, curves));

  ApplyFactoryValues(settings, curves);
  const EscData sent = CurrentEscData(settings, curves);
  EXPECT_EQ(reviewed.settings.current, sent.settings.current);
  EXPECT_EQ(reviewed.settings.runningLog, sent.settings.runningLog);
  EXPECT_EQ(reviewed.boostCurve, sent.boostCurve);
  EXPECT_EQ(reviewed.brakeCurve, sent.brakeCurve);
  EXPECT_EQ(reviewed.throttleCurve, sent.throttleCurve);
}

}  // namespace
}  // namespace vuriru
