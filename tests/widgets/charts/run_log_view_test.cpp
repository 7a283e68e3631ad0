// SPDX-License-Identifier: GPL-3.0-or-later
// The running log's history view, offscreen: the charts' series, gaps and
// dashed limit lines come from the model; nothing is drawn and one line
// says why until two runs exist; the keyboard chooses a run; the charts
// save as PNG and the log as CSV.

#include "widgets/charts/run_log_view.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QChartView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QScatterSeries>
#include <QSlider>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "runlog/run_log_csv.h"
#include "runlog/run_log_entries.h"
#include "widgets/charts/run_log_chart.h"
#include "widgets/kit/language.h"

namespace vuriru {
namespace {

using testing::Entry;
using testing::FiveRuns;

// The series of one kind ("line ESC", "limit", ...) in a chart.
std::vector<QXYSeries*> SeriesNamed(RunLogChartItem* chart, const QString& name) {
  std::vector<QXYSeries*> found;
  for (QAbstractSeries* series : chart->series()) {
    if (series->objectName() == name) found.push_back(static_cast<QXYSeries*>(series));
  }
  return found;
}

std::vector<std::vector<QPointF>> PointsOf(const std::vector<QXYSeries*>& series) {
  std::vector<std::vector<QPointF>> points;
  for (QXYSeries* one : series) {
    const QList<QPointF> list = one->points();
    points.emplace_back(list.begin(), list.end());
  }
  return points;
}

void Key(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

class RunLogViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  QString Path(const std::string& name) const { return QString::fromStdString((m_dir / name).string()); }

  std::filesystem::path m_dir = [] {
    auto dir = std::filesystem::temp_directory_path() / ("vuriru-runlog-view-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
  }();
};

TEST_F(RunLogViewTest, DrawsTheModelsStretchesWithAGapAtTheInvalidRun) {
  RunLogView view(FiveRuns());
  RunLogChartItem* voltage = view.Chart(RunLogChart::kVoltage);
  EXPECT_EQ(PointsOf(SeriesNamed(voltage, "line Battery")),
            (std::vector<std::vector<QPointF>>{{{1, 7.4}, {2, 7.2}}, {{4, 7.1}, {5, 7.0}}}));
  RunLogChartItem* temperature = view.Chart(RunLogChart::kTemperature);
  EXPECT_EQ(SeriesNamed(temperature, "line ESC").size(), 2u);
  EXPECT_EQ(PointsOf(SeriesNamed(temperature, "line Motor")),
            (std::vector<std::vector<QPointF>>{{{1, 70}, {2, 81}}, {{4, 85}, {5, 90}}}));
  EXPECT_EQ(PointsOf(SeriesNamed(view.Chart(RunLogChart::kRpm), "line Motor")).size(), 2u);
  // Nothing anywhere at run 3.
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    for (QAbstractSeries* series : view.Chart(static_cast<RunLogChart>(c))->series()) {
      if (series->objectName() == kMarkerSeriesName) continue;
      for (const QPointF& point : static_cast<QXYSeries*>(series)->points()) {
        if (series->objectName() != kLimitSeriesName) {
          EXPECT_NE(point.x(), 3.0);
        }
      }
    }
  }
}

// Over thousands of runs a lone implausible run is narrower than a pixel:
// its gap is drawn through, so that each quantity is one series rather than
// hundreds. A few hundred runs keep every gap.
TEST_F(RunLogViewTest, GapsNarrowerThanAPixelAreDrawnThroughOverThousandsOfRuns) {
  const auto runs = [](int64_t count) {
    std::vector<RunLogEntry> entries;
    for (int64_t id = 1; id <= count; ++id) {
      entries.push_back(id % 50 == 25 ? Entry(id, 0, 0, 0, 0) : Entry(id, 72, 68, 81, 42));
    }
    return entries;
  };
  RunLogView many(runs(10000));
  EXPECT_EQ(many.Model().Chart(RunLogChart::kVoltage).lines[0].segments.size(), 201u);
  const std::vector<QXYSeries*> battery = SeriesNamed(many.Chart(RunLogChart::kVoltage), "line Battery");
  ASSERT_EQ(battery.size(), 1u);
  EXPECT_EQ(battery[0]->count(), 10000 - 200);
  EXPECT_EQ(SeriesNamed(many.Chart(RunLogChart::kTemperature), "line Motor").size(), 1u);

  RunLogView few(runs(500));
  EXPECT_EQ(SeriesNamed(few.Chart(RunLogChart::kVoltage), "line Battery").size(), 11u);
}

TEST_F(RunLogViewTest, ALoneRunBetweenGapsIsADot) {
  RunLogView view({Entry(1, 0, 0, 0, 0), Entry(2, 72, 68, 81, 42), Entry(3, 0, 0, 0, 0)});
  const std::vector<QXYSeries*> dots = SeriesNamed(view.Chart(RunLogChart::kVoltage), "dots Battery");
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_NE(qobject_cast<QScatterSeries*>(dots[0]), nullptr);
  EXPECT_EQ(dots[0]->points(), QList<QPointF>({QPointF(2, 7.2)}));
  EXPECT_TRUE(SeriesNamed(view.Chart(RunLogChart::kVoltage), "line Battery").empty());
}

TEST_F(RunLogViewTest, LimitLinesAreDashedAcrossAllRunsAtTheNewestRunsOption) {
  RunLogView view(FiveRuns());
  for (RunLogChart chart : {RunLogChart::kVoltage, RunLogChart::kTemperature}) {
    const std::vector<QXYSeries*> limit = SeriesNamed(view.Chart(chart), kLimitSeriesName);
    ASSERT_EQ(limit.size(), 1u);
    EXPECT_EQ(limit[0]->pen().style(), Qt::DashLine);
    const double value = view.Model().Chart(chart).limit->value;
    EXPECT_EQ(limit[0]->points(), QList<QPointF>({QPointF(1, value), QPointF(5, value)}));
    EXPECT_EQ(limit[0]->name().toStdString(), view.Model().Chart(chart).limit->label);
  }
  EXPECT_TRUE(SeriesNamed(view.Chart(RunLogChart::kRpm), kLimitSeriesName).empty());

  std::vector<RunLogEntry> disabled = FiveRuns();
  disabled.back().voltageCutoff = 0;   // "Disable"
  disabled.back().escHeatProtect = 3;  // "Disable"
  RunLogView without(disabled);
  EXPECT_TRUE(SeriesNamed(without.Chart(RunLogChart::kVoltage), kLimitSeriesName).empty());
  EXPECT_TRUE(SeriesNamed(without.Chart(RunLogChart::kTemperature), kLimitSeriesName).empty());
  disabled.back().voltageCutoff = 1;  // "Auto"
  EXPECT_TRUE(SeriesNamed(RunLogView(disabled).Chart(RunLogChart::kVoltage), kLimitSeriesName).empty());
}

TEST_F(RunLogViewTest, TheChartsStayEmptyAndOneLineSaysWhyUntilTwoRuns) {
  for (const std::vector<RunLogEntry>& entries :
       {std::vector<RunLogEntry>{}, std::vector<RunLogEntry>{Entry(1, 72, 68, 81, 42)}}) {
    RunLogView view(entries);
    const RunLogChartModel model(entries);
    EXPECT_EQ(view.SummaryLine()->text().toStdString(), EnglishText(model.EmptyText()));
    for (size_t c = 0; c < kRunLogChartCount; ++c) {
      RunLogChartItem* chart = view.Chart(static_cast<RunLogChart>(c));
      for (QAbstractSeries* series : chart->series()) {
        EXPECT_EQ(series->objectName(), kMarkerSeriesName);
        EXPECT_EQ(static_cast<QXYSeries*>(series)->count(), 0);
      }
      EXPECT_FALSE(view.findChild<QPushButton*>(
                           QString::fromStdString("save " + model.Chart(static_cast<RunLogChart>(c)).fileName))
                       ->isEnabled());
    }
    EXPECT_EQ(view.findChild<QPushButton*>("save csv")->isEnabled(), !entries.empty());
  }
  RunLogView two({Entry(1, 72, 68, 81, 42), Entry(2, 72, 68, 81, 42)});
  EXPECT_EQ(two.SummaryLine()->text().count('\n'), 0);
  EXPECT_TRUE(two.SummaryLine()->text().startsWith("2 runs, from "));
}

TEST_F(RunLogViewTest, TheKeyboardChoosesARunAndTheChartsMarkIt) {
  RunLogView view(FiveRuns());
  view.show();
  // The newest run is chosen at first, and the slider has the focus.
  EXPECT_EQ(view.RunSlider()->value(), 5);
  EXPECT_EQ(view.focusWidget(), view.RunSlider());
  Key(view.RunSlider(), Qt::Key_Left);
  Key(view.RunSlider(), Qt::Key_Left);
  EXPECT_EQ(view.RunSlider()->value(), 3);
  EXPECT_EQ(view.RunDetails()->text().toStdString(), EnglishText(view.Model().HoverText(3)));
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    const std::vector<QXYSeries*> marker = SeriesNamed(view.Chart(static_cast<RunLogChart>(c)), kMarkerSeriesName);
    ASSERT_EQ(marker.size(), 1u);
    ASSERT_EQ(marker[0]->count(), 2);
    EXPECT_EQ(marker[0]->at(0).x(), 3.0);
  }
  Key(view.RunSlider(), Qt::Key_Home);
  EXPECT_EQ(view.RunDetails()->text().toStdString(), EnglishText(view.Model().HoverText(1)));
  // The rpm chart's save button has its mnemonic; Escape closes.
  EXPECT_EQ(view.findChild<QPushButton*>("save rpm")->text(), QString::fromUtf8("Save &rpm chart\u2026"));
  Key(&view, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
}

void Mouse(QWidget* viewport, QEvent::Type type, const QPoint& at) {
  QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

TEST_F(RunLogViewTest, PointingAtAChartShowsTheNearestRunAndAClickChoosesIt) {
  RunLogView view(FiveRuns());
  view.show();
  QApplication::processEvents();
  QChartView* chartView = view.ChartView(RunLogChart::kTemperature);
  RunLogChartItem* chart = view.Chart(RunLogChart::kTemperature);
  // Just right of run 2, at a height no line passes: the whole plot area
  // answers, not only the lines.
  const QPointF inChart = chart->mapToPosition(QPointF(2.3, 95));
  const QPoint at = chartView->mapFromScene(chart->mapToScene(inChart));
  EXPECT_EQ(view.RunAt(RunLogChart::kTemperature, at), 2u);
  Mouse(chartView->viewport(), QEvent::MouseMove, at);
  const std::string details = view.RunDetails()->text().toStdString();
  EXPECT_EQ(details, EnglishText(view.Model().HoverText(2)));
  EXPECT_NE(details.find(RunLogLocalTime(FiveRuns()[1].timeMs)), std::string::npos);
  EXPECT_NE(details.find("heat 3, FDR 4.2"), std::string::npos);
  // Pointing does not choose: leaving shows the chosen run again.
  EXPECT_EQ(view.RunSlider()->value(), 5);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(chartView->viewport(), &leave);
  EXPECT_EQ(view.RunDetails()->text().toStdString(), EnglishText(view.Model().HoverText(5)));
  Mouse(chartView->viewport(), QEvent::MouseButtonPress, at);
  EXPECT_EQ(view.RunSlider()->value(), 2);
  // Outside the plot area (the chart's title) there is no run.
  EXPECT_EQ(view.RunAt(RunLogChart::kTemperature, QPoint(2, 2)), 0u);
  // Nor while there are no charts.
  RunLogView single({Entry(1, 72, 68, 81, 42)});
  single.show();
  QApplication::processEvents();
  EXPECT_EQ(single.RunAt(RunLogChart::kVoltage, single.ChartView(RunLogChart::kVoltage)->rect().center()), 0u);
}

TEST_F(RunLogViewTest, ANoteIsChangedInTheLibraryOnlyForAViewBuiltFromIt) {
  Library library((m_dir / "notes.sqlite3").string());
  for (const RunLogEntry& entry : FiveRuns()) ASSERT_TRUE(library.RecordRunLog(entry).ok);
  RunLogView view(library);
  view.show();
  // The newest run's (empty) note is at hand; choosing run 2 brings its own.
  EXPECT_TRUE(view.NoteEdit()->isVisible());
  EXPECT_EQ(view.NoteEdit()->text(), "");
  view.ChooseRun(2);
  EXPECT_EQ(view.NoteEdit()->text(), "heat 3, FDR 4.2");
  // Enter keeps the typed note, under the run's library id.
  view.NoteEdit()->setText("A main, \"wet\", FDR 4.4");
  Key(view.NoteEdit(), Qt::Key_Return);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(library.ListRunLog()[1].note, "A main, \"wet\", FDR 4.4");
  EXPECT_EQ(library.ListRunLog()[0].note, "");
  EXPECT_EQ(view.RunDetails()->text().toStdString(), EnglishText(view.Model().HoverText(2)));
  EXPECT_EQ(view.Model().Entries()[1].note, "A main, \"wet\", FDR 4.4");
  // A note the library refuses changes nothing.
  QString why;
  EXPECT_FALSE(view.SetNote(2, QString(static_cast<qsizetype>(kLongestRunLogNote + 1), 'x'), &why));
  EXPECT_EQ(why, QStringLiteral("A run's note is at most %1 bytes.").arg(kLongestRunLogNote));
  EXPECT_EQ(view.Model().Entries()[1].note, "A main, \"wet\", FDR 4.4");
  EXPECT_EQ(library.ListRunLog()[1].note, "A main, \"wet\", FDR 4.4");

  // Built from entries, there is nowhere to keep a note.
  RunLogView entries(FiveRuns());
  entries.show();
  EXPECT_FALSE(entries.NoteEdit()->isVisible());
  EXPECT_FALSE(entries.SetNote(2, "x", &why));
  EXPECT_EQ(entries.Model().Entries()[1].note, "heat 3, FDR 4.2");
}

TEST_F(RunLogViewTest, SavesEachChartAsAPngAndTheLogAsCsv) {
  RunLogView view(FiveRuns());
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    const QString path = Path("chart" + std::to_string(c) + ".png");
    QString why;
    ASSERT_TRUE(view.SavePng(static_cast<RunLogChart>(c), path, &why)) << why.toStdString();
    const QImage image(path, "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 400);
    EXPECT_GT(image.height(), 150);
  }
  ASSERT_TRUE(view.SaveCsv(Path("log.csv")));
  std::ifstream in(m_dir / "log.csv", std::ios::binary);
  std::stringstream saved;
  saved << in.rdbuf();
  EXPECT_EQ(saved.str(), RunLogCsv(FiveRuns()));

  QString why;
  EXPECT_FALSE(view.SaveCsv(Path("missing/log.csv"), &why));
  EXPECT_FALSE(why.isEmpty());
}

TEST_F(RunLogViewTest, TheRunAxisTicksStayFewAndWhole) {
  EXPECT_EQ(RunTickInterval(4), 1);
  EXPECT_EQ(RunTickInterval(10), 1);
  EXPECT_EQ(RunTickInterval(11), 2);
  EXPECT_EQ(RunTickInterval(45), 5);
  EXPECT_EQ(RunTickInterval(9999), 1000);
}

TEST_F(RunLogViewTest, OpensOnALibrarysRunLog) {
  Library library((m_dir / "library.sqlite3").string());
  for (const RunLogEntry& entry : FiveRuns()) ASSERT_TRUE(library.RecordRunLog(entry).ok);
  RunLogView view(library);
  EXPECT_EQ(view.Model().RunCount(), 5u);
  EXPECT_EQ(view.Model().Entries()[1].note, "heat 3, FDR 4.2");
}

}  // namespace
}  // namespace vuriru

namespace vuriru {
namespace {

// The view is built in the window's language each time it opens: titles,
// buttons, charts, legends, the limit lines and the run's details, with the
// figures, "ESC" and the users' notes kept.
TEST_F(RunLogViewTest, OpensInTheWindowsLanguage) {
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::kEnglish); }
  } back;
  ASSERT_TRUE(SetLanguage(Language::kChinese));
  RunLogView view(FiveRuns());
  EXPECT_EQ(view.windowTitle(), QStringLiteral("运行日志历史"));
  EXPECT_TRUE(view.SummaryLine()->text().startsWith(QStringLiteral("共 5 次运行，从 ")))
      << view.SummaryLine()->text().toStdString();
  EXPECT_EQ(view.Chart(RunLogChart::kVoltage)->title(), QStringLiteral("电池最低电压"));
  EXPECT_EQ(view.Chart(RunLogChart::kTemperature)->title(), QStringLiteral("最高温度"));
  const std::vector<QXYSeries*> voltageLimit = SeriesNamed(view.Chart(RunLogChart::kVoltage), kLimitSeriesName);
  ASSERT_EQ(voltageLimit.size(), 1u);
  EXPECT_EQ(voltageLimit[0]->name(), QStringLiteral("低压保护 6.2v"));
  const std::vector<QXYSeries*> heatLimit = SeriesNamed(view.Chart(RunLogChart::kTemperature), kLimitSeriesName);
  ASSERT_EQ(heatLimit.size(), 1u);
  EXPECT_EQ(heatLimit[0]->name(), QStringLiteral("电调过热保护 105℃"));
  const QString line = QString::fromLatin1(kLineSeriesPrefix);
  ASSERT_FALSE(SeriesNamed(view.Chart(RunLogChart::kTemperature), line + QStringLiteral("Motor")).empty());
  EXPECT_EQ(SeriesNamed(view.Chart(RunLogChart::kTemperature), line + QStringLiteral("Motor"))[0]->name(),
            QStringLiteral("电机"));
  EXPECT_EQ(SeriesNamed(view.Chart(RunLogChart::kTemperature), line + QStringLiteral("ESC"))[0]->name(),
            QStringLiteral("ESC"));
  const QString details = view.RunDetails()->text();
  EXPECT_TRUE(details.startsWith(QStringLiteral("第 5 次运行  "))) << details.toStdString();
  EXPECT_TRUE(details.contains(QStringLiteral("，电机 "))) << details.toStdString();
  EXPECT_EQ(view.findChild<QPushButton*>(QStringLiteral("close"))->text(), QStringLiteral("关闭(&L)"));
  // The library's and the file's refusals too.
  Library library((m_dir / "library.sqlite3").string());
  for (const RunLogEntry& entry : FiveRuns()) ASSERT_TRUE(library.RecordRunLog(entry).ok);
  RunLogView kept(library);
  QString why;
  EXPECT_FALSE(kept.SetNote(2, QString(static_cast<qsizetype>(kLongestRunLogNote + 1), 'x'), &why));
  EXPECT_EQ(why, QStringLiteral("一次运行的备注最多 %1 个字节。").arg(kLongestRunLogNote));
  EXPECT_FALSE(kept.SaveCsv(Path("missing/log.csv"), &why));
  EXPECT_TRUE(why.startsWith(QStringLiteral("无法在 "))) << why.toStdString();

  // Switching back: the next view opens in English again.
  ASSERT_TRUE(SetLanguage(Language::kEnglish));
  RunLogView english(FiveRuns());
  EXPECT_EQ(english.windowTitle(), QStringLiteral("Running log history"));
  EXPECT_EQ(english.RunDetails()->text().toStdString(), EnglishText(english.Model().HoverText(5)));
}

}  // namespace
}  // namespace vuriru
