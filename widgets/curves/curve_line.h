// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget side of a curve editor: the plot (grid picture, blue squares on
// the interior points, green polyline), the two red-on-black readouts, the
// axis labels and the OK/RESET/CANCEL buttons. The curve itself lives in a
// CurveModel; mouse positions reach it through CurveGridMapping, so that the
// plot frame sits where the mapping's fixed mouse origin expects grid (0,0).

#include <array>
#include <string>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "curves/curve_mapping.h"
#include "curves/curve_model.h"
#include "window/button_host.h"

class QLabel;

namespace vuriru {

class CCownerDrawBton;

class CCurveLine : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCountReadoutId = 1129;
  static constexpr int kPointReadoutId = 1127;
  // Three pixels per grid unit: 103 units across.
  static constexpr int kPlotWidth = CurveGridMapping::kEditorPlotWidth;
  static constexpr int kFirstLeftLabelId = 1164;

  const CurveModel& Model() const { return m_model; }
  CurveModel& Model() { return m_model; }
  const CurveGridMapping& Mapping() const { return m_mapping; }
  // Where a grid point lies in the editor's own pixels (the inverse of the
  // mouse mapping), for whoever wants to press on it.
  QPoint EditorPixelOf(GridPoint point) const;

  // Rebuilds the device points from the point list and redraws the plot.
  void MapPoints();
  // RESET: the default curve; also called by the page for a non-custom choice.
  void ResetCurve();
  void UpdateReadouts();

  const std::vector<PixelPoint>& DevicePoints() const { return m_devicePoints; }
  // The plot as the screen gets it: the grid with the curve drawn on it.
  QImage ComposePlot() const;

  // The curve's name over the editor: "THROTTLE", "BRAKE" or "BOOST".
  QLabel* TitleLabel() const { return m_title; }
  QLabel* CountReadout() const { return m_countReadout; }
  QLabel* PointReadout() const { return m_pointReadout; }
  QWidget* PlotFrame() const { return m_plotFrame; }
  CCownerDrawBton* Button(int controlId) const;
  // The label of an axis by control id, or nullptr.
  QLabel* AxisLabel(int controlId) const;
  bool HasBackground() const { return !m_background.isNull(); }

 signals:
  // OK or CANCEL closed the editor; the page takes its controls back.
  void Closed();

 protected:
  // `host` gives the shared state and the buttons' drawing; both it and the
  // model must outlive the editor, which fills its parent page.
  CCurveLine(CurveModel& model, ButtonHost& host, int plotFrameId, const char* title, QWidget* parent);
  // Texts of the left axis labels, bottom to top.
  void SetLeftAxisTexts(const std::array<std::string, 5>& texts);
  void AddBottomAxis(int firstId, const std::vector<std::string>& texts);

  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  friend class CurvePlotFrame;
  GridPoint ToGrid(const QMouseEvent* event) const;
  void AfterEdit();
  void OnOk();
  void OnCancel();
  void MakeTitle();
  QLabel* MakeReadout(int controlId, int y);
  QLabel* MakeAxisLabel(int controlId, const QRect& place, Qt::Alignment alignment);

  CurveModel& m_model;
  ButtonHost& m_host;
  CurveGridMapping m_mapping;
  std::vector<PixelPoint> m_devicePoints;
  QPixmap m_background;
  QPixmap m_grid;
  QWidget* m_plotFrame;
  QLabel* m_title;
  const char* m_titleSource;
  QLabel* m_countReadout;
  QLabel* m_pointReadout;
  std::vector<CCownerDrawBton*> m_buttons;
  std::vector<QLabel*> m_axisLabels;
};

}  // namespace vuriru
