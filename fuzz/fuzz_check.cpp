// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace vuriru::fuzz {

void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "fuzz rule broken: %s\n", rule);
  std::abort();
}

}  // namespace vuriru::fuzz
