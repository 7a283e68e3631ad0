// SPDX-License-Identifier: GPL-3.0-or-later
#include "backend/hid_backend.h"

#include <vector>

#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "link/hidapi/hidapi_library.h"
#include "sim/lcd_box.h"
#include "sim/simulated_hid_library.h"

namespace vuriru {
namespace {

TEST(HidBackend, WithoutSimulateTheAttachedAdaptersAreUsedThroughHidapi) {
  EventLoopScheduler scheduler;
  const HidBackend backend = MakeHidBackend({}, scheduler);
  ASSERT_NE(backend.library, nullptr);
  EXPECT_EQ(backend.simulated, nullptr);
  EXPECT_EQ(backend.library.get(), backend.hidapi);
  EXPECT_FALSE(backend.error);
}

TEST(HidBackend, SimulateBuildsOneAdapterWithTheTargetAndTheFaults) {
  EventLoopScheduler scheduler;
  HidBackend backend = MakeHidBackend({"lcd", {"garbage", "pull-after=9"}}, scheduler);
  ASSERT_NE(backend.simulated, nullptr);
  EXPECT_EQ(backend.library.get(), backend.simulated);
  EXPECT_EQ(backend.hidapi, nullptr);
  EXPECT_FALSE(backend.error);
  ASSERT_EQ(backend.simulated->AdapterCount(), 1u);
  SimulatedAdapter& adapter = backend.simulated->Adapter(0);
  EXPECT_EQ(adapter.Path(), SimulatedHidLibrary::SimPath(0));
  EXPECT_NE(dynamic_cast<SimLcdBox*>(&adapter.Target()), nullptr);
  EXPECT_TRUE(adapter.Faults().Has(SimFault::kGarbage));
  EXPECT_TRUE(adapter.Faults().Has(SimFault::kPullAfterBytes));
  EXPECT_EQ(adapter.Faults().pullAfterBytes, 9u);
  EXPECT_FALSE(adapter.Faults().Has(SimFault::kNoAnswer));
}

// A refused choice still leaves a library for the link, and says what to fix
// and where --help lists the right names.
TEST(HidBackend, ARefusedChoiceSaysWhatAndWhereToLook) {
  EventLoopScheduler scheduler;
  const HidBackend unknownKind = MakeHidBackend({"toaster", {}}, scheduler);
  EXPECT_NE(unknownKind.library, nullptr);
  EXPECT_EQ(unknownKind.error.what, "unknown --simulate kind 'toaster'");
  EXPECT_EQ(unknownKind.error.helpTopic, "kinds");

  const HidBackend badFault = MakeHidBackend({"full", {"silent", "toast"}}, scheduler);
  EXPECT_NE(badFault.library, nullptr);
  EXPECT_EQ(badFault.error.what.rfind("--fault: ", 0), 0u) << badFault.error.what;
  EXPECT_NE(badFault.error.what.find("toast"), std::string::npos) << badFault.error.what;
  EXPECT_EQ(badFault.error.helpTopic, "fault names");
}

// The check a program runs before it starts says the same as the build.
TEST(HidBackend, TheCheckAgreesWithTheBuild) {
  EventLoopScheduler scheduler;
  const std::vector<HidBackendChoice> choices = {
      {},
      {"full", {}},
      {"v1-hgm", {"split-20"}},
      {"full", {"refuse-block=x"}},
      {"nothing", {}},
      {"", {"toast"}}  // faults without a simulated target are the program's to refuse
  };
  for (const HidBackendChoice& choice : choices) {
    const HidBackendError checked = CheckHidBackendChoice(choice);
    const HidBackend built = MakeHidBackend(choice, scheduler);
    EXPECT_EQ(checked.what, built.error.what) << choice.simulate;
    EXPECT_EQ(checked.helpTopic, built.error.helpTopic) << choice.simulate;
  }
  EXPECT_TRUE(CheckHidBackendChoice({"full", {"refuse-block=x"}}));
  EXPECT_FALSE(CheckHidBackendChoice({"v1-hgm", {"split-20"}}));
}

TEST(HidBackend, ASimulatedAdapterReportsItsRemovalUntilTheHandlerIsCleared) {
  EventLoopScheduler scheduler;
  HidBackend backend = MakeHidBackend({"full", {}}, scheduler);
  std::vector<DeviceChangeEvent> events;
  backend.ReportDeviceChanges([&events](const DeviceChangeEvent& event) { events.push_back(event); });
  const std::string path = SimulatedHidLibrary::SimPath(0);
  backend.simulated->Pull(path);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, DeviceChangeEvent::Kind::InterfaceRemoval);
  EXPECT_EQ(events[0].path, path);

  backend.ReportDeviceChanges({});
  backend.simulated->Plug(path);
  EXPECT_EQ(events.size(), 1u);
}

}  // namespace
}  // namespace vuriru
