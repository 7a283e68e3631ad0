// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/starting_memory.h"

#include <algorithm>
#include <cmath>

namespace vuriru {

namespace {

struct Point {
  int x;
  int y;
};

// A stored curve as a controller keeps it: 40 sampled outputs at the inputs
// 2, 5, 7, 10, ... 100, then the points' x and y (ending at (100,100), the
// rest 0).
std::vector<uint8_t> CurveFromPoints(const std::vector<Point>& points) {
  std::vector<uint8_t> values(kSimCurveValues, 0);
  for (int k = 0; k < 40; ++k) {
    const int a = (5 * (k + 1)) / 2;
    size_t j = 1;
    while (j + 1 < points.size() && points[j].x < a) ++j;
    const Point p = points[j - 1];
    const Point q = points[j];
    // Single-precision slope, rounded half away from zero: the table the
    // editor makes for these points, so a read shows a consistent curve.
    int y = q.y;
    if (q.x != p.x && a != q.x) {
      const float slope = static_cast<float>(q.y - p.y) / static_cast<float>(q.x - p.x);
      y = p.y + static_cast<int>(std::lround(static_cast<float>(a - p.x) * slope));
    }
    values[k] = static_cast<uint8_t>(std::clamp(y, 0, 100));
  }
  values[0] = 0;
  values[39] = 100;
  for (size_t i = 0; i < points.size() && i < 40; ++i) {
    values[40 + i] = static_cast<uint8_t>(points[i].x);
    values[80 + i] = static_cast<uint8_t>(points[i].y);
  }
  return values;
}

}  // namespace

std::vector<uint8_t> SimConnectVersionReply() {
  return {0xD7, 2, 0, 5, 0, 23, 11, 4};
}

std::vector<uint8_t> SimLoaderVersionReply() {
  return {0xD7, 1, 0, 2, 0, 24, 3, 1};
}

SimMemory FullStartingMemory() {
  SimMemory m;
  // Indexed by reply byte; the factory index follows each value.
  m.settings = {
      1,   // RUN MODE: Forward/Brake/Reverse (0)
      25,  // D.Brake Rate 25 % (10)
      34,  // VOLTAGE CUTOFF 6.2 V (1)
      2,   // ESC HEAT PROTECT 130 degrees (1)
      1,   // Moter Rotation Reverse (0)
      2,   // SWITCHPOINT 4K (3)
      20,  // PUNCH RATE1 level 21 (14)
      9,   // PUNCH RATE2 level 10 (14)
      1,   // THCURVE Custom (0)
      30,  // DRAG BRAKE 30 % (10)
      7,   // BRAKE STRENGTH 87.5 % (6)
      4,   // INITIAL BRAKE 5 % (9)
      1,   // SWITCH POINT 2K (4)
      11,  // BRAKE RATE1 12 (4)
      7,   // BRAKE RATE2 8 (4)
      1,   // BRAKE CURVE Custom (0)
      20,  // BOOST TIMING 20 degrees (0)
      5,   // START RPM 6 (0)
      3,   // END RPM 4 (0)
      1,   // SLOPE Custom (0)
      1,   // STABLITY ASSIST No (0)
      10,  // TURBO TIMING 10 degrees (0)
      2,   // ACTIVATION METHOD Full TH+RPM (0)
      3,   // TURBO DELAY (6)
      20,  // Turbo START RPM 28000 rpm (12)
      7,   // TURBO SLOPE "ON" 8 (4)
      2,   // TURBO SLOPE "OFF" 2 (5)
      72,  // running log: battery minimum 7.2 V
      68,  // running log: ESC maximum 68 degrees
      81,  // running log: motor maximum 81 degrees
      42,  // running log: motor maximum 42000 rpm
      1,   // RACE MODE Stock (0)
      3,   // DEAD BAND 7 % (0)
      1,   // BEC Output 7.4V (0)
      80,  // RPM Lock 81 % (99)
  };
  m.curves[kSimCurveBoost] = CurveFromPoints({{0, 0}, {40, 70}, {100, 100}});
  m.curves[kSimCurveBrake] = CurveFromPoints({{0, 0}, {60, 30}, {100, 100}});
  m.curves[kSimCurveThrottle] = CurveFromPoints({{0, 0}, {30, 50}, {70, 80}, {100, 100}});
  m.softwareVersion = {0xD7, 0x00, 3, 12, 24, 5, 17};  // "V3.12_240517"
  return m;
}

SimMemory LcdStartingMemory() {
  return SimMemory{};
}

SimMemory V1StartingMemory(size_t replyLength) {
  SimMemory m;
  m.settings.assign(replyLength, 0);
  // Byte: value (factory index).
  m.settings[0] = 0x2C;                      // cut-off code: 3.2V/Cell (3.0V/Cell, 0x2A)
  m.settings[2] = 2;                         // Running Mode: Forward/Reverse (1)
  m.settings[3] = 6;                         // Percentage Braking 70% (4)
  m.settings[4] = 3;                         // Percentage Drag Brake 12% (0)
  m.settings[5] = 3;                         // Motor Timing High (2)
  m.settings[6] = 1;                         // Initial Acceleration Soft (2)
  m.settings[7] = 2;                         // Throttle Limit 30% (0)
  m.settings[8] = 7;                         // Throttle Percent Reverse 90% (4)
  m.settings[10] = 4;                        // Neutral range 6% (2)
  if (replyLength > 11) m.settings[11] = 1;  // Motor Rotation Reverse (0)
  if (replyLength > 14) m.settings[14] = 1;  // BEC 8.4V (6.0V)
  // Byte 2 of 0xDD is how V1 firmware reports major version 1.
  m.softwareVersion = {0xD7, 0x00, 0xDD, 5, 19, 3, 8};  // "V1.05_190308"
  return m;
}

std::pair<uint8_t, uint8_t> SimCurveCheck(const uint8_t* values) {
  int sum = 0;
  for (size_t i = 0; i < kSimCurveValues; ++i) sum += static_cast<int8_t>(values[i]);
  return {static_cast<uint8_t>(sum / 100), static_cast<uint8_t>(sum % 100)};
}

}  // namespace vuriru
