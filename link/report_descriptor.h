// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a HID report descriptor far enough to know the size of every report a
// device sends and takes: whether it numbers its reports, and for each report
// id the bytes of its input, output and feature report. The link's output
// report buffer is the largest output report plus the report id byte, which a
// write carries first even on a device that numbers no reports.

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace vuriru {

struct ReportSizes {
  // Bytes of each report by its id, the id byte not counted. A device that
  // numbers no reports has its one report of each kind under id 0.
  std::map<uint8_t, uint32_t> input;
  std::map<uint8_t, uint32_t> output;
  std::map<uint8_t, uint32_t> feature;
  bool numbered = false;

  uint32_t LargestInput() const;
  uint32_t LargestOutput() const;
  // The largest output report plus 1 for the report id: what one write takes.
  uint32_t OutputReportBufferLength() const { return LargestOutput() + 1; }
};

// Fills `sizes` from the descriptor's items. False, with the reason in
// `error`, for a descriptor that cannot be right: an item cut off by the end,
// report id 0, a Pop without a Push, a report declared before the first
// report id, or a report of more than 16384 bytes.
bool ParseReportDescriptor(std::span<const uint8_t> descriptor, ReportSizes* sizes, std::string* error);

// "input 0x01: 63 bytes; output 0x02: 63 bytes, 0xFD: 4 bytes; no feature
// reports". Ids are left out when the device numbers none.
std::string DescribeReportSizes(const ReportSizes& sizes);

}  // namespace vuriru
