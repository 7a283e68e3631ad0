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
  for (const std::string& box :
       {TransferSilentMessage(45, FirmwareKind::kBoxImage), AdapterRemovedMessage(45, FirmwareKind::kBoxImage)}) {
    EXPECT_THAT(box, HasSubstr("RUZ Oviveru Ruv")) << box;
    EXPECT_THAT(box, Not(HasSubstr("controller"))) << box;
    EXPECT_THAT(box, HasSubstr("stopped at 45%")) << box;
  }
  EXPECT_THAT(TransferSilentMessage(45, FirmwareKind::kBoxImage), HasSubstr("The RUZ Oviveru Ruv stopped answering"));
  for (FirmwareKind kind : {FirmwareKind::kV1Image, FirmwareKind::kRecords}) {
    for (const std::string& esc : {TransferSilentMessage(7, kind), AdapterRemovedMessage(7, kind)}) {
      EXPECT_THAT(esc, HasSubstr("controller")) << esc;
      EXPECT_THAT(esc, Not(HasSubstr("RUZ Oviveru Ruv"))) << esc;
    }
  }
}

}  // namespace
}  // namespace vuriru
