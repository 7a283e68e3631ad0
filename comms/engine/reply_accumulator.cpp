// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/reply_accumulator.h"

#include <algorithm>

namespace vuriru {

namespace {
template <size_t N>
size_t AppendBounded(std::array<uint8_t, N>& buffer, size_t& count, std::span<const uint8_t> bytes) {
  const size_t taken = std::min(bytes.size(), N - count);
  std::copy_n(bytes.begin(), taken, buffer.begin() + static_cast<std::ptrdiff_t>(count));
  count += taken;
  return taken;
}
}  // namespace

size_t ReplyAccumulator::Append(std::span<const uint8_t> bytes) {
  return AppendBounded(m_bytes, m_count, bytes);
}

size_t ReplyCollector::Append(std::span<const uint8_t> bytes) {
  return AppendBounded(m_bytes, m_count, bytes);
}

}  // namespace vuriru
