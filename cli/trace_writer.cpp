// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/trace_writer.h"

namespace vuriru {

std::string TraceLine(uint64_t ms, bool outgoing, const uint8_t* bytes, uint32_t length) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string line = std::to_string(ms) + (outgoing ? " >" : " <");
  for (uint32_t i = 0; i < length; ++i) {
    line += ' ';
    line += kHex[bytes[i] >> 4];
    line += kHex[bytes[i] & 0x0F];
  }
  return line;
}

TraceWriter::TraceWriter(const std::string& path, const Scheduler& clock)
    : m_out(path, std::ios::out | std::ios::trunc), m_clock(clock), m_startMs(clock.NowMs()) {}

void TraceWriter::Record(bool outgoing, const uint8_t* bytes, uint32_t length) {
  if (!m_out.is_open() || length == 0) return;
  m_out << TraceLine(m_clock.NowMs() - m_startMs, outgoing, bytes, length) << '\n';
  m_out.flush();
}

void TraceWriter::Note(const std::string& text) {
  if (!m_out.is_open() || text.empty()) return;
  m_out << (m_clock.NowMs() - m_startMs) << " # " << text << '\n';
  m_out.flush();
}

}  // namespace vuriru
