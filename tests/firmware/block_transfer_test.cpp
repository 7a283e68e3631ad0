// SPDX-License-Identifier: GPL-3.0-or-later
// The 512-byte block protocol end to end, against the simulated display box
// and the V1 model that takes *.hgm files.

#include <algorithm>

#include <gtest/gtest.h>

#include "comms/firmware/block_protocol.h"
#include "firmware/transfer_rig.h"

namespace vuriru::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Slice(const Bytes& image, size_t from, size_t to) {
  return Bytes(image.begin() + static_cast<long>(from), image.begin() + static_cast<long>(to));
}

std::vector<Bytes> Prefix(std::vector<Bytes> sent, size_t n) {
  if (sent.size() > n) sent.resize(n);
  return sent;
}

TEST(BlockTransfer, BoxTakesA1300ByteImageAsSizeHeaderTwoBlocksAndALengthPrefixedRest) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = PatternImage(1300);
  rig.ChooseFile(ScrambledFile(image), "xut");
  rig.transfer.SendFirmwareFile();
  EXPECT_TRUE(rig.state.g_lcdUpdating);
  ASSERT_TRUE(rig.RunTransfer());

  const std::vector<SentBlock> sent = rig.TakeSent();
  std::vector<Bytes> bytes;
  for (const SentBlock& b : sent) bytes.push_back(b.bytes);
  const std::vector<Bytes> expected = {{0xD3},
                                       {0x13, 0x7E},
                                       {0x05, 0x14},
                                       {0x02, 0x00},
                                       Slice(image, 0, 512),
                                       Slice(image, 512, 1024),
                                       {0x01, 0x14},
                                       Slice(image, 1024, 1300),
                                       {0x13, 0x81},
                                       {0x13, 0xCF},
                                       {0xD4}};
  EXPECT_EQ(Prefix(bytes, expected.size()), expected);
  ASSERT_GE(sent.size(), 8u);
  EXPECT_EQ(sent[7].atMs - sent[6].atMs, 30u);  // the pause between the last length and its bytes

  EXPECT_EQ(rig.Target().firmwareImage, image);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.hosts.messages, std::vector<std::string>{"Lcd Update|Up Date Complete!|"});
  EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  EXPECT_FALSE(rig.state.g_lcdMode);
  EXPECT_FALSE(rig.state.g_lcdUpdating);
  EXPECT_EQ(rig.state.g_transferPending, 0);
  EXPECT_EQ(rig.state.settingsRead, 0);
  EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(rig.scheduler.TimerPeriod(timer_id::kEngine), 100u);
  EXPECT_EQ(rig.hosts.progressTexts.front(), "Send to Esc Process......");
  EXPECT_EQ(rig.hosts.progressTexts.back(), "Data Transferring.. 100% done.");
  // Out of box mode: reported before the box, so that the window leaves the
  // box's page for the button row first.
  const auto ended = std::find(rig.hosts.calls.begin(), rig.hosts.calls.end(), "TransferEnded box-updated firmware");
  ASSERT_NE(ended, rig.hosts.calls.end());
  EXPECT_EQ(*(ended + 1), "ShowMessage Lcd Update|Up Date Complete!|");
}

TEST(BlockTransfer, HgmImageOfExactly1024BytesEndsWithA512ByteBlockAfter0200) {
  TransferRig rig(SimTargetKind::kV1Hgm);
  ASSERT_TRUE(rig.ConnectAndSettle());
  ASSERT_EQ(rig.engine.ReplyLength(), 12);
  const Bytes image = PatternImage(1024);
  rig.ChooseFile(ScrambledFile(image), "hgm");
  rig.transfer.SendFirmwareFile();
  EXPECT_FALSE(rig.state.g_lcdUpdating);
  ASSERT_TRUE(rig.RunTransfer());
  const std::vector<Bytes> expected = {{0xD6},
                                       {0x13, 0x7E},
                                       {0x04, 0x00},
                                       {0x02, 0x00},
                                       Slice(image, 0, 512),
                                       {0x02, 0x00},
                                       Slice(image, 512, 1024),
                                       {0x13, 0x81},
                                       {0x13, 0xCF},
                                       {0xD4}};
  EXPECT_EQ(Prefix(rig.TakeSentBytes(), expected.size()), expected);
  EXPECT_EQ(rig.Target().firmwareImage, image);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
}

TEST(BlockTransfer, ABoxThatRestartsIntoItsLoaderIsPickedUpAgain) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = PatternImage(5000);
  rig.ChooseFile(ScrambledFile(image), "xut");
  rig.transfer.SendFirmwareFile();
  // The start byte restarts the box: it drops off the bus and comes back.
  rig.RunMs(20);
  rig.Pull();
  EXPECT_TRUE(rig.hosts.messages.empty());  // ignored while the box restarts
  rig.RunMs(300);
  rig.Plug();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.Target().firmwareImage, image);
  EXPECT_EQ(rig.hosts.messages, std::vector<std::string>{"Lcd Update|Up Date Complete!|"});
}

TEST(BlockTransfer, ABoxGoneBetweenItsSizeAndItsFirstBlockIsStartedOverOnceBack) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = PatternImage(3000);
  rig.ChooseFile(ScrambledFile(image), "xut");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kFirstBlockHeader; }, 5000));
  rig.Pull();
  rig.RunMs(1000);
  EXPECT_EQ(rig.state.engineState, firmware_state::kBlockStart);
  EXPECT_TRUE(rig.state.g_lcdUpdating);
  rig.Adapter().SetTarget(SimTargetKind::kLcd);  // it comes back freshly started
  rig.Plug();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.Target().firmwareImage, image);
}

TEST(BlockTransfer, NoAnswerFor201TicksAfterABlockStopsTheTransfer) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(ScrambledFile(PatternImage(3000)), "xut");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kSendBlock; }, 5000));
  rig.Adapter().Faults().Set(SimFault::kNoAnswer);
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.state.engineState == firmware_state::kBlockAnswer; }, 1000));
  rig.RunMs(200 * 50);
  EXPECT_TRUE(rig.hosts.messages.empty());
  EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  rig.RunMs(50);
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("The RUZ Oviveru Ruv stopped answering"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 0%"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("Keep the RUZ Oviveru Ruv powered"), std::string::npos);
  EXPECT_EQ(rig.hosts.messages[0].find("controller"), std::string::npos);
  EXPECT_FALSE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  EXPECT_TRUE(rig.hosts.Has("TransferEnded firmware-failed firmware"));
}

TEST(BlockTransfer, PullingTheAdapterAfterTheFirstBlockEndsTheTransferWithAMessage) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.ChooseFile(ScrambledFile(PatternImage(2000)), "xut");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.scheduler.RunUntil([&] { return rig.transfer.Position() == 1024; }, 10000));
  rig.Pull();
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("link adapter was removed"), std::string::npos);
  EXPECT_NE(rig.hosts.messages[0].find("stopped at 51%"), std::string::npos);
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kFailed);
  EXPECT_EQ(rig.state.engineState, engine_state::kIdle);
  // Plugged in again, the link comes back to plain probing.
  rig.Plug();
  rig.RunMs(3000);
  EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  EXPECT_EQ(rig.hosts.messages.size(), 1u);
}

}  // namespace
}  // namespace vuriru::test
