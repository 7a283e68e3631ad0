// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the engine, the firmware transfer and the link handling report to the
// program around them. They change their own flags (EngineState, LinkState)
// themselves; an event only says what happened. The window controller turns
// events into the window's steps (pages, background, indicators, buttons, in
// the order the window takes them), the command-line tool into its progress
// bar and its verdict, tests into lines they can compare.

#include <cstdint>
#include <string>

#include "common/user_text.h"
#include "comms/engine/engine_messages.h"

namespace vuriru {

enum class MessageIcon { kNone, kExclamation };

enum class EngineEventKind : uint8_t {
  kConnected,      // the adapter answered the connect report; `text` is its version
  kIdentified,     // a controller answers (again), or its software version came
  kSettingsRead,   // a settings reply was taken, or a V1 read ended
  kCurvesRead,     // a full controller's read ended with its three curves
  kStoreDone,      // a store completed; `transaction` says which
  kProgress,       // the progress of a read, store or transfer
  kTransferEnded,  // a read, store or firmware transfer ended short of success, or an update ended
  kLinkChanged,    // the adapter or the controller came or went
  kMessage,        // a message box for the user
};

// kIdentified
enum class Identity : uint8_t {
  kControllerPresent,  // the first probe answer since the controller was last lost; `deviceType` is its kind
  kSoftwareVersion,    // `text` is the controller's software version
};

// kSettingsRead
enum class SettingsReadStep : uint8_t {
  kFullReply,  // a full controller's settings reply was parsed; its curves come next
  kV1Reply,    // a V1 reply was decoded into the V1 settings block
  kV1ReadEnd,  // a V1 read ended; `firstRead`: the panel is shown anew; `showValues`: it shows what was read
};

// kProgress. The caption, when it is not empty, is set first; then the
// dialog is shown or hidden. The bar follows pos of range.
enum class ProgressStep : uint8_t {
  kCaption,     // only the caption (and the bar) change
  kShow,        // the progress dialog comes up (or stays up) at pos of range
  kHide,        // the progress dialog goes
  kIndicators,  // a firmware transfer's block phase: the status indicators come up, then kShow
  kV1Text,      // a V1 controller's update: the V1 panel's status line shows the caption
};

// kTransferEnded
enum class TransferEnding : uint8_t {
  kNothingSent,        // a store that sent nothing (no controller kind, or a value outside its list)
  kStalled,            // the controller stopped answering mid-read or mid-store
  kLinkLost,           // the adapter was pulled out mid-read or mid-store
  kFirmwareFailed,     // a firmware transfer stopped (its message follows)
  kBoxUpdated,         // the RUZ Oviveru Ruv confirmed its new firmware
  kControllerUpdated,  // a controller took its last record; the pages reset a second later
  kPagesReset,         // after a controller's update: the pages are hidden for the fresh read
};

// kLinkChanged
enum class LinkChange : uint8_t {
  kAdapterArrived,  // an adapter was plugged in; the search for it restarts
  kAdapterRemoved,  // the open adapter was pulled out and the link closed
  kPortArrived,
  kPortRemoved,
  kControllerLost,  // five probes went unanswered
  kVersionFailed,   // the controller never gave its software version
};

struct EngineEvent {
  EngineEventKind kind = EngineEventKind::kMessage;

  Identity identity = Identity::kControllerPresent;
  SettingsReadStep read = SettingsReadStep::kFullReply;
  ProgressStep progress = ProgressStep::kCaption;
  TransferEnding ending = TransferEnding::kNothingSent;
  LinkChange change = LinkChange::kAdapterArrived;
  Transaction transaction = Transaction::kNone;

  uint8_t deviceType = 0;
  bool firstRead = false;
  bool showValues = false;
  // kCurvesRead: bit n set when the reply for curve n (1 boost, 2 brake,
  // 3 throttle) was refused and the editor keeps the curve it had.
  uint8_t refusedCurves = 0;
  // kCurvesRead: the read ended the RUZ Oviveru Ruv mode.
  bool leftBoxMode = false;

  uint32_t pos = 0;
  uint32_t range = 0;
  // A version (kConnected, kIdentified), the progress caption (kProgress) or
  // the message text (kMessage), in English.
  std::string text;
  // kProgress and kMessage: the same caption or message as its English source
  // text and arguments, for a window that shows it in the user's language.
  UserText userText;
  // kMessage
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
};

// Whoever listens to the engine: the window controller, the command-line
// tool, a test.
class EngineListener {
 public:
  virtual ~EngineListener() = default;
  virtual void OnEngineEvent(const EngineEvent& event) = 0;
};

// A listener that lets every event pass, for programs that only watch the
// engine's flags (benches, seed generators).
class IgnoringEngineListener : public EngineListener {
 public:
  void OnEngineEvent(const EngineEvent&) override {}
};

// One line for an event, e.g. "TransferEnded stalled apply", for traces and
// tests; a message reads "Message <text>|<caption>|!" ("!": exclamation).
std::string DescribeEvent(const EngineEvent& event);

// Builders for the events, so that call sites read as what they report.
namespace engine_event {

inline EngineEvent Connected(std::string version) {
  EngineEvent e;
  e.kind = EngineEventKind::kConnected;
  e.text = std::move(version);
  return e;
}
inline EngineEvent ControllerPresent(uint8_t deviceType) {
  EngineEvent e;
  e.kind = EngineEventKind::kIdentified;
  e.identity = Identity::kControllerPresent;
  e.deviceType = deviceType;
  return e;
}
inline EngineEvent SoftwareVersion(std::string version) {
  EngineEvent e;
  e.kind = EngineEventKind::kIdentified;
  e.identity = Identity::kSoftwareVersion;
  e.text = std::move(version);
  return e;
}
inline EngineEvent SettingsRead(SettingsReadStep step, bool firstRead = false, bool showValues = false) {
  EngineEvent e;
  e.kind = EngineEventKind::kSettingsRead;
  e.read = step;
  e.firstRead = firstRead;
  e.showValues = showValues;
  return e;
}
inline EngineEvent CurvesRead(uint8_t refusedCurves, bool leftBoxMode) {
  EngineEvent e;
  e.kind = EngineEventKind::kCurvesRead;
  e.refusedCurves = refusedCurves;
  e.leftBoxMode = leftBoxMode;
  return e;
}
inline EngineEvent StoreDone(Transaction transaction) {
  EngineEvent e;
  e.kind = EngineEventKind::kStoreDone;
  e.transaction = transaction;
  return e;
}
inline EngineEvent Progress(ProgressStep step, uint32_t pos, uint32_t range, UserText caption = {}) {
  EngineEvent e;
  e.kind = EngineEventKind::kProgress;
  e.progress = step;
  e.pos = pos;
  e.range = range;
  e.text = EnglishText(caption);
  e.userText = std::move(caption);
  return e;
}
inline EngineEvent TransferEnded(TransferEnding ending, Transaction transaction) {
  EngineEvent e;
  e.kind = EngineEventKind::kTransferEnded;
  e.ending = ending;
  e.transaction = transaction;
  return e;
}
inline EngineEvent LinkChanged(LinkChange change) {
  EngineEvent e;
  e.kind = EngineEventKind::kLinkChanged;
  e.change = change;
  return e;
}
inline EngineEvent Message(UserText text, std::string caption, MessageIcon icon) {
  EngineEvent e;
  e.kind = EngineEventKind::kMessage;
  e.text = EnglishText(text);
  e.userText = std::move(text);
  e.caption = std::move(caption);
  e.icon = icon;
  return e;
}

}  // namespace engine_event

}  // namespace vuriru
