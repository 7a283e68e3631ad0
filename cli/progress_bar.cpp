// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_bar.h"

#include <algorithm>

namespace vuriru {

std::string ProgressLine(const std::string& caption, uint32_t pos, uint32_t range, int width, const std::string& unit) {
  std::string line = caption;
  if (range == 0) return line;
  // The engine lets its position run past the range; the bar stops at full.
  const uint64_t percent = std::min<uint64_t>(uint64_t{pos} * 100 / range, 100);
  const auto filled = static_cast<size_t>(percent * static_cast<uint64_t>(width) / 100);
  line += " [";
  line.append(filled, '#');
  line.append(static_cast<size_t>(width) - filled, ' ');
  line += "] " + std::to_string(percent) + "%";
  if (!unit.empty()) line += " " + std::to_string(std::min(pos, range)) + "/" + std::to_string(range) + " " + unit;
  return line;
}

ProgressBar::ProgressBar(std::ostream& out, bool enabled, Clock clock)
    : m_out(out),
      m_enabled(enabled),
      m_clock(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); })),
      m_start(m_clock()) {}

void ProgressBar::SetCaption(std::string caption) {
  m_caption = std::move(caption);
  Draw();
}

void ProgressBar::SetProgress(uint32_t pos, uint32_t range) {
  m_pos = pos;
  m_range = range;
  Draw();
}

void ProgressBar::SetUnit(std::string unit) {
  m_unit = std::move(unit);
  Draw();
}

void ProgressBar::Finish() {
  if (m_drawnWidth == 0) return;
  m_out << '\r' << std::string(m_drawnWidth, ' ') << '\r' << std::flush;
  m_drawnWidth = 0;
  m_lastLine.clear();
}

void ProgressBar::Draw() {
  if (!m_enabled || m_clock() - m_start < kQuietPeriod) return;
  const std::string line = ProgressLine(m_caption, m_pos, m_range, kWidth, m_unit);
  if (line == m_lastLine) return;
  // Blank out the rest of a longer previous line.
  const size_t padding = m_drawnWidth > line.size() ? m_drawnWidth - line.size() : 0;
  m_out << '\r' << line << std::string(padding, ' ') << std::flush;
  m_drawnWidth = std::max(m_drawnWidth, line.size());
  m_lastLine = line;
}

}  // namespace vuriru
