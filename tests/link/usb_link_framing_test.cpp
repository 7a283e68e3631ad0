// SPDX-License-Identifier: GPL-3.0-or-later
// Byte blocks in data output reports and back out of input reports.

#include <numeric>
#include <vector>

#include "link/link_fixture.h"

namespace vuriru::test {
namespace {

using ::testing::ElementsAre;

std::vector<uint8_t> Block(size_t length, uint8_t first = 1) {
  std::vector<uint8_t> block(length);
  std::iota(block.begin(), block.end(), first);
  return block;
}

// The 64-byte report the adapter must receive for one piece of a block.
std::vector<uint8_t> DataReport(const std::vector<uint8_t>& block, size_t from, size_t n) {
  std::vector<uint8_t> report(64, 0);
  report[0] = 2;
  report[1] = static_cast<uint8_t>(n);
  std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(from), n, report.begin() + 2);
  return report;
}

using LinkWrite = LinkFixture;

TEST_F(LinkWrite, BlocksAreCutIntoReportsOfAtMost59PayloadBytes) {
  OpenLink();
  const auto b59 = Block(59);
  EXPECT_TRUE(link.WriteFrame(b59.data(), 59));
  EXPECT_THAT(hid.interruptReports, ElementsAre(DataReport(b59, 0, 59)));

  hid.interruptReports.clear();
  const auto b60 = Block(60);
  EXPECT_TRUE(link.WriteFrame(b60.data(), 60));
  // The second report's tail is zero, not the rest of the first report.
  EXPECT_THAT(hid.interruptReports, ElementsAre(DataReport(b60, 0, 59), DataReport(b60, 59, 1)));

  hid.interruptReports.clear();
  const auto b118 = Block(118);
  EXPECT_TRUE(link.WriteFrame(b118.data(), 118));
  EXPECT_THAT(hid.interruptReports, ElementsAre(DataReport(b118, 0, 59), DataReport(b118, 59, 59)));
}

TEST_F(LinkWrite, EmptyBlockSendsNothingAndSucceeds) {
  OpenLink();
  EXPECT_TRUE(link.WriteFrame(nullptr, 0));
  EXPECT_TRUE(hid.interruptReports.empty());
}

TEST_F(LinkWrite, RefusedReportEndsTheBlockWithFalse) {
  OpenLink();
  std::vector<std::vector<uint8_t>> traced;
  link.SetTrace([&](bool, const uint8_t* bytes, uint32_t length) { traced.emplace_back(bytes, bytes + length); });
  hid.interruptWritesBeforeFailure = 1;
  const auto block = Block(150);
  EXPECT_FALSE(link.WriteFrame(block.data(), 150));
  EXPECT_EQ(std::count(hid.calls.begin(), hid.calls.end(), "SetOutputReport_Interrupt 64"), 2);
  EXPECT_THAT(traced, ElementsAre(Block(59)));  // what actually went out
}

TEST_F(LinkWrite, ReportBufferOf60OrNoLinkRefusesWritesAndReads) {
  const auto block = Block(10);
  uint8_t buffer[59];
  uint32_t count = 7;
  EXPECT_FALSE(link.WriteFrame(block.data(), 10));
  EXPECT_FALSE(link.ReadReports(buffer, sizeof buffer, &count));
  EXPECT_EQ(count, 0u);

  OpenLink();
  hid.outputReportLength = 60;
  EXPECT_FALSE(link.WriteFrame(block.data(), 10));
  EXPECT_FALSE(link.WriteFrame(block.data(), 0));
  EXPECT_FALSE(link.ReadReports(buffer, sizeof buffer, &count));
  EXPECT_TRUE(hid.interruptReports.empty());
  EXPECT_EQ(hid.lastReadReports, 0u);
}

using LinkRead = LinkFixture;

TEST_F(LinkRead, LengthBelow59ReadsNothingAndExactlyKReportsAreRequested) {
  OpenLink();
  uint8_t buffer[59 * 3];
  uint32_t count = 0;
  EXPECT_FALSE(link.ReadReports(buffer, 58, &count));
  EXPECT_TRUE(std::none_of(hid.calls.begin(), hid.calls.end(),
                           [](const std::string& call) { return call.rfind("GetInputReport", 0) == 0; }));

  EXPECT_TRUE(link.ReadReports(buffer, 59 * 3, &count));
  EXPECT_EQ(hid.lastReadReports, 3u);
  EXPECT_EQ(hid.lastReadBufferSize, 3u * 64);
  EXPECT_TRUE(link.ReadReports(buffer, 59 * 3 - 1, &count));
  EXPECT_EQ(hid.lastReadReports, 2u);
}

TEST_F(LinkRead, PayloadsOfSeveralReportsAreJoinedAndTraced) {
  OpenLink();
  std::vector<uint8_t> traced;
  link.SetTrace([&](bool outgoing, const uint8_t* bytes, uint32_t length) {
    EXPECT_FALSE(outgoing);
    traced.assign(bytes, bytes + length);
  });
  hid.QueueInput({0xD7, 0x01});
  hid.QueueInput({});
  hid.QueueInput({0x02, 0x03, 0x04});
  hid.readResult = HID_DEVICE_TRANSFER_TIMEOUT;  // fewer reports than asked for still delivers them
  std::vector<uint8_t> buffer(59 * 4, 0xEE);
  uint32_t count = 0;
  ASSERT_TRUE(link.ReadReports(buffer.data(), static_cast<uint32_t>(buffer.size()), &count));
  EXPECT_EQ(count, 5u);
  EXPECT_THAT(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 6), ElementsAre(0xD7, 1, 2, 3, 4, 0xEE));
  EXPECT_THAT(traced, ElementsAre(0xD7, 1, 2, 3, 4));
}

TEST_F(LinkRead, FailedReadDeliversNothing) {
  OpenLink();
  hid.QueueInput({1, 2});
  hid.readResult = HID_DEVICE_TRANSFER_FAILED;
  uint8_t buffer[59];
  uint32_t count = 9;
  EXPECT_FALSE(link.ReadReports(buffer, sizeof buffer, &count));
  EXPECT_EQ(count, 0u);
}

TEST_F(LinkRead, OversizedLengthBytesAndByteCountsNeverRunPastTheBuffers) {
  OpenLink();
  // Two reports claiming 255 bytes each: clipped to 59 apiece, exactly filling 118.
  hid.QueueInput(Block(62, 10), 0xFF);
  hid.QueueInput(Block(62, 100), 0xFF);
  std::vector<uint8_t> buffer(118);
  uint32_t count = 0;
  ASSERT_TRUE(link.ReadReports(buffer.data(), 118, &count));
  EXPECT_EQ(count, 118u);
  EXPECT_EQ(buffer[58], 10 + 58);
  EXPECT_EQ(buffer[59], 100);

  // A byte count beyond the request is held to the request.
  hid.QueueInput(Block(59), 59);
  hid.bytesReturnedOverride = 100000;
  ASSERT_TRUE(link.ReadReports(buffer.data(), 59, &count));
  EXPECT_EQ(count, 59u);

  // A report cut short by the byte count gives only the bytes received.
  hid.QueueInput(Block(59), 59);
  hid.QueueInput(Block(59, 70), 59);
  hid.bytesReturnedOverride = 64 + 6;
  ASSERT_TRUE(link.ReadReports(buffer.data(), 118, &count));
  EXPECT_EQ(count, 59u + 4);
  EXPECT_EQ(buffer[59], 70);
  EXPECT_EQ(buffer[62], 73);

  // Fewer than two bytes of a report carry no length byte.
  hid.QueueInput(Block(5), 5);
  hid.bytesReturnedOverride = 1;
  ASSERT_TRUE(link.ReadReports(buffer.data(), 59, &count));
  EXPECT_EQ(count, 0u);
}

TEST_F(LinkRead, DrainInputDiscardsWhatIsWaiting) {
  link.DrainInput();  // no link: no library call
  EXPECT_TRUE(hid.calls.empty());

  OpenLink();
  for (int i = 0; i < 5; ++i) hid.QueueInput({0x2A});
  hid.maxReportRequest = 8;
  link.DrainInput();
  EXPECT_EQ(hid.QueuedReports(), 0u);
  EXPECT_EQ(hid.lastReadReports, 8u);

  // A library announcing an absurd request size is held to 512 reports.
  hid.maxReportRequest = 0xFFFFFFFF;
  link.DrainInput();
  EXPECT_EQ(hid.lastReadReports, kMaxReportsPerRead);
}

}  // namespace
}  // namespace vuriru::test
