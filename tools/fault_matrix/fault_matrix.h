// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every user transaction against every simulated fault: the first read,
// Apply, Default, the V1 panel's read and send, and firmware by *.xup, *.xut
// and *.hgm, each run on the virtual clock through the engine, the link and
// the window controller (without a widget), with one fault of the simulated
// adapter or controller. A cell tells how the transaction ended and checks
// the rules every ending must keep: nothing hangs, a success ends as it
// should, a failure is told exactly once, the progress dialog is gone and the
// command released, and the controller holds the old data or the new, or the
// user was told it may hold part of it.

#include <cstdint>
#include <string>
#include <vector>

namespace vuriru::matrix {

enum class Row { kFirstRead, kApply, kDefault, kV1Read, kV1Send, kFirmwareXup, kFirmwareXut, kFirmwareHgm };

enum class FaultKind {
  kNone,
  kSilent,
  kNoVersion,
  kSplit20,
  kBadCurveCheck,
  kNoFirstAck,
  kGarbage,
  kPullAfter,    // the adapter is pulled right after the transaction's write number `step`
  kRefuseBlock,  // firmware block or record number `step` is refused
};

struct Fault {
  FaultKind kind = FaultKind::kNone;
  uint32_t step = 0;
};

enum class Verdict {
  kNotApplicable,   // the fault cannot occur in this transaction
  kSucceeded,       // ended as it does without a fault
  kFailedAndTold,   // ended short, and the user was told once
  kWaitsForDevice,  // the device never answered a start; commands stay free, as the protocol has it
  kBroken,          // a rule was broken: `problems` says which
};

struct CellResult {
  Verdict verdict = Verdict::kNotApplicable;
  // What happened, in a few words ("stored", "told: link lost", ...).
  std::string outcome;
  uint32_t failureMessages = 0;
  uint64_t virtualMs = 0;
  std::vector<std::string> problems;
};

const std::vector<Row>& AllRows();
std::string RowName(Row row);
std::string FaultName(const Fault& fault);
std::string VerdictName(Verdict verdict);

// The faults to run against a row: each fault kind once, and a pull after
// each of the transaction's writes, found by running it without a fault.
std::vector<Fault> FaultsFor(Row row);

CellResult RunCell(Row row, const Fault& fault);

// Random transactions with random faults, one after another on one program,
// re-plugging the adapter after a pull: the soak. Counts what happened and
// any broken rule.
struct SoakResult {
  uint32_t transactions = 0;
  uint32_t succeeded = 0;
  uint32_t failedAndTold = 0;
  uint32_t waited = 0;
  uint32_t storesVerified = 0;  // successful stores whose read-back equalled what was sent
  std::vector<std::string> problems;
  uint64_t virtualMs = 0;
  uint64_t residentKiBWarm = 0;  // after the first tenth of the run; 0 where unknown
  uint64_t residentKiBEnd = 0;
};
SoakResult RunSoak(uint32_t transactions, uint32_t seed);

}  // namespace vuriru::matrix
