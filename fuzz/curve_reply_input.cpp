// SPDX-License-Identifier: GPL-3.0-or-later
// A stored-curve reply taken into one editor, then that editor used with the
// mouse on the curve it now holds, and its curve block built for the next
// Apply. Input: curve number pick, page setting and boost timing, then the
// reply; bytes past the 123 of a reply, which the reply check ignores, drive
// the editor.

#include <algorithm>

#include "curves/curve_reply.h"
#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "settings/settings_table.h"

namespace vuriru::fuzz {
namespace {

void RequireEditableCurve(const CurveModel& editor) {
  const std::span<const GridPoint> points = editor.Points();
  Require(points.size() >= 2 && points.size() <= CurveModel::kMaxPoints, "an editor holds 2 to 40 points");
  Require(points.front() == GridPoint{0, 0}, "a curve starts at (0,0)");
  Require(points.back() == GridPoint{100, 100}, "a curve ends at (100,100)");
  for (size_t i = 1; i < points.size(); ++i) {
    Require(points[i].x >= points[i - 1].x, "x never decreases along a curve");
    Require(points[i].y >= 0 && points[i].y <= 100 && points[i].x <= 100, "every point lies on the grid");
  }
  Require(editor.SelectedIndex() >= 0 && static_cast<size_t>(editor.SelectedIndex()) < points.size(),
          "the selection names a point");
}

// The reply the controller would give for this stored curve.
std::vector<uint8_t> ReplyFor(const StoredCurve& curve) {
  const CurveBlock block = BuildCurveBlock(curve);
  std::vector<uint8_t> reply(kCurveReplyLength, 0x80);
  std::copy_n(block.begin(), kCurveValueCount + 2, reply.begin() + 1);
  return reply;
}

void UseTheEditor(FuzzInput& input, CurveModel& editor) {
  editor.Show();
  while (!input.Empty()) {
    const uint8_t op = input.Byte();
    const GridPoint at{input.Byte() % 104, input.Byte() % 104};
    switch (op % 6) {
      case 0:
        editor.LeftPress(at);
        break;
      case 1:
        editor.MouseMove(at, true);
        break;
      case 2:
        editor.LeftRelease();
        break;
      case 3:
        editor.RightPress(at);
        break;
      case 4:
        editor.Cancel();
        editor.Show();
        break;
      default:
        editor.StoreCurve();
        Require(IsPossibleCurve(editor.Stored()), "OK stores a curve the editor could have made");
        editor.Show();
        break;
    }
    RequireEditableCurve(editor);
  }
}

}  // namespace

int CurveReplyInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  // 0 and 4 are no curve numbers; the reply must be refused for them.
  const auto number = static_cast<CurveNumber>(input.Byte() % 5);
  const uint8_t setup = input.Byte();
  const std::span<const uint8_t> reply = input.Take(input.Left());
  FuzzInput editing(reply.data() + std::min(reply.size(), kCurveReplyLength),
                    reply.size() - std::min(reply.size(), kCurveReplyLength));

  SettingsBlock settings;
  LoadFactorySettings(settings);
  // The curve selection decides whether the editor reloads its points; a
  // controller may report any boost timing.
  settings.Current(Setting::BoostTiming) = setup >> 1;
  CurveSet curves(settings);

  const bool known = number == CurveNumber::Boost || number == CurveNumber::Brake || number == CurveNumber::Throttle;
  const CurveNumber editorNumber = known ? number : CurveNumber::Throttle;
  CurveModel& editor = curves.For(editorNumber);
  settings.Current(editor.Kind().curveSetting) = setup & 1;
  const StoredCurve before = editor.Stored();

  const bool taken = StoreCurveReply(number, reply.data(), reply.size(), curves, settings);
  if (!known) Require(!taken, "a reply for no curve number is refused");
  if (taken) {
    Require(reply.size() >= kCurveReplyLength, "a short curve reply is refused");
    Require(IsPossibleCurve(editor.Stored()), "a taken curve is one the editor could have made");
    // What the next Apply sends for it must come back whole.
    CurveSet again(settings);
    const std::vector<uint8_t> echo = ReplyFor(editor.Stored());
    Require(StoreCurveReply(editorNumber, echo.data(), echo.size(), again, settings),
            "the block of a taken curve reads back");
  } else {
    Require(editor.Stored().x == before.x && editor.Stored().y == before.y && editor.Stored().table == before.table,
            "a refused reply leaves the stored curve as it was");
  }
  RequireEditableCurve(editor);
  UseTheEditor(editing, editor);
  return 0;
}

}  // namespace vuriru::fuzz
