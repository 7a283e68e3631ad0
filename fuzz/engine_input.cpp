// The engine fed the fuzz input as its stream of replies, on the virtual
// clock, through one scenario: identify and read, Apply, the V1 panel's read
// and send, and firmware by blocks and by records. Rules: no read or write
// out of bounds (the sanitizers watch), no frame larger than the transmit
// buffer, no runaway of timers or continuations, and every wait over once
// the controller has been silent for a minute.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "comms/engine/engine_commands.h"
#include "fuzz/engine_run.h"
#include "fuzz/engine_session.h"
#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/scripted_hid_library.h"

namespace vuriru::fuzz {
namespace {

// Far more clock events than the longest input can cause at the fastest tick
// (50 ms) with the connect timer beside it, and far fewer than a runaway.
constexpr uint64_t kEventBudget = 400000;

// A V1 controller's settings reply of 12 bytes: the length that makes it
// take *.hgm firmware.
constexpr uint8_t kTwelveByteV1Reply[] = {0x2C, 0, 2, 6, 3, 3, 1, 2, 7, 0, 4, 1};

class ScriptRun {
 public:
  ScriptRun() {
    static const bool trace = std::getenv("VURIRU_FUZZ_TRACE") != nullptr;
    session.link.SetTrace([this](bool outgoing, const uint8_t* bytes, uint32_t length) {
      if (trace) Trace(outgoing, bytes, length);
      if (outgoing) Require(length <= TransactionEngine::kTransmitCapacity, "no frame is larger than 520 bytes");
    });
  }

  void Start(EngineScenario scenario) {
    session.Connect();
    switch (scenario) {
      case EngineScenario::kIdentify:
      case EngineScenario::kCount:
        break;
      case EngineScenario::kApply:
        session.AsIfRead(device_type::kFull);
        session.Apply(false, false);
        break;
      case EngineScenario::kV1Send:
        session.AsIfRead(device_type::kV1);
        session.state.v1Variant = kV1BecShown;
        session.v1.becShown = kV1BecShown;
        session.V1Send(false);
        break;
      case EngineScenario::kV1Read:
        session.AsIfRead(device_type::kV1);
        session.V1Read(false);
        break;
      case EngineScenario::kBoxFirmware:
        session.AsIfRead(device_type::kFull);
        session.state.g_escPresent = 0;
        session.state.settingsRead = 0;
        session.state.g_lcdMode = true;
        session.UpdateFirmware();
        break;
      case EngineScenario::kV1BlockFirmware:
        session.AsIfRead(device_type::kV1);
        // The reply length that tells this model apart comes from a read.
        session.V1Read(false);
        hid.QueueReply(kTwelveByteV1Reply);
        Run(TransactionEngine::kTickMs);
        session.UpdateFirmware();
        break;
      case EngineScenario::kRecordFirmware:
        session.AsIfRead(device_type::kFull);
        session.UpdateFirmware();
        break;
      case EngineScenario::kV1RecordFirmware:
        session.AsIfRead(device_type::kV1);
        session.UpdateFirmware();
        break;
    }
  }

  void Step(FuzzInput& input) {
    const uint8_t op = input.Byte();
    if (op <= engine_op::kLongestReply) {
      hid.QueueReply(input.Take(op));
    } else if (op < engine_op::kWait) {
      Wait((op - engine_op::kShortWait + 1u) * 10u);
    } else if (op < engine_op::kRawReport) {
      const uint32_t high = op & 0x0F;
      Wait(high << 8 | input.Byte());
    } else if (op < engine_op::kLinkFault) {
      const uint8_t lengthByte = input.Byte();
      hid.QueueReport(lengthByte, input.Take(input.Byte() % 63));
    } else if (op < engine_op::kCommand) {
      Fault(static_cast<LinkFault>(op & 0x07), input.Byte());
    } else if (op < engine_op::kTick) {
      Command(static_cast<UserCommand>(op & 0x0F));
    } else {
      Wait(TransactionEngine::kTickMs);
    }
  }

  // The controller falls silent; whatever the engine waits for must end.
  void Finish() {
    Run(kSilenceAfterScriptMs);
    Require(!session.engine.IsWaiting(), "every wait ends");
    Require(session.state.engineState <= engine_state::kStoreCurves, "the engine stays in a state it knows");
  }

  EngineRunResult Result(EngineScenario scenario) const {
    EngineRunResult result;
    result.scenario = scenario;
    result.state = session.state;
    result.transfer = session.transfer.Outcome();
    result.readsFinished = session.hosts.readsFinished;
    result.pressedButtonsReleased = session.hosts.pressedButtonsReleased;
    result.v1ReadsShown = session.hosts.v1ReadsShown;
    result.v1SendsDone = session.hosts.v1SendsDone;
    result.virtualMs = scheduler.NowMs();
    return result;
  }

 private:
  // With VURIRU_FUZZ_TRACE set, every block on the link goes to stderr, for
  // looking into an input that broke a rule.
  void Trace(bool outgoing, const uint8_t* bytes, uint32_t length) const {
    std::fprintf(stderr, "%7llu state %2d %s", static_cast<unsigned long long>(scheduler.NowMs()),
                 session.state.engineState, outgoing ? "sent" : "read");
    for (uint32_t i = 0; i < length; ++i) std::fprintf(stderr, " %02X", bytes[i]);
    std::fprintf(stderr, "\n");
  }

  void Run(uint64_t ms) {
    scheduler.RunUntil([this] { return ++m_events > kEventBudget; }, ms);
    Require(m_events <= kEventBudget, "the clock never runs away");
  }

  void Wait(uint64_t ms) {
    ms = std::min(ms, kScriptTimeLimitMs - m_scriptMs);
    m_scriptMs += ms;
    Run(ms);
  }

  void Fault(LinkFault fault, uint8_t argument) {
    switch (fault) {
      case LinkFault::kFailWrites:
        hid.failingWrites = argument % 8u;
        break;
      case LinkFault::kFailReads:
        hid.failingReads = argument % 8u;
        break;
      case LinkFault::kMaxReports:
        hid.maxReportRequest = argument % 20u;
        break;
      case LinkFault::kShortRead:
        hid.shortReadBytes = argument;
        break;
      case LinkFault::kPull:
        if (!hid.plugged) break;
        hid.plugged = false;
        session.DeviceRemoved(ScriptedHidLibrary::kPath);
        break;
      case LinkFault::kPlug:
        if (hid.plugged) break;
        hid.plugged = true;
        session.DeviceArrived();
        break;
      case LinkFault::kFailOpens:
        hid.failingOpens = argument % 4u;
        break;
      case LinkFault::kNone:
        break;
    }
  }

  void Command(UserCommand command) {
    switch (command) {
      case UserCommand::kApply:
        session.Apply(false, false);
        break;
      case UserCommand::kDefault:
        session.Apply(true, false);
        break;
      case UserCommand::kV1Read:
        session.V1Read(false);
        break;
      case UserCommand::kV1Send:
        session.V1Send(false);
        break;
      case UserCommand::kFirmware:
        session.UpdateFirmware();
        break;
      case UserCommand::kCancelNextFileChoice:
        session.hosts.cancelNextChoice = true;
        break;
      case UserCommand::kSelectBox:
        session.SelectBox();
        break;
      case UserCommand::kSelectEsc:
        session.SelectEsc();
        break;
      case UserCommand::kForcedApply:
        session.Apply(false, true);
        break;
      case UserCommand::kForcedV1Read:
        session.V1Read(true);
        break;
      case UserCommand::kForcedV1Send:
        session.V1Send(true);
        break;
    }
  }

 public:
  EventLoopScheduler scheduler{EventLoopScheduler::Clock::kVirtual};
  ScriptedHidLibrary hid;
  EngineSession session{hid, scheduler};

 private:
  uint64_t m_events = 0;
  uint64_t m_scriptMs = 0;
};

}  // namespace

EngineRunResult RunEngineScript(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const auto scenario = static_cast<EngineScenario>(input.Byte() % kEngineScenarioCount);
  ScriptRun run;
  run.Start(scenario);
  while (!input.Empty()) run.Step(input);
  run.Finish();
  return run.Result(scenario);
}

int EngineInput(const uint8_t* data, size_t size) {
  RunEngineScript(data, size);
  return 0;
}

}  // namespace vuriru::fuzz
