// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three curve editors. They share one design and differ only in their
// plot frame id, their axis labels and the readouts' character spacing.

#include "curves/boost_rpm_axis.h"
#include "widgets/curves/curve_line.h"

namespace vuriru {

class CThrottleLine : public CCurveLine {
  Q_OBJECT

 public:
  static constexpr int kPlotFrameId = 1130;
  CThrottleLine(CurveModel& model, ButtonHost& host, QWidget* parent = nullptr);
};

class CBrakeLine : public CCurveLine {
  Q_OBJECT

 public:
  static constexpr int kPlotFrameId = 1023;
  CBrakeLine(CurveModel& model, ButtonHost& host, QWidget* parent = nullptr);
};

class CBoostLine : public CCurveLine {
  Q_OBJECT

 public:
  static constexpr int kPlotFrameId = 1119;
  // The axis must outlive the editor.
  CBoostLine(CurveModel& model, BoostRpmAxis& rpmAxis, ButtonHost& host, QWidget* parent = nullptr);

  // Recomputes the rpm axis from the Boost page's start and end rpm indexes
  // (endIndex may be rewritten) and shows the new labels.
  void UpdateRpmLabels(int32_t startIndex, int32_t& endIndex);
  // Shows the axis's current values.
  void ShowRpmLabels();

 private:
  BoostRpmAxis& m_rpmAxis;
};

}  // namespace vuriru
