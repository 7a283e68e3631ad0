#include "comms/firmware/firmware_kind.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(FirmwareKind, TargetPicksTheFileKind) {
  EXPECT_EQ(ExpectedFirmwareKind(true, 12), FirmwareKind::kBoxImage);
  EXPECT_EQ(ExpectedFirmwareKind(false, 12), FirmwareKind::kV1Image);
  EXPECT_EQ(ExpectedFirmwareKind(false, 15), FirmwareKind::kV1Image);
  for (uint8_t other : {0, 13, 14, 16, 18}) EXPECT_EQ(ExpectedFirmwareKind(false, other), FirmwareKind::kRecords);
  EXPECT_EQ(FirmwareFileFilter(FirmwareKind::kV1Image), "config Files (*.hgm)|*.bin| all file  (*.*)|*.*||");
  EXPECT_EQ(FirmwareDefaultFileName(FirmwareKind::kBoxImage), "*.xut");
}

TEST(FirmwareKind, ExtensionNamesTheKindWithoutRegardToCase) {
  EXPECT_EQ(FirmwareKindFromFileName("dir.v2/box.XUT"), FirmwareKind::kBoxImage);
  EXPECT_EQ(FirmwareKindFromFileName("a.hgm"), FirmwareKind::kV1Image);
  EXPECT_EQ(FirmwareKindFromFileName("a.b.xup"), FirmwareKind::kRecords);
  EXPECT_EQ(FirmwareKindFromFileName("a.bin"), std::nullopt);
  EXPECT_EQ(FirmwareKindFromFileName("xup"), std::nullopt);
}

}  // namespace
}  // namespace vuriru
