// SPDX-License-Identifier: GPL-3.0-or-later
// Every user transaction against every simulated fault, and a soak of random
// transactions with random faults: nothing breaks the rules every ending must
// keep (tools/fault_matrix/fault_matrix.h).

#include "tools/fault_matrix/fault_matrix.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace vuriru::matrix {
namespace {

std::string Describe(const CellResult& cell) {
  std::string text = VerdictName(cell.verdict) + ": " + cell.outcome;
  for (const std::string& problem : cell.problems) text += "; " + problem;
  return text;
}

class FaultMatrix : public ::testing::TestWithParam<Row> {};

TEST_P(FaultMatrix, EveryFaultEndsSoundly) {
  const Row row = GetParam();
  const bool store = row == Row::kApply || row == Row::kDefault || row == Row::kV1Send;
  for (const Fault& fault : FaultsFor(row)) {
    SCOPED_TRACE(RowName(row) + " with " + FaultName(fault));
    const CellResult cell = RunCell(row, fault);
    EXPECT_NE(cell.verdict, Verdict::kBroken) << Describe(cell);
    switch (fault.kind) {
      case FaultKind::kNone:
      case FaultKind::kSplit20:
        EXPECT_EQ(cell.verdict, Verdict::kSucceeded) << Describe(cell);
        break;
      case FaultKind::kSilent:
        // A store gives up on a silent controller within the 5 s limit.
        if (store) {
          EXPECT_EQ(cell.verdict, Verdict::kFailedAndTold) << Describe(cell);
          EXPECT_LE(cell.virtualMs, 6000u);
        }
        break;
      case FaultKind::kPullAfter:
        // A pulled adapter ends a store where the user sees it.
        if (store) {
          EXPECT_EQ(cell.verdict, Verdict::kFailedAndTold) << Describe(cell);
        }
        break;
      case FaultKind::kRefuseBlock:
        if (row == Row::kFirmwareXup) {
          EXPECT_EQ(cell.verdict, Verdict::kFailedAndTold) << Describe(cell);
        }
        break;
      default:
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachTransaction, FaultMatrix, ::testing::ValuesIn(AllRows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           std::string name;
                           for (char c : RowName(info.param)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

size_t OpenFileDescriptors() {
  size_t count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
  }
  return count;
}

TEST(Soak, AThousandRandomTransactionsKeepEveryRuleAndLeakNothing) {
  const size_t descriptorsBefore = OpenFileDescriptors();
  const SoakResult soak = RunSoak(1000, 20261208);
  EXPECT_EQ(soak.transactions, 1000u);
  for (const std::string& problem : soak.problems) ADD_FAILURE() << problem;
  EXPECT_EQ(soak.succeeded + soak.failedAndTold, soak.transactions);
  // Every store that succeeded read back as it was sent.
  EXPECT_EQ(soak.storesVerified, soak.succeeded);
  EXPECT_GT(soak.succeeded, 100u);
  EXPECT_GT(soak.failedAndTold, 100u);
  EXPECT_EQ(OpenFileDescriptors(), descriptorsBefore);
  // A growth of resident memory is one of the problems above.
  std::printf(
      "soak: %u transactions, %u succeeded (%u read back equal), %u failed and told, %.0f s virtual, "
      "resident %llu KiB after a tenth, %llu KiB at the end\n",
      soak.transactions, soak.succeeded, soak.storesVerified, soak.failedAndTold,
      static_cast<double>(soak.virtualMs) / 1000.0, static_cast<unsigned long long>(soak.residentKiBWarm),
      static_cast<unsigned long long>(soak.residentKiBEnd));
}

TEST(FaultMatrixDocument, DocsHoldTheCurrentTable) {
  std::ifstream in(VURIRU_FAULT_MATRIX_DOC);
  ASSERT_TRUE(in) << VURIRU_FAULT_MATRIX_DOC;
  std::stringstream document;
  document << in.rdbuf();
  for (Row row : AllRows()) {
    for (const Fault& fault : FaultsFor(row)) {
      const CellResult cell = RunCell(row, fault);
      const std::string line = "| " + RowName(row) + " | " + FaultName(fault) + " | " + VerdictName(cell.verdict) +
                               (cell.outcome.empty() ? "" : ": " + cell.outcome) + " |";
      EXPECT_NE(document.str().find(line), std::string::npos)
          << "docs/fault-matrix.md lacks: " << line << "\nremake it with scripts/fault-matrix";
    }
  }
}

}  // namespace
}  // namespace vuriru::matrix
