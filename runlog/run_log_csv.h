// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running log as CSV: a header line, then one line per entry, oldest
// first. Fields are quoted as RFC 4180 says (a field holding a comma, a
// double quote, CR or LF is put in double quotes, its double quotes
// doubled) and every line ends in CR LF.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "library/run_log.h"

namespace vuriru {

inline constexpr const char* kRunLogCsvHeader =
    "time,kind,software,min_voltage_v,max_esc_temp_c,max_motor_temp_c,max_rpm,valid,raw,note";

// "2024-05-01T12:03:22Z".
std::string RunLogUtcTime(int64_t ms);

// One field as RFC 4180 writes it.
std::string CsvField(std::string_view text);

// The header and the entries, each line ending in CR LF.
std::string RunLogCsv(std::span<const RunLogEntry> entries);

// The values as the CSV, the JSON and the text print them: the voltage with
// its one decimal ("7.2"), the temperatures and the rpm as whole numbers.
std::string VoltsText(double volts);
std::string WholeText(double value);

}  // namespace vuriru
