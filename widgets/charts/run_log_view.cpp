// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/charts/run_log_view.h"

#include <QBuffer>
#include <QChartView>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QToolTip>
#include <QVBoxLayout>

#include "files/atomic_file.h"
#include "runlog/run_log_csv.h"
#include "widgets/charts/run_log_chart.h"
#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"
#include "widgets/layout/theme_colours.h"

namespace vuriru {

namespace {

constexpr const char* kSaveCaptions[kRunLogChartCount] = {QT_TRANSLATE_NOOP("Messages", "Save &voltage chart…"),
                                                          QT_TRANSLATE_NOOP("Messages", "Save &temperature chart…"),
                                                          QT_TRANSLATE_NOOP("Messages", "Save &rpm chart…")};

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString Text(const UserText& text) {
  return MessageText(text);
}

QString SummaryText(const RunLogChartModel& model) {
  if (!model.HasCharts()) return Text(model.EmptyText());
  const std::vector<RunLogEntry>& entries = model.Entries();
  return Text(UserText(QT_TRANSLATE_NOOP("Messages",
                                         "%1 runs, from %2 to %3. Point at a run to see it; click it or use the slider "
                                         "to choose it."),
                       {std::to_string(entries.size()), RunLogLocalTime(entries.front().timeMs),
                        RunLogLocalTime(entries.back().timeMs)}));
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* why) {
  const FileWriteResult written = WriteFileAtomically(
      path.toStdString(),
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
  if (!written.ok && why != nullptr) *why = Text(written.text);
  return written.ok;
}

// A name the user typed without the extension gets it.
QString WithExtension(QString path, const QString& extension) {
  if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
  return path;
}

}  // namespace

RunLogView::RunLogView(std::vector<RunLogEntry> entries, QWidget* parent)
    : QDialog(parent), m_model(std::move(entries)) {
  Build();
}

RunLogView::RunLogView(Library& library, QWidget* parent) : QDialog(parent), m_model(library.ListRunLog()) {
  m_library = &library;
  Build();
}

void RunLogView::Open(Library& library, QWidget* parent) {
  RunLogView view(library, parent);
  view.exec();
}

void RunLogView::Build() {
  setWindowTitle(MessageText(QT_TRANSLATE_NOOP("Messages", "Running log history")));
  setObjectName(QStringLiteral("runLogView"));
  auto* layout = new QVBoxLayout(this);

  m_summary = new QLabel(SummaryText(m_model), this);
  m_summary->setObjectName(QStringLiteral("summary"));
  m_summary->setFont(KitFont(12));
  layout->addWidget(m_summary);

  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    const auto which = static_cast<RunLogChart>(c);
    m_charts[c] = new RunLogChartItem(m_model.Chart(which));
    m_views[c] = new QChartView(m_charts[c], this);
    m_views[c]->setObjectName(Text("chart " + m_model.Chart(which).fileName));
    m_views[c]->setRenderHint(QPainter::Antialiasing);
    m_views[c]->setMinimumHeight(150);
    m_views[c]->setFocusPolicy(Qt::NoFocus);
    m_views[c]->setBackgroundBrush(QColor(theme::kGroundTop));
    layout->addWidget(m_views[c], 1);
    m_views[c]->viewport()->setMouseTracking(true);
    m_views[c]->viewport()->installEventFilter(this);
  }

  auto* runRow = new QHBoxLayout;
  auto* runLabel = new QLabel(MessageText(QT_TRANSLATE_NOOP("Messages", "R&un:")), this);
  m_slider = new QSlider(Qt::Horizontal, this);
  m_slider->setObjectName(QStringLiteral("run"));
  m_slider->setRange(m_model.RunCount() == 0 ? 0 : 1, static_cast<int>(m_model.RunCount()));
  m_slider->setPageStep(10);
  m_slider->setEnabled(m_model.RunCount() > 0);
  m_slider->setAccessibleName(MessageText(QT_TRANSLATE_NOOP("Messages", "Run")));
  runLabel->setBuddy(m_slider);
  runRow->addWidget(runLabel);
  runRow->addWidget(m_slider, 1);
  layout->addLayout(runRow);
  m_details = new QLabel(this);
  m_details->setObjectName(QStringLiteral("details"));
  m_details->setTextFormat(Qt::PlainText);
  m_details->setWordWrap(true);
  m_details->setMinimumHeight(3 * QFontMetrics(m_details->font()).lineSpacing());
  m_details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(m_details);
  connect(m_slider, &QSlider::valueChanged, this, [this](int value) { ChooseRun(static_cast<size_t>(value)); });

  auto* noteRow = new QHBoxLayout;
  auto* noteLabel = new QLabel(MessageText(QT_TRANSLATE_NOOP("Messages", "&Note:")), this);
  m_note = new QLineEdit(this);
  m_note->setObjectName(QStringLiteral("note"));
  m_note->setAccessibleName(MessageText(QT_TRANSLATE_NOOP("Messages", "Note of the chosen run")));
  m_note->setPlaceholderText(MessageText(QT_TRANSLATE_NOOP("Messages", "e.g. heat 3, FDR 4.2")));
  noteLabel->setBuddy(m_note);
  m_keepNote = new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "&Keep note")), this);
  m_keepNote->setObjectName(QStringLiteral("keep note"));
  m_keepNote->setAutoDefault(false);
  noteRow->addWidget(noteLabel);
  noteRow->addWidget(m_note, 1);
  noteRow->addWidget(m_keepNote);
  layout->addLayout(noteRow);
  // Enter in the note keeps it, as the button does.
  connect(m_note, &QLineEdit::returnPressed, this, [this] { KeepNoteOrWarn(); });
  connect(m_keepNote, &QPushButton::clicked, this, [this] { KeepNoteOrWarn(); });
  const bool notes = m_library != nullptr && m_model.RunCount() > 0;
  for (QWidget* widget :
       {static_cast<QWidget*>(noteLabel), static_cast<QWidget*>(m_note), static_cast<QWidget*>(m_keepNote)}) {
    widget->setVisible(notes);
  }

  auto* buttons = new QHBoxLayout;
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    auto* save = new QPushButton(MessageText(kSaveCaptions[c]), this);
    save->setObjectName(Text("save " + m_model.Chart(static_cast<RunLogChart>(c)).fileName));
    save->setEnabled(m_model.HasCharts());
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this, c] { AskAndSavePng(static_cast<RunLogChart>(c)); });
    buttons->addWidget(save);
  }
  auto* csv = new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Save as &CSV…")), this);
  csv->setObjectName(QStringLiteral("save csv"));
  csv->setEnabled(m_model.RunCount() > 0);
  csv->setAutoDefault(false);
  connect(csv, &QPushButton::clicked, this, [this] { AskAndSaveCsv(); });
  buttons->addWidget(csv);
  buttons->addStretch(1);
  auto* close = new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "C&lose")), this);
  close->setObjectName(QStringLiteral("close"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  // Room for three charts, but never past the screen: a laptop's 768 rows
  // would otherwise cut off the buttons at the foot.
  QSize size(980, 900);
  if (const QScreen* shown = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
    size = size.boundedTo(shown->availableGeometry().size() * 0.95);
  }
  resize(size);
  // The newest run is chosen first; the slider has the keyboard.
  if (m_model.RunCount() > 0) {
    m_slider->setValue(static_cast<int>(m_model.RunCount()));
    ChooseRun(m_model.RunCount());
    m_slider->setFocus();
  } else {
    close->setFocus();
  }
}

void RunLogView::ChooseRun(size_t run) {
  if (run < 1 || run > m_model.RunCount()) return;
  if (m_slider->value() != static_cast<int>(run)) m_slider->setValue(static_cast<int>(run));
  if (m_model.HasCharts()) {
    for (RunLogChartItem* chart : m_charts) chart->MarkRun(run);
  }
  m_details->setText(Text(m_model.HoverText(run)));
  if (m_note != nullptr) m_note->setText(Text(m_model.Entries()[run - 1].note));
}

size_t RunLogView::RunAt(RunLogChart chart, const QPoint& point) const {
  if (!m_model.HasCharts()) return 0;
  const QChartView* view = ChartView(chart);
  RunLogChartItem* item = Chart(chart);
  const QPointF inChart = item->mapFromScene(view->mapToScene(point));
  if (!item->plotArea().contains(inChart)) return 0;
  return m_model.NearestRun(item->mapToValue(inChart).x());
}

bool RunLogView::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::Leave) {
    return QDialog::eventFilter(watched, event);
  }
  for (size_t c = 0; c < kRunLogChartCount; ++c) {
    if (m_views[c] == nullptr || watched != m_views[c]->viewport()) continue;
    const auto* mouse = type == QEvent::Leave ? nullptr : static_cast<QMouseEvent*>(event);
    const size_t run = mouse == nullptr ? 0 : RunAt(static_cast<RunLogChart>(c), mouse->position().toPoint());
    const auto chosen = static_cast<size_t>(m_slider->value());
    if (run == 0) {
      // Back to the chosen run's text.
      QToolTip::hideText();
      if (chosen >= 1) m_details->setText(Text(m_model.HoverText(chosen)));
    } else if (type == QEvent::MouseButtonPress) {
      ChooseRun(run);
    } else {
      // Pointing shows a run without choosing it, so that a note being
      // typed stays.
      QToolTip::showText(mouse->globalPosition().toPoint(), Text(m_model.HoverText(run)), m_views[c]);
      m_details->setText(Text(m_model.HoverText(run)));
    }
    break;
  }
  return QDialog::eventFilter(watched, event);
}

bool RunLogView::SavePng(RunLogChart chart, const QString& path, QString* why) {
  // A view never shown has its layout worked out first, so that the chart
  // is saved at the size it would be shown at.
  if (!isVisible()) layout()->activate();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!ChartView(chart)->grab().save(&buffer, "PNG")) {
    if (why != nullptr)
      *why = Text(AsSentence(UserText(QT_TRANSLATE_NOOP("Messages", "the chart could not be drawn as a PNG image"))));
    return false;
  }
  return WriteBytes(path, bytes, why);
}

bool RunLogView::SaveCsv(const QString& path, QString* why) {
  const std::string csv = RunLogCsv(m_model.Entries());
  return WriteBytes(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), why);
}

bool RunLogView::SetNote(size_t run, const QString& note, QString* why) {
  const auto fail = [why](const QString& text) {
    if (why != nullptr) *why = text;
    return false;
  };
  if (m_library == nullptr)
    return fail(Text(AsSentence(UserText(QT_TRANSLATE_NOOP("Messages", "this view has no library to keep notes in")))));
  if (run < 1 || run > m_model.RunCount())
    return fail(Text(AsSentence(UserText(QT_TRANSLATE_NOOP("Messages", "there is no such run")))));
  const std::string text = note.toStdString();
  const LibraryResult kept = m_library->SetRunLogNote(m_model.Entries()[run - 1].id, text);
  if (!kept.ok) return fail(Text(AsSentence(kept.text)));
  m_model.SetNote(run, text);
  if (static_cast<size_t>(m_slider->value()) == run) m_details->setText(Text(m_model.HoverText(run)));
  return true;
}

void RunLogView::KeepNoteOrWarn() {
  QString why;
  if (!SetNote(static_cast<size_t>(m_slider->value()), m_note->text(), &why)) {
    QMessageBox::warning(this, MessageText(QT_TRANSLATE_NOOP("Messages", "Keep the note")), why);
  }
}

void RunLogView::AskAndSavePng(RunLogChart chart) {
  const QString suggested = Text("running-log-" + m_model.Chart(chart).fileName + ".png");
  const QString path = WithExtension(
      QFileDialog::getSaveFileName(this, MessageText(QT_TRANSLATE_NOOP("Messages", "Save the chart")), suggested,
                                   MessageText(QT_TRANSLATE_NOOP("Messages", "PNG images (*.png)"))),
      QStringLiteral(".png"));
  if (path.isEmpty()) return;
  QString why;
  if (!SavePng(chart, path, &why))
    QMessageBox::warning(this, MessageText(QT_TRANSLATE_NOOP("Messages", "Save the chart")), why);
}

void RunLogView::AskAndSaveCsv() {
  const QString path = WithExtension(
      QFileDialog::getSaveFileName(this, MessageText(QT_TRANSLATE_NOOP("Messages", "Save the running log")),
                                   QStringLiteral("running-log.csv"),
                                   MessageText(QT_TRANSLATE_NOOP("Messages", "CSV files (*.csv)"))),
      QStringLiteral(".csv"));
  if (path.isEmpty()) return;
  QString why;
  if (!SaveCsv(path, &why))
    QMessageBox::warning(this, MessageText(QT_TRANSLATE_NOOP("Messages", "Save the running log")), why);
}

}  // namespace vuriru
