// SPDX-License-Identifier: GPL-3.0-or-later
// The running log as CSV: the exact header and lines, RFC 4180 quoting of
// notes and versions, invalid runs with their bytes, and the times in UTC.

#include "runlog/run_log_csv.h"

#include <gtest/gtest.h>

#include "runlog/run_log_entries.h"

namespace vuriru {
namespace {

using testing::Entry;

TEST(RunLogCsv, HeaderAndLinesAreExactWithCrLf) {
  const std::vector<RunLogEntry> entries = {Entry(1, 72, 68, 81, 42), Entry(2, 0, 0, 0, 0)};
  EXPECT_EQ(RunLogCsv(entries),
            "time,kind,software,min_voltage_v,max_esc_temp_c,max_motor_temp_c,max_rpm,valid,raw,note\r\n"
            "2024-05-01T14:03:22Z,full,V3.12_240517,7.2,68,81,42000,1,4844512a,\r\n"
            "2024-05-02T14:03:22Z,full,V3.12_240517,0.0,0,0,0,0,00000000,\r\n");
  EXPECT_EQ(RunLogCsv({}), std::string(kRunLogCsvHeader) + "\r\n");
}

TEST(RunLogCsv, QuotesFieldsAsRfc4180Says) {
  EXPECT_EQ(CsvField("heat 3"), "heat 3");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("heat 3, FDR 4.2"), "\"heat 3, FDR 4.2\"");
  EXPECT_EQ(CsvField("the \"A\" main"), "\"the \"\"A\"\" main\"");
  EXPECT_EQ(CsvField("wet\ncold"), "\"wet\ncold\"");
  EXPECT_EQ(CsvField("line\r"), "\"line\r\"");
  EXPECT_EQ(CsvField("\""), "\"\"\"\"");
  // Neither blanks nor other punctuation are quoted.
  EXPECT_EQ(CsvField(" 17.5T; 'stock' "), " 17.5T; 'stock' ");

  RunLogEntry entry = Entry(1, 255, 151, 20, 201, "final, \"A\" main\r\nrain");
  entry.software = "V3,1";
  EXPECT_EQ(RunLogCsv(std::vector{entry}).substr(std::string(kRunLogCsvHeader).size() + 2),
            "2024-05-01T14:03:22Z,full,\"V3,1\",25.5,151,20,201000,0,ff9714c9,\"final, \"\"A\"\" main\r\nrain\"\r\n");
}

TEST(RunLogCsv, TimesAreUtcToTheSecond) {
  EXPECT_EQ(RunLogUtcTime(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(RunLogUtcTime(1'714'572'202'999), "2024-05-01T14:03:22Z");
  EXPECT_EQ(RunLogUtcTime(-1), "1969-12-31T23:59:59Z");
}

}  // namespace
}  // namespace vuriru
