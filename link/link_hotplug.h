// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does when the link adapter, or any other HID device, comes
// or goes: an arrival restarts the search for the adapter, the removal of the
// open adapter closes the link. The link's own part (the device, the device
// path, g_linkState, the connect timer) is done here; what it means for the
// rest of the program goes to a LinkChangeListener, which is the engine.

#include <string>

#include "common/scheduler.h"
#include "link/device_change.h"
#include "link/link_state.h"
#include "link/usb_link.h"

namespace vuriru {

class LinkChangeListener {
 public:
  virtual ~LinkChangeListener() = default;
  // An adapter arrived and the search for it restarts at 200 ms.
  virtual void OnAdapterArrived() = 0;
  // The removal of the open adapter is ignored altogether (the RUZ Oviveru Ruv
  // re-enumerates during its firmware update in its own mode).
  virtual bool IgnoresAdapterRemoval() const = 0;
  // The open adapter is closed but the program keeps its state (the box
  // restarts during an update started outside its mode).
  virtual bool KeepsStateThroughAdapterRemoval() const = 0;
  // The open adapter was removed and closed; `reset`: the link state is
  // already back to "no link" and the program returns to its start state.
  virtual void OnOpenAdapterRemoved(bool reset) = 0;
  // Serial-port arrival and removal.
  virtual void OnPortArrived() = 0;
  virtual void OnPortRemoved() = 0;
};

class LinkHotplug {
 public:
  LinkHotplug(UsbLink& link, LinkState& state, Scheduler& scheduler, LinkChangeListener& listener);

  void Handle(const DeviceChangeEvent& event);

  // A HID device interface arrived: look for the adapter again.
  void OnInterfaceArrival();
  // A HID device interface went away; `path` is its device path.
  void OnInterfaceRemoval(const std::string& path);

  // Serial-port arrival and removal. Nothing produces them on this platform;
  // they are kept for a port watcher that may come later.
  void OnPortArrival();
  void OnPortRemoval();

 private:
  bool IsOpenAdapter(const std::string& path);

  UsbLink& m_link;
  LinkState& m_state;
  Scheduler& m_scheduler;
  LinkChangeListener& m_listener;
};

}  // namespace vuriru
