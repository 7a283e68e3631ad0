// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/charts/run_log_chart.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"
#include "widgets/layout/theme_colours.h"

namespace vuriru {

namespace {

// The accent for the first quantity of a chart, the light text colour for
// the second (the motor beside the ESC); the limit in a warning red.
constexpr QRgb kLineColours[] = {theme::kAccent, 0xff6cb8ff};
constexpr QRgb kLimitColour = 0xffff5a5a;
// No plot is wider than this many pixels, even on a 4K screen: a gap
// narrower than the runs one of them spans cannot be seen.
constexpr double kWidestPlotPixels = 4000;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QValueAxis* Axis(const QString& title, double low, double high, const char* format) {
  auto* axis = new QValueAxis;
  axis->setRange(low, high);
  axis->setTitleText(title);
  axis->setLabelFormat(QString::fromLatin1(format));
  axis->setLabelsColor(QColor(theme::kText));
  axis->setTitleBrush(QColor(theme::kMutedText));
  axis->setLinePenColor(QColor(theme::kEdge));
  axis->setGridLineColor(QColor(theme::kEdge));
  axis->setMinorGridLineVisible(false);
  axis->setLabelsFont(KitFont(11));
  axis->setTitleFont(KitFont(11));
  return axis;
}

}  // namespace

double RunTickInterval(double span) {
  for (double power = 1;; power *= 10) {
    for (double step : {1.0, 2.0, 5.0}) {
      if (span / (step * power) <= 10 || power > 1e9) return step * power;
    }
  }
}

RunLogChartItem::RunLogChartItem(const ChartPlan& plan) {
  setTitle(MessageText(plan.title));
  setTitleBrush(QColor(theme::kText));
  setTitleFont(KitFont(13, true));
  setBackgroundBrush(QColor(theme::kGroundTop));
  setBackgroundRoundness(0);
  setPlotAreaBackgroundBrush(QColor(theme::kGroundBottom));
  setPlotAreaBackgroundVisible(true);
  setMargins(QMargins(4, 4, 8, 4));
  legend()->setLabelColor(QColor(theme::kText));
  legend()->setFont(KitFont(11));
  legend()->setAlignment(Qt::AlignTop);

  // Ticks on whole runs, 1, 2 or 5 times a power of ten apart, at most ten.
  QValueAxis* runs = Axis(MessageText(QT_TRANSLATE_NOOP("Messages", "Run")), plan.firstRun, plan.lastRun, "%d");
  runs->setTickType(QValueAxis::TicksDynamic);
  runs->setTickAnchor(0);
  runs->setTickInterval(RunTickInterval(plan.lastRun - plan.firstRun));
  QValueAxis* values = Axis(Text(plan.axisTitle), plan.low, plan.high, plan.axisTitle == "V" ? "%.1f" : "%.0f");
  m_values = values;
  addAxis(runs, Qt::AlignBottom);
  addAxis(values, Qt::AlignLeft);
  const auto attach = [&](QAbstractSeries* series) {
    addSeries(series);
    series->attachAxis(runs);
    series->attachAxis(values);
  };

  for (size_t l = 0; l < plan.lines.size(); ++l) {
    const ChartLine& line = plan.lines[l];
    const QColor colour(kLineColours[l % std::size(kLineColours)]);
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::RoundCap);
    bool named = false;
    QScatterSeries* dots = nullptr;
    const double finestGap = (plan.lastRun - plan.firstRun) / kWidestPlotPixels;
    for (const std::vector<ChartPoint>& segment : StretchesToDraw(line.segments, finestGap)) {
      if (segment.size() == 1) {
        if (dots == nullptr) {
          dots = new QScatterSeries;
          dots->setObjectName(QString::fromLatin1(kDotSeriesPrefix) + Text(line.name));
          dots->setName(MessageText(line.name));
          dots->setColor(colour);
          dots->setBorderColor(colour);
          dots->setMarkerSize(6);
        }
        dots->append(segment[0].run, segment[0].value);
        continue;
      }
      auto* series = new QLineSeries;
      series->setObjectName(QString::fromLatin1(kLineSeriesPrefix) + Text(line.name));
      series->setName(MessageText(line.name));
      series->setPen(pen);
      QList<QPointF> points;
      points.reserve(static_cast<qsizetype>(segment.size()));
      for (const ChartPoint& point : segment) points.append(QPointF(point.run, point.value));
      series->replace(points);
      attach(series);
      // One legend entry per quantity, however many stretches it has.
      if (named) legend()->markers(series).first()->setVisible(false);
      named = true;
    }
    if (dots != nullptr) {
      attach(dots);
      if (named) legend()->markers(dots).first()->setVisible(false);
    }
  }

  if (plan.limit) {
    auto* limit = new QLineSeries;
    limit->setObjectName(QString::fromLatin1(kLimitSeriesName));
    QString option = SettingText(plan.limit->option);
    if (option.endsWith(QStringLiteral("(*)"))) option.chop(3);
    limit->setName(SettingText(plan.limit->caption) + QLatin1Char(' ') + option);
    QPen pen(QColor(kLimitColour), 1.5, Qt::DashLine);
    limit->setPen(pen);
    limit->append(plan.firstRun, plan.limit->value);
    limit->append(plan.lastRun, plan.limit->value);
    attach(limit);
  }

  m_marker = new QLineSeries;
  m_marker->setObjectName(QString::fromLatin1(kMarkerSeriesName));
  m_marker->setPen(QPen(QColor(theme::kMutedText), 1, Qt::DotLine));
  attach(m_marker);
  legend()->markers(m_marker).first()->setVisible(false);
  bool drawn = plan.limit.has_value();
  for (const ChartLine& line : plan.lines) drawn = drawn || !line.segments.empty();
  legend()->setVisible(drawn);
  if (drawn) {
    // Round values on the ticks; the range only grows.
    values->applyNiceNumbers();
  } else {
    // An empty frame: numbers and units on its axes would mean nothing
    // (and Qt Charts elides the titles of axes without labels to "...").
    for (QValueAxis* axis : {runs, values}) {
      axis->setLabelsVisible(false);
      axis->setTitleVisible(false);
    }
  }
}

void RunLogChartItem::MarkRun(size_t run) {
  if (run == 0) {
    m_marker->clear();
    return;
  }
  const auto x = static_cast<double>(run);
  m_marker->replace(QList<QPointF>{QPointF(x, m_values->min()), QPointF(x, m_values->max())});
}

}  // namespace vuriru
