// SPDX-License-Identifier: GPL-3.0-or-later
// Every fuzz target over its seeds (fuzz/corpus/<target>) and over the inputs
// that once broke one of its rules (fuzz/regressions/<target>). A broken rule
// aborts the test program with the rule; the input's path is on stderr just
// before it.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/entry_points.h"

namespace vuriru::fuzz {

// Test names and messages show a target by its name.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
  *out << target.name;
}

namespace {

namespace fs = std::filesystem;

const fs::path kFuzzDir = VURIRU_FUZZ_DIR;

std::vector<fs::path> InputsIn(const fs::path& dir) {
  std::vector<fs::path> inputs;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::vector<uint8_t> Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t RunAll(const FuzzTarget& target, const fs::path& dir) {
  const std::vector<fs::path> inputs = InputsIn(dir);
  for (const fs::path& path : inputs) {
    std::fprintf(stderr, "%s\n", path.c_str());
    const std::vector<uint8_t> bytes = Contents(path);
    EXPECT_EQ(target.entry(bytes.data(), bytes.size()), 0) << path;
  }
  return inputs.size();
}

class FuzzTargetInputs : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzTargetInputs, SeedsKeepEveryRule) {
  EXPECT_GT(RunAll(GetParam(), kFuzzDir / "corpus" / GetParam().name), 0u) << "no seeds";
}

TEST_P(FuzzTargetInputs, RegressionInputsKeepEveryRule) {
  RunAll(GetParam(), kFuzzDir / "regressions" / GetParam().name);
}

// The edges every target must survive whatever its seeds are.
TEST_P(FuzzTargetInputs, EmptyAndTinyInputs) {
  const uint8_t bytes[] = {0xFF, 0x00, 0x80};
  EXPECT_EQ(GetParam().entry(nullptr, 0), 0);
  for (size_t n = 1; n <= sizeof bytes; ++n) EXPECT_EQ(GetParam().entry(bytes, n), 0);
}

INSTANTIATE_TEST_SUITE_P(AllTargets, FuzzTargetInputs, ::testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vuriru::fuzz
