// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Buffers that gather a reply arriving over several ticks. Both are bounded:
// bytes beyond their size are dropped, never written past the end, so a
// controller that keeps talking cannot overrun them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vuriru {

// Gathers a settings reply or a curve reply.
class ReplyAccumulator {
 public:
  static constexpr size_t kCapacity = 1080;

  // Appends as many of the bytes as fit; returns how many were taken.
  size_t Append(std::span<const uint8_t> bytes);
  void Clear() { m_count = 0; }
  size_t Count() const { return m_count; }
  std::span<const uint8_t> Bytes() const { return {m_bytes.data(), m_count}; }

 private:
  std::array<uint8_t, kCapacity> m_bytes{};
  size_t m_count = 0;
};

// Gathers the first two bytes of the replies of a firmware transfer, for the
// "ok" test. Once full it takes nothing more until it is emptied.
class ReplyCollector {
 public:
  static constexpr size_t kCapacity = 2;

  size_t Append(std::span<const uint8_t> bytes);
  void Clear() { m_count = 0; }
  size_t Count() const { return m_count; }
  std::span<const uint8_t> Bytes() const { return {m_bytes.data(), m_count}; }
  // Holds exactly the two characters "ok".
  bool IsOk() const { return m_count == 2 && m_bytes[0] == 'o' && m_bytes[1] == 'k'; }

 private:
  std::array<uint8_t, kCapacity> m_bytes{};
  size_t m_count = 0;
};

}  // namespace vuriru
