// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_model.h"

#include <vector>

#include <gtest/gtest.h>

#include "curves/boost_rpm_axis.h"
#include "curves/curve_readouts.h"

namespace vuriru {
namespace {

std::vector<GridPoint> PointsOf(const CurveModel& m) {
  return {m.Points().begin(), m.Points().end()};
}

using Points = std::vector<GridPoint>;

// Builds a curve through presses on an initially straight line, then stores
// it so that CANCEL returns to it.
CurveModel ThrottleWith(const Points& interior) {
  CurveModel m(CurveNumber::Throttle);
  for (GridPoint p : interior) {
    m.LeftPress(p);
    m.LeftRelease();
  }
  m.StoreCurve();
  return m;
}

TEST(CurveModel, FreshEditorHoldsTheStraightLine) {
  CurveModel m(CurveNumber::Throttle);
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
  EXPECT_EQ(m.CountReadout(), "total: 02");
  EXPECT_EQ(m.PointReadout(), "x:00,y:00");
  EXPECT_EQ(m.SavedCount(), 2u);
  EXPECT_EQ(m.CloseFlag(), CurveModel::kIdle);
  EXPECT_EQ(m.Stored().table[0], 0);
  EXPECT_EQ(m.Stored().table[1], 5);
  EXPECT_EQ(m.Stored().table[39], 100);
}

TEST(CurveModel, StoringTheResetCurveLeavesNoPointOfALongerCurveBehindItsEnd) {
  CurveModel m = ThrottleWith({{20, 30}, {40, 50}, {60, 70}, {80, 85}});
  ASSERT_EQ(m.Count(), 6u);
  m.Show();
  m.ResetCurve();
  m.StorePoints();
  const size_t count = m.Count();
  ASSERT_LT(count, 6u);
  EXPECT_EQ(m.Stored().x[count - 1], 100);
  for (size_t i = count; i < m.Stored().x.size(); ++i) {
    EXPECT_EQ(m.Stored().x[i], 0) << i;
    EXPECT_EQ(m.Stored().y[i], 0) << i;
  }
  EXPECT_EQ(m.Stored().table[39], 100);
  EXPECT_EQ(m.SavedCount(), count);
  // The store does not close an editor that is shown.
  EXPECT_EQ(m.CloseFlag(), CurveModel::kShown);
}

TEST(CurveModel, ReadoutsPadToTwoDigits) {
  EXPECT_EQ(FormatPointReadout({5, 100}), "x:05,y:100");
  EXPECT_EQ(FormatCountReadout(40), "total: 40");
}

TEST(CurveModel, LeftPressAwayFromPointsInsertsAndStartsDragging) {
  CurveModel m(CurveNumber::Throttle);
  m.LeftPress({50, 52});
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {50, 52}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 1);
  EXPECT_TRUE(m.IsDragging());
  EXPECT_EQ(m.CountReadout(), "total: 03");
  EXPECT_EQ(m.PointReadout(), "x:50,y:52");
  // The stored curve changes only on OK.
  EXPECT_EQ(m.Stored().x[1], 100);
}

TEST(CurveModel, LeftPressGrabsWithinSquaredDistanceTwoOtherwiseInserts) {
  {
    CurveModel m = ThrottleWith({{50, 50}});
    m.LeftPress({51, 51});  // d2 = 2: grab and move
    EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {51, 51}, {100, 100}}));
    EXPECT_TRUE(m.IsDragging());
  }
  {
    CurveModel m = ThrottleWith({{50, 50}});
    m.LeftPress({51, 52});  // d2 = 5 from (50,50): a new point after it
    EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {50, 50}, {51, 52}, {100, 100}}));
    EXPECT_EQ(m.SelectedIndex(), 2);
  }
  for (GridPoint p : {GridPoint{49, 51}, GridPoint{48, 50}}) {  // d2 = 2 (grab) and 4 (insert)
    CurveModel m = ThrottleWith({{50, 50}});
    m.LeftPress(p);
    EXPECT_EQ(m.Count(), p.x == 49 ? 3u : 4u) << p.x;
  }
}

TEST(CurveModel, FullCurveGrabsUpToSquaredDistanceFourAndIgnoresPressesAway) {
  Points interior;
  for (int i = 1; i <= 38; ++i) interior.push_back({i * 2 + 10, 40});
  CurveModel m = ThrottleWith(interior);
  ASSERT_EQ(m.Count(), 40u);

  m.LeftPress({20, 42});  // d2 = 4 from (20,40)
  EXPECT_TRUE(m.IsDragging());
  EXPECT_EQ(m.SelectedPoint(), (GridPoint{20, 42}));
  EXPECT_EQ(m.Count(), 40u);

  m.LeftPress({30, 80});  // far from every point: nothing added
  EXPECT_FALSE(m.IsDragging());
  EXPECT_EQ(m.Count(), 40u);
}

TEST(CurveModel, PressNearAnEndPointNeverMovesIt) {
  CurveModel m(CurveNumber::Throttle);
  m.LeftPress({99, 99});
  EXPECT_FALSE(m.IsDragging());
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 1);
  m.LeftPress({1, 1});
  EXPECT_FALSE(m.IsDragging());
  EXPECT_EQ(m.SelectedIndex(), 0);
}

TEST(CurveModel, PressOutsideTheOpenGridChangesNothingAndEndsADrag) {
  CurveModel m(CurveNumber::Brake);
  m.LeftPress({50, 50});
  ASSERT_TRUE(m.IsDragging());
  for (GridPoint p : {GridPoint{0, 50}, GridPoint{100, 50}, GridPoint{50, 0}, GridPoint{50, 100}, GridPoint{-5, 200}}) {
    m.LeftPress(p);
    EXPECT_FALSE(m.IsDragging());
    m.RightPress(p);
  }
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {50, 50}, {100, 100}}));
}

TEST(CurveModel, TiesGoToTheFirstPointAtOrRightOfThePress) {
  // (40,50) and (42,50), press at (41,50): d2 1 to both; pos is the second.
  CurveModel m = ThrottleWith({{40, 50}, {42, 50}});
  m.LeftPress({41, 50});
  EXPECT_EQ(m.SelectedIndex(), 2);
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {40, 50}, {41, 50}, {100, 100}}));
}

TEST(CurveModel, LeftoverEntryBehindTheLastPointIsNeverGrabbed) {
  CurveModel m = ThrottleWith({});
  m.Show();
  m.LeftPress({50, 50});
  m.LeftRelease();
  m.LeftPress({97, 97});
  m.LeftRelease();
  m.Cancel();  // entries 2 and 3 now hold (97,97) and (100,100)
  ASSERT_EQ(m.Count(), 2u);
  m.LeftPress({98, 98});  // nearest to the leftover (97,97): must insert instead
  m.MouseMove({95, 95}, true);
  m.LeftRelease();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {95, 95}, {100, 100}}));
}

TEST(CurveModel, DragKeepsTheListOrderedAndTheReadoutFollows) {
  CurveModel m = ThrottleWith({{30, 30}, {60, 60}});
  m.LeftPress({30, 31});
  ASSERT_TRUE(m.IsDragging());
  m.MouseMove({70, 20}, true);  // past (60,60)
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {60, 60}, {70, 20}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 2);
  EXPECT_EQ(m.PointReadout(), "x:70,y:20");
  m.MouseMove({100, 100}, true);  // to the right edge: stays before the end point
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {60, 60}, {100, 100}, {100, 100}}));
  m.MouseMove({0, 10}, true);  // to the left edge: stays after the start point
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {0, 10}, {60, 60}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 1);

  m.MouseMove({50, 101}, true);  // outside: ignored
  m.MouseMove({50, 50}, false);  // button no longer down: ignored
  EXPECT_EQ(m.SelectedPoint(), (GridPoint{0, 10}));
  EXPECT_FALSE(m.LeftRelease()) << "only the boost editor refreshes on release";
  m.MouseMove({50, 50}, true);
  EXPECT_EQ(m.SelectedPoint(), (GridPoint{0, 10}));
}

TEST(CurveModel, GrabbedPointThatPassesItsNeighbourKeepsTheOrder) {
  // Press at (49,52): pos is (50,50) at d2 5, (50,52) at d2 1 is grabbed.
  CurveModel m = ThrottleWith({{50, 52}, {50, 50}});
  ASSERT_EQ(PointsOf(m), (Points{{0, 0}, {50, 50}, {50, 52}, {100, 100}}));
  m.LeftPress({49, 52});
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {49, 52}, {50, 50}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 1);
}

TEST(CurveModel, RightPressDeletesTheFirstInteriorPointWithinFour) {
  CurveModel m = ThrottleWith({{30, 30}, {33, 33}, {60, 60}});
  m.RightPress({34, 34});  // (30,30) is within 4 on both axes and comes first
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {33, 33}, {60, 60}, {100, 100}}));
  EXPECT_EQ(m.SelectedIndex(), 1);
  m.RightPress({65, 60});  // 5 away in x: kept
  EXPECT_EQ(m.Count(), 4u);
  m.RightPress({96, 96});  // the end point is never deleted
  m.RightPress({1, 1});
  EXPECT_EQ(m.Count(), 4u);

  CurveModel line(CurveNumber::Throttle);
  line.RightPress({99, 99});
  EXPECT_EQ(line.Count(), 2u);
}

TEST(CurveModel, RightPressOnTheDraggedPointEndsTheDrag) {
  CurveModel m(CurveNumber::Throttle);
  m.LeftPress({50, 50});
  m.RightPress({50, 50});
  EXPECT_FALSE(m.IsDragging());
  m.MouseMove({20, 20}, true);
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
}

TEST(CurveModel, CancelBringsBackEveryDeletedPoint) {
  CurveModel m = ThrottleWith({{20, 10}, {40, 30}, {60, 70}});
  const Points before = PointsOf(m);
  m.Show();
  EXPECT_EQ(m.CloseFlag(), CurveModel::kShown);
  m.RightPress({20, 10});
  m.RightPress({40, 30});
  m.RightPress({60, 70});
  ASSERT_EQ(m.Count(), 2u);
  m.Cancel();
  EXPECT_EQ(PointsOf(m), before);
  EXPECT_TRUE(m.TakeClosed());
  EXPECT_FALSE(m.TakeClosed());
  EXPECT_LT(static_cast<uint32_t>(m.SelectedIndex()), m.Count());
}

TEST(CurveModel, OkStoresZeroFilledArraysAndSamples) {
  CurveModel m(CurveNumber::Brake);
  m.Show();
  m.LeftPress({50, 80});
  m.StoreCurve();
  EXPECT_EQ(m.CloseFlag(), CurveModel::kClosed);
  EXPECT_EQ(m.SavedCount(), 3u);
  const StoredCurve& s = m.Stored();
  EXPECT_EQ(s.x[1], 50);
  EXPECT_EQ(s.y[1], 80);
  EXPECT_EQ(s.x[2], 100);
  for (size_t i = 3; i < kStoredCurveLength; ++i) EXPECT_EQ(s.x[i] | s.y[i], 0) << i;
  EXPECT_EQ(s.table[1], 8);
  EXPECT_EQ(s.table[20], 81);
}

TEST(CurveModel, ResetThenCancelLeavesTheDefaultCurve) {
  CurveModel m = ThrottleWith({{20, 10}, {40, 30}});
  const uint8_t tableBefore = m.Stored().table[5];
  m.ResetCurve();
  m.Cancel();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
  EXPECT_EQ(m.Stored().x[1], 100);
  EXPECT_EQ(m.Stored().x[2], 40) << "entries after the default curve are left as they were";
  EXPECT_EQ(m.Stored().table[5], tableBefore) << "sampled on the next OK";
}

TEST(CurveModel, LoadStoredCurveTakesPointsUpToTheEndPoint) {
  CurveModel m(CurveNumber::Throttle);
  StoredCurve& s = m.Stored();
  s = {};
  const uint8_t xs[] = {0, 10, 60, 100, 77};
  const uint8_t ys[] = {0, 40, 40, 100, 77};
  std::copy(std::begin(xs), std::end(xs), s.x.begin());
  std::copy(std::begin(ys), std::end(ys), s.y.begin());
  m.LoadStoredCurve();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {10, 40}, {60, 40}, {100, 100}}));
  EXPECT_EQ(m.SavedCount(), 4u);
  EXPECT_EQ(m.Stored().table[3], 40);  // input 10
  EXPECT_EQ(m.Stored().table[39], 100);
}

TEST(CurveModel, LoadStoredCurveResetsImpossibleOrTwoPointCurves) {
  CurveModel m(CurveNumber::Throttle);
  m.Stored() = {};  // no end point at all
  m.LoadStoredCurve();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));

  m.Stored().x = {0, 70, 50, 100};  // x goes back
  m.Stored().y = {0, 10, 20, 100};
  m.LoadStoredCurve();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
  EXPECT_EQ(m.Stored().x[1], 100) << "the default curve is written to the stored points";
}

TEST(BoostCurve, LimitFollowsTheBoostTiming) {
  EXPECT_EQ(BoostLimit(0), 0);
  EXPECT_EQ(BoostLimit(32), 50);
  EXPECT_EQ(BoostLimit(33), 51);  // 51.56 rounded down
  EXPECT_EQ(BoostLimit(64), 100);
  EXPECT_EQ(BoostLimit(200), 100) << "a damaged index never pushes the curve off the grid";
  EXPECT_EQ(BoostLimit(-3), 0);
}

TEST(BoostCurve, TimingThirtyTwoBendsAtFiftyAndAcceptsPressesLeftOfIt) {
  int32_t timing = 32;
  CurveModel m(CurveNumber::Boost, [&timing] { return timing; });
  m.ResetCurve();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {50, 100}, {100, 100}}));
  m.LeftPress({50, 40});
  m.RightPress({50, 100});
  EXPECT_EQ(m.Count(), 3u) << "x 50 is not accepted";
  m.LeftPress({49, 40});
  EXPECT_EQ(m.Count(), 4u);
  m.MouseMove({51, 40}, true);
  EXPECT_EQ(m.SelectedPoint(), (GridPoint{49, 40})) << "a drag stops at the limit";
  m.MouseMove({50, 40}, true);
  EXPECT_EQ(m.SelectedPoint(), (GridPoint{50, 40}));
  EXPECT_TRUE(m.LeftRelease());
  EXPECT_FALSE(m.LeftRelease());

  timing = 64;
  m.ResetCurve();
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {100, 100}}));
}

TEST(BoostCurve, FreshEditorStartsFromTheDefaultCurveOfTheCurrentTiming) {
  CurveModel m(CurveNumber::Boost, [] { return 0; });
  EXPECT_EQ(PointsOf(m), (Points{{0, 0}, {0, 100}, {100, 100}}));
  m.LeftPress({1, 50});
  EXPECT_EQ(m.Count(), 3u) << "with timing 0 no press is accepted";
}

TEST(BoostRpmAxis, LabelsSpanStartToEnd) {
  BoostRpmAxis axis;
  EXPECT_EQ(axis.Values(), (std::array<uint32_t, 5>{2000, 4500, 7000, 9500, 12000}));

  int32_t endIndex = 0;
  axis.UpdateRpmLabels(0, endIndex);
  EXPECT_EQ(axis.Values(), (std::array<uint32_t, 5>{1000, 1500, 2000, 2500, 3000}));
  EXPECT_EQ(endIndex, 0);

  axis.UpdateRpmLabels(8, endIndex);
  EXPECT_EQ(axis.Values(), (std::array<uint32_t, 5>{5000, 5250, 5500, 5750, 6000}));
  EXPECT_EQ(endIndex, 6);
  EXPECT_EQ(axis.LabelText(4), "6000");
  EXPECT_EQ(axis.LabelText(9), "");

  endIndex = 9;  // start 2000, end 7500: quarter 1375
  axis.UpdateRpmLabels(2, endIndex);
  EXPECT_EQ(axis.Values(), (std::array<uint32_t, 5>{2000, 3375, 4750, 6125, 7500}));
  EXPECT_EQ(endIndex, 9);
}

}  // namespace
}  // namespace vuriru
