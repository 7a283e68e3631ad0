// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A V1 panel host that records what the panel asks of the engine, the
// firmware update and the progress dialog.

#include <functional>

#include <QApplication>

#include "widgets/v1/v1_panel_host.h"

namespace vuriru::testing {

inline void EnsureV1QtApplication() {
  static int argc = 1;
  static char arg0[] = "test_v1_ui";
  static char* argv[] = {arg0, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

class RecordingPanelHost : public V1PanelHost {
 public:
  bool IsBusy() const override { return false; }
  SharedState& State() override { return state; }
  int& ConfirmState() override { return confirmState; }
  V1ConnectionIndicators ConnectionIndicators() const override { return indicators; }
  void StartV1Read() override { ++reads; }
  void SendSettings() override {
    ++sends;
    if (onSend) onSend();
  }
  void SendFirmwareFile() override { ++firmwareStarts; }
  void ShowProgress() override { ++progressShown; }
  void FinishProgress() override { ++progressFinished; }
  void Beep() override { ++beeps; }

  int SentAnything() const { return reads + sends + firmwareStarts; }

  SharedState state;
  int confirmState = 0;
  V1ConnectionIndicators indicators{2, 2};
  int reads = 0;
  int sends = 0;
  int firmwareStarts = 0;
  int progressShown = 0;
  int progressFinished = 0;
  int beeps = 0;
  // Stands in for the engine's send routine, which takes the panel values.
  std::function<void()> onSend;
};

}  // namespace vuriru::testing
