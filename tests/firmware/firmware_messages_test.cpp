// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vuriru {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// The box is updated through the same block protocol as the *.hgm
// controllers; what the user reads must name the device on the table.
TEST(FirmwareMessages, StoppedTransfersNameTheDeviceBeingUpdated) {
  for (const std::string& box : {EnglishText(TransferSilentMessage(45, FirmwareKind::kBoxImage)),
                                 EnglishText(AdapterRemovedMessage(45, FirmwareKind::kBoxImage))}) {
    EXPECT_THAT(box, HasSubstr("RUZ Oviveru Ruv")) << box;
    EXPECT_THAT(box, Not(HasSubstr("controller"))) << box;
    EXPECT_THAT(box, HasSubstr("stopped at 45%")) << box;
  }
  EXPECT_THAT(EnglishText(TransferSilentMessage(45, FirmwareKind::kBoxImage)),
              HasSubstr("The RUZ Oviveru Ruv stopped answering"));
  for (FirmwareKind kind : {FirmwareKind::kV1Image, FirmwareKind::kRecords}) {
    for (const std::string& esc :
         {EnglishText(TransferSilentMessage(7, kind)), EnglishText(AdapterRemovedMessage(7, kind))}) {
      EXPECT_THAT(esc, HasSubstr("controller")) << esc;
      EXPECT_THAT(esc, Not(HasSubstr("RUZ Oviveru Ruv"))) << esc;
    }
  }
}

// The messages carry their figures and names as arguments, so that the window
// can word them in the user's language; in English they read as they always
// have, which is what the command-line tool prints.
TEST(FirmwareMessages, EnglishTextsReadWordForWordAsBefore) {
  EXPECT_EQ(EnglishText(TransferSilentMessage(45, FirmwareKind::kRecords)),
            "The controller stopped answering during the firmware update. The transfer stopped at 45%. Keep the "
            "controller powered and connected, then start the update again; it can be repeated until it completes.");
  EXPECT_EQ(EnglishText(AdapterRemovedMessage(3, FirmwareKind::kBoxImage)),
            "The link adapter was removed during the firmware update. The transfer stopped at 3%. Plug the adapter "
            "in again, keep the RUZ Oviveru Ruv powered, then start the update again; it can be repeated until it "
            "completes.");
  EXPECT_EQ(EnglishText(FirmwareKindMismatchMessage("a%1.xup", "xut")),
            "\"a%1.xup\" is not a firmware file for the attached device, which takes *.xut files.");
  EXPECT_EQ(EnglishText(BlockImageTooShortMessage(12)),
            "The firmware file is too short to be a firmware image for this device: it holds 12 bytes and needs more "
            "than 512. Nothing was sent.");
  EXPECT_EQ(EnglishText(RecordPastEndMessage(77)),
            "The firmware file is damaged: the record that starts at byte 77 runs past the end of the file. Nothing "
            "was sent.");
  // The source text is the key the window looks up: the figures are not in it.
  EXPECT_EQ(RecordPastEndMessage(77).source, RecordPastEndMessage(78).source);
  EXPECT_EQ(RecordPastEndMessage(77).args, std::vector<std::string>{"77"});
}

}  // namespace
}  // namespace vuriru
