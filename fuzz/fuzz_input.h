// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a fuzz input front to back. Past the end every byte reads as 0 and
// every run of bytes comes back short, so a decoder never needs to check
// the length itself.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vuriru::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(data == nullptr ? 0 : size) {}

  bool Empty() const { return m_pos >= m_size; }
  size_t Left() const { return m_size - m_pos; }

  uint8_t Byte() { return Empty() ? 0 : m_data[m_pos++]; }

  uint16_t Word() {
    const uint8_t high = Byte();
    return static_cast<uint16_t>(high << 8 | Byte());
  }

  // The next `n` bytes, or as many as are left.
  std::span<const uint8_t> Take(size_t n) {
    n = std::min(n, Left());
    const std::span<const uint8_t> taken(m_data + m_pos, n);
    m_pos += n;
    return taken;
  }

 private:
  const uint8_t* m_data;
  size_t m_size;
  size_t m_pos = 0;
};

}  // namespace vuriru::fuzz
