// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "window/quit_question.h"
#include "window/refusal.h"

namespace vuriru {
namespace {

TEST(QuitQuestion, ATransferComesBeforeUnappliedEditsAndNamesItsRisk) {
  EXPECT_TRUE(QuitQuestion({}).empty());
  EXPECT_NE(QuitQuestion({Transaction::kNone, false, true}).find("Quit without applying them?"), std::string::npos);
  const std::string store = QuitQuestion({Transaction::kApply, false, true});
  EXPECT_NE(store.find("being stored"), std::string::npos);
  EXPECT_EQ(store.find("applying"), std::string::npos);
  EXPECT_NE(QuitQuestion({Transaction::kFirmware, false, false})
                .find("Closing now can leave the controller without working firmware."),
            std::string::npos);
  const std::string box = QuitQuestion({Transaction::kFirmware, true, false});
  EXPECT_NE(box.find("leave the RUZ Oviveru Ruv without working firmware"), std::string::npos);
  EXPECT_NE(QuitQuestion({Transaction::kReadCurves, false, false}).find("curves are being read"), std::string::npos);
  // The first read before the curves loses nothing worth a question.
  EXPECT_TRUE(QuitQuestion({Transaction::kRead, false, false}).empty());
}

TEST(RefusalReason, FollowsTheBusyCheckFromTheLinkUp) {
  SharedState state;  // start: no link, g_transferPending set
  EXPECT_NE(RefusalReason(state, WindowCommand::kApply).find("No link adapter"), std::string::npos);
  state.g_linkState = link_state::kOpen;
  EXPECT_NE(RefusalReason(state, WindowCommand::kApply).find("does not answer yet"), std::string::npos);
  state.g_adapterReady = 1;
  EXPECT_NE(RefusalReason(state, WindowCommand::kPage).find("No controller answers"), std::string::npos);
  state.g_escPresent = 1;
  EXPECT_NE(RefusalReason(state, WindowCommand::kPage).find("Busy"), std::string::npos);
  state.g_curveEditorOpen = 1;
  EXPECT_NE(RefusalReason(state, WindowCommand::kPage).find("curve editor"), std::string::npos);
  state.g_curveEditorOpen = 0;
  state.g_transferPending = 0;
  state.g_deviceType = device_type::kFull;
  EXPECT_TRUE(RefusalReason(state, WindowCommand::kDefault).empty());
  state.g_deviceType = device_type::kV1;
  EXPECT_TRUE(RefusalReason(state, WindowCommand::kPage).empty());
  EXPECT_NE(RefusalReason(state, WindowCommand::kExport).find("V1"), std::string::npos);
}

TEST(RefusalReason, BoxModeKeepsItsDevicePageAndRefusesTheRest) {
  SharedState state;
  state.g_linkState = link_state::kOpen;
  state.g_adapterReady = 1;
  state.g_lcdMode = true;
  state.g_deviceType = device_type::kFull;
  EXPECT_TRUE(RefusalReason(state, WindowCommand::kDevicePage).empty());
  EXPECT_NE(RefusalReason(state, WindowCommand::kPage).find("RUZ Oviveru Ruv"), std::string::npos);
}

}  // namespace
}  // namespace vuriru
