// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/v1_busy_rule.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

SharedState Idle(uint8_t linkState) {
  SharedState state;
  state.g_transferPending = 0;
  state.g_linkState = linkState;
  return state;
}

TEST(V1PanelBusyRule, RunningTransferOrCurveEditingIsBusyWhateverTheLink) {
  for (uint8_t link : {0, 1, 2, 3}) {
    SharedState pending = Idle(link);
    pending.g_transferPending = 1;
    EXPECT_TRUE(IsV1PanelBusy(pending, {2, 2})) << int(link);
    SharedState editing = Idle(link);
    editing.g_curveEditorOpen = 1;
    EXPECT_TRUE(IsV1PanelBusy(editing, {2, 2})) << int(link);
  }
}

TEST(V1PanelBusyRule, OpeningLinkNeedsBothIndicatorsConnected) {
  EXPECT_FALSE(IsV1PanelBusy(Idle(1), {2, 2}));
  EXPECT_TRUE(IsV1PanelBusy(Idle(1), {2, 1}));
  EXPECT_TRUE(IsV1PanelBusy(Idle(1), {0, 2}));
}

TEST(V1PanelBusyRule, OpenLinkIsBusyOnlyWhileAnIndicatorIsOff) {
  EXPECT_FALSE(IsV1PanelBusy(Idle(2), {2, 2}));
  EXPECT_FALSE(IsV1PanelBusy(Idle(2), {1, 1}));
  EXPECT_TRUE(IsV1PanelBusy(Idle(2), {0, 2}));
  EXPECT_TRUE(IsV1PanelBusy(Idle(2), {2, 0}));
}

TEST(V1PanelBusyRule, OtherLinkStatesAreNeverBusyByIndicators) {
  EXPECT_FALSE(IsV1PanelBusy(Idle(0), {0, 0}));
  EXPECT_FALSE(IsV1PanelBusy(Idle(5), {0, 0}));
}

}  // namespace
}  // namespace vuriru
