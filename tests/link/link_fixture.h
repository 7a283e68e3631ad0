// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A UsbLink over the recording fake, with a virtual-time scheduler and a
// fresh link state.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/event_loop_scheduler.h"
#include "link/link_state.h"
#include "link/usb_link.h"
#include "support/fake_hid_library.h"

namespace vuriru::test {

class LinkFixture : public ::testing::Test {
 protected:
  // Opens the link to the only adapter, then forgets the calls made so far.
  void OpenLink() {
    hid.devicePaths = {"/dev/hidraw3"};
    link.SetDevicePath("/dev/hidraw3");
    ASSERT_TRUE(link.ConnectLink());
    hid.calls.clear();
  }

  FakeHidLibrary hid;
  LinkState state;
  EventLoopScheduler scheduler;
  UsbLink link{hid, state, scheduler};
};

}  // namespace vuriru::test
