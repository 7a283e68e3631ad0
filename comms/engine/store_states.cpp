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
constexpr uint32_t kStoreProgressRange = 440;
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
  m_storeTransaction = m_state.g_pressedCommand == command::kDefault ? Transaction::kDefault : Transaction::kApply;
  switch (m_state.g_deviceType) {
    case device_type::kV1: {
      m_host.TakeV1PanelValues();
      const std::optional<V1Frame> frame = BuildV1Frame(m_v1);
      if (!frame) {
        // A value outside its list never reaches the controller.
        EndStoreUnsent();
        return;
      }
      m_storeTransaction = Transaction::kV1Store;
      StartPairStore(FlattenV1Frame(*frame), device_type::kV1);
      break;
    }
    case device_type::kFull: {
      m_storing = TakeSettingsSnapshot(m_settings, m_curves);
      const SettingsFrame frame = BuildSettingsFrame(m_settings);
      m_settingsFrameLength = static_cast<uint8_t>(frame.size());
      StartPairStore(frame, device_type::kFull);
      m_state.g_progressRange = kStoreProgressRange;
      m_state.g_progressPos = 1;
      // The caption starts from this store's own figure, not from where the
      // last transaction left it.
      ShowDataProgressText();
      m_host.ShowProgress(m_state.g_progressPos, m_state.g_progressRange);
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
  if (m_state.g_pressedCommand == command::kApply || m_state.g_pressedCommand == command::kDefault) {
    m_host.RedrawPressedButton(m_state.g_pressedCommand);
  }
  m_state.g_transferPending = 0;
  m_state.g_pressedCommand = command::kNone;
  RestartTick(kTickMs);
}

void TransactionEngine::StartPairStore(std::span<const uint8_t> frame, uint8_t kind) {
  m_frameLength = std::min(frame.size(), m_transmit.size());
  std::copy_n(frame.begin(), m_frameLength, m_transmit.begin());
  m_storeKind = kind;
  m_pairPos = 0;
  m_state.engineState = engine_state::kStore;
  MarkProgress();
  SendTransmit(0, std::min<size_t>(2, m_frameLength));
  m_transmitLength = static_cast<int32_t>(m_frameLength) - 2;
  // Counts from the first pair, so a repeat comes a full six ticks after it.
  m_tickCounter = 1;
  RestartTick(kTickMs);
}

void TransactionEngine::StoreState(std::span<const uint8_t> reply) {
  if (m_frameLength < kSettingsFrameLength && m_storeKind != device_type::kV1) {
    // State 5 without a store behind it (set from outside): nothing to send.
    m_state.engineState = engine_state::kProbe;
    return;
  }
  if (!IsAcknowledge(reply)) {
    // The pair that waits is sent again, not the first one: a repeated first
    // pair answered late would be taken for this pair's acknowledgement and
    // the store would run on with this pair never stored.
    if (m_tickCounter >= kTicksBeforeRepeat) {
      SendTransmit(m_pairPos, std::min<size_t>(2, m_frameLength - m_pairPos));
      m_tickCounter = 0;
    }
    ++m_tickCounter;
    return;
  }
  MarkProgress();

  if (m_storeKind == device_type::kV1) {
    if (m_transmitLength > 1) {
      m_transmitLength -= 2;
      m_pairPos += 2;
      SendTransmit(m_pairPos, std::min<size_t>(2, m_frameLength - m_pairPos));
      m_tickCounter = 1;
      return;
    }
    FinishV1Store();
    return;
  }

  // Full controller: the whole frame in two writes 5 ms apart, then the curves.
  SendTransmit(0, kFirstHalf);
  Wait(kHalfGapMs, [this] {
    SendTransmit(kFirstHalf, m_frameLength - kFirstHalf);
    m_curveCommandPending = true;
    m_chunkStep = 0;
    m_curvePhase = 0;
    m_retry = 0;
    m_state.g_progressPos = m_settingsFrameLength;
    m_state.engineState = engine_state::kStoreCurves;
    MarkProgress();
    Wait(kAfterFrameMs, [] {});
  });
}

void TransactionEngine::FinishV1Store() {
  m_state.g_transferPending = 0;
  m_host.ShowV1SendDone();
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
  ShowDataProgressText();

  if (m_chunkStep != 0) {
    SendNextChunk();
    return;
  }
  if (reply.empty()) return;

  if (m_curvePhase == kAllCurvesStored) {
    FinishCurveStore();
    return;
  }

  const uint8_t last = reply.back();
  const bool fitsPhase = m_curvePhase == 0   ? last == 0x01
                         : m_curvePhase == 1 ? (last == 0x80 || last == 0x01)
                                             : (last == 0x80 || last == 0x01 || last == 0x00);
  if (!fitsPhase) return;
  MarkProgress();
  if (m_curvePhase == 0) {
    m_curvePhase = 1;
    m_curveCommandPending = true;
  }
  m_accumulator.Clear();

  if (m_curveCommandPending) {
    if (last != engine_reply::kAcknowledge && last != engine_reply::kReady) return;
    Wait(kBeforeCurveCommandMs, [this] {
      SendByte(engine_cmd::kAnnounceCurve[m_curvePhase]);
      m_curveCommandPending = false;
    });
    return;
  }
  if (last != engine_reply::kReady) return;
  const CurveBlock block = BuildCurveBlock(m_curves, static_cast<CurveNumber>(m_curvePhase));
  m_curveCommandPending = m_curvePhase < 3;
  m_chunkStep = 1;
  std::copy_n(block.begin(), kCurveBlockSentLength, m_transmit.begin());
  SendNextChunk();
}

void TransactionEngine::SendNextChunk() {
  SendTransmit(kChunkOffset[m_chunkStep], kChunkLength[m_chunkStep]);
  m_state.g_progressPos += kChunkProgress;
  if (m_chunkStep < 3) {
    ++m_chunkStep;
    return;
  }
  m_chunkStep = 0;
  ++m_curvePhase;
}

void TransactionEngine::FinishCurveStore() {
  m_curvePhase = 0;
  m_retry = 0;
  m_state.engineState = engine_state::kProbe;
  m_lastCompleted = m_storing;
  ReleaseCommand();
  m_state.g_backgroundDirty = true;
  m_host.ShowStatusIndicators(false);
  if (m_state.g_currentPage >= page::kDeviceInfo && m_state.g_currentPage <= page::kData) {
    m_host.FocusPageButton(m_state.g_currentPage);
  }
}

}  // namespace vuriru
