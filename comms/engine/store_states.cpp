// SPDX-License-Identifier: GPL-3.0-or-later
// States 5 and 17: storing the settings frame pair by pair (V1) or as one
// frame (full controller), then the three curve blocks of a full controller.

#include <algorithm>

#include "comms/engine/engine_commands.h"
#include "comms/engine/transaction_engine.h"
#include "settings/settings_wire.h"
#include "v1/v1_frame.h"
#include "v1/v1_reply.h"

namespace vuriru {

namespace {
// A store pair without acknowledgement is sent again after this many ticks.
constexpr uint8_t kTicksBeforeRepeat = 6;
constexpr size_t kFirstHalf = 30;
constexpr uint32_t kHalfGapMs = 5;
constexpr uint32_t kAfterFrameMs = 500;
constexpr uint32_t kBeforeCurveCommandMs = 500;
constexpr uint32_t kAfterV1StoreMs = 100;
constexpr uint32_t kAfterV1EndMs = 10;
constexpr uint8_t kAllCurvesStored = 4;
// The curve block chunks sent on three consecutive ticks: bytes 0..41,
// 42..83 and 84..133.
constexpr size_t kChunkOffset[4] = {0, 0, 42, 84};
constexpr size_t kChunkLength[4] = {0, 42, 42, 50};
constexpr uint32_t kChunkProgress = 42;

bool IsAcknowledge(std::span<const uint8_t> reply) {
  return !reply.empty() && (reply.front() == engine_reply::kAcknowledge || reply.back() == engine_reply::kAcknowledge);
}
}  // namespace

void TransactionEngine::SendSettings() {
  PrepareCommand();
  if (m_store.transaction == Transaction::kNone) m_store.transaction = Transaction::kApply;
  switch (m_state.g_deviceType) {
    case device_type::kV1: {
      // The V1 panel has put its values into the V1 settings block.
      const std::optional<V1Frame> frame = BuildV1Frame(m_v1);
      if (!frame) {
        // A value outside its list never reaches the controller.
        EndStoreUnsent();
        return;
      }
      m_store.transaction = Transaction::kV1Store;
      StartPairStore(FlattenV1Frame(*frame), device_type::kV1);
      break;
    }
    case device_type::kFull: {
      m_store.sent = TakeSettingsSnapshot(m_settings, m_curveSet);
      const SettingsFrame frame = BuildSettingsFrame(m_settings);
      m_store.settingsFrameLength = static_cast<uint8_t>(frame.size());
      StartPairStore(frame, device_type::kFull);
      m_state.g_progressRange = kProgressRangeStore;
      m_state.g_progressPos = 1;
      // The caption starts from this store's own figure, not from where the
      // last transaction left it.
      ReportProgress(ProgressStep::kShow, DataProgressText());
      break;
    }
    default:
      // Nothing is known to store to.
      EndStoreUnsent();
      break;
  }
}

void TransactionEngine::EndStoreUnsent() {
  // The caller set g_transferPending for the store; with nothing sent no
  // state would ever clear it and every command would stay refused. The
  // engine keeps ticking rather than staying stopped.
  const Transaction transaction = m_store.transaction;
  m_store.transaction = Transaction::kNone;
  m_state.g_transferPending = 0;
  Report(engine_event::TransferEnded(TransferEnding::kNothingSent, transaction));
  RestartTick(kTickMs);
}

void TransactionEngine::StartPairStore(std::span<const uint8_t> frame, uint8_t kind) {
  m_store.frameLength = std::min(frame.size(), m_transmit.size());
  std::copy_n(frame.begin(), m_store.frameLength, m_transmit.begin());
  m_store.kind = kind;
  m_store.pairPos = 0;
  m_state.engineState = engine_state::kStore;
  MarkProgress();
  SendTransmit(0, std::min<size_t>(2, m_store.frameLength));
  m_store.transmitLength = static_cast<int32_t>(m_store.frameLength) - 2;
  // Counts from the first pair, so a repeat comes a full six ticks after it.
  m_tickCounter = 1;
  RestartTick(kTickMs);
}

void TransactionEngine::StoreState(std::span<const uint8_t> reply) {
  if (m_store.frameLength < kSettingsFrameLength && m_store.kind != device_type::kV1) {
    // State 5 without a store behind it (set from outside): nothing to send.
    m_state.engineState = engine_state::kProbe;
    return;
  }
  if (!IsAcknowledge(reply)) {
    // The pair that waits is sent again, not the first one: a repeated first
    // pair answered late would be taken for this pair's acknowledgement and
    // the store would run on with this pair never stored.
    if (m_tickCounter >= kTicksBeforeRepeat) {
      SendTransmit(m_store.pairPos, std::min<size_t>(2, m_store.frameLength - m_store.pairPos));
      m_tickCounter = 0;
    }
    ++m_tickCounter;
    return;
  }
  MarkProgress();

  if (m_store.kind == device_type::kV1) {
    if (m_store.transmitLength > 1) {
      m_store.transmitLength -= 2;
      m_store.pairPos += 2;
      SendTransmit(m_store.pairPos, std::min<size_t>(2, m_store.frameLength - m_store.pairPos));
      m_tickCounter = 1;
      return;
    }
    FinishV1Store();
    return;
  }

  // Full controller: the whole frame in two writes 5 ms apart, then the curves.
  SendTransmit(0, kFirstHalf);
  Wait(kHalfGapMs, [this] {
    SendTransmit(kFirstHalf, m_store.frameLength - kFirstHalf);
    m_curves.commandPending = true;
    m_curves.chunkStep = 0;
    m_curves.phase = 0;
    m_probe.retry = 0;
    m_state.g_progressPos = m_store.settingsFrameLength;
    m_state.engineState = engine_state::kStoreCurves;
    MarkProgress();
    Wait(kAfterFrameMs, [] {});
  });
}

void TransactionEngine::FinishV1Store() {
  m_state.g_transferPending = 0;
  m_store.transaction = Transaction::kNone;
  Report(engine_event::StoreDone(Transaction::kV1Store));
  Wait(kAfterV1StoreMs, [this] {
    if (m_replyLength != 12 && m_replyLength != 15) {
      SendByte(engine_cmd::kV1StoreEnd);
      Wait(kAfterV1EndMs, [this] { m_state.engineState = engine_state::kProbe; });
      return;
    }
    m_state.engineState = engine_state::kProbe;
  });
}

void TransactionEngine::StoreCurvesState(std::span<const uint8_t> reply) {
  // Creeps on while the controller works, but never past the range; the
  // chunks themselves may carry it further.
  if (m_state.g_progressPos < m_state.g_progressRange) ++m_state.g_progressPos;
  ReportProgress(ProgressStep::kCaption, DataProgressText());

  if (m_curves.chunkStep != 0) {
    SendNextChunk();
    return;
  }
  if (reply.empty()) return;

  if (m_curves.phase == kAllCurvesStored) {
    FinishCurveStore();
    return;
  }

  const uint8_t last = reply.back();
  const bool fitsPhase = m_curves.phase == 0   ? last == 0x01
                         : m_curves.phase == 1 ? (last == 0x80 || last == 0x01)
                                               : (last == 0x80 || last == 0x01 || last == 0x00);
  if (!fitsPhase) return;
  MarkProgress();
  if (m_curves.phase == 0) {
    m_curves.phase = 1;
    m_curves.commandPending = true;
  }
  m_accumulator.Clear();

  if (m_curves.commandPending) {
    if (last != engine_reply::kAcknowledge && last != engine_reply::kReady) return;
    Wait(kBeforeCurveCommandMs, [this] {
      SendByte(engine_cmd::kAnnounceCurve[m_curves.phase]);
      m_curves.commandPending = false;
    });
    return;
  }
  if (last != engine_reply::kReady) return;
  const CurveBlock block = BuildCurveBlock(m_curveSet, static_cast<CurveNumber>(m_curves.phase));
  m_curves.commandPending = m_curves.phase < 3;
  m_curves.chunkStep = 1;
  std::copy_n(block.begin(), kCurveBlockSentLength, m_transmit.begin());
  SendNextChunk();
}

void TransactionEngine::SendNextChunk() {
  SendTransmit(kChunkOffset[m_curves.chunkStep], kChunkLength[m_curves.chunkStep]);
  m_state.g_progressPos += kChunkProgress;
  if (m_curves.chunkStep < 3) {
    ++m_curves.chunkStep;
    return;
  }
  m_curves.chunkStep = 0;
  ++m_curves.phase;
}

void TransactionEngine::FinishCurveStore() {
  m_curves.phase = 0;
  m_probe.retry = 0;
  m_state.engineState = engine_state::kProbe;
  m_lastCompleted = m_store.sent;
  ReleaseCommand();
  const Transaction transaction = m_store.transaction;
  m_store.transaction = Transaction::kNone;
  Report(engine_event::StoreDone(transaction));
}

}  // namespace vuriru
