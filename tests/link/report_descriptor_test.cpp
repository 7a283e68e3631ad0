// SPDX-License-Identifier: GPL-3.0-or-later
// Report sizes and ids read from report descriptors written out as bytes.

#include "link/report_descriptor.h"

#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vuriru::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

using Bytes = std::vector<uint8_t>;

ReportSizes Parse(const Bytes& descriptor) {
  ReportSizes sizes;
  std::string error;
  EXPECT_TRUE(ParseReportDescriptor(descriptor, &sizes, &error)) << error;
  return sizes;
}

std::string Refusal(const Bytes& descriptor) {
  std::string error;
  EXPECT_FALSE(ParseReportDescriptor(descriptor, nullptr, &error));
  return error;
}

// The link adapter's shape: vendor reports of 63 bytes, input 1, output 2
// for data and 0xFD for the connect report.
const Bytes kAdapter = {
    0x06, 0x00, 0xFF,        // Usage Page (vendor)
    0x09, 0x01,              // Usage
    0xA1, 0x01,              // Collection (Application)
    0x15, 0x00,              //   Logical Minimum 0
    0x26, 0xFF, 0x00,        //   Logical Maximum 255
    0x75, 0x08,              //   Report Size 8
    0x85, 0x01, 0x95, 0x3F,  //   Report ID 1, Report Count 63
    0x09, 0x01, 0x81, 0x02,  //   Usage, Input
    0x85, 0x02, 0x95, 0x3F,  //   Report ID 2, Report Count 63
    0x09, 0x01, 0x91, 0x02,  //   Usage, Output
    0x85, 0xFD, 0x95, 0x3F,  //   Report ID 0xFD, Report Count 63
    0x09, 0x01, 0x91, 0x02,  //   Usage, Output
    0xC0,                    // End Collection
};

TEST(ReportDescriptor, TheAdaptersReportsGiveA64ByteOutputBuffer) {
  const ReportSizes sizes = Parse(kAdapter);
  EXPECT_TRUE(sizes.numbered);
  EXPECT_THAT(sizes.input, UnorderedElementsAre(Pair(1, 63u)));
  EXPECT_THAT(sizes.output, UnorderedElementsAre(Pair(2, 63u), Pair(0xFD, 63u)));
  EXPECT_TRUE(sizes.feature.empty());
  EXPECT_EQ(sizes.OutputReportBufferLength(), 64u);
  EXPECT_EQ(DescribeReportSizes(sizes),
            "input 0x01: 63 bytes; output 0x02: 63 bytes, 0xFD: 63 bytes; no feature reports");
}

TEST(ReportDescriptor, SeveralIdsEachSumTheirOwnFieldsAndTheLargestOutputDecides) {
  const ReportSizes sizes = Parse({
      0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,  // a mouse-like application collection
      0x85, 0x01,                          // Report ID 1
      0x75, 0x01, 0x95, 0x03, 0x81, 0x02,  //   3 one-bit buttons
      0x75, 0x05, 0x95, 0x01, 0x81, 0x03,  //   5 bits of padding
      0x75, 0x08, 0x95, 0x02, 0x81, 0x06,  //   x and y
      0x85, 0x07,                          // Report ID 7
      0x75, 0x08, 0x95, 0x10, 0x91, 0x02,  //   16 output bytes
      0x85, 0x03,                          // Report ID 3
      0x96, 0x2C, 0x01, 0x91, 0x02,        //   300 output bytes (two-byte count)
      0x95, 0x04, 0xB1, 0x02,              //   and a 4-byte feature report
      0x85, 0x07,                          // Report ID 7 again
      0x95, 0x02, 0x91, 0x02,              //   2 more output bytes for it
      0xC0,
  });
  EXPECT_THAT(sizes.input, UnorderedElementsAre(Pair(1, 3u)));
  EXPECT_THAT(sizes.output, UnorderedElementsAre(Pair(3, 300u), Pair(7, 18u)));
  EXPECT_THAT(sizes.feature, UnorderedElementsAre(Pair(3, 4u)));
  EXPECT_EQ(sizes.OutputReportBufferLength(), 301u);
}

TEST(ReportDescriptor, UnnumberedReportsLieUnderIdZeroAndBitsRoundUpToBytes) {
  const ReportSizes sizes = Parse({
      0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  //
      0x75, 0x01, 0x95, 0x0C, 0x81, 0x02,        // 12 bits in
      0x75, 0x08, 0x95, 0x20, 0x91, 0x02,        // 32 bytes out
      0xC0,
  });
  EXPECT_FALSE(sizes.numbered);
  EXPECT_THAT(sizes.input, UnorderedElementsAre(Pair(0, 2u)));
  EXPECT_EQ(sizes.OutputReportBufferLength(), 33u);
  EXPECT_EQ(DescribeReportSizes(sizes), "input 2 bytes; output 32 bytes; no feature reports");
}

TEST(ReportDescriptor, PushAndPopRestoreSizesAndLongItemsAreSkipped) {
  const ReportSizes sizes = Parse({
      0x85, 0x02, 0x75, 0x08, 0x95, 0x3B,  // Report ID 2, 59 bytes
      0xA4,                                // Push
      0x75, 0x10, 0x95, 0x01,              //   one 16-bit field
      0xFE, 0x02, 0x99, 0x81, 0x02,        //   a long item whose data looks like an Input
      0x91, 0x02,                          //   Output: 2 bytes
      0xB4,                                // Pop: 8 bits x 59 again
      0x91, 0x02,                          // Output: 59 bytes
  });
  EXPECT_THAT(sizes.output, UnorderedElementsAre(Pair(2, 61u)));
  EXPECT_TRUE(sizes.input.empty());
}

TEST(ReportDescriptor, DescriptorsThatCannotBeRightAreRefusedWithTheReason) {
  EXPECT_THAT(Refusal({0x75, 0x08, 0x96, 0x3F}), HasSubstr("cut off at byte 2"));
  EXPECT_THAT(Refusal({0x09, 0x01, 0xFE, 0x05, 0x00, 0x01}), HasSubstr("long item cut off at byte 2"));
  EXPECT_THAT(Refusal({0x85, 0x00}), HasSubstr("report id 0"));
  EXPECT_THAT(Refusal({0x75, 0x08, 0xB4}), HasSubstr("Pop without a Push"));
  EXPECT_THAT(Refusal({0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x01, 0x91, 0x02}),
              HasSubstr("before the first report id"));
  // 0xFFFFFFFF bits of 0xFFFFFFFF fields would overflow 32 bits.
  EXPECT_THAT(Refusal({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02}),
              HasSubstr("larger than 16384 bytes"));
}

TEST(ReportDescriptor, AnEmptyDescriptorDeclaresNoReports) {
  const ReportSizes sizes = Parse({});
  EXPECT_TRUE(sizes.output.empty());
  EXPECT_EQ(sizes.OutputReportBufferLength(), 1u);
}

}  // namespace
}  // namespace vuriru::test
