// SPDX-License-Identifier: GPL-3.0-or-later
// The engine fed the fuzz input as its stream of replies, on the virtual
// clock, through one scenario: identify and read, Apply, the V1 panel's read
// and send, and firmware by blocks and by records. Rules: no read or write
// out of bounds (the sanitizers watch), no frame larger than the transmit
// buffer, no runaway of timers or continuations, every wait over once the
// controller has been silent for a minute, and no success claimed for what
// was not sent: on a link without write faults, a firmware update that
// completes has written every block or record of the image, and a V1 store
// that says "Send Ok" has written every pair of its frame.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "comms/engine/engine_commands.h"
#include "comms/firmware/block_protocol.h"
#include "comms/firmware/record_protocol.h"
#include "fuzz/engine_run.h"
#include "fuzz/engine_session.h"
#include "fuzz/entry_points.h"
#include "fuzz/firmware_files.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/scripted_hid_library.h"
#include "v1/v1_frame.h"

namespace vuriru::fuzz {
namespace {

// Far more clock events than the longest input can cause at the fastest tick
// (50 ms) with the connect timer beside it, and far fewer than a runaway.
constexpr uint64_t kEventBudget = 400000;

// A V1 controller's settings reply of 12 bytes: the length that makes it
// take *.hgm firmware.
constexpr uint8_t kTwelveByteV1Reply[] = {0x2C, 0, 2, 6, 3, 3, 1, 2, 7, 0, 4, 1};

using Frames = std::vector<std::vector<uint8_t>>;

// Whether every wanted frame was written whole, in this order, among the writes.
bool WrittenInOrder(const Frames& writes, const Frames& wanted) {
  size_t next = 0;
  for (const auto& write : writes) {
    if (next < wanted.size() && write == wanted[next]) ++next;
  }
  return next == wanted.size();
}

// The frames that carry the image of a completed transfer: every block, or
// every record.
Frames ImageFrames(FirmwareKind kind) {
  const std::vector<uint8_t> image = FirmwareTestImage(kind);
  Frames frames;
  if (UsesBlockProtocol(kind)) {
    const Frames plan = PlanBlockFrames(image);
    // Size, header, the full blocks, last length, last block, finish, confirm.
    for (size_t i = 2; i + 4 < plan.size(); ++i) frames.push_back(plan[i]);
    frames.push_back(plan[plan.size() - 3]);
    return frames;
  }
  for (const FirmwareRecord& record : ScanRecords(image).records) {
    frames.emplace_back(image.begin() + record.offset, image.begin() + record.offset + record.length);
  }
  return frames;
}

class ScriptRun {
 public:
  ScriptRun() {
    static const bool trace = std::getenv("VURIRU_FUZZ_TRACE") != nullptr;
    m_session.link.SetTrace([this](bool outgoing, const uint8_t* bytes, uint32_t length) {
      if (trace) Trace(outgoing, bytes, length);
      if (!outgoing) return;
      Require(length <= TransactionEngine::kTransmitCapacity, "no frame is larger than 520 bytes");
      m_firmwareWrites.emplace_back(bytes, bytes + length);
      m_storeWrites.emplace_back(bytes, bytes + length);
    });
    m_session.beforeStore = [this] {
      m_storeWrites.clear();
      m_storeLinkFaulted = m_hid.failingWrites > 0;
      m_v1Frame.clear();
      if (m_session.state.g_deviceType != device_type::kV1) return;
      if (const std::optional<V1Frame> frame = BuildV1Frame(m_session.v1)) {
        for (const V1Write& write : *frame) m_v1Frame.emplace_back(write.Bytes().begin(), write.Bytes().end());
      }
    };
    m_session.hosts.onV1SendDone = [this] {
      if (m_storeLinkFaulted) return;
      Require(WrittenInOrder(m_storeWrites, m_v1Frame), "\"Send Ok\" only after every pair was written");
    };
  }

  void Start(EngineScenario scenario) {
    m_session.Connect();
    switch (scenario) {
      case EngineScenario::kIdentify:
      case EngineScenario::kCount:
        break;
      case EngineScenario::kApply:
        m_session.AsIfRead(device_type::kFull);
        m_session.Apply(false, false);
        break;
      case EngineScenario::kV1Send:
        m_session.AsIfRead(device_type::kV1);
        m_session.state.v1Variant = kV1BecShown;
        m_session.v1.becShown = kV1BecShown;
        m_session.V1Send(false);
        break;
      case EngineScenario::kV1Read:
        m_session.AsIfRead(device_type::kV1);
        m_session.V1Read(false);
        break;
      case EngineScenario::kBoxFirmware:
        m_session.AsIfRead(device_type::kFull);
        m_session.state.g_escPresent = 0;
        m_session.state.settingsRead = 0;
        m_session.state.g_lcdMode = true;
        StartFirmware();
        break;
      case EngineScenario::kV1BlockFirmware:
        m_session.AsIfRead(device_type::kV1);
        // The reply length that tells this model apart comes from a read.
        m_session.V1Read(false);
        m_hid.QueueReply(kTwelveByteV1Reply);
        Run(TransactionEngine::kTickMs);
        StartFirmware();
        break;
      case EngineScenario::kRecordFirmware:
        m_session.AsIfRead(device_type::kFull);
        StartFirmware();
        break;
      case EngineScenario::kV1RecordFirmware:
        m_session.AsIfRead(device_type::kV1);
        StartFirmware();
        break;
    }
  }

  void Step(FuzzInput& input) {
    const uint8_t op = input.Byte();
    if (op <= engine_op::kLongestReply) {
      m_hid.QueueReply(input.Take(op));
    } else if (op < engine_op::kWait) {
      Wait((op - engine_op::kShortWait + 1u) * 10u);
    } else if (op < engine_op::kRawReport) {
      const uint32_t high = op & 0x0F;
      Wait(high << 8 | input.Byte());
    } else if (op < engine_op::kLinkFault) {
      const uint8_t lengthByte = input.Byte();
      m_hid.QueueReport(lengthByte, input.Take(input.Byte() % 63));
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
    CheckCompletedTransfer();
    Require(!m_session.engine.IsWaiting(), "every wait ends");
    Require(m_session.state.engineState <= engine_state::kStoreCurves, "the engine stays in a state it knows");
  }

  EngineRunResult Result(EngineScenario scenario) const {
    EngineRunResult result;
    result.scenario = scenario;
    result.state = m_session.state;
    result.transfer = m_session.transfer.Outcome();
    result.readsFinished = m_session.hosts.readsFinished;
    result.pressedButtonsReleased = m_session.hosts.pressedButtonsReleased;
    result.v1ReadsShown = m_session.hosts.v1ReadsShown;
    result.v1SendsDone = m_session.hosts.v1SendsDone;
    result.virtualMs = m_scheduler.NowMs();
    return result;
  }

 private:
  // With VURIRU_FUZZ_TRACE set, every block on the link goes to stderr, for
  // looking into an input that broke a rule.
  void Trace(bool outgoing, const uint8_t* bytes, uint32_t length) const {
    std::fprintf(stderr, "%7llu state %2d %s", static_cast<unsigned long long>(m_scheduler.NowMs()),
                 m_session.state.engineState, outgoing ? "sent" : "read");
    for (uint32_t i = 0; i < length; ++i) std::fprintf(stderr, " %02X", bytes[i]);
    std::fprintf(stderr, "\n");
  }

  void Run(uint64_t ms) {
    m_scheduler.RunUntil([this] { return ++m_events > kEventBudget; }, ms);
    Require(m_events <= kEventBudget, "the clock never runs away");
  }

  void Wait(uint64_t ms) {
    ms = std::min(ms, kScriptTimeLimitMs - m_scriptMs);
    m_scriptMs += ms;
    Run(ms);
    CheckCompletedTransfer();
  }

  // The update as the device page starts it, with the writes counted afresh.
  void StartFirmware() {
    CheckCompletedTransfer();
    if (m_session.state.g_linkState == link_state::kOpen) {
      m_firmwareWrites.clear();
      m_firmwareLinkFaulted = m_hid.failingWrites > 0;
      m_completionChecked = false;
    }
    m_session.UpdateFirmware();
  }

  void CheckCompletedTransfer() {
    if (m_completionChecked || m_session.transfer.Outcome() != TransferOutcome::kCompleted) return;
    m_completionChecked = true;
    if (m_firmwareLinkFaulted) return;
    Require(WrittenInOrder(m_firmwareWrites, ImageFrames(m_session.transfer.Kind())),
            "a completed update has written the whole image");
  }

  // Writes that fail or an adapter that goes make the device's answers the
  // only account of what arrived; the rules on what was written hold only
  // on a sound link.
  void LinkFaulted() {
    m_firmwareLinkFaulted = true;
    m_storeLinkFaulted = true;
  }

  void Fault(LinkFault fault, uint8_t argument) {
    switch (fault) {
      case LinkFault::kFailWrites:
        m_hid.failingWrites = argument % 8u;
        LinkFaulted();
        break;
      case LinkFault::kFailReads:
        m_hid.failingReads = argument % 8u;
        break;
      case LinkFault::kMaxReports:
        m_hid.maxReportRequest = argument % 20u;
        break;
      case LinkFault::kShortRead:
        m_hid.shortReadBytes = argument;
        break;
      case LinkFault::kPull:
        if (!m_hid.plugged) break;
        m_hid.plugged = false;
        m_session.DeviceRemoved(ScriptedHidLibrary::kPath);
        LinkFaulted();
        break;
      case LinkFault::kPlug:
        if (m_hid.plugged) break;
        m_hid.plugged = true;
        m_session.DeviceArrived();
        break;
      case LinkFault::kFailOpens:
        m_hid.failingOpens = argument % 4u;
        break;
      case LinkFault::kNone:
        break;
    }
  }

  void Command(UserCommand command) {
    switch (command) {
      case UserCommand::kApply:
        m_session.Apply(false, false);
        break;
      case UserCommand::kDefault:
        m_session.Apply(true, false);
        break;
      case UserCommand::kV1Read:
        m_session.V1Read(false);
        break;
      case UserCommand::kV1Send:
        m_session.V1Send(false);
        break;
      case UserCommand::kFirmware:
        StartFirmware();
        break;
      case UserCommand::kCancelNextFileChoice:
        m_session.hosts.cancelNextChoice = true;
        break;
      case UserCommand::kSelectBox:
        m_session.SelectBox();
        break;
      case UserCommand::kSelectEsc:
        m_session.SelectEsc();
        break;
      case UserCommand::kForcedApply:
        m_session.Apply(false, true);
        break;
      case UserCommand::kForcedV1Read:
        m_session.V1Read(true);
        break;
      case UserCommand::kForcedV1Send:
        m_session.V1Send(true);
        break;
    }
  }

  EventLoopScheduler m_scheduler{EventLoopScheduler::Clock::kVirtual};
  ScriptedHidLibrary m_hid;
  EngineSession m_session{m_hid, m_scheduler};
  uint64_t m_events = 0;
  uint64_t m_scriptMs = 0;
  // Everything written since the last firmware update and the last store
  // began, and the V1 frame that store sends.
  Frames m_firmwareWrites;
  Frames m_storeWrites;
  Frames m_v1Frame;
  bool m_firmwareLinkFaulted = false;
  bool m_storeLinkFaulted = false;
  bool m_completionChecked = false;
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
