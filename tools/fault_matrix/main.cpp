// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-fault-matrix [--soak N [SEED]]: prints the fault matrix as a Markdown
// table (transaction x fault -> outcome), the table docs/fault-matrix.md
// holds; with --soak, runs N random transactions with random faults and
// prints the counts (the seed is fixed unless given, so a run can be
// repeated). Exits 1 when a rule was broken.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/fault_matrix/fault_matrix.h"

namespace {

int PrintMatrix() {
  using namespace vuriru::matrix;
  std::printf("| transaction | fault | outcome | messages | virtual time |\n|---|---|---|---|---|\n");
  int broken = 0;
  int cells = 0;
  for (Row row : AllRows()) {
    for (const Fault& fault : FaultsFor(row)) {
      const CellResult cell = RunCell(row, fault);
      ++cells;
      std::string outcome = VerdictName(cell.verdict);
      if (!cell.outcome.empty()) outcome += ": " + cell.outcome;
      for (const std::string& problem : cell.problems) outcome += "; " + problem;
      if (cell.verdict == Verdict::kBroken) ++broken;
      std::printf("| %s | %s | %s | %u | %.1f s |\n", RowName(row).c_str(), FaultName(fault).c_str(), outcome.c_str(),
                  cell.failureMessages, static_cast<double>(cell.virtualMs) / 1000.0);
    }
  }
  std::printf("\n%d cells, %d broken\n", cells, broken);
  return broken == 0 ? 0 : 1;
}

int Soak(uint32_t transactions, uint32_t seed) {
  using namespace vuriru::matrix;
  const SoakResult soak = RunSoak(transactions, seed);
  std::printf(
      "soak: %u transactions in %.0f s of virtual time: %u succeeded (%u stores read back equal), "
      "%u failed and were told, %u waited for the device; resident memory %llu KiB after a tenth, %llu KiB at "
      "the end; %zu problems\n",
      soak.transactions, static_cast<double>(soak.virtualMs) / 1000.0, soak.succeeded, soak.storesVerified,
      soak.failedAndTold, soak.waited, static_cast<unsigned long long>(soak.residentKiBWarm),
      static_cast<unsigned long long>(soak.residentKiBEnd), soak.problems.size());
  for (const std::string& problem : soak.problems) std::printf("  %s\n", problem.c_str());
  return soak.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--soak") == 0) {
    const auto seed = argc == 4 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 20261208u;
    return Soak(static_cast<uint32_t>(std::atoi(argv[2])), seed);
  }
  if (argc == 4 && std::strcmp(argv[1], "--cell") == 0) {
    // One cell, by row and fault number as the table lists them.
    using namespace vuriru::matrix;
    const Row row = AllRows().at(static_cast<size_t>(std::atoi(argv[2])));
    const Fault fault = FaultsFor(row).at(static_cast<size_t>(std::atoi(argv[3])));
    const CellResult cell = RunCell(row, fault);
    std::printf("%s | %s | %s: %s\n", RowName(row).c_str(), FaultName(fault).c_str(), VerdictName(cell.verdict).c_str(),
                cell.outcome.c_str());
    return cell.verdict == Verdict::kBroken ? 1 : 0;
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: vuriru-fault-matrix [--soak N [SEED]]\n");
    return 2;
  }
  return PrintMatrix();
}
