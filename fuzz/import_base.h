// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program holds before a fuzzed file is imported onto it.

#include "files/data_file_codec.h"

namespace vuriru::fuzz {

// Settings with page-only values apart from the factory ones, a running log
// value, and three curves through (0,0), (40,70) and (100,100) whose sampled
// tables are filled with 201, 202 and 203: whatever the file does not hold
// stands out if an import changes it.
EscData ImportBase();

}  // namespace vuriru::fuzz
