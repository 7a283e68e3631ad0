// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One curve editor's curve without any drawing: the point list the user edits
// with the mouse (in grid units, 0..100 on both axes), the stored curve that
// OK writes and the controller receives, and the editor's close flag.
//
// Invariants the editing keeps: point 0 is (0,0), the last point is (100,100),
// x never decreases along the list, 2..40 points, and the selected index
// always names a point of the list.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "curves/curve_kind.h"
#include "curves/stored_curve.h"

namespace vuriru {

class CurveModel {
 public:
  static constexpr size_t kPointCapacity = 100;
  static constexpr uint32_t kMaxPoints = 40;

  // Close flag values: idle, closed by OK or CANCEL and waiting for its page
  // to take its controls back, shown by the page.
  static constexpr int32_t kIdle = 0;
  static constexpr int32_t kClosed = 1;
  static constexpr int32_t kShown = 2;

  // Reads the Boost page's boost timing index whenever the boost limit is
  // needed; the other editors never call it.
  using BoostTimingSource = std::function<int32_t()>;

  // First initialisation: the stored curve is the straight line and the
  // point list is loaded from it.
  explicit CurveModel(CurveNumber number, BoostTimingSource boostTiming = {});

  const CurveKind& Kind() const { return *m_kind; }
  CurveNumber Number() const { return m_kind->number; }
  int32_t BoostTiming() const;
  // The largest x a press or drag may reach (100, or the boost limit).
  int32_t MaxX() const;

  std::span<const GridPoint> Points() const { return {m_points.data(), m_count}; }
  uint32_t Count() const { return m_count; }
  int32_t SelectedIndex() const { return m_selected; }
  GridPoint SelectedPoint() const { return m_points[static_cast<size_t>(m_selected)]; }
  bool IsDragging() const { return m_dragging; }
  uint32_t SavedCount() const { return m_savedCount; }

  const StoredCurve& Stored() const { return m_stored; }
  // Written by a curve reply or a file import, followed by LoadStoredCurve.
  StoredCurve& Stored() { return m_stored; }

  // Rebuilds the point list from the stored curve (or the default curve when
  // the stored one has fewer than 3 points or is not a curve the editor could
  // have made) and samples it.
  void LoadStoredCurve();
  // A sound curve reply while the curve is not selected: the stored curve is
  // replaced and the point list stays as it is. CANCEL returns to the stored
  // curve, so the saved count becomes the new curve's point count; the old
  // count would cut the new curve short of its end point, or run past it.
  void ReplaceStoredCurve(const StoredCurve& curve);
  // RESET: the default curve, written to the point list and to the stored
  // points; the sampled table waits for the next OK.
  void ResetCurve();
  // Writes the point list into the stored curve: the stored points are
  // cleared first, so that no point of a longer earlier curve stays behind
  // the new end point, then the curve is sampled. The editor stays as it is.
  void StorePoints();
  // OK: StorePoints, then closes the editor. Whoever shows the editor clears
  // the curve-editing flag with it.
  void StoreCurve();
  // CANCEL: returns to the points of the last store or reset; closes the editor.
  void Cancel();

  // The page shows the editor (and sets the curve-editing flag).
  void Show();
  int32_t CloseFlag() const { return m_closeFlag; }
  // The page's check after OK or CANCEL: true once per close, returning the
  // flag to idle.
  bool TakeClosed();

  // Mouse handling on grid positions. The widget maps pixels to the grid,
  // then redraws the plot and the readouts after every call.
  void LeftPress(GridPoint at);
  void MouseMove(GridPoint at, bool leftButtonDown);
  // Returns whether the readouts want a refresh (the boost editor after a drag).
  bool LeftRelease();
  void RightPress(GridPoint at);

  std::string CountReadout() const;
  std::string PointReadout() const;

 private:
  bool AcceptsPress(GridPoint at) const;
  void SetPoints(std::span<const GridPoint> points);
  void CopyPointsToStored(size_t count);
  // Moves the selected interior point to `at`, shifting neighbours it passes
  // so that x stays ordered.
  void MoveSelectedTo(GridPoint at);
  void KeepSelectionInList();

  const CurveKind* m_kind;
  BoostTimingSource m_boostTiming;
  std::array<GridPoint, kPointCapacity> m_points{};
  uint32_t m_count = 0;
  int32_t m_selected = 0;
  bool m_dragging = false;
  uint32_t m_savedCount = 0;
  StoredCurve m_stored{};
  int32_t m_closeFlag = kIdle;
};

}  // namespace vuriru
