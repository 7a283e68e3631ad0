// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/curves/curve_line.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/kit/widget_setup.h"
#include "widgets/layout/theme_colours.h"
#include "window/button_art.h"

namespace vuriru {

// The plot frame draws what its editor composes, in one transfer.
class CurvePlotFrame : public QWidget {
 public:
  CurvePlotFrame(CCurveLine& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Presses on the plot belong to the editor, which maps them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, m_editor.ComposePlot());
  }

 private:
  CCurveLine& m_editor;
};

namespace {

const QColor kCurvePen(0, 250, 0);
const QColor kPointFill(0, 0, 250);
// Around each blue square, so that it shows on the dark grid.
const QColor kPointOutline(theme::kText);
const QColor kReadoutText(255, 0, 0);
// Shown while the grid picture is missing, so the curve stays visible.
const QColor kPlainGrid(16, 16, 16);
constexpr QSize kGridPictureSize(470, 253);

// Grid (0,0) lies at the mouse origin; the plot frame's bottom-left corner
// is put there, so presses and drawing agree whatever the fonts.
constexpr QRect kPlotPlace(CurveGridMapping::kMouseOrigin.x,
                           CurveGridMapping::kMouseOrigin.y - CurveGridMapping::kPlotHeight, CCurveLine::kPlotWidth,
                           CurveGridMapping::kPlotHeight);
// Where the pages print their titles.
constexpr QRect kTitlePlace(12, 2, 200, 15);
constexpr int kAxisLabelWidth = 40;
constexpr int kAxisLabelHeight = 16;
constexpr int kButtonTop = 330;
constexpr int kReadoutLeft = 30;
constexpr int kReadoutWidth = 160;
constexpr int kReadoutHeight = 22;

void SetRedText(QWidget* widget) {
  SetTextColour(widget, kReadoutText);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::black);
  widget->setPalette(palette);
}

}  // namespace

CCurveLine::CCurveLine(CurveModel& model, ButtonHost& host, int plotFrameId, const char* title, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      m_host(host),
      m_background(LoadArtwork("LB.bmp")),
      m_grid(ResourceImage(image_id::kCurveGrid)),
      m_plotFrame(new CurvePlotFrame(*this, this)),
      m_title(new QLabel(SettingText(title), this)),
      m_titleSource(title),
      m_countReadout(MakeReadout(kCountReadoutId, 70)),
      m_pointReadout(MakeReadout(kPointReadoutId, 100)) {
  // Invalidations never erase: the background and the plot are drawn whole.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (parent) setGeometry(parent->rect());
  m_mapping.plotWidth = kPlotWidth;
  m_plotFrame->setObjectName(QStringLiteral("plot%1").arg(plotFrameId));
  m_plotFrame->setGeometry(kPlotPlace);
  MakeTitle();

  const int buttons[] = {button_id::kOk, button_id::kReset, button_id::kCancel, button_id::kEscIndicator,
                         button_id::kUsbIndicator};
  int left = 60;
  for (int id : buttons) {
    auto* button = new CCownerDrawBton(id, host, this);
    button->setObjectName(QStringLiteral("button%1").arg(id));
    m_buttons.push_back(button);
    if (id == button_id::kEscIndicator || id == button_id::kUsbIndicator) {
      button->hide();
      continue;
    }
    button->move(left, kButtonTop);
    left += 180;
  }
  connect(Button(button_id::kOk), &QAbstractButton::clicked, this, [this] { OnOk(); });
  connect(Button(button_id::kReset), &QAbstractButton::clicked, this, [this] { ResetCurve(); });
  connect(Button(button_id::kCancel), &QAbstractButton::clicked, this, [this] { OnCancel(); });

  MapPoints();
  UpdateReadouts();
}

void CCurveLine::MakeTitle() {
  // Named as the pages name themselves: white capitals over an accent rule.
  m_title->setObjectName(QStringLiteral("title"));
  m_title->setFont(KitFont(12, true));
  SetTextColour(m_title, QColor(theme::kText));
  m_title->setGeometry(kTitlePlace);
  auto* rule = new QWidget(this);
  rule->setObjectName(QStringLiteral("titleRule"));
  rule->setGeometry(kTitlePlace.left(), kTitlePlace.bottom() + 2, 28, 2);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, QColor(theme::kAccent));
  rule->setPalette(palette);
}

QLabel* CCurveLine::MakeReadout(int controlId, int y) {
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("label%1").arg(controlId));
  label->setGeometry(kReadoutLeft, y, kReadoutWidth, kReadoutHeight);
  label->setAutoFillBackground(true);
  SetRedText(label);
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, m_model.Kind().readoutCharSpacing);
  label->setFont(font);
  return label;
}

QLabel* CCurveLine::MakeAxisLabel(int controlId, const QRect& place, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("label%1").arg(controlId));
  label->setGeometry(place);
  label->setAlignment(alignment);
  SetRedText(label);
  m_axisLabels.push_back(label);
  return label;
}

void CCurveLine::SetLeftAxisTexts(const std::array<std::string, 5>& texts) {
  for (size_t i = 0; i < texts.size(); ++i) {
    const int id = kFirstLeftLabelId + static_cast<int>(i);
    QLabel* label = AxisLabel(id);
    if (!label) {
      const PixelPoint at = m_mapping.GridToPlot({0, static_cast<int32_t>(i) * 25});
      label = MakeAxisLabel(id,
                            QRect(kPlotPlace.left() - kAxisLabelWidth - 4,
                                  kPlotPlace.top() + at.y - kAxisLabelHeight / 2, kAxisLabelWidth, kAxisLabelHeight),
                            Qt::AlignRight | Qt::AlignVCenter);
    }
    label->setText(QString::fromStdString(texts[i]));
  }
}

void CCurveLine::AddBottomAxis(int firstId, const std::vector<std::string>& texts) {
  // The labels are spread evenly so that the last one stands at x 100.
  const int n = static_cast<int>(texts.size());
  for (int i = 0; i < n; ++i) {
    const int tenthsX = 1000 - 125 * (n - 1 - i);
    const int px = kPlotPlace.left() + m_mapping.PlotXOfTenths(tenthsX);
    QLabel* label = MakeAxisLabel(
        firstId + i, QRect(px - kAxisLabelWidth / 2, kPlotPlace.bottom() + 3, kAxisLabelWidth, kAxisLabelHeight),
        Qt::AlignHCenter | Qt::AlignTop);
    label->setText(QString::fromStdString(texts[static_cast<size_t>(i)]));
  }
}

QLabel* CCurveLine::AxisLabel(int controlId) const {
  for (QLabel* label : m_axisLabels) {
    if (label->objectName() == QStringLiteral("label%1").arg(controlId)) return label;
  }
  return nullptr;
}

CCownerDrawBton* CCurveLine::Button(int controlId) const {
  for (CCownerDrawBton* button : m_buttons) {
    if (button->ControlId() == controlId) return button;
  }
  return nullptr;
}

QPoint CCurveLine::EditorPixelOf(GridPoint point) const {
  const PixelPoint at = m_mapping.GridToPlot(point);
  return kPlotPlace.topLeft() + QPoint(at.x, at.y);
}

void CCurveLine::MapPoints() {
  m_devicePoints.clear();
  for (const GridPoint& point : m_model.Points()) m_devicePoints.push_back(m_mapping.GridToPlot(point));
  // The curve may have come from the controller since the editor was last
  // shown, so the readouts follow the list here too.
  UpdateReadouts();
  m_plotFrame->update();
}

void CCurveLine::ResetCurve() {
  m_model.ResetCurve();
  MapPoints();
  UpdateReadouts();
  update();
}

void CCurveLine::UpdateReadouts() {
  // "total: " reads in the window's language; the figures stay.
  static const std::string kTotal = QT_TRANSLATE_NOOP("Settings", "total: ");
  const std::string count = m_model.CountReadout();
  m_countReadout->setText(count.starts_with(kTotal)
                              ? SettingText(kTotal) + QString::fromStdString(count.substr(kTotal.size()))
                              : QString::fromStdString(count));
  m_pointReadout->setText(QString::fromStdString(m_model.PointReadout()));
}

QImage CCurveLine::ComposePlot() const {
  QImage image;
  if (m_grid.isNull()) {
    image = QImage(kGridPictureSize, QImage::Format_RGB32);
    image.fill(kPlainGrid);
  } else {
    image = m_grid.toImage().convertToFormat(QImage::Format_RGB32);
  }
  QPainter painter(&image);
  // The list may have changed since the last MapPoints (a page reset the
  // curve without redrawing); the plot always shows the list as it is.
  std::vector<PixelPoint> points;
  for (const GridPoint& point : m_model.Points()) points.push_back(m_mapping.GridToPlot(point));
  // The line's pixel at a vertex has its centre half a pixel in from the
  // vertex's corner; the 6 x 6 square and its light outline are centred
  // there, which takes smoothed edges.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (size_t i = 1; i + 1 < points.size(); ++i) {
    const QPointF centre(points[i].x + 0.5, points[i].y + 0.5);
    painter.fillRect(QRectF(centre.x() - 4, centre.y() - 4, 8, 8), kPointOutline);
    painter.fillRect(QRectF(centre.x() - 3, centre.y() - 3, 6, 6), kPointFill);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPolygon line;
  for (const PixelPoint& p : points) line << QPoint(p.x, p.y);
  painter.setPen(QPen(kCurvePen, 1));
  painter.drawPolyline(line);
  painter.end();
  return image.copy(0, 0, kPlotWidth, CurveGridMapping::kPlotHeight);
}

void CCurveLine::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    m_title->setText(SettingText(m_titleSource));
    UpdateReadouts();
  }
  QWidget::changeEvent(event);
}

void CCurveLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_background.isNull()) {
    painter.fillRect(rect(), palette().window());
  } else {
    painter.drawPixmap(rect(), m_background);
  }
}

GridPoint CCurveLine::ToGrid(const QMouseEvent* event) const {
  const QPoint at = event->position().toPoint();
  return m_mapping.MouseToGrid({at.x(), at.y()});
}

void CCurveLine::AfterEdit() {
  MapPoints();
  UpdateReadouts();
}

void CCurveLine::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_model.LeftPress(ToGrid(event));
    AfterEdit();
  } else if (event->button() == Qt::RightButton) {
    m_model.RightPress(ToGrid(event));
    AfterEdit();
  }
  event->accept();
}

void CCurveLine::mouseMoveEvent(QMouseEvent* event) {
  if (!m_model.IsDragging()) return;
  m_model.MouseMove(ToGrid(event), (event->buttons() & Qt::LeftButton) != 0);
  AfterEdit();
}

void CCurveLine::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (m_model.LeftRelease()) UpdateReadouts();
}

void CCurveLine::OnOk() {
  m_model.StoreCurve();
  m_host.State().g_curveEditorOpen = 0;
  AfterEdit();
  hide();
  emit Closed();
}

void CCurveLine::OnCancel() {
  m_model.Cancel();
  m_host.State().g_curveEditorOpen = 0;
  AfterEdit();
  hide();
  emit Closed();
}

}  // namespace vuriru
