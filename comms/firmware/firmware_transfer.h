// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A firmware update from the file the user picks to the device's last
// confirmation: SendFirmwareFile loads and checks the image, and the engine
// states 6 to 15 carry it, 6..12 in 512-byte blocks (*.xut, *.hgm) and 13..15
// in records (*.xup). The transfer plugs into the transaction engine as its
// firmware state handler and uses the engine's link, clock, transmit buffer,
// retry counter and reply collector. Nothing is sent for an image that cannot
// be carried whole; a transfer that stops says where and what to do.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "comms/engine/firmware_hook.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_host.h"
#include "comms/firmware/firmware_kind.h"

namespace vuriru {

namespace firmware_state {
inline constexpr uint8_t kBlockStart = 6;
inline constexpr uint8_t kFirstBlockHeader = 7;
inline constexpr uint8_t kSendBlock = 8;
inline constexpr uint8_t kBlockAnswer = 9;
inline constexpr uint8_t kLastBlock = 10;
inline constexpr uint8_t kLastBlockAnswer = 11;
inline constexpr uint8_t kFinishAnswer = 12;
inline constexpr uint8_t kRecordStart = 13;
inline constexpr uint8_t kSendRecord = 14;
inline constexpr uint8_t kRecordAnswer = 15;
}  // namespace firmware_state

enum class TransferOutcome {
  kNone,     // nothing started yet
  kRefused,  // nothing sent: no target, no file, or an image that cannot be carried
  kRunning,
  kCompleted,  // the device confirmed the last block or record
  kFailed,     // stopped part-way; LastMessage() says where
};

class FirmwareTransfer : public FirmwareStateHandler {
 public:
  // Installs itself as the engine's firmware state handler until destroyed.
  FirmwareTransfer(TransactionEngine& engine, FirmwareHost& host);
  ~FirmwareTransfer() override;
  FirmwareTransfer(const FirmwareTransfer&) = delete;
  FirmwareTransfer& operator=(const FirmwareTransfer&) = delete;

  // The "UpData" / "Update Firmware" operation; callers check first that
  // g_linkState is 2.
  void SendFirmwareFile();
  // Sends a file whatever its extension, read as the kind the device takes
  // (the command line's --force). Otherwise only the device's own kind and
  // *.bin files are sent.
  void AcceptAnyExtension(bool any) { m_anyExtension = any; }

  void Tick(const uint8_t* reply, uint32_t count) override;

  // The open adapter was pulled out. A transfer in progress ends with a
  // message that says how far it came.
  void OnAdapterRemoved() override;

  TransferOutcome Outcome() const { return m_outcome; }
  // The last message shown for a refusal or a stopped transfer.
  // The last message in English, as the command-line tool prints it, and as
  // its source text with arguments.
  std::string LastMessage() const { return EnglishText(m_lastMessage); }
  const UserText& LastMessageText() const { return m_lastMessage; }
  FirmwareKind Kind() const { return m_kind; }
  uint32_t Position() const { return m_position; }
  uint32_t Size() const { return static_cast<uint32_t>(m_image.size()); }
  uint32_t PercentDone() const;

  // Ticks without an answer after which a block or a record counts as lost.
  static constexpr uint8_t kSilentTickLimit = 200;

 private:
  // SendFirmwareFile, once the image is loaded.
  void StartBlockTransfer();
  void StartRecordTransfer();
  void ShowTransferProgressSetUp(const char* format);
  void Refuse(const UserText& message, uint8_t probe);
  void Fail(const UserText& message);
  void HoldCommands();
  // What every end of a transfer short of the device's final confirmation
  // gives back: commands, and the selected target.
  void ReleaseAfterTransfer();

  // Appends the first two bytes of a reply to the collector and tells
  // whether it now holds "ok".
  bool CollectOk(const uint8_t* reply, uint32_t count);

  // Sends a step that comes before the first block. While the box restarts
  // a failed write sends the transfer back to its start; false then.
  bool SendBeforeFirstBlock(std::span<const uint8_t> bytes);

  // States 6..12.
  void BlockStartState(const uint8_t* reply, uint32_t count);
  void FirstBlockHeaderState();
  void SendBlockState();
  void BlockAnswerState(const uint8_t* reply, uint32_t count);
  void LastBlockState();
  void LastBlockAnswerState(const uint8_t* reply, uint32_t count);
  void FinishAnswerState(const uint8_t* reply, uint32_t count);
  void CompleteBlockTransfer();

  // States 13..15.
  void RecordStartState(const uint8_t* reply, uint32_t count);
  void SendRecordState();
  void RecordAnswerState(const uint8_t* reply, uint32_t count);
  void CompleteRecordTransfer();
  void FinishRecordTransfer(uint8_t kind);

  TransactionEngine& m_engine;
  EngineState& m_state;
  FirmwareHost& m_firmwareHost;

  FirmwareKind m_kind = FirmwareKind::kRecords;
  std::vector<uint8_t> m_image;
  uint32_t m_position = 0;        // bytes the device has confirmed
  uint32_t m_recordLength = 0;    // the record being sent, length bytes included
  uint8_t m_startByte = 0;        // repeated while the device does not answer the start
  uint8_t m_silentTicks = 0;      // record protocol: ticks without an answer
  uint8_t m_retry = 0;            // repeats of the start byte, bad answers to one record, silent ticks
  ReplyCollector m_collector;     // the first two bytes of the replies, for the "ok" test
  bool m_lcdModeAtStart = false;  // g_lcdMode before the block phase set it
  bool m_anyExtension = false;
  TransferOutcome m_outcome = TransferOutcome::kNone;
  UserText m_lastMessage;
};

}  // namespace vuriru
