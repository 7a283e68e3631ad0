// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running log's history: three charts (voltage; ESC and motor
// temperature; rpm) against the run number, with a run's date, values and
// note on hover; a run is chosen by a click or with the keyboard on the run
// slider. Each chart can be saved as PNG, the log as CSV. One line says that
// the charts need two runs until the log holds them. Built from a library,
// the view also changes the chosen run's note there.
//
// The Data page's "History" button opens it:
//   RunLogView::Open(library, this);
// or, for entries at hand: RunLogView view(entries, parent); view.exec();

#include <array>
#include <vector>

#include <QDialog>
#include <QString>

#include "library/library.h"
#include "runlog/run_log_chart_model.h"

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vuriru {

class RunLogChartItem;

class RunLogView : public QDialog {
 public:
  explicit RunLogView(std::vector<RunLogEntry> entries, QWidget* parent = nullptr);
  // The whole running log `library` keeps; its notes can be changed. The
  // library must outlive the view.
  explicit RunLogView(Library& library, QWidget* parent = nullptr);

  // Shows the view for `library` over `parent` and returns when it is closed.
  static void Open(Library& library, QWidget* parent);

  const RunLogChartModel& Model() const { return m_model; }
  QChartView* ChartView(RunLogChart chart) const { return m_views[static_cast<size_t>(chart)]; }
  RunLogChartItem* Chart(RunLogChart chart) const { return m_charts[static_cast<size_t>(chart)]; }
  // The one line above the charts, and the chosen or hovered run's text below.
  QLabel* SummaryLine() const { return m_summary; }
  QLabel* RunDetails() const { return m_details; }
  QSlider* RunSlider() const { return m_slider; }
  // The chosen run's note; shown only for a view built from a library.
  QLineEdit* NoteEdit() const { return m_note; }

  // Chooses run `run` (1-based): the charts mark it and its text shows.
  void ChooseRun(size_t run);
  // The run nearest to a point in chart `chart`'s view (viewport
  // coordinates), or 0 outside its plot area or while there are no charts.
  size_t RunAt(RunLogChart chart, const QPoint& point) const;

  // Write the chart as the view shows it, or the log as CSV; on failure
  // `why` says what went wrong and the file is left as it was.
  bool SavePng(RunLogChart chart, const QString& path, QString* why = nullptr);
  bool SaveCsv(const QString& path, QString* why = nullptr);
  // Keeps `note` as run `run`'s note in the library and in the view; on
  // failure (no library, a note too long, the library's trouble) `why`
  // says why and nothing changes.
  bool SetNote(size_t run, const QString& note, QString* why = nullptr);

 private:
  void Build();
  // Pointing anywhere in a chart's plot area shows the nearest run's date,
  // values and note (as a tool tip and below the charts); a click chooses it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void AskAndSavePng(RunLogChart chart);
  void AskAndSaveCsv();
  void KeepNoteOrWarn();

  RunLogChartModel m_model;
  std::array<QChartView*, kRunLogChartCount> m_views{};
  std::array<RunLogChartItem*, kRunLogChartCount> m_charts{};
  QLabel* m_summary = nullptr;
  QLabel* m_details = nullptr;
  QSlider* m_slider = nullptr;
  Library* m_library = nullptr;
  QLineEdit* m_note = nullptr;
  QPushButton* m_keepNote = nullptr;
};

}  // namespace vuriru
