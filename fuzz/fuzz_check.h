// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules a fuzz input must never break. A broken rule stops the program at
// once, as a sanitizer finding would: libFuzzer then keeps the input as a
// crash, and the normal test run over the kept inputs fails loudly.

namespace vuriru::fuzz {

// Prints "fuzz rule broken: <rule>" and aborts when `holds` is false.
void Require(bool holds, const char* rule);

}  // namespace vuriru::fuzz
