// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzz entry points: one per kind of input that reaches the program from
// outside. Each takes any bytes, feeds them to the code that reads such
// input, checks the rules that code promises, and returns 0 (the libFuzzer
// convention). The libFuzzer programs (fuzz/libfuzzer_main.cpp) call one
// each; the normal test suite calls all of them over the committed seeds and
// the inputs that once broke a rule, so the same code runs under gcc too.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vuriru::fuzz {

// A full controller's settings reply (answer to 0xD8).
int SettingsReplyInput(const uint8_t* data, size_t size);
// A stored-curve reply; the first byte picks the curve number asked for.
int CurveReplyInput(const uint8_t* data, size_t size);
// A V1 controller's settings reply, for both panel layouts; the first byte
// picks whether the controller showed BEC.
int V1ReplyInput(const uint8_t* data, size_t size);
// The bytes of a *.DATA settings file.
int DataFileInput(const uint8_t* data, size_t size);
// The text of a JSON settings file.
int JsonFileInput(const uint8_t* data, size_t size);
// Rows of the settings library's tables, any column of any type
// (fuzz/library_rows_input.cpp describes the input).
int LibraryRowsInput(const uint8_t* data, size_t size);
// The text of a *.xup firmware file.
int RecordFileInput(const uint8_t* data, size_t size);
// The bytes of a *.xut or *.hgm firmware file; the first byte picks which.
int BlockFileInput(const uint8_t* data, size_t size);
// The stream of input reports the transaction engine reads, through every
// state of one scenario the first byte picks (fuzz/engine_script.h).
int EngineInput(const uint8_t* data, size_t size);

using FuzzEntry = int (*)(const uint8_t* data, size_t size);

struct FuzzTarget {
  const char* name;  // the folder of its seeds: fuzz/corpus/<name>
  FuzzEntry entry;
};

// Every target, in the order scripts/fuzz runs them.
std::span<const FuzzTarget> FuzzTargets();

}  // namespace vuriru::fuzz
