// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/report_descriptor.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vuriru {

namespace {

// Short item prefix: bits 0-1 size code (0, 1, 2 or 4 data bytes), bits 2-3
// type (0 main, 1 global, 2 local), bits 4-7 tag. 0xFE starts a long item.
constexpr uint8_t kLongItem = 0xFE;
constexpr uint8_t kTypeMain = 0;
constexpr uint8_t kTypeGlobal = 1;

constexpr uint8_t kMainInput = 0x8;
constexpr uint8_t kMainOutput = 0x9;
constexpr uint8_t kMainFeature = 0xB;

constexpr uint8_t kGlobalReportSize = 0x7;
constexpr uint8_t kGlobalReportId = 0x8;
constexpr uint8_t kGlobalReportCount = 0x9;
constexpr uint8_t kGlobalPush = 0xA;
constexpr uint8_t kGlobalPop = 0xB;

// The largest report the kernel's hidraw driver passes on.
constexpr uint64_t kMaxReportBits = 16384ull * 8;

struct GlobalState {
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint8_t reportId = 0;
};

uint32_t Largest(const std::map<uint8_t, uint32_t>& reports) {
  uint32_t largest = 0;
  for (const auto& [id, bytes] : reports) largest = std::max(largest, bytes);
  return largest;
}

std::string IdText(uint8_t id) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", id);
  return text;
}

std::string Describe(const char* kind, const std::map<uint8_t, uint32_t>& reports, bool numbered) {
  if (reports.empty()) return std::string("no ") + kind + " reports";
  std::string text = kind;
  bool first = true;
  for (const auto& [id, bytes] : reports) {
    text += first ? " " : ", ";
    first = false;
    if (numbered) text += IdText(id) + ": ";
    text += std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
  }
  return text;
}

}  // namespace

uint32_t ReportSizes::LargestInput() const {
  return Largest(input);
}

uint32_t ReportSizes::LargestOutput() const {
  return Largest(output);
}

bool ParseReportDescriptor(std::span<const uint8_t> descriptor, ReportSizes* sizes, std::string* error) {
  const auto fail = [error](std::string reason) {
    if (error) *error = std::move(reason);
    return false;
  };
  ReportSizes found;
  // Bits declared so far per kind and id; bytes are taken at the end, since
  // the fields of one report may be spread over several main items.
  std::map<uint8_t, uint64_t> bits[3];
  GlobalState global;
  std::vector<GlobalState> stack;

  size_t at = 0;
  while (at < descriptor.size()) {
    const uint8_t prefix = descriptor[at];
    if (prefix == kLongItem) {
      // Long items carry no sizes; skip the size byte, the tag byte and the data.
      if (at + 2 >= descriptor.size()) return fail("long item cut off at byte " + std::to_string(at));
      const size_t length = descriptor[at + 1];
      if (at + 3 + length > descriptor.size()) return fail("long item cut off at byte " + std::to_string(at));
      at += 3 + length;
      continue;
    }
    const size_t dataBytes = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
    if (at + 1 + dataBytes > descriptor.size()) return fail("item cut off at byte " + std::to_string(at));
    uint32_t value = 0;
    for (size_t i = 0; i < dataBytes; ++i) value |= static_cast<uint32_t>(descriptor[at + 1 + i]) << (8 * i);
    const uint8_t type = (prefix >> 2) & 0x3;
    const uint8_t tag = prefix >> 4;
    at += 1 + dataBytes;

    if (type == kTypeGlobal) {
      switch (tag) {
        case kGlobalReportSize:
          global.reportSize = value;
          break;
        case kGlobalReportCount:
          global.reportCount = value;
          break;
        case kGlobalReportId:
          if (value == 0 || value > 0xFF) return fail("report id " + std::to_string(value) + " is not allowed");
          global.reportId = static_cast<uint8_t>(value);
          found.numbered = true;
          break;
        case kGlobalPush:
          stack.push_back(global);
          break;
        case kGlobalPop:
          if (stack.empty()) return fail("Pop without a Push at byte " + std::to_string(at - 1 - dataBytes));
          global = stack.back();
          stack.pop_back();
          break;
        default:
          break;
      }
    } else if (type == kTypeMain && (tag == kMainInput || tag == kMainOutput || tag == kMainFeature)) {
      const int kind = tag == kMainInput ? 0 : tag == kMainOutput ? 1 : 2;
      uint64_t& total = bits[kind][global.reportId];
      total += static_cast<uint64_t>(global.reportSize) * global.reportCount;
      if (total > kMaxReportBits) {
        return fail("report " + std::to_string(global.reportId) + " is larger than 16384 bytes");
      }
    }
  }

  // Once a descriptor numbers its reports, a report declared before the first
  // id could never be told apart from the others.
  for (const auto& kind : bits) {
    if (found.numbered && kind.count(0)) return fail("a report is declared before the first report id");
  }
  std::map<uint8_t, uint32_t>* into[3] = {&found.input, &found.output, &found.feature};
  for (int kind = 0; kind < 3; ++kind) {
    for (const auto& [id, total] : bits[kind]) (*into[kind])[id] = static_cast<uint32_t>((total + 7) / 8);
  }
  if (sizes) *sizes = std::move(found);
  return true;
}

std::string DescribeReportSizes(const ReportSizes& sizes) {
  return Describe("input", sizes.input, sizes.numbered) + "; " + Describe("output", sizes.output, sizes.numbered) +
         "; " + Describe("feature", sizes.feature, sizes.numbered);
}

}  // namespace vuriru
