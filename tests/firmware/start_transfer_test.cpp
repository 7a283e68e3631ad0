// SPDX-License-Identifier: GPL-3.0-or-later
// Starting an update: who may start it, the file dialog, and the files that
// are refused before a single byte goes to the device.

#include <gtest/gtest.h>

#include "comms/firmware/firmware_kind.h"
#include "firmware/transfer_rig.h"

namespace vuriru::test {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(StartFirmwareUpdate, WithoutAControllerOrTheBoxSelectedNothingStarts) {
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  rig.state.g_lcdMode = false;  // the box answers probes but is not the selected target
  rig.transfer.SendFirmwareFile();
  EXPECT_TRUE(rig.hosts.dialogs.empty());
  EXPECT_TRUE(rig.TakeSent().empty());
  ASSERT_EQ(rig.hosts.messages.size(), 1u);
  EXPECT_NE(rig.hosts.messages[0].find("No controller or RUZ Oviveru Ruv is connected"), std::string::npos);
  EXPECT_EQ(rig.hosts.messages[0].back(), '!');
  EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kRefused);
  EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
}

TEST(StartFirmwareUpdate, CancellingTheFileChoiceReturnsToProbingWithTheTimerRunning) {
  struct Case {
    SimTargetKind target;
    const char* dialog;
    uint8_t probe;
  };
  for (const Case& c :
       {Case{SimTargetKind::kLcd, "config Files (*.xut)|*.xut;*.bin| all file  (*.*)|*.*|||*.xut", 0xD4},
        Case{SimTargetKind::kV1Hgm, "config Files (*.hgm)|*.hgm;*.bin| all file  (*.*)|*.*|||*.hgm", 0xD4},
        Case{SimTargetKind::kFull, "config Files (*.xup)|*.xup;*.bin| all file  (*.*)|*.*|||*.xup", 0xD5}}) {
    TransferRig rig(c.target);
    ASSERT_TRUE(rig.ConnectAndSettle());
    rig.transfer.SendFirmwareFile();
    EXPECT_EQ(rig.hosts.dialogs, std::vector<std::string>{c.dialog});
    EXPECT_EQ(rig.TakeSentBytes(), std::vector<Bytes>{{c.probe}});
    EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
    EXPECT_TRUE(rig.scheduler.IsTimerRunning(timer_id::kEngine));
    EXPECT_EQ(rig.scheduler.TimerPeriod(timer_id::kEngine), 100u);
    EXPECT_TRUE(rig.hosts.messages.empty());
  }
}

TEST(StartFirmwareUpdate, FilesThatCannotBeCarriedWholeAreRefusedBeforeAnythingIsSent) {
  struct Case {
    SimTargetKind target;
    const char* extension;
    Bytes file;
    const char* message;
  };
  const std::string pastEnd = "0005AABBCCDDEE0009AABB";
  const std::vector<Case> cases = {
      {SimTargetKind::kFull, "xup", Bytes(pastEnd.begin(), pastEnd.end()), "record that starts at byte 7"},
      {SimTargetKind::kFull, "xup", {}, "empty"},
      {SimTargetKind::kLcd, "xut", ScrambledFile(PatternImage(65536)), "at most 65535"},
      {SimTargetKind::kLcd, "xut", ScrambledFile(PatternImage(512)), "needs more than 512"},
      {SimTargetKind::kV1Hgm, "hgm", ScrambledFile(PatternImage(100)), "needs more than 512"},
  };
  for (const Case& c : cases) {
    TransferRig rig(c.target);
    ASSERT_TRUE(rig.ConnectAndSettle());
    rig.ChooseFile(c.file, c.extension);
    rig.transfer.SendFirmwareFile();
    const uint8_t probe = std::string(c.extension) == "xup" ? 0xD5 : 0xD4;
    EXPECT_EQ(rig.TakeSentBytes(), std::vector<Bytes>{{probe}}) << c.message;
    ASSERT_EQ(rig.hosts.messages.size(), 1u);
    EXPECT_NE(rig.hosts.messages[0].find(c.message), std::string::npos) << rig.hosts.messages[0];
    EXPECT_NE(rig.hosts.messages[0].find("Nothing was sent"), std::string::npos);
    EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
    EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kRefused);
    // The device never hears of it and the link idles on.
    rig.RunMs(3000);
    EXPECT_EQ(rig.Target().firmwareUpdates, 0u);
    EXPECT_EQ(rig.state.engineState, engine_state::kProbe);
  }
}

}  // namespace
}  // namespace vuriru::test

namespace vuriru::test {
namespace {

TEST(StartFirmwareUpdate, OnlyTheTargetsOwnKindOrBinFilesAreSent) {
  // Another device's firmware, picked through "all file", never goes out.
  struct Refused {
    SimTargetKind target;
    const char* extension;
    const char* expected;
  };
  for (const Refused& c : {Refused{SimTargetKind::kFull, "xut", "takes *.xup files"},
                           Refused{SimTargetKind::kLcd, "xup", "takes *.xut files"},
                           Refused{SimTargetKind::kV1Hgm, "txt", "takes *.hgm files"}}) {
    TransferRig rig(c.target);
    ASSERT_TRUE(rig.ConnectAndSettle());
    rig.ChooseFile(ScrambledFile(PatternImage(1300)), c.extension);
    rig.transfer.SendFirmwareFile();
    ASSERT_EQ(rig.hosts.messages.size(), 1u) << c.extension;
    EXPECT_NE(rig.hosts.messages[0].find(c.expected), std::string::npos) << rig.hosts.messages[0];
    EXPECT_EQ(rig.transfer.Outcome(), TransferOutcome::kRefused);
    EXPECT_EQ(rig.TakeSentBytes().size(), 1u);  // the idle probe, nothing of the file
    EXPECT_EQ(rig.Target().firmwareUpdates, 0u);
  }
  // A *.BIN file is taken as the box's own kind, whatever its case.
  TransferRig rig(SimTargetKind::kLcd);
  ASSERT_TRUE(rig.ConnectAndSettle());
  const Bytes image = PatternImage(1300);
  rig.ChooseFile(ScrambledFile(image), "BIN");
  rig.transfer.SendFirmwareFile();
  ASSERT_TRUE(rig.RunTransfer());
  EXPECT_EQ(rig.Target().firmwareImage, image);
}

TEST(FirmwareFileName, FitsItsOwnKindAndBinOnly) {
  EXPECT_TRUE(FirmwareFileFits("esc.xup", FirmwareKind::kRecords));
  EXPECT_TRUE(FirmwareFileFits("/tmp/ESC.XUP", FirmwareKind::kRecords));
  EXPECT_TRUE(FirmwareFileFits("box.bin", FirmwareKind::kBoxImage));
  EXPECT_TRUE(FirmwareFileFits("v1.Bin", FirmwareKind::kV1Image));
  EXPECT_FALSE(FirmwareFileFits("box.xut", FirmwareKind::kRecords));
  EXPECT_FALSE(FirmwareFileFits("firmware", FirmwareKind::kRecords));
  // The dot of a folder is not the file's extension.
  EXPECT_FALSE(FirmwareFileFits("runs.xup/firmware", FirmwareKind::kRecords));
  EXPECT_FALSE(FirmwareFileFits("esc.xup.txt", FirmwareKind::kRecords));
}

}  // namespace
}  // namespace vuriru::test
