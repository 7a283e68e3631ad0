// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A HidLibrary whose input reports are whatever the fuzz input says: one link
// adapter that opens, takes every output report, and hands out the queued
// input reports in order, at most as many as a read asks for. The input can
// also make writes, reads and opens fail, cut a read short, change how many
// reports one read may return, and pull the adapter out and plug it back.
// Lean on purpose: it records nothing, so that every input runs fast.

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "link/hid_device.h"

namespace vuriru::fuzz {

class ScriptedHidLibrary : public HidLibrary {
 public:
  static constexpr const char* kPath = "/dev/hidraw-fuzz";
  // Report id byte included, as the simulated adapter has it.
  static constexpr uint16_t kReportLength = 64;

  // Queues one input report: the length byte as given (it may lie), the
  // payload cut to what a report holds.
  void QueueReport(uint8_t lengthByte, std::span<const uint8_t> payload);
  // Queues a reply as the adapter would split it: 59 bytes per report.
  void QueueReply(std::span<const uint8_t> reply);
  size_t QueuedReports() const { return m_input.size(); }

  // Faults, each counting down as it strikes.
  uint32_t failingWrites = 0;
  uint32_t failingReads = 0;
  uint32_t failingOpens = 0;
  // The next read reports this many bytes fewer than it delivered.
  uint32_t shortReadBytes = 0;
  uint32_t maxReportRequest = 16;
  bool plugged = true;

  // Output reports taken since the start.
  uint64_t writes = 0;

  uint32_t HidDevice_GetNumHidDevices(uint16_t vid, uint16_t pid) override;
  HidResult HidDevice_GetHidString(uint32_t deviceIndex, uint16_t vid, uint16_t pid, uint8_t hidStringType,
                                   char* deviceString, uint32_t deviceStringLength) override;
  HidResult HidDevice_Open(HID_DEVICE* device, uint32_t deviceIndex, uint16_t vid, uint16_t pid,
                           uint32_t numInputBuffers) override;
  bool HidDevice_IsOpened(HID_DEVICE device) override;
  uint16_t HidDevice_GetOutputReportBufferLength(HID_DEVICE device) override;
  HidResult HidDevice_SetOutputReport_Control(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) override;
  void HidDevice_SetTimeouts(HID_DEVICE device, uint32_t getReportTimeout, uint32_t setReportTimeout) override;
  HidResult HidDevice_SetOutputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize) override;
  uint32_t HidDevice_GetMaxReportRequest(HID_DEVICE device) override;
  HidResult HidDevice_GetInputReport_Interrupt(HID_DEVICE device, uint8_t* buffer, uint32_t bufferSize,
                                               uint32_t numReports, uint32_t* bytesReturned) override;
  HidResult HidDevice_GetString(HID_DEVICE device, uint8_t hidStringType, char* deviceString,
                                uint32_t deviceStringLength) override;
  HidResult HidDevice_Close(HID_DEVICE device) override;

 private:
  struct Report {
    uint8_t lengthByte = 0;
    std::vector<uint8_t> payload;
  };

  // The open handle, while its adapter is still plugged in.
  bool Live(HID_DEVICE device) const { return m_open && device == &m_handle && plugged; }
  static HidResult CopyPath(char* deviceString, uint32_t deviceStringLength);

  std::deque<Report> m_input;
  bool m_open = false;
  uint8_t m_handle = 0;
};

}  // namespace vuriru::fuzz
