// SPDX-License-Identifier: GPL-3.0-or-later
// Times the real main window on the offscreen platform and the real clock,
// against the simulated controller and box: cold start to the first paint,
// resident memory once the controller is read, the longest time the event
// loop was kept from turning during the first read, an Apply, a Default and
// a 60 KiB *.xut transfer to the box, and closing. The window must stay
// responsive: every turn should come within 10 ms.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/main_window.h"
#include "app/qt_scheduler.h"
#include "pages/device_info_page.h"
#include "sim/simulated_hid_library.h"
#include "window/unattended_dialogs.h"

namespace vuriru::bench {
namespace {

constexpr int kLimitMs = 60000;
constexpr size_t kImageBytes = 60 * 1024;
constexpr uint8_t kFirmwareKey = 0x5B;

// The longest interval between two turns of the event loop, measured with a
// zero timer, which fires whenever the loop has nothing else to do.
class TurnWatch {
 public:
  TurnWatch() {
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      const qint64 now = m_clock.nsecsElapsed();
      if (m_last >= 0) m_longestNs = std::max(m_longestNs, now - m_last);
      m_last = now;
    });
    m_clock.start();
  }
  void Start() {
    m_longestNs = 0;
    m_last = -1;
    m_timer.start();
  }
  double StopMs() {
    m_timer.stop();
    return static_cast<double>(m_longestNs) / 1e6;
  }

 private:
  QTimer m_timer;
  QElapsedTimer m_clock;
  qint64 m_last = -1;
  qint64 m_longestNs = 0;
};

bool RunUntil(const std::function<bool()>& done) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (waited.elapsed() > kLimitMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

double ResidentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

bool ReadDone(CQorProDlg& window) {
  const SharedState& state = window.State();
  return state.settingsRead == 1 && state.engineState == 2 && state.g_transferPending == 0 &&
         !window.Engine().IsWaiting();
}

std::string WriteBoxImage() {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "vuriru-window-bench.xut";
  std::ofstream out(path, std::ios::binary);
  for (size_t i = 0; i < kImageBytes; ++i) out.put(static_cast<char>(static_cast<uint8_t>(i * 7 + 3) ^ kFirmwareKey));
  return path.string();
}

int Run(const std::chrono::steady_clock::time_point started) {
  QtScheduler scheduler;
  SimulatedHidLibrary hid(scheduler);
  hid.AddAdapter(SimAdapterConfig{SimulatedHidLibrary::SimPath(0), SimTargetKind::kFull});
  UnattendedDialogs dialogs;
  TurnWatch turns;

  auto window = std::make_unique<CQorProDlg>(scheduler, hid, dialogs);
  bool painted = false;
  struct PaintSpy : QObject {
    bool* painted;
    explicit PaintSpy(bool* p) : painted(p) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) *painted = true;
      return false;
    }
  } spy(&painted);
  window->installEventFilter(&spy);
  if (!window->OnInitDialog()) {
    std::fprintf(stderr, "window_bench: the window's pictures are missing beside the program\n");
    return 1;
  }
  turns.Start();
  window->show();
  if (!RunUntil([&] { return painted; })) return 1;
  const double firstPaintMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();

  if (!RunUntil([&] { return ReadDone(*window); })) {
    std::fprintf(stderr, "window_bench: the first read did not end\n");
    return 1;
  }
  const double readGap = turns.StopMs();
  const double resident = ResidentMiB();

  turns.Start();
  window->OnApply();
  if (!RunUntil([&] { return ReadDone(*window); })) return 1;
  const double applyGap = turns.StopMs();

  turns.Start();
  window->OnDefault();
  if (!RunUntil([&] { return ReadDone(*window); })) return 1;
  const double defaultGap = turns.StopMs();

  QElapsedTimer closing;
  closing.start();
  window->close();
  window.reset();
  const double closeMs = static_cast<double>(closing.nsecsElapsed()) / 1e6;

  // The box: its own adapter, selected from the Device menu, then updated.
  hid.Pull(SimulatedHidLibrary::SimPath(0));
  SimulatedHidLibrary boxHid(scheduler);
  boxHid.AddAdapter(SimAdapterConfig{SimulatedHidLibrary::SimPath(0), SimTargetKind::kLcd});
  dialogs.firmwareFile = WriteBoxImage();
  window = std::make_unique<CQorProDlg>(scheduler, boxHid, dialogs);
  window->OnInitDialog();
  window->show();
  if (!RunUntil([&] { return window->State().g_adapterReady == 1; })) return 1;
  window->OnDeviceLcd();
  QElapsedTimer transfer;
  transfer.start();
  turns.Start();
  const size_t toldBefore = dialogs.told.size();
  window->DeviceInfoPage()->PressUpdate();
  if (!RunUntil([&] { return dialogs.told.size() > toldBefore; })) return 1;
  const double boxGap = turns.StopMs();
  const double boxSeconds = static_cast<double>(transfer.elapsed()) / 1000.0;
  std::filesystem::remove(dialogs.firmwareFile);

  std::printf("window_bench (offscreen, real clock, simulated devices)\n");
  std::printf("  cold start to first paint:              %8.1f ms\n", firstPaintMs);
  std::printf("  resident memory after the first read:   %8.1f MiB\n", resident);
  std::printf("  longest event-loop gap, first read:     %8.2f ms\n", readGap);
  std::printf("  longest event-loop gap, Apply:          %8.2f ms\n", applyGap);
  std::printf("  longest event-loop gap, Default:        %8.2f ms\n", defaultGap);
  std::printf("  longest event-loop gap, 60 KiB *.xut:   %8.2f ms  (transfer %.1f s: %s)\n", boxGap, boxSeconds,
              dialogs.told.back().c_str());
  std::printf("  closing the window:                     %8.2f ms\n", closeMs);
  return 0;
}

}  // namespace
}  // namespace vuriru::bench

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return vuriru::bench::Run(started);
}
