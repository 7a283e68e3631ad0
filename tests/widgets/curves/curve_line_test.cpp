// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "curves/curve_set.h"
#include "pages/qt_app.h"
#include "widgets/curves/curve_lines.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/fake_button_host.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

class CurveLine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }

  void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, GridPoint at) {
    const QPointF pos = editor.EditorPixelOf(at);
    QMouseEvent event(type, pos, editor.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&editor, &event);
  }
  void LeftPress(GridPoint at) { Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at); }
  void DragTo(GridPoint at) { Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at); }
  void LeftRelease(GridPoint at) { Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at); }
  void RightPress(GridPoint at) { Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at); }
  void Click(int buttonId) { editor.Button(buttonId)->click(); }

  QString CountText() const { return editor.CountReadout()->text(); }
  QString PointText() const { return editor.PointReadout()->text(); }

  testing::FakeButtonHost host;
  SettingsBlock block;
  CurveSet curves{block};
  QWidget page;
  CThrottleLine editor{curves.throttle, host, &page};
};

TEST_F(CurveLine, FreshEditorShowsTheStraightLine) {
  EXPECT_EQ(CountText(), "total: 02");
  EXPECT_EQ(PointText(), "x:00,y:00");
  EXPECT_EQ(editor.Model().Count(), 2u);
  EXPECT_EQ(editor.AxisLabel(1164)->text(), "0");
  EXPECT_EQ(editor.AxisLabel(1168)->text(), "100");
  EXPECT_EQ(editor.AxisLabel(1181)->text(), "100");
  EXPECT_EQ(editor.AxisLabel(1173), nullptr);
}

// A curve read from the controller replaces the list while the editor is
// hidden; showing it again (MapPoints) must show that curve's readouts.
TEST_F(CurveLine, ReadoutsFollowACurveLoadedWhileHidden) {
  StoredCurve& stored = curves.throttle.Stored();
  const uint8_t xs[] = {0, 30, 70, 100};
  const uint8_t ys[] = {0, 50, 80, 100};
  for (size_t i = 0; i < 4; ++i) {
    stored.x[i] = xs[i];
    stored.y[i] = ys[i];
  }
  curves.throttle.LoadStoredCurve();
  editor.MapPoints();
  EXPECT_EQ(CountText(), "total: 04");
}

TEST_F(CurveLine, PixelPositionsMapBackToTheGrid) {
  for (GridPoint p : {GridPoint{0, 0}, GridPoint{50, 52}, GridPoint{100, 100}, GridPoint{7, 93}}) {
    const QPoint px = editor.EditorPixelOf(p);
    EXPECT_EQ(editor.Mapping().MouseToGrid({px.x(), px.y()}), p);
  }
}

TEST_F(CurveLine, LeftPressInsertsAndTheReadoutsFollow) {
  LeftPress({50, 52});
  EXPECT_EQ(CountText(), "total: 03");
  EXPECT_EQ(PointText(), "x:50,y:52");
  ASSERT_EQ(editor.DevicePoints().size(), 3u);
  EXPECT_EQ(editor.DevicePoints()[1], editor.Mapping().GridToPlot({50, 52}));
}

TEST_F(CurveLine, DragMovesThePointAndRightPressDeletesIt) {
  LeftPress({50, 52});
  DragTo({60, 40});
  LeftRelease({60, 40});
  EXPECT_EQ(PointText(), "x:60,y:40");
  EXPECT_EQ(editor.Model().Points()[1], (GridPoint{60, 40}));
  // A move without the left button held changes nothing.
  Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {70, 70});
  EXPECT_EQ(editor.Model().Points()[1], (GridPoint{60, 40}));

  RightPress({62, 43});
  EXPECT_EQ(CountText(), "total: 02");
  EXPECT_EQ(editor.DevicePoints().size(), 2u);
}

TEST_F(CurveLine, PressesOffTheGridChangeNothing) {
  // Left of the plot and below it.
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&editor, &event);
  RightPress({50, 50});
  EXPECT_EQ(CountText(), "total: 02");
}

TEST_F(CurveLine, OkStoresAndSamplesCancelRestores) {
  host.state.g_curveEditorOpen = 1;
  editor.show();
  int closed = 0;
  QObject::connect(&editor, &CCurveLine::Closed, [&] { ++closed; });
  LeftPress({50, 80});
  LeftRelease({50, 80});
  Click(button_id::kOk);
  EXPECT_TRUE(editor.isHidden());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(host.state.g_curveEditorOpen, 0);
  EXPECT_EQ(editor.Model().CloseFlag(), CurveModel::kClosed);
  const StoredCurve& stored = editor.Model().Stored();
  EXPECT_EQ(stored.x[1], 50);
  EXPECT_EQ(stored.y[1], 80);
  EXPECT_EQ(stored.table[1], 8);  // input 5 on (0,0)(50,80)(100,100)

  editor.show();
  RightPress({50, 80});
  EXPECT_EQ(CountText(), "total: 02");
  LeftPress({20, 60});
  LeftRelease({20, 60});
  Click(button_id::kCancel);
  EXPECT_EQ(closed, 2);
  EXPECT_EQ(CountText(), "total: 03");
  EXPECT_EQ(editor.Model().Points()[1], (GridPoint{50, 80}));
}

TEST_F(CurveLine, ResetThenCancelKeepsTheStraightLine) {
  LeftPress({30, 70});
  Click(button_id::kOk);
  Click(button_id::kReset);
  EXPECT_EQ(CountText(), "total: 02");
  Click(button_id::kCancel);
  EXPECT_EQ(editor.Model().Count(), 2u);
}

TEST_F(CurveLine, PlotShowsGreenLineAndBlueSquares) {
  LeftPress({50, 52});
  editor.resize(page.size().expandedTo(QSize(600, 390)));
  const QImage shot = editor.grab().toImage();
  const QPoint square = editor.EditorPixelOf({50, 52});
  EXPECT_EQ(QColor(shot.pixel(square + QPoint(2, 2))), QColor(0, 0, 250));
  // A point on the segment from (0,0) to (50,52), away from the square.
  const QPoint first = editor.EditorPixelOf({0, 0});
  const QPoint onLine = first + (square - first) / 2;
  bool green = false;
  for (int dy = -1; dy <= 1; ++dy) green |= QColor(shot.pixel(onLine + QPoint(0, dy))) == QColor(0, 250, 0);
  EXPECT_TRUE(green);
  // The end points get no square.
  const QPoint end = editor.EditorPixelOf({100, 100});
  EXPECT_NE(QColor(shot.pixel(end + QPoint(-2, 2))), QColor(0, 0, 250));
}

TEST_F(CurveLine, ThrottleReadoutsAreSpacedTheOthersNot) {
  CBrakeLine brake(curves.brake, host, &page);
  EXPECT_EQ(editor.CountReadout()->font().letterSpacing(), 1.0);
  EXPECT_EQ(brake.CountReadout()->font().letterSpacing(), 0.0);
  EXPECT_EQ(editor.CountReadout()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(editor.CountReadout()->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(brake.PlotFrame()->objectName(), "plot1023");
}

TEST_F(CurveLine, EachEditorNamesItsCurve) {
  CBrakeLine brake(curves.brake, host, &page);
  CBoostLine boost(curves.boost, curves.boostRpm, host, &page);
  EXPECT_EQ(editor.TitleLabel()->text(), "THROTTLE");
  EXPECT_EQ(brake.TitleLabel()->text(), "BRAKE");
  EXPECT_EQ(boost.TitleLabel()->text(), "BOOST");
  // Whole, and clear of the readouts and the plot.
  EXPECT_LE(editor.TitleLabel()->fontMetrics().horizontalAdvance("THROTTLE"), editor.TitleLabel()->width());
  EXPECT_FALSE(editor.TitleLabel()->geometry().intersects(editor.CountReadout()->geometry()));
  EXPECT_FALSE(editor.TitleLabel()->geometry().intersects(editor.PlotFrame()->geometry()));
}

// The grid picture's lines fall where the axis labels stand: one column per
// bottom label, one row per left label, and no line between them.
TEST_F(CurveLine, GridLinesFallOnTheAxisLabels) {
  CBoostLine boost(curves.boost, curves.boostRpm, host, &page);
  const QImage grid = ResourceImage(image_id::kCurveGrid).toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb ground = grid.pixel(grid.width() - 1, grid.height() - 1);
  const int midRow = editor.Mapping().GridToPlot({0, 60}).y;
  const int midColumn = editor.Mapping().GridToPlot({60, 0}).x;
  for (const CCurveLine* shown : {static_cast<const CCurveLine*>(&editor), static_cast<const CCurveLine*>(&boost)}) {
    const QRect plot = shown->PlotFrame()->geometry();
    std::vector<int> lineColumns;
    for (int id = 1173; id <= 1181; ++id) {
      const QLabel* label = shown->AxisLabel(id);
      if (label == nullptr) continue;
      const int column = label->geometry().left() + label->width() / 2 - plot.left();
      lineColumns.push_back(column);
      EXPECT_NE(grid.pixel(column, midRow), ground) << "label " << id << " at column " << column;
    }
    EXPECT_EQ(lineColumns.size(), shown == &editor ? 8u : 9u);
    std::vector<int> lineRows;
    for (int id = 1164; id <= 1168; ++id) {
      const QLabel* label = shown->AxisLabel(id);
      const int row = std::min(label->geometry().top() + label->height() / 2 - plot.top(), plot.height() - 1);
      lineRows.push_back(row);
      EXPECT_NE(grid.pixel(midColumn, row), ground) << "label " << id << " at row " << row;
    }
    // Between two neighbouring lines the grid is plain ground.
    for (size_t i = 0; i + 1 < lineColumns.size(); ++i) {
      const int between = (lineColumns[i] + lineColumns[i + 1]) / 2;
      EXPECT_EQ(grid.pixel(between, midRow), ground) << between;
    }
    for (size_t i = 0; i + 1 < lineRows.size(); ++i) {
      const int between = (lineRows[i] + lineRows[i + 1]) / 2;
      EXPECT_EQ(grid.pixel(midColumn, between), ground) << between;
    }
  }
}

// The square of a vertex is 6 x 6 blue with a light outline, the same on
// every side of the vertex's pixel.
TEST_F(CurveLine, PointSquaresAreCentredOnTheirVertexWithALightOutline) {
  // A flat stretch through (50,50), so that the line runs along its row only.
  for (GridPoint p : {GridPoint{30, 50}, GridPoint{50, 50}, GridPoint{70, 50}}) LeftPress(p);
  ASSERT_EQ(editor.Model().Count(), 5u);
  const QImage plot = editor.ComposePlot();
  const PixelPoint vertex = editor.Mapping().GridToPlot({50, 50});
  auto at = [&](int dx, int dy) { return QColor(plot.pixel(vertex.x + dx, vertex.y + dy)); };
  EXPECT_EQ(at(0, 0), QColor(0, 250, 0));  // the line's own pixel
  for (int d = 1; d <= 5; ++d) {
    EXPECT_EQ(at(0, -d), at(0, d)) << d;
    for (int dy : {-2, 2}) EXPECT_EQ(at(-d, dy), at(d, dy)) << d << "," << dy;
  }
  for (int d = 1; d <= 2; ++d) EXPECT_EQ(at(d, d), QColor(0, 0, 250)) << d;
  // The outline is lighter than the blue and than the dark grid around it.
  EXPECT_GT(at(4, 2).lightness(), QColor(0, 0, 250).lightness());
  EXPECT_GT(at(4, 2).lightness(), at(7, 2).lightness() + 40);
  EXPECT_EQ(at(6, 2), at(-6, 2));
}

TEST(BoostLine, AxisFollowsTheRpmAndPressesStopAtTheBoostLimit) {
  testing::EnsureQtApplication();
  testing::FakeButtonHost host;
  SettingsBlock block;
  block.Current(Setting::BoostTiming) = 32;
  CurveSet curves{block};
  CBoostLine editor(curves.boost, curves.boostRpm, host);
  EXPECT_EQ(editor.AxisLabel(1164)->text(), "2000");
  EXPECT_EQ(editor.AxisLabel(1168)->text(), "12000");
  EXPECT_EQ(editor.AxisLabel(1173)->text(), "0");
  int32_t endIndex = 0;
  editor.UpdateRpmLabels(8, endIndex);
  EXPECT_EQ(endIndex, 6);
  EXPECT_EQ(editor.AxisLabel(1164)->text(), "5000");
  EXPECT_EQ(editor.AxisLabel(1165)->text(), "5250");

  editor.ResetCurve();
  EXPECT_EQ(editor.Model().Count(), 3u);
  auto press = [&](GridPoint at) {
    const QPointF pos = editor.EditorPixelOf(at);
    QMouseEvent event(QEvent::MouseButtonPress, pos, pos, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor, &event);
  };
  press({60, 90});
  EXPECT_EQ(editor.Model().Count(), 3u);
  press({20, 40});
  EXPECT_EQ(editor.Model().Count(), 4u);
}

}  // namespace
}  // namespace vuriru
