// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One curve editor's stored curve: the points of the last stored curve as two
// byte arrays, and the 40 values sampled from it. This is what travels in the
// curve block and in the settings file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vuriru {

// Curve numbers on the wire.
enum class CurveNumber : uint8_t { Boost = 1, Brake = 2, Throttle = 3 };

// The curve's name in messages and files: "boost", "brake" or "throttle".
const char* CurveName(CurveNumber number);

inline constexpr size_t kStoredCurveLength = 100;
inline constexpr size_t kSampleCount = 40;

struct StoredCurve {
  std::array<uint8_t, kStoredCurveLength> x{};
  std::array<uint8_t, kStoredCurveLength> y{};
  std::array<uint8_t, kStoredCurveLength> table{};

  bool operator==(const StoredCurve&) const = default;
};

// Whether the stored points form a curve the editor could have made: it starts
// at (0,0), (100,100) is among its first 40 points, and up to that end point
// every value lies within 0..100 and x never decreases.
bool IsPossibleCurve(const StoredCurve& curve);

// The points of the stored curve up to and including the first (100,100)
// among the first 40; 41 when there is none there.
size_t StoredPointCount(const StoredCurve& curve);

struct CurvePoint {
  int x = 0;
  int y = 0;
  bool operator==(const CurvePoint&) const = default;
};

// The stored points as the editor shows them: up to and including the first
// (100,100) among the first 40, or all 40 when there is none.
std::vector<CurvePoint> StoredPoints(const StoredCurve& curve);

}  // namespace vuriru
