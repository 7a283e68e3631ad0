// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sends an image through the 512-byte block firmware protocol the way the
// program's transfer does, collecting the answer to each step.

#include <string>
#include <vector>

#include "sim_harness.h"

namespace vuriru::test {

inline Bytes TestImage(size_t size, uint8_t seed = 0) {
  Bytes image(size);
  for (size_t i = 0; i < size; ++i) image[i] = static_cast<uint8_t>(i * 31 + seed);
  return image;
}

// After the start byte has been answered: unlock, size, blocks, finish,
// leave. Returns the answers of each step after the unlock, in order.
inline std::vector<Bytes> SendBlockImage(SimHarness& h, const Bytes& image) {
  std::vector<Bytes> answers;
  answers.push_back(h.Exchange({0x13, 0x7E}));
  const size_t size = image.size();
  h.Write({static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size)});
  size_t position = 0;
  h.Write({0x02, 0x00});
  answers.push_back(h.Exchange(Bytes(image.begin(), image.begin() + std::min<size_t>(512, size))));
  position = 512;
  while (position + 512 < size) {
    answers.push_back(h.Exchange(Bytes(image.begin() + position, image.begin() + position + 512)));
    position += 512;
  }
  if (position < size) {
    const size_t n = size - position;
    h.Write({static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
    answers.push_back(h.Exchange(Bytes(image.begin() + position, image.end())));
  }
  answers.push_back(h.Exchange({0x13, 0x81}));
  answers.push_back(h.Exchange({0x13, 0xCF}));
  return answers;
}

}  // namespace vuriru::test
