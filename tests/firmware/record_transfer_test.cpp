// SPDX-License-Identifier: GPL-3.0-or-later
// The record protocol end to end, against the simulated full and V1
// controllers, and what the program does once the update is over.

#include <gtest/gtest.h>

#include "firmware/transfer_rig.h"

namespace vuriru::test {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(RecordTransfer, FullControllerTakesEveryRecordWholeAndIsReadAfresh) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = RecordImage(3000, 300);
  rig.ChooseFile(RecordText(image), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.RunTransfer());

  const std::vector<SentBlock> sent = rig.TakeSent();
  ASSERT_GE(sent.size(), 12u);
  EXPECT_EQ(sent[0].bytes, Bytes{0xD6});
  for (size_t r = 0; r < 10; ++r) {
    EXPECT_EQ(sent[1 + r].bytes,
              Bytes(image.begin() + static_cast<long>(r * 300), image.begin() + static_cast<long>(r * 300 + 300)));
  }
  // The idle probe follows the last record after the controller's 2 s.
  EXPECT_EQ(sent[11].bytes, Bytes{0xD5});
  EXPECT_GE(sent[11].atMs - sent[10].atMs, 2000u);
  EXPECT_EQ(rig.Target().firmwareImage, image);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  const auto& texts = rig.hosts.progressTexts;
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Data Transferring.. 90% done."), texts.end());

  // The notice comes with the next timer message, then the fresh read.
  rig.RunMs(5000);
  EXPECT_EQ(rig.hosts.messages, std::vector<std::string>{"Esc Update|Up Date Complete!|"});
  // The pages are hidden a second after the controller's 2 s, for the read.
  EXPECT_TRUE(rig.hosts.Has("TransferEnded controller-updated firmware"));
  EXPECT_TRUE(rig.hosts.Has("TransferEnded pages-reset firmware"));
  EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  EXPECT_EQ(rig.state.settingsRead, 1);
  EXPECT_EQ(rig.state.g_deviceType, device_type::kFull);
}

TEST(RecordTransfer, V1ControllerShowsTheProgressOnItsPanel) {
  TransferRig rig(SimTargetKind::kV1);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = RecordImage(800, 200);
  rig.ChooseFile(RecordText(image), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.Target().firmwareImage, image);
  EXPECT_EQ(rig.hosts.v1Texts,
            (std::vector<std::string>{"Transferring.. 0% done.", "Transferring.. 25% done.", "Transferring.. 50% done.",
                                      "Transferring.. 75% done.", "Transferring.. 100% done."}));
}

TEST(RecordTransfer, ARefusedRecordStopsTheTransferWithAMessage) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.Adapter().Faults().Set(SimFault::kBlockRefused);
  rig.Adapter().Faults().refusedBlock = 2;
  rig.ChooseFile(RecordText(RecordImage(1000, 100)), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("refused"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 20%"), std::string::npos);
  EXPECT_FALSE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(rig.transfer.Position(), 200u);
}

TEST(RecordTransfer, FourBadAnswersToOneRecordStopTheTransfer) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = RecordImage(400, 100);
  rig.ChooseFile(RecordText(image), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kRecordAnswer; }, 5000));
  rig.TakeSent();
  // Drive the states by hand with a wrong answer each time; the clock stands still.
  const uint8_t wrong[] = {0x55};
  for (int bad = 1; bad <= 3; ++bad) {
    rig.transfer.Tick(wrong, 1);
    EXPECT_EQ(rig.state.engineState, firmware_state::kSendRecord) << bad;
    rig.transfer.Tick(nullptr, 0);  // sends the same record again
    EXPECT_EQ(rig.state.engineState, firmware_state::kRecordAnswer) << bad;
  }
  EXPECT_TRUE(rig.hosts.messages.empty());
  rig.transfer.Tick(wrong, 1);
  const std::vector<Bytes> resent = rig.TakeSentBytes();
  EXPECT_EQ(resent, std::vector<Bytes>(3, Bytes(image.begin(), image.begin() + 100)));
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("wrongly four times"), std::string::npos);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
}

TEST(RecordTransfer, PullingTheAdapterMidWayEndsTheTransferWithAMessage) {
  TransferRig rig(SimTargetKind::kFull);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(RecordText(RecordImage(2000, 100)), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.transfer.Position() == 500; }, 10000));
  rig.Pull();
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("link adapter was removed"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 25%"), std::string::npos);
  EXPECT_EQ(rig.state.engineState, engine_state::kIdle);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  rig.RunMs(3000);
  EXPECT_EQ(rig.hosts.messages.size(), 1u);
}

TEST(RecordTransfer, AControllerSilentAfterARecordIsGivenUpOnWithAMessage) {
  TransferRig rig(SimTargetKind::kV1);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(RecordText(RecordImage(600, 200)), "xup");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.transfer.Position() == 200; }, 5000));
  rig.Adapter().Faults().Set(SimFault::kNoAnswer);
  ASSERT_TRUE(rig.RunTransfer());
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 33%"), std::string::npos);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
}

}  // namespace
}  // namespace vuriru::test
