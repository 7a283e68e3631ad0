// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/curves/curve_lines.h"

namespace vuriru {
namespace {

const std::array<std::string, 5> kPercentAxis = {"0", "25", "50", "75", "100"};
const std::vector<std::string> kPercentSteps = {"12.5", "25", "37.5", "50", "62.5", "75", "87.5", "100"};
const std::vector<std::string> kDegreeSteps = {"0", "8", "16", "24", "32", "40", "48", "56", "64"};
constexpr int kPercentFirstId = 1174;
constexpr int kDegreeFirstId = 1173;

}  // namespace

CThrottleLine::CThrottleLine(CurveModel& model, ButtonHost& host, QWidget* parent)
    : CCurveLine(model, host, kPlotFrameId, QT_TRANSLATE_NOOP("Settings", "THROTTLE"), parent) {
  setObjectName(QStringLiteral("dialog176"));
  SetLeftAxisTexts(kPercentAxis);
  AddBottomAxis(kPercentFirstId, kPercentSteps);
}

CBrakeLine::CBrakeLine(CurveModel& model, ButtonHost& host, QWidget* parent)
    : CCurveLine(model, host, kPlotFrameId, QT_TRANSLATE_NOOP("Settings", "BRAKE"), parent) {
  setObjectName(QStringLiteral("dialog174"));
  SetLeftAxisTexts(kPercentAxis);
  AddBottomAxis(kPercentFirstId, kPercentSteps);
}

CBoostLine::CBoostLine(CurveModel& model, BoostRpmAxis& rpmAxis, ButtonHost& host, QWidget* parent)
    : CCurveLine(model, host, kPlotFrameId, QT_TRANSLATE_NOOP("Settings", "BOOST"), parent), m_rpmAxis(rpmAxis) {
  setObjectName(QStringLiteral("dialog175"));
  ShowRpmLabels();
  AddBottomAxis(kDegreeFirstId, kDegreeSteps);
}

void CBoostLine::UpdateRpmLabels(int32_t startIndex, int32_t& endIndex) {
  m_rpmAxis.UpdateRpmLabels(startIndex, endIndex);
  ShowRpmLabels();
}

void CBoostLine::ShowRpmLabels() {
  std::array<std::string, 5> texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = m_rpmAxis.LabelText(i);
  SetLeftAxisTexts(texts);
}

}  // namespace vuriru
