// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_file_codec.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "sample_esc_data.h"

namespace vuriru {
namespace {

using testing::SampleEscData;
using testing::ThreePointCurve;

DataFileBytes Export(const EscData& data) {
  const DataFileExport encoded = EncodeDataFile(data);
  EXPECT_TRUE(encoded.ok) << encoded.message;
  return encoded.bytes;
}

// Block byte i sits at file byte 803 - i.
uint8_t BlockByte(const DataFileBytes& file, size_t i) {
  return file[kDataFileSize - 1 - i];
}

void ExpectRefused(const DataFileImport& result) {
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Import file error!");
  EXPECT_EQ(result.caption, "Import");
}

TEST(DataFileEncode, BlockLayout) {
  const DataFileBytes file = Export(SampleEscData());
  // Written reversed: the pad byte comes first, the header last.
  EXPECT_EQ(file[0], 0);
  EXPECT_EQ(file[802], 0xA0);
  EXPECT_EQ(file[803], 0x10);
  const std::vector<uint8_t> header{0x10, 0xA0, 0x24, 0x03, 0, 0};
  for (size_t i = 0; i < header.size(); ++i) EXPECT_EQ(BlockByte(file, i), header[i]) << i;
  EXPECT_EQ(BlockByte(file, 8), 0);
  EXPECT_EQ(BlockByte(file, 9), 1);
  for (size_t i = 10; i < 16; ++i) EXPECT_EQ(BlockByte(file, i), 0) << i;

  EXPECT_EQ(BlockByte(file, 16), 2);   // RUN MODE
  EXPECT_EQ(BlockByte(file, 17), 3);   // THREVERSE SPD
  EXPECT_EQ(BlockByte(file, 18), 72);  // VOLTAGE CUTOFF
  EXPECT_EQ(BlockByte(file, 22), 14);  // PUNCH RATE1
  EXPECT_EQ(BlockByte(file, 40), 12);  // START RPM (Turbo)
  EXPECT_EQ(BlockByte(file, 45), 1);   // BEC Output
  EXPECT_EQ(BlockByte(file, 46), 55);  // D.Brake Rate
  EXPECT_EQ(BlockByte(file, 47), 49);  // RPM Lock
  EXPECT_EQ(BlockByte(file, 48), 74);
  EXPECT_EQ(BlockByte(file, 49), 65);
  EXPECT_EQ(BlockByte(file, 50), 81);
  EXPECT_EQ(BlockByte(file, 51), 300 % 256);  // rpm low byte, then high byte
  EXPECT_EQ(BlockByte(file, 52), 300 / 256);

  // Curve sections: boost, brake, throttle; 50 sampled values, 100 x, 100 y.
  const std::vector<std::pair<size_t, uint8_t>> midX{{53, 30}, {303, 50}, {553, 50}};
  const std::vector<uint8_t> midY{60, 20, 80};
  for (size_t c = 0; c < 3; ++c) {
    const size_t at = midX[c].first;
    EXPECT_EQ(BlockByte(file, at + 0), 1);
    EXPECT_EQ(BlockByte(file, at + 39), 79);
    EXPECT_EQ(BlockByte(file, at + 49), 0);
    EXPECT_EQ(BlockByte(file, at + 50 + 1), midX[c].second);
    EXPECT_EQ(BlockByte(file, at + 50 + 2), 100);
    EXPECT_EQ(BlockByte(file, at + 150 + 1), midY[c]);
    EXPECT_EQ(BlockByte(file, at + 150 + 2), 100);
  }

  uint32_t sum = 0;
  for (size_t i = 0; i < kDataFileSize; ++i) {
    if (i != 6 && i != 7) sum += BlockByte(file, i);
  }
  EXPECT_EQ(BlockByte(file, 6), sum & 0xFF);
  EXPECT_EQ(BlockByte(file, 7), sum >> 8);
}

TEST(DataFileRoundTrip, ImportOfAnExportExportsTheSameBytes) {
  const EscData original = SampleEscData();
  const DataFileBytes first = Export(original);
  EscData base;  // all zero: everything in the file must come from the file
  const DataFileImport imported = DecodeDataFile(first, base);
  ASSERT_TRUE(imported.ok);
  EXPECT_EQ(Export(imported.data), first);

  for (const SettingRow& row : SettingsTable()) {
    const int32_t expected = row.fileOffset == kNotCarried ? 0 : original.settings.Current(row.setting);
    EXPECT_EQ(imported.data.settings.Current(row.setting), expected) << row.caption;
  }
  EXPECT_EQ(imported.data.settings.runningLog, original.settings.runningLog);
  EXPECT_EQ(imported.data.throttleCurve.x, original.throttleCurve.x);
  EXPECT_EQ(imported.data.brakeCurve.y, original.brakeCurve.y);
  EXPECT_EQ(imported.data.boostCurve.table, original.boostCurve.table);
}

TEST(DataFileRoundTrip, WhatTheFileDoesNotHoldComesFromTheBase) {
  EscData base = SampleEscData();
  base.settings.Current(Setting::Profile) = 9;
  base.settings.Current(Setting::TurboK) = 33;
  base.throttleCurve.table[60] = 42;  // sampled entries past 49 are not in the file
  const DataFileImport imported = DecodeDataFile(Export(SampleEscData()), base);
  ASSERT_TRUE(imported.ok);
  EXPECT_EQ(imported.data.settings.Current(Setting::Profile), 9);
  EXPECT_EQ(imported.data.settings.Current(Setting::TurboK), 33);
  EXPECT_EQ(imported.data.settings.factory, base.settings.factory);
  EXPECT_EQ(imported.data.throttleCurve.table[60], 42);
}

TEST(DataFileDecode, EverySingleByteChangeIsRefused) {
  const DataFileBytes good = Export(SampleEscData());
  for (size_t at = 0; at < kDataFileSize; ++at) {
    for (int delta : {1, 0x80, 0xFF}) {
      DataFileBytes bad = good;
      bad[at] = static_cast<uint8_t>(bad[at] + delta);
      const DataFileImport result = DecodeDataFile(bad, SampleEscData());
      EXPECT_FALSE(result.ok) << "file byte " << at << " + " << delta;
    }
  }
}

TEST(DataFileDecode, WrongLengthsAreRefused) {
  const DataFileBytes good = Export(SampleEscData());
  std::vector<uint8_t> bytes(good.begin(), good.end());
  ExpectRefused(DecodeDataFile({}, EscData{}));
  ExpectRefused(DecodeDataFile(std::span(bytes).first(803), EscData{}));
  ExpectRefused(DecodeDataFile(std::span(bytes).subspan(1), EscData{}));
  bytes.push_back(0);
  ExpectRefused(DecodeDataFile(bytes, EscData{}));
  bytes.insert(bytes.begin(), 0);
  ExpectRefused(DecodeDataFile(bytes, EscData{}));
}

// Builds a file from block bytes with a valid header and the checksum field
// set to the low 16 bits of the sum, whatever the sum is.
DataFileBytes FileFromBlock(std::array<uint8_t, kDataFileSize> block) {
  block[0] = 0x10;
  block[1] = 0xA0;
  block[2] = 0x24;
  block[3] = 0x03;
  block[4] = block[5] = block[6] = block[7] = 0;
  uint32_t sum = 0;
  for (uint8_t b : block) sum += b;
  block[6] = static_cast<uint8_t>(sum & 0xFF);
  block[7] = static_cast<uint8_t>((sum >> 8) & 0xFF);
  DataFileBytes file;
  for (size_t i = 0; i < kDataFileSize; ++i) file[kDataFileSize - 1 - i] = block[i];
  return file;
}

TEST(DataFileDecode, SumBeyondSixteenBitsIsRefused) {
  // Bytes after a curve's end point are not looked at, so they can lift the
  // sum past 65535 while every curve stays possible.
  EscData data = SampleEscData();
  for (StoredCurve* curve : {&data.boostCurve, &data.brakeCurve, &data.throttleCurve}) {
    for (size_t i = 3; i < kStoredCurveLength; ++i) curve->x[i] = curve->y[i] = 255;
  }
  const DataFileExport encoded = EncodeDataFile(data);
  EXPECT_FALSE(encoded.ok);
  EXPECT_EQ(encoded.message, "Export file error!");

  std::array<uint8_t, kDataFileSize> block{};
  for (size_t i = 16; i < kDataFileSize; ++i) block[i] = 0xFF;
  for (size_t at : {53u, 303u, 553u}) {  // possible curves (0,0)(100,100), junk after
    block[at + 50] = block[at + 150] = 0;
    block[at + 51] = block[at + 151] = 100;
  }
  ExpectRefused(DecodeDataFile(FileFromBlock(block), EscData{}));
}

TEST(DataFileDecode, ImpossibleCurvesAreRefused) {
  StoredCurve backwards = ThreePointCurve(60, 50);
  backwards.x[2] = 40;
  backwards.x[3] = backwards.y[3] = 100;
  StoredCurve noEnd = ThreePointCurve(50, 50);
  noEnd.y[2] = 99;
  StoredCurve offGrid = ThreePointCurve(50, 101);
  StoredCurve notFromOrigin = ThreePointCurve(50, 50);
  notFromOrigin.y[0] = 1;
  for (const StoredCurve& bad : {backwards, noEnd, offGrid, notFromOrigin, StoredCurve{}}) {
    for (StoredCurve EscData::*which : {&EscData::boostCurve, &EscData::brakeCurve, &EscData::throttleCurve}) {
      EscData data = SampleEscData();
      data.*which = bad;
      const DataFileExport encoded = EncodeDataFile(data);
      ASSERT_TRUE(encoded.ok);
      ExpectRefused(DecodeDataFile(encoded.bytes, SampleEscData()));
    }
  }
}

TEST(DataFileDecode, RandomAndTruncatedInput) {
  const DataFileBytes good = Export(SampleEscData());
  for (size_t length = 0; length < kDataFileSize; ++length) {
    // Exactly sized copies, cut at either end, so a read past one trips the sanitizer.
    const std::vector<uint8_t> head(good.begin(), good.begin() + static_cast<ptrdiff_t>(length));
    const std::vector<uint8_t> tail(good.end() - static_cast<ptrdiff_t>(length), good.end());
    EXPECT_FALSE(DecodeDataFile(head, EscData{}).ok) << length;
    EXPECT_FALSE(DecodeDataFile(tail, EscData{}).ok) << length;
  }
  std::mt19937 random(5);
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> bytes(round % 3 == 0 ? kDataFileSize : random() % 2000);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    EXPECT_FALSE(DecodeDataFile(bytes, EscData{}).ok);
  }
  // Random blocks with a valid header and checksum reach the curve checks;
  // whatever they decode to must be possible curves.
  for (int round = 0; round < 2000; ++round) {
    std::array<uint8_t, kDataFileSize> block{};
    for (auto& b : block) b = static_cast<uint8_t>(random() % 64);
    const DataFileImport result = DecodeDataFile(FileFromBlock(block), EscData{});
    if (result.ok) {
      EXPECT_TRUE(IsPossibleCurve(result.data.throttleCurve));
    }
  }
}

}  // namespace
}  // namespace vuriru
