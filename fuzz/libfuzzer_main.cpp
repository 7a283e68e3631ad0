// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer program of one target; the build names its entry point in
// VURIRU_FUZZ_ENTRY (see fuzz/CMakeLists.txt).

#include "fuzz/entry_points.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return vuriru::fuzz::VURIRU_FUZZ_ENTRY(data, size);
}
