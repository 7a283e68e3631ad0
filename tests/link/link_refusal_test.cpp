// SPDX-License-Identifier: GPL-3.0-or-later
// An adapter that is there but refused: the link remembers its node, notices
// it once, keeps searching and opens by itself once the refusal is gone; the
// message names the node and the fix.

#include "link/link_refusal.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "link/link_fixture.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

namespace fs = std::filesystem;

class LinkRefusalTest : public LinkFixture {
 protected:
  LinkRefusalTest() {
    hid.devicePaths = {"/dev/hidraw3"};
    link.SetDevicePath("/dev/hidraw3");
    scheduler.StartTimer(timer_id::kConnect, 500);
  }

  void Refuse(HidResult result) {
    hid.openSucceeds = false;
    hid.openFailure = result;
  }
};

TEST_F(LinkRefusalTest, ADeniedNodeIsRememberedAndNoticedOnceWhileTheSearchGoesOn) {
  Refuse(HID_DEVICE_ACCESS_DENIED);
  for (int attempt = 0; attempt < 3; ++attempt) {
    EXPECT_FALSE(link.ConnectLink());
    EXPECT_EQ(link.Refusal(), LinkRefusal::kAccessDenied);
    EXPECT_EQ(link.RefusedNode(), "/dev/hidraw3");
    EXPECT_EQ(link.TakeRefusalNotice(), attempt == 0) << attempt;
  }
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_TRUE(scheduler.IsTimerRunning(timer_id::kConnect));
  EXPECT_EQ(hid.openHandles, 0);

  // Access granted (the rule installed, the adapter plugged in again): the
  // next tick opens it and the refusal is forgotten.
  hid.openSucceeds = true;
  EXPECT_TRUE(link.ConnectLink());
  EXPECT_EQ(link.Refusal(), LinkRefusal::kNone);
  EXPECT_EQ(link.RefusedNode(), "");
  EXPECT_FALSE(link.TakeRefusalNotice());
}

TEST_F(LinkRefusalTest, ANewNodeOrAnAdapterThatWasGoneIsNoticedAgain) {
  Refuse(HID_DEVICE_ACCESS_DENIED);
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_TRUE(link.TakeRefusalNotice());

  // Pulled out: no adapter at the path, nothing refused.
  hid.devicePaths.clear();
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(link.Refusal(), LinkRefusal::kNone);
  EXPECT_FALSE(link.TakeRefusalNotice());

  // Plugged in again, still without access: said again.
  hid.devicePaths = {"/dev/hidraw3"};
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_TRUE(link.TakeRefusalNotice());

  // Another node.
  hid.devicePaths = {"/dev/hidraw8"};
  link.SetDevicePath("/dev/hidraw8");
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(link.RefusedNode(), "/dev/hidraw8");
  EXPECT_TRUE(link.TakeRefusalNotice());
}

TEST_F(LinkRefusalTest, OtherOpenFailuresAreNoRefusal) {
  Refuse(HID_DEVICE_SYSTEM_CODE);
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(link.Refusal(), LinkRefusal::kNone);
  EXPECT_FALSE(link.TakeRefusalNotice());

  Refuse(HID_DEVICE_REPORTS_TOO_SHORT);
  EXPECT_FALSE(link.ConnectLink());
  EXPECT_EQ(link.Refusal(), LinkRefusal::kReportsTooShort);
  EXPECT_TRUE(link.TakeRefusalNotice());
}

TEST_F(LinkRefusalTest, TheConnectReportsRouteIsKeptAndNoted) {
  std::vector<std::string> notes;
  link.SetTraceNote([&notes](const std::string& note) { notes.push_back(note); });
  hid.controlRoute = ReportRoute::kInterruptOut;
  ASSERT_TRUE(link.ConnectLink());
  EXPECT_EQ(link.ConnectReportRoute(), ReportRoute::kInterruptOut);
  EXPECT_THAT(notes, ::testing::ElementsAre("connect report over the interrupt OUT endpoint"));
}

TEST(LinkRefusalMessage, AccessDeniedNamesTheNodeAndTheRuleCommandsOrTheInstalledRule) {
  const std::string missing = LinkRefusalMessage(LinkRefusal::kAccessDenied, "/dev/hidraw3", {});
  EXPECT_THAT(missing, HasSubstr("may not open its device node /dev/hidraw3 (permission denied)"));
  EXPECT_THAT(missing, HasSubstr("sudo apt install ./vuriru-link_*.deb"));
  EXPECT_THAT(missing, HasSubstr("| sudo tee /etc/udev/rules.d/70-vuriru-link.rules\n"));
  EXPECT_THAT(missing,
              HasSubstr("  sudo udevadm control --reload-rules\n  sudo udevadm trigger --subsystem-match=hidraw\n"));
  EXPECT_THAT(missing, HasSubstr("unplug the adapter and plug it in again"));

  const std::string installed =
      LinkRefusalMessage(LinkRefusal::kAccessDenied, "/dev/hidraw3", "/usr/lib/udev/rules.d/70-vuriru-link.rules");
  EXPECT_THAT(installed,
              HasSubstr("although the udev rule is installed as /usr/lib/udev/rules.d/70-vuriru-link.rules"));
  EXPECT_THAT(installed, Not(HasSubstr("sudo tee")));

  EXPECT_THAT(LinkRefusalMessage(LinkRefusal::kReportsTooShort, "/dev/hidraw9", {}),
              HasSubstr("The device at /dev/hidraw9 has the link adapter's USB id, but its reports are too short"));
  EXPECT_EQ(LinkRefusalMessage(LinkRefusal::kNone, "/dev/hidraw3", {}), "");
}

TEST(LinkRefusalMessage, TheRuleInTheCommandsIsTheOneThePackageInstalls) {
  std::ifstream in(fs::path(VURIRU_SOURCE_DIR) / "packaging" / kUdevRuleFileName);
  ASSERT_TRUE(in);
  std::string line;
  std::string rule;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') rule = line;
  }
  EXPECT_EQ(rule, kUdevRule);
}

TEST(LinkRefusalMessage, TheRuleIsFoundInTheFirstFolderThatHoldsIt) {
  const fs::path root = fs::temp_directory_path() / ("vuriru-rules-" + std::to_string(getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "etc");
  fs::create_directories(root / "lib");
  EXPECT_EQ(FindUdevRule({root / "etc", root / "lib"}), fs::path());
  std::ofstream(root / "lib" / kUdevRuleFileName) << kUdevRule << "\n";
  EXPECT_EQ(FindUdevRule({root / "etc", root / "lib"}), root / "lib" / kUdevRuleFileName);
  std::ofstream(root / "etc" / kUdevRuleFileName) << kUdevRule << "\n";
  EXPECT_EQ(FindUdevRule({root / "etc", root / "lib"}), root / "etc" / kUdevRuleFileName);
  fs::remove_all(root);
}

}  // namespace
}  // namespace vuriru::test
