// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_image.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "comms/firmware/firmware_file.h"
#include "comms/firmware/record_protocol.h"

namespace vuriru {
namespace {

std::vector<uint8_t> Text(const std::string& s) {
  return {s.begin(), s.end()};
}

std::vector<uint8_t> Scrambled(const std::vector<uint8_t>& image) {
  std::vector<uint8_t> file = image;
  for (uint8_t& b : file) b ^= 0x5B;
  return file;
}

std::vector<uint8_t> Counting(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + 3);
  return v;
}

TEST(RecordText, ReadsUpperCaseHexPairsAndEverythingElseAsZero) {
  EXPECT_EQ(DecodeRecordText(Text("0005AABBCCDDEE")), (std::vector<uint8_t>{0x00, 0x05, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE}));
  // Lower-case digits are not hexadecimal here.
  EXPECT_EQ(DecodeRecordText(Text("0a")), (std::vector<uint8_t>{0x00}));
  EXPECT_EQ(DecodeRecordText(Text("F0fFG9")), (std::vector<uint8_t>{0xF0, 0x0F, 0x09}));
  // A trailing single character is ignored.
  EXPECT_EQ(DecodeRecordText(Text("1A2")), (std::vector<uint8_t>{0x1A}));
  // A line end is a character; CR LF arrives as one LF, as in text mode.
  EXPECT_EQ(DecodeRecordText(Text("12\n3")), (std::vector<uint8_t>{0x12, 0x03}));
  EXPECT_EQ(DecodeRecordText(Text("12\r\n3")), (std::vector<uint8_t>{0x12, 0x03}));
  EXPECT_TRUE(DecodeRecordText(Text("")).empty());
}

TEST(RecordImage, OneSevenByteRecordLoads) {
  const FirmwareImage image = LoadFirmwareImage(FirmwareKind::kRecords, Text("0005AABBCCDDEE"));
  ASSERT_TRUE(image.Ok()) << EnglishText(image.error);
  EXPECT_EQ(image.Size(), 7u);
  const RecordScan scan = ScanRecords(image.bytes);
  ASSERT_EQ(scan.records.size(), 1u);
  EXPECT_EQ(scan.records[0].offset, 0u);
  EXPECT_EQ(scan.records[0].length, 7u);
}

TEST(RecordImage, RecordsFollowEachOtherIncludingEmptyOnes) {
  const RecordScan scan = ScanRecords(DecodeRecordText(Text("0001AA00000002BBCC")));
  ASSERT_TRUE(scan.error.empty()) << EnglishText(scan.error);
  ASSERT_EQ(scan.records.size(), 3u);
  EXPECT_EQ(scan.records[1].offset, 3u);
  EXPECT_EQ(scan.records[1].length, 2u);
  EXPECT_EQ(scan.records[2].offset, 5u);
  EXPECT_EQ(scan.records[2].length, 4u);
}

TEST(RecordImage, RefusesEveryImageWhoseRecordsDoNotEndInsideIt) {
  struct Case {
    const char* text;
    uint32_t badOffset;
  };
  for (const Case& c : {Case{"0006AABBCCDDEE", 0},          // one byte short
                        Case{"0001AA00", 3},                // length bytes cut off
                        Case{"0001AA0001AABBCC", 6},        // third record claims 0xBBCC bytes
                        Case{"0005AABBCCDDEE\r\n\r\n", 7},  // two line ends make a stray byte
                        Case{"FFFF00", 0}}) {
    const std::vector<uint8_t> bytes = DecodeRecordText(Text(c.text));
    const RecordScan scan = ScanRecords(bytes);
    EXPECT_FALSE(scan.error.empty()) << c.text;
    EXPECT_TRUE(scan.records.empty()) << c.text;
    EXPECT_NE(EnglishText(scan.error).find("byte " + std::to_string(c.badOffset) + " "), std::string::npos)
        << EnglishText(scan.error);
    const FirmwareImage image = LoadFirmwareImage(FirmwareKind::kRecords, Text(c.text));
    EXPECT_FALSE(image.Ok());
    EXPECT_TRUE(image.bytes.empty());
  }
  EXPECT_EQ(RecordLengthAt(std::vector<uint8_t>{0x00, 0x01, 0xAA}, 3), 0u);
  EXPECT_EQ(RecordLengthAt(std::vector<uint8_t>{0x00, 0x01, 0xAA}, 0), 3u);
}

TEST(RecordImage, RefusesEmptyAndOversizedFiles) {
  EXPECT_NE(EnglishText(LoadFirmwareImage(FirmwareKind::kRecords, Text("")).error).find("empty"), std::string::npos);
  // One stray character decodes to nothing, which is empty too.
  EXPECT_FALSE(LoadFirmwareImage(FirmwareKind::kRecords, Text("A")).Ok());

  // Records of 0xFFFF bytes up to one byte past the 262144-byte buffer.
  std::string text;
  size_t imageBytes = 0;
  while (imageBytes <= kFirmwareBufferLength) {
    text += "FFFD" + std::string(0xFFFD * 2, '0');
    imageBytes += 0xFFFF;
  }
  ASSERT_GT(imageBytes, kFirmwareBufferLength);
  const FirmwareImage image = LoadFirmwareImage(FirmwareKind::kRecords, Text(text));
  EXPECT_FALSE(image.Ok());
  EXPECT_NE(EnglishText(image.error).find("262144"), std::string::npos) << EnglishText(image.error);

  // Exactly four full records, 262140 bytes, fit.
  const std::string fits = text.substr(0, 4 * (4 + 0xFFFD * 2));
  EXPECT_TRUE(LoadFirmwareImage(FirmwareKind::kRecords, Text(fits)).Ok());
}

TEST(BlockImage, DescramblesEveryByteWithTheFileKey) {
  const std::vector<uint8_t> image = Counting(1300);
  const FirmwareImage loaded = LoadFirmwareImage(FirmwareKind::kBoxImage, Scrambled(image));
  ASSERT_TRUE(loaded.Ok()) << EnglishText(loaded.error);
  EXPECT_EQ(loaded.bytes, image);
  EXPECT_EQ(DescrambleImage(std::vector<uint8_t>{0x5B, 0x00, 0xFF}), (std::vector<uint8_t>{0x00, 0x5B, 0xA4}));
}

TEST(BlockImage, SizeLimitsFollowTheSixteenBitSizeFieldAndTheFullFirstBlock) {
  for (FirmwareKind kind : {FirmwareKind::kBoxImage, FirmwareKind::kV1Image}) {
    EXPECT_TRUE(LoadFirmwareImage(kind, Counting(65535)).Ok());
    const FirmwareImage tooLarge = LoadFirmwareImage(kind, Counting(65536));
    EXPECT_FALSE(tooLarge.Ok());
    EXPECT_NE(EnglishText(tooLarge.error).find("65535"), std::string::npos) << EnglishText(tooLarge.error);
    EXPECT_FALSE(LoadFirmwareImage(kind, Counting(300000)).Ok());

    EXPECT_TRUE(LoadFirmwareImage(kind, Counting(513)).Ok());
    const FirmwareImage tooShort = LoadFirmwareImage(kind, Counting(512));
    EXPECT_FALSE(tooShort.Ok());
    EXPECT_NE(EnglishText(tooShort.error).find("512"), std::string::npos) << EnglishText(tooShort.error);
    EXPECT_FALSE(LoadFirmwareImage(kind, Counting(1)).Ok());
    EXPECT_NE(EnglishText(LoadFirmwareImage(kind, {}).error).find("empty"), std::string::npos);
  }
}

TEST(FirmwareFile, ReadsFromDiskAndReportsAMissingFile) {
  const std::string path = testing::TempDir() + "firmware_file_test.xup";
  {
    std::ofstream out(path, std::ios::binary);
    out << "0005AABBCCDDEE\r\n";
  }
  const FirmwareImage image = ReadFirmwareFile(path, FirmwareKind::kRecords);
  EXPECT_TRUE(image.Ok()) << EnglishText(image.error);
  EXPECT_EQ(image.Size(), 7u);
  std::remove(path.c_str());

  const FirmwareImage missing = ReadFirmwareFile(path, FirmwareKind::kBoxImage);
  EXPECT_FALSE(missing.Ok());
  EXPECT_NE(EnglishText(missing.error).find("could not be read"), std::string::npos);
}

TEST(FirmwareLoad, RandomAndTruncatedFilesNeverYieldAnUnsafeImage) {
  std::mt19937 random(5);
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> file(random() % 2000);
    for (uint8_t& b : file) b = static_cast<uint8_t>("0123456789ABCDEF\r\nx"[random() % 19]);
    const FirmwareImage records = LoadFirmwareImage(FirmwareKind::kRecords, file);
    if (records.Ok()) {
      const RecordScan scan = ScanRecords(records.bytes);
      ASSERT_TRUE(scan.error.empty());
      uint32_t end = 0;
      for (const FirmwareRecord& r : scan.records) end = r.offset + r.length;
      EXPECT_EQ(end, records.Size());
    }
    const FirmwareImage blocks = LoadFirmwareImage(FirmwareKind::kV1Image, file);
    EXPECT_EQ(blocks.Ok(), file.size() > 512);
  }
}

}  // namespace
}  // namespace vuriru
