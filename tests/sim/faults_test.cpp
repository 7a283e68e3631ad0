// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "block_protocol.h"
#include "link/report_descriptor.h"
#include "sim/starting_memory.h"

namespace vuriru::test {
namespace {

TEST(SimFaultNames, EveryNameParsesAndNumbersGoWhereTheyBelong) {
  for (const auto& info : SimFaultList()) {
    SimFault fault{};
    ASSERT_TRUE(ParseSimFault(info.name, &fault)) << info.name;
    EXPECT_EQ(fault, info.fault);
    EXPECT_EQ(SimFaultName(fault), info.name);
    EXPECT_NE(SimFaultHelp().find(info.name), std::string::npos);
  }
  SimFaults faults;
  std::string error;
  EXPECT_TRUE(ParseSimFaultArgument("pull-after=300", faults, &error));
  EXPECT_TRUE(faults.Has(SimFault::kPullAfterBytes));
  EXPECT_EQ(faults.pullAfterBytes, 300u);
  EXPECT_TRUE(ParseSimFaultArgument("refuse-block=0", faults, &error));
  EXPECT_EQ(faults.refusedBlock, 0u);
  EXPECT_TRUE(ParseSimFaultArgument("split-20", faults, &error));
  EXPECT_TRUE(faults.Has(SimFault::kSplit20));

  for (const char* bad : {"pull-after=", "pull-after=12x", "pull-after=-1", "split-20=2", "louder", ""}) {
    SimFaults untouched;
    error.clear();
    EXPECT_FALSE(ParseSimFaultArgument(bad, untouched, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
    EXPECT_FALSE(untouched.Any()) << bad;
  }
  SimTargetKind kind{};
  EXPECT_TRUE(ParseSimTarget("v1-hgm", &kind));
  EXPECT_EQ(kind, SimTargetKind::kV1Hgm);
  EXPECT_FALSE(ParseSimTarget("V1", &kind));
}

TEST(SimFaults, SilentAdapterAnswersNothingButStillHearsTheHost) {
  SimHarness h;
  h.adapter->Faults().Set(SimFault::kNoAnswer);
  h.Open();
  Bytes connect = {0xFD, 'C', 'O', 'N', 'N'};
  ASSERT_EQ(h.lib.HidDevice_SetOutputReport_Control(h.handle, connect.data(), 5), HID_DEVICE_SUCCESS);
  EXPECT_EQ(h.Exchange({0xD5}), Bytes{});
  EXPECT_EQ(h.Read(1000), Bytes{});
  EXPECT_EQ(h.Memory().writes.size(), 1u);
}

TEST(SimFaults, NoVersionAnswerSilencesOnlyTheVersionRequest) {
  for (SimTargetKind kind : {SimTargetKind::kFull, SimTargetKind::kV1}) {
    SimHarness h(kind);
    h.adapter->Faults().Set(SimFault::kNoVersionAnswer);
    h.Open();
    EXPECT_EQ(h.Exchange({0xD7}), Bytes{});
    EXPECT_EQ(h.Exchange({0xD5}).size(), 1u);
    EXPECT_FALSE(h.Exchange({0xD8}).empty());
  }
}

TEST(SimFaults, SplitAnswersArriveAsTwentyBytePiecesOnePerGap) {
  SimHarness h;
  h.adapter->Faults().Set(SimFault::kSplit20);
  h.Open();
  h.Write({0xD8});
  h.scheduler.AdvanceBy(10);
  auto reports = h.ReadReports();
  ASSERT_EQ(reports.size(), 1u);
  const Bytes settings = FullStartingMemory().settings;
  EXPECT_EQ(reports[0], Bytes(settings.begin(), settings.begin() + 20));
  h.scheduler.AdvanceBy(100);
  reports = h.ReadReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].size(), 15u);

  // 123 bytes: six pieces of 20 and one of 3, the last 600 ms after the first.
  h.Write({0xDE});
  EXPECT_EQ(h.Read(10).size(), 20u);
  EXPECT_EQ(h.Read(593).size(), 100u);
  EXPECT_EQ(h.Read(1).size(), 3u);
}

TEST(SimFaults, BadCurveCheckSpoilsOnlyTheCheckBytes) {
  SimHarness h;
  h.adapter->Faults().Set(SimFault::kBadCurveCheck);
  h.Open();
  const Bytes reply = h.Exchange({0xDB});
  ASSERT_EQ(reply.size(), 123u);
  EXPECT_EQ(Bytes(reply.begin() + 1, reply.begin() + 121), FullStartingMemory().curves[kSimCurveBrake]);
  const auto [quotient, remainder] = SimCurveCheck(reply.data() + 1);
  EXPECT_TRUE(reply[121] != quotient || reply[122] != remainder);
}

TEST(SimFaults, FirstStoreAttemptGoesUnacknowledgedThenTheRepeatIsTaken) {
  SimHarness full;
  full.adapter->Faults().Set(SimFault::kNoFirstAck);
  full.Open();
  EXPECT_EQ(full.Exchange({0xA4, 0x00}), Bytes{});
  EXPECT_EQ(full.Exchange({0xA4, 0x00}), kAck);

  SimHarness v1(SimTargetKind::kV1);
  v1.adapter->Faults().Set(SimFault::kNoFirstAck);
  v1.Open();
  EXPECT_EQ(v1.Exchange({0xE2, 0x00}), Bytes{});
  EXPECT_EQ(v1.Exchange({0xD8})[2], 2);  // not kept either
  EXPECT_EQ(v1.Exchange({0xE2, 0x00}), kAck);
  EXPECT_EQ(v1.Exchange({0xD8})[2], 0);
}

TEST(SimFaults, GarbageReportPrecedesEveryThirdAnswerAndKeepsTheStride) {
  SimHarness h;
  h.adapter->Faults().Set(SimFault::kGarbage);
  h.Open();
  for (int i = 0; i < 6; ++i) h.Write({0xD5});
  h.scheduler.AdvanceBy(10);
  const auto reports = h.ReadReports();
  ASSERT_EQ(reports.size(), 8u);
  // Answers 3 and 6 each come after a junk report.
  for (size_t i : {0, 1, 3, 4, 5, 7}) EXPECT_EQ(reports[i], Bytes{0x2A}) << i;
  EXPECT_NE(reports[2], Bytes{0x2A});
  EXPECT_NE(reports[6], Bytes{0x2A});
}

TEST(SimFaults, AdapterPulledAfterNBytesFailsAtOnceAndAnnouncesItFromTheEventLoop) {
  SimHarness h;
  std::vector<DeviceChangeEvent> events;
  h.lib.SetDeviceChangeHandler([&](const DeviceChangeEvent& e) { events.push_back(e); });
  h.adapter->Faults().Set(SimFault::kPullAfterBytes);
  h.adapter->Faults().pullAfterBytes = 100;
  h.Open();
  EXPECT_EQ(h.WriteReport(Bytes(59, 0xD5)), HID_DEVICE_SUCCESS);
  EXPECT_EQ(h.WriteReport(Bytes(59, 0xD5)), HID_DEVICE_SUCCESS);  // crosses 100: the last to get out
  EXPECT_EQ(h.Memory().writes.size(), 2u);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(h.WriteReport({0xD5}), HID_DEVICE_TRANSFER_FAILED);
  EXPECT_EQ(h.lib.HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId), 0u);

  h.scheduler.AdvanceBy(0);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, DeviceChangeEvent::Kind::InterfaceRemoval);
  EXPECT_EQ(events[0].path, h.adapter->Path());
  h.ReadReports();
  EXPECT_EQ(h.lastResult, HID_DEVICE_TRANSFER_FAILED);
}

TEST(SimFaults, PullEventPostedAfterTheLibraryIsGoneIsDropped) {
  EventLoopScheduler scheduler;
  bool called = false;
  {
    SimulatedHidLibrary lib(scheduler);
    SimulatedAdapter& adapter = lib.AddAdapter({});
    adapter.Faults().Set(SimFault::kPullAfterBytes);
    adapter.Faults().pullAfterBytes = 1;
    lib.SetDeviceChangeHandler([&](const DeviceChangeEvent&) { called = true; });
    HID_DEVICE handle = nullptr;
    ASSERT_EQ(lib.HidDevice_Open(&handle, 0, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_SUCCESS);
    Bytes report(64, 0);
    report[0] = 2;
    report[1] = 1;
    report[2] = 0xD5;
    lib.HidDevice_SetOutputReport_Interrupt(handle, report.data(), 64);
  }
  scheduler.AdvanceBy(1);
  EXPECT_FALSE(called);
}

TEST(SimFaults, RefusedFirmwareBlockOrRecordIsNotKept) {
  SimHarness lcd(SimTargetKind::kLcd);
  lcd.adapter->Faults().Set(SimFault::kBlockRefused);  // block 1, the second
  lcd.Open();
  lcd.Write({0xD3});
  lcd.Read(50);
  const auto answers = SendBlockImage(lcd, TestImage(1300));
  ASSERT_GE(answers.size(), 3u);
  EXPECT_EQ(answers[1], kOk);
  EXPECT_EQ(answers[2], (Bytes{'e', 'r'}));
  EXPECT_TRUE(lcd.Memory().firmwareImage.empty());

  SimHarness full;
  full.adapter->Faults().Set(SimFault::kBlockRefused);
  full.adapter->Faults().refusedBlock = 0;
  full.Open();
  full.Exchange({0xD6});
  EXPECT_EQ(full.Exchange({0x00, 0x01, 0x55}), Bytes{0x12});
  EXPECT_EQ(full.Exchange({0xD5}), Bytes{0x2A});
  EXPECT_TRUE(full.Memory().firmwareImage.empty());
}

TEST(SimFaults, AccessDeniedRefusesEveryOpenButTheDiagnosisStillSeesTheAdapter) {
  SimHarness h;
  h.adapter->Faults().Set(SimFault::kAccessDenied);
  HID_DEVICE handle = nullptr;
  EXPECT_EQ(h.lib.HidDevice_Open(&handle, 0, kLinkVendorId, kLinkProductId, 512), HID_DEVICE_ACCESS_DENIED);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(h.lib.OpenHandles(), 0u);
  const std::vector<AdapterFacts> adapters = h.lib.InspectAdapters();
  ASSERT_EQ(adapters.size(), 1u);
  ASSERT_TRUE(adapters[0].access);
  EXPECT_FALSE(adapters[0].access->readWrite);

  // Access granted: the next open succeeds.
  h.adapter->Faults().Set(SimFault::kAccessDenied, false);
  h.Open();
}

TEST(SimAdapterFacts, TheDescriptorGivesTheAdaptersReportLength) {
  for (uint16_t length : {uint16_t{61}, kSimReportLength, uint16_t{300}}) {
    ReportSizes sizes;
    ASSERT_TRUE(ParseReportDescriptor(SimReportDescriptor(length), &sizes, nullptr)) << length;
    EXPECT_EQ(sizes.OutputReportBufferLength(), length);
    EXPECT_EQ(sizes.LargestInput() + 1, length);
    EXPECT_EQ(sizes.output.count(2), 1u);
    EXPECT_EQ(sizes.output.count(0xFD), 1u);
  }
}

}  // namespace
}  // namespace vuriru::test
