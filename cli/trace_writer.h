// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records the link traffic for --trace: one line per block written and per
// non-empty block read, "<ms> > HEX…" or "<ms> < HEX…", with the time in
// milliseconds since the command started (virtual when the clock is virtual).
// A remark on the traffic, such as the route the connect report took, is a
// line of its own: "<ms> # text".

#include <cstdint>
#include <fstream>
#include <string>

#include "common/scheduler.h"

namespace vuriru {

std::string TraceLine(uint64_t ms, bool outgoing, const uint8_t* bytes, uint32_t length);

class TraceWriter {
 public:
  TraceWriter(const std::string& path, const Scheduler& clock);
  bool IsOpen() const { return m_out.is_open(); }
  void Record(bool outgoing, const uint8_t* bytes, uint32_t length);
  // For UsbLink::SetTraceNote.
  void Note(const std::string& text);

 private:
  std::ofstream m_out;
  const Scheduler& m_clock;
  uint64_t m_startMs;
};

}  // namespace vuriru
