// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transaction engine: the state machine through which the program talks
// to the controller. Every tick of timer 106 reads whatever input reports have
// arrived, looks at them in the light of the present state and sends the next
// request. It identifies what is attached, reads the versions, the settings
// and the three stored curves, keeps the link alive with probes, and stores
// settings and curves for Apply, Default and the V1 panel.
//
// Fixed waits inside a transaction (5 ms to 2 s) are continuations on the
// scheduler, never sleeps. While one is pending the engine is "waiting": ticks
// return at once without reading, so the controller's replies stay queued and
// the bytes on the wire, their order and the pauses between them are those of
// a blocking wait.
//
// The engine changes its own flags (EngineState) and reports what happened to
// an EngineListener; it draws nothing and decides nothing about the window.
// It also hears from the link handling what the adapter does
// (LinkChangeListener), and makes the connect attempts itself.
//
// States: 0 idle, 1 connect version, 2 probe and keep-alive, 3 software
// version, 4 settings reply, 5 store, 6..15 firmware transfer (through a
// FirmwareStateHandler), 16 read the curves, 17 store the curves.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "common/scheduler.h"
#include "comms/engine/engine_events.h"
#include "comms/engine/engine_messages.h"
#include "comms/engine/engine_state.h"
#include "comms/engine/firmware_hook.h"
#include "comms/engine/reply_accumulator.h"
#include "comms/engine/settings_snapshot.h"
#include "curves/curve_set.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

namespace engine_state {
inline constexpr uint8_t kIdle = 0;
inline constexpr uint8_t kConnectVersion = 1;
inline constexpr uint8_t kProbe = 2;
inline constexpr uint8_t kSoftwareVersion = 3;
inline constexpr uint8_t kSettingsReply = 4;
inline constexpr uint8_t kStore = 5;
inline constexpr uint8_t kReadCurves = 16;
inline constexpr uint8_t kStoreCurves = 17;
}  // namespace engine_state

class TransactionEngine : public LinkChangeListener {
 public:
  static constexpr size_t kTransmitCapacity = 520;
  // A tick reads at most this many input reports; the states never need more
  // than 123 bytes at once, and what is not read now is read next tick.
  static constexpr uint32_t kMaxReportsPerTick = 16;
  static constexpr size_t kReplyCapacity = kMaxReportsPerTick * kPayloadPerReport;
  static constexpr uint32_t kTickMs = 100;
  // A store or a curve read that makes no progress for this long has failed:
  // the controller stopped answering although the adapter is still there.
  static constexpr uint64_t kStallLimitMs = 5000;
  // The probe counter's value once the controller is declared lost.
  static constexpr uint8_t kControllerLost = 255;

  // What the engine works on; all of it outlives the engine.
  struct Parts {
    UsbLink& link;
    Scheduler& scheduler;
    EngineState& state;
    EngineListener& listener;
    SettingsBlock& settings;
    V1SettingsBlock& v1Settings;
    CurveSet& curves;
  };

  explicit TransactionEngine(const Parts& parts);
  TransactionEngine(const TransactionEngine&) = delete;
  TransactionEngine& operator=(const TransactionEngine&) = delete;

  // The main window's timer handler: first the completion notice of a
  // firmware update, then timer 106 runs EngineTick and timer 107 a connect
  // attempt.
  void HandleTimer(int id);

  // One engine step. Does nothing while the link is closed or a wait runs.
  void EngineTick();
  // One connect attempt (timer 107): opens and announces the adapter; a new
  // link starts at state 1. True when the link opened.
  bool ConnectAttempt();

  // What Apply, Default and the V1 panel's "Send Settings" do before
  // SendSettings, and the window at start for the first read: commands are
  // held, the progress counts from 0 of 409, and the probe counter starts
  // afresh. A store's `transaction` names it in what the user is told should
  // it fail.
  void PrepareUserStore(Transaction transaction);
  // Starts storing the settings (Apply, Default, the V1 panel's "Send
  // Settings"); the caller has brought the current indexes, or the V1
  // settings block, up to date.
  void SendSettings();

  // Starts the V1 panel's "Read Settings": asks for the settings reply.
  void StartV1Read();

  // The user transaction under way, as a message or a question names it.
  Transaction RunningTransaction() const;

  // The full controller's settings and curves as the last completed read or
  // store left them; nothing before the first read.
  const std::optional<SettingsSnapshot>& LastCompleted() const { return m_lastCompleted; }
  // Current indexes or stored curves differ from the last completed read or
  // store (an import counts). Never before the first read.
  bool HasEditsNotApplied() const;

  // ---- LinkChangeListener: what the adapter's comings and goings mean ----
  void OnAdapterArrived() override;
  bool IgnoresAdapterRemoval() const override;
  bool KeepsStateThroughAdapterRemoval() const override;
  // A read or store under way ends where the user sees it (one message says
  // what happened and what to do); a firmware transfer tells its own end.
  void OnOpenAdapterRemoved(bool reset) override;
  void OnPortArrived() override;
  void OnPortRemoved() override;

  // Read-only views for windows, the command-line tool and tests.
  const std::string& ConnectVersionText() const { return m_connectVersion; }
  const std::string& SoftwareVersionText() const { return m_softwareVersion; }
  uint8_t ReplyLength() const { return m_replyLength; }
  uint8_t RetryCounter() const { return m_probe.retry; }
  uint8_t CurvePhase() const { return m_curves.phase; }
  bool IsWaiting() const { return m_waiting; }

  // ---- For the firmware states (firmware_hook.h) ----
  void SetFirmwareHandler(FirmwareStateHandler* handler) { m_firmware = handler; }
  UsbLink& Link() { return m_link; }
  Scheduler& Clock() { return m_scheduler; }
  EngineState& State() { return m_state; }
  // Hands an event to the listener.
  void Report(const EngineEvent& event) { m_listener.OnEngineEvent(event); }
  // The progress dialog at g_progressPos of g_progressRange: `step` says
  // whether it is shown or hidden; `caption`, when given, is set first.
  void ReportProgress(ProgressStep step, UserText caption = {});
  // A message box for the user.
  void Tell(UserText text, std::string caption = {}, MessageIcon icon = MessageIcon::kExclamation);

  void SendByte(uint8_t byte);
  void Send(std::span<const uint8_t> bytes);

  void StopTick();
  void RestartTick(uint32_t periodMs);
  // What every command does first: drops any pending wait, stops timer 106
  // and discards stale input so it is not taken for the new reply.
  void PrepareCommand();
  // Runs `then` after `ms` with ticks held off meanwhile. Dropped when a new
  // command starts or the link closes or reopens before it falls due.
  void Wait(uint32_t ms, std::function<void()> then);
  // Sends the probe byte (0xD4 or 0xD5), goes to state 2 and ticks at 100 ms.
  void ReturnToIdle(uint8_t probe);
  // The caption "Data Transferring.. N% done." from g_progressPos/Range.
  UserText DataProgressText() const;

 private:
  // A new link was opened: its messages may be shown once again.
  void OnLinkOpened();
  // The end of a user command, whichever way it ends, as far as the engine
  // holds it: commands are taken again and the progress starts from 0.
  void ReleaseCommand();
  void EndWithoutSuccess(TransferEnding ending);
  // A store or curve read counts as alive from here for kStallLimitMs.
  void MarkProgress();
  bool Stalled() const;
  void EndStalled();
  void AbandonForLostLink();
  void DropWaits();
  void ConnectVersionState(std::span<const uint8_t> reply);
  void ProbeState(std::span<const uint8_t> reply);
  void OnProbeAnswer(uint8_t first);
  void OnProbeMissing();
  void DeclareLost();
  void SoftwareVersionState(std::span<const uint8_t> reply);
  void FailVersion();
  void SettingsReplyState(std::span<const uint8_t> reply);
  void FullSettingsReply(std::span<const uint8_t> reply);
  void V1SettingsReply(std::span<const uint8_t> reply);
  void V1EndStep(bool decodedNow);
  void StoreState(std::span<const uint8_t> reply);
  void StartPairStore(std::span<const uint8_t> frame, uint8_t kind);
  void EndStoreUnsent();
  void FinishV1Store();
  void ReadCurvesState(std::span<const uint8_t> reply);
  void FinishCurveRead();
  void StoreCurvesState(std::span<const uint8_t> reply);
  void SendNextChunk();
  void FinishCurveStore();
  // Sends transmit buffer bytes [offset, offset + length), clipped to the buffer.
  void SendTransmit(size_t offset, size_t length);

  UsbLink& m_link;
  Scheduler& m_scheduler;
  EngineState& m_state;
  EngineListener& m_listener;
  SettingsBlock& m_settings;
  V1SettingsBlock& m_v1;
  CurveSet& m_curveSet;
  FirmwareStateHandler* m_firmware = nullptr;

  std::array<uint8_t, kTransmitCapacity> m_transmit{};
  std::array<uint8_t, kReplyCapacity> m_reply{};

  // State 2: the probes that find and keep the controller.
  struct ProbeWork {
    uint8_t retry = 0;   // probes or ticks without the expected reply; kControllerLost once lost
    uint8_t toggle = 0;  // 1: next probe is 0xD4
  } m_probe;
  // Ticks since the last probe (state 2) or the last pair sent (state 5).
  uint8_t m_tickCounter = 0;

  // State 5: the frame stored pair by pair (V1) or whole (full controller).
  struct StoreWork {
    size_t frameLength = 0;      // length of the frame being stored
    int32_t transmitLength = 0;  // bytes still to send after the waiting pair
    size_t pairPos = 0;          // the pair waiting for its acknowledgement
    uint8_t kind = 0;            // g_deviceType when the store started
    uint8_t settingsFrameLength = 0;
    Transaction transaction = Transaction::kNone;  // what the store was started for
    SettingsSnapshot sent;                         // what a full controller's store sends
  } m_store;

  // States 16 and 17: the three curves read or stored.
  struct CurveWork {
    uint8_t phase = 0;      // 0 idle, 1..3 boost, brake, throttle, 4 all stored
    uint8_t chunkStep = 0;  // 0 none, 1..3 next chunk of the curve block
    bool commandPending = false;
    bool markerSeen = false;
    uint8_t refused = 0;  // bit n: the reply for curve n was refused in this read
  } m_curves;

  uint8_t m_replyLength = 0;  // length of the last V1 settings reply
  bool m_v1ReadRequested = false;
  std::optional<SettingsSnapshot> m_lastCompleted;
  uint64_t m_progressAtMs = 0;  // the last sign of life of a store or curve read
  // Messages that a controller repeating its fault would otherwise show
  // every few seconds: once per opening of the link.
  bool m_versionFailureShown = false;
  bool m_readFailureShown = false;

  ReplyAccumulator m_accumulator;
  std::string m_connectVersion;
  std::string m_softwareVersion;

  bool m_waiting = false;
  // Bumped to drop pending waits; continuations hold a weak reference so that
  // one falling due after the engine is gone does nothing.
  std::shared_ptr<uint64_t> m_waitEpoch = std::make_shared<uint64_t>(0);
};

}  // namespace vuriru
