// SPDX-License-Identifier: GPL-3.0-or-later
// How a transfer ends when it does not run to the device's last
// confirmation: commands are refused only while it runs, a stopped transfer
// can be started again at once, and nothing of the transfer lingers in the
// shared state to mislead the next one.

#include <gtest/gtest.h>

#include "firmware/transfer_rig.h"

namespace vuriru::test {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(TransferEnd, CommandsAreRefusedWhileARecordTransferRunsAndAStoppedOneCanBeRepeatedAtOnce) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  ASSERT_EQ(rig.state.g_transferPending, 0);
  rig.Adapter().Faults().Set(SimFault::kBlockRefused);
  rig.Adapter().Faults().refusedBlock = 3;
  const Bytes image = RecordImage(1000, 100);
  rig.ChooseFile(RecordText(image), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kRecordAnswer; }, 5000));
  EXPECT_EQ(rig.state.g_transferPending, 1);
  ASSERT_TRUE(rig.RunTransfer());
  ASSERT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_FALSE(rig.scheduler.IsTimerRunning(timer_id::kEngine));

  // The same file again, without re-plugging anything.
  rig.Adapter().Faults().Clear();
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  rig.RunMs(5000);
  EXPECT_EQ(rig.Target().firmwareImage, image);
}

TEST(TransferEnd, ADeviceThatNeverAnswersTheStartIsAskedAgainWithoutLockingTheCommands) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.Adapter().Faults().Set(SimFault::kNoAnswer);
  rig.ChooseFile(RecordText(RecordImage(1000, 100)), "xup");
  rig.transfer.SendFirmwareFile();
  rig.RunMs(20 * 200 * 3 + 100);
  // The start byte, then again every 20 ticks of 200 ms.
  std::vector<uint64_t> startTimes;
  for (const SentBlock& block : rig.TakeSent()) {
    EXPECT_EQ(block.bytes, Bytes{0xD6});
    startTimes.push_back(block.atMs);
  }
  ASSERT_EQ(startTimes.size(), 4u);
  EXPECT_EQ(startTimes[2] - startTimes[1], 4000u);
  EXPECT_EQ(rig.state.engineState, firmware_state::kRecordStart);
  EXPECT_EQ(rig.state.g_transferPending, 0);
}

TEST(TransferEnd, AnUpdateAbandonedForAFileChoiceThatIsCancelledGivesTheCommandsBack) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(RecordText(RecordImage(1000, 100)), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kRecordAnswer; }, 5000));
  ASSERT_EQ(rig.state.g_transferPending, 1);
  rig.hosts.chosenFile.clear();
  rig.transfer.SendFirmwareFile();
  EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kRefused);
  EXPECT_EQ(rig.state.g_transferPending, 0);
}

TEST(TransferEnd, AStoppedHgmTransferLeavesTheBoxModeAndIsRepeatedWithTheHgmProtocol) {
  TransferRig rig(SimTargetKind::kV1Hgm);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = PatternImage(2000);
  rig.ChooseFile(ScrambledFile(image), "hgm");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kBlockAnswer; }, 5000));
  rig.Adapter().Faults().Set(SimFault::kNoAnswer);
  ASSERT_TRUE(rig.RunTransfer());
  ASSERT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  EXPECT_FALSE(rig.state.g_lcdMode);
  EXPECT_EQ(rig.state.g_transferPending, 0);

  rig.Adapter().Faults().Clear();
  rig.hosts.dialogs.clear();
  rig.TakeSent();
  rig.transfer.SendFirmwareFile();
  EXPECT_EQ(rig.hosts.dialogs,
            std::vector<std::string>{"config Files (*.hgm)|*.hgm;*.bin| all file  (*.*)|*.*|||*.hgm"});
  ASSERT_FALSE(rig.sent.empty());
  EXPECT_EQ(rig.sent.front().bytes, Bytes{0xD6});
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.Target().firmwareImage, image);
}

TEST(TransferEnd, ALastBlockNeverConfirmedIsGivenUpOnAfter201SilentTicks) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(ScrambledFile(PatternImage(1300)), "xut");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kLastBlock; }, 10000));
  rig.Adapter().Faults().Set(SimFault::kNoAnswer);
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kLastBlockAnswer; }, 1000));
  rig.RunMs(200 * 400);
  EXPECT_TRUE(rig.hosts.messages.empty());
  rig.RunMs(400);
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("stopped answering"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 78%"), std::string::npos);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  EXPECT_TRUE(rig.state.g_lcdMode);  // the box stays the selected target
  EXPECT_FALSE(rig.state.g_lcdUpdating);
}

TEST(TransferEnd, SilenceAfterTheFinishGoesBackToProbingAtTheIdlePace) {
  TransferRig rig(SimTargetKind::kV1Hgm);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(ScrambledFile(PatternImage(1300)), "hgm");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kFinishAnswer; }, 10000));
  ASSERT_TRUE(rig.state.g_lcdMode);
  rig.transfer.Tick(nullptr, 0);  // the device says nothing to 0x13 0x81
  EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.scheduler.TimerPeriod(timer_id::kEngine), 100u);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_FALSE(rig.state.g_lcdMode);
}

TEST(TransferEnd, AFullControllerInPlaceOfAV1ModelTakesRecordFiles) {
  TransferRig rig(SimTargetKind::kV1Hgm);
  ASSERT_TRUE(rig.ConnectAndSettle());
  ASSERT_EQ(rig.engine.ReplyLength(), 12);
  rig.Adapter().SetTarget(SimTargetKind::kFull);
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.g_deviceType == device_type::kFull; }, 5000));
  EXPECT_EQ(rig.engine.ReplyLength(), 0);
  rig.transfer.SendFirmwareFile();  // cancelled
  EXPECT_EQ(rig.hosts.dialogs,
            std::vector<std::string>{"config Files (*.xup)|*.xup;*.bin| all file  (*.*)|*.*|||*.xup"});
}

}  // namespace
}  // namespace vuriru::test
