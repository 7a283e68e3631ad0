// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's progress bar: one line on stderr, redrawn in place, with a
// caption, a percentage and, where the count means something to the user
// (the bytes of a firmware image), the count itself. It stays silent unless stderr is a terminal, and
// appears only once the command has run for a second, so that quick commands
// and piped or captured output stay clean.

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace vuriru {

class ProgressBar {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  static constexpr std::chrono::milliseconds kQuietPeriod{1000};
  static constexpr int kWidth = 30;

  // `enabled`: whether `out` is a terminal. `clock` is the real clock unless
  // a test supplies its own.
  ProgressBar(std::ostream& out, bool enabled, Clock clock = {});

  // The phase shown beside the bar ("Connecting", "Reading", ...).
  void SetCaption(std::string caption);
  // pos of range; a range of 0 shows the caption without a percentage.
  void SetProgress(uint32_t pos, uint32_t range);
  // Shows "pos/range unit" behind the percentage; empty: the percentage alone.
  void SetUnit(std::string unit);
  // Clears the line, if one was drawn, so that what follows starts clean.
  void Finish();

 private:
  void Draw();

  std::ostream& m_out;
  bool m_enabled;
  Clock m_clock;
  std::chrono::steady_clock::time_point m_start;
  std::string m_caption;
  uint32_t m_pos = 0;
  uint32_t m_range = 0;
  std::string m_unit;
  std::string m_lastLine;
  size_t m_drawnWidth = 0;
};

// The text of one bar line, without the carriage return; a non-empty `unit`
// adds the count, e.g. "1024/61440 bytes".
std::string ProgressLine(const std::string& caption, uint32_t pos, uint32_t range, int width,
                         const std::string& unit = "");

}  // namespace vuriru
