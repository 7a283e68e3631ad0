// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_model.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "curves/curve_readouts.h"
#include "curves/curve_sampling.h"

namespace vuriru {
namespace {

// A press this close (squared grid distance) to a point grabs it instead of
// adding a new one; with a full curve the reach grows, as nothing can be added.
constexpr int64_t kGrabReach = 2;
constexpr int64_t kFullCurveGrabReach = 4;
// A right press deletes an interior point within this many units on both axes.
constexpr int32_t kDeleteReach = 4;

}  // namespace

CurveModel::CurveModel(CurveNumber number, BoostTimingSource boostTiming)
    : m_kind(&KindOf(number)), m_boostTiming(std::move(boostTiming)) {
  m_stored.x[1] = 100;
  m_stored.y[1] = 100;
  LoadStoredCurve();
  m_selected = 0;
}

int32_t CurveModel::BoostTiming() const {
  return m_boostTiming ? m_boostTiming() : 0;
}

int32_t CurveModel::MaxX() const {
  return vuriru::MaxX(*m_kind, BoostTiming());
}

void CurveModel::LoadStoredCurve() {
  const size_t count = StoredPointCount(m_stored);
  if (count < 3 || !IsPossibleCurve(m_stored)) {
    // An impossible stored curve would break every editing rule, so the
    // editor starts from its default curve instead.
    ResetCurve();
  } else {
    for (size_t i = 0; i < count; ++i) m_points[i] = {m_stored.x[i], m_stored.y[i]};
    m_count = static_cast<uint32_t>(count);
  }
  m_savedCount = m_count;
  KeepSelectionInList();
  SampleCurve(m_stored.x, m_stored.y, m_count, m_stored.table);
}

void CurveModel::ReplaceStoredCurve(const StoredCurve& curve) {
  m_stored = curve;
  if (IsPossibleCurve(m_stored)) m_savedCount = static_cast<uint32_t>(StoredPointCount(m_stored));
}

void CurveModel::ResetCurve() {
  const std::vector<GridPoint> curve = DefaultCurve(*m_kind, BoostTiming());
  SetPoints(curve);
  CopyPointsToStored(m_count);
  m_savedCount = m_count;
  KeepSelectionInList();
}

void CurveModel::StorePoints() {
  m_stored.x.fill(0);
  m_stored.y.fill(0);
  CopyPointsToStored(m_count);
  m_savedCount = m_count;
  SampleCurve(m_stored.x, m_stored.y, m_count, m_stored.table);
}

void CurveModel::StoreCurve() {
  m_closeFlag = kClosed;
  m_dragging = false;
  StorePoints();
}

void CurveModel::Cancel() {
  m_closeFlag = kClosed;
  for (size_t i = 0; i < m_savedCount; ++i) m_points[i] = {m_stored.x[i], m_stored.y[i]};
  m_count = m_savedCount;
  m_dragging = false;
  KeepSelectionInList();
}

void CurveModel::Show() {
  m_closeFlag = kShown;
}

bool CurveModel::TakeClosed() {
  if (m_closeFlag != kClosed) return false;
  m_closeFlag = kIdle;
  return true;
}

void CurveModel::LeftPress(GridPoint at) {
  if (!AcceptsPress(at)) {
    m_dragging = false;
    return;
  }
  // The first point at or right of the press; the last point (x 100, or at
  // least the boost limit) always qualifies.
  size_t pos = m_count - 1;
  for (size_t i = 1; i < m_count; ++i) {
    if (m_points[i].x >= at.x) {
      pos = i;
      break;
    }
  }
  // Only points of the list are candidates; an entry behind the last point
  // is left over from earlier edits and must never be grabbed.
  auto distance = [&](size_t i) -> int64_t {
    if (i >= m_count) return std::numeric_limits<int64_t>::max();
    const int64_t dx = m_points[i].x - at.x;
    const int64_t dy = m_points[i].y - at.y;
    return dx * dx + dy * dy;
  };
  const int64_t before = distance(pos - 1);
  const int64_t here = distance(pos);
  const int64_t after = distance(pos + 1);
  size_t chosen;
  if (here > after) {
    chosen = after > before ? pos - 1 : pos + 1;
  } else {
    chosen = here > before ? pos - 1 : pos;
  }
  m_selected = static_cast<int32_t>(chosen);

  const int64_t reach = distance(chosen);
  if (reach <= kGrabReach || (reach <= kFullCurveGrabReach && m_count >= kMaxPoints)) {
    const bool endPoint = chosen == 0 || chosen == m_count - 1;
    m_dragging = !endPoint;
    if (!endPoint) MoveSelectedTo(at);
    return;
  }
  if (m_count >= kMaxPoints) {
    m_dragging = false;
    return;
  }
  std::copy_backward(m_points.begin() + static_cast<ptrdiff_t>(pos), m_points.begin() + m_count,
                     m_points.begin() + m_count + 1);
  m_points[pos] = at;
  ++m_count;
  m_selected = static_cast<int32_t>(pos);
  m_dragging = true;
}

void CurveModel::MouseMove(GridPoint at, bool leftButtonDown) {
  if (!m_dragging || !leftButtonDown) return;
  if (at.x < 0 || at.x > MaxX() || at.y < 0 || at.y > 100 || m_count > kMaxPoints) return;
  // The end points never move, whatever happened to the selection meanwhile.
  if (m_selected < 1 || static_cast<uint32_t>(m_selected) + 2 > m_count) return;
  MoveSelectedTo(at);
}

bool CurveModel::LeftRelease() {
  const bool wasDragging = m_dragging;
  m_dragging = false;
  return wasDragging && m_kind->releaseRefreshesReadouts;
}

void CurveModel::RightPress(GridPoint at) {
  if (!AcceptsPress(at)) return;
  for (size_t i = 1; i + 1 < m_count; ++i) {
    if (std::abs(m_points[i].x - at.x) <= kDeleteReach && std::abs(m_points[i].y - at.y) <= kDeleteReach) {
      m_selected = static_cast<int32_t>(i);
      std::copy(m_points.begin() + static_cast<ptrdiff_t>(i) + 1, m_points.begin() + m_count,
                m_points.begin() + static_cast<ptrdiff_t>(i));
      --m_count;
      // The dragged point may be the one just removed; a drag must not carry
      // on with whichever point took its place.
      m_dragging = false;
      return;
    }
  }
}

std::string CurveModel::CountReadout() const {
  return FormatCountReadout(m_count);
}

std::string CurveModel::PointReadout() const {
  return FormatPointReadout(SelectedPoint());
}

bool CurveModel::AcceptsPress(GridPoint at) const {
  return at.x > 0 && at.x < MaxX() && at.y > 0 && at.y < 100;
}

void CurveModel::SetPoints(std::span<const GridPoint> points) {
  std::copy(points.begin(), points.end(), m_points.begin());
  m_count = static_cast<uint32_t>(points.size());
}

void CurveModel::CopyPointsToStored(size_t count) {
  for (size_t i = 0; i < count; ++i) {
    m_stored.x[i] = static_cast<uint8_t>(m_points[i].x);
    m_stored.y[i] = static_cast<uint8_t>(m_points[i].y);
  }
}

void CurveModel::MoveSelectedTo(GridPoint at) {
  size_t sel = static_cast<size_t>(m_selected);
  while (sel > 1 && at.x < m_points[sel - 1].x) {
    m_points[sel] = m_points[sel - 1];
    --sel;
  }
  while (sel + 2 < m_count && m_points[sel + 1].x < at.x) {
    m_points[sel] = m_points[sel + 1];
    ++sel;
  }
  m_points[sel] = at;
  m_selected = static_cast<int32_t>(sel);
}

void CurveModel::KeepSelectionInList() {
  if (m_selected < 0 || static_cast<uint32_t>(m_selected) >= m_count) m_selected = static_cast<int32_t>(m_count) - 1;
}

}  // namespace vuriru
