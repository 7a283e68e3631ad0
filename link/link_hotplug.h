#pragma once
// What the program does when the link adapter, or any other HID device, comes
// or goes: an arrival restarts the search for the adapter, the removal of the
// open adapter closes the link and returns the program to its no-link state.
// Plain C++ on SharedState, UsbLink and the Scheduler; the window's part
// (indicators, pages) goes through LinkHotplugHost.

#include <string>

#include "common/scheduler.h"
#include "common/shared_state.h"
#include "link/device_change.h"
#include "link/usb_link.h"

namespace vuriru {

class LinkHotplugHost {
 public:
  virtual ~LinkHotplugHost() = default;
  // Redraw the USB and ESC status indicators.
  virtual void RedrawIndicators() = 0;
  // Hide the pages, reload the background and show the start page. The page
  // numbers in SharedState are already set when this is called.
  virtual void ShowStartPage() = 0;
  // The open adapter was removed and its link closed. A firmware transfer that
  // was running cannot go on; the engine ends it with a message.
  virtual void OpenAdapterRemoved() = 0;
};

class LinkHotplug {
 public:
  LinkHotplug(UsbLink& link, SharedState& state, Scheduler& scheduler, LinkHotplugHost& host);

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
  SharedState& m_state;
  Scheduler& m_scheduler;
  LinkHotplugHost& m_host;
};

}  // namespace vuriru
