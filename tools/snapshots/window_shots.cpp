// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/snapshots/window_shots.h"

#include <memory>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/main_window.h"
#include "common/event_loop_scheduler.h"
#include "library/library.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "sim/sim_target_factory.h"
#include "sim/simulated_hid_library.h"
#include "widgets/curves/curve_lines.h"
#include "widgets/history/history_dlg.h"
#include "widgets/history/review_text.h"
#include "widgets/kit/about_dlg.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/language.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"
#include "window/user_dialogs.h"

namespace vuriru::snapshots {
namespace {

// Every question is answered yes; no file is ever chosen.
class AgreeingDialogs : public UserDialogs {
 public:
  Answer Ask(const UserText&, const std::string&, QuestionButtons buttons) override {
    return buttons == QuestionButtons::kYesNo ? Answer::kYes : Answer::kOk;
  }
  void Tell(const UserText&, const std::string&, MessageIcon) override {}
  std::string ChooseSaveFile(std::string_view) override { return {}; }
  std::string ChooseOpenFile(std::string_view, std::string_view) override { return {}; }
};

// The window on the virtual clock with one simulated adapter, or none.
class WindowOnSimulator {
 public:
  explicit WindowOnSimulator(std::optional<SimTargetKind> target) {
    if (target) {
      SimAdapterConfig config;
      config.path = SimulatedHidLibrary::SimPath(0);
      config.target = *target;
      hid.AddAdapter(config);
    }
    window = std::make_unique<CQorProDlg>(clock, hid, dialogs);
    hid.SetDeviceChangeHandler([this](const DeviceChangeEvent& event) { window->OnDeviceChange(event); });
  }
  ~WindowOnSimulator() { hid.SetDeviceChangeHandler({}); }

  bool Start() {
    if (!window->OnInitDialog()) return false;
    window->show();
    return true;
  }
  bool RunUntil(const std::function<bool()>& done) {
    const bool reached = clock.RunUntil(done, 60000);
    QApplication::processEvents();
    return reached;
  }
  bool ReadDone() {
    const SharedState& state = window->State();
    return state.settingsRead == 1 && state.engineState == 2 && !window->Engine().IsWaiting() &&
           state.g_transferPending == 0;
  }
  bool StartAndRead() {
    return Start() && RunUntil([this] { return ReadDone(); });
  }

  EventLoopScheduler clock{EventLoopScheduler::Clock::kVirtual};
  SimulatedHidLibrary hid{clock};
  AgreeingDialogs dialogs;
  std::unique_ptr<CQorProDlg> window;
};

void Press(QWidget* to, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(to, &press);
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void StartShot(Snapshots& shots) {
  WindowOnSimulator sim(std::nullopt);
  if (!sim.Start()) return shots.Fail(QStringLiteral("the window did not start"));
  sim.clock.AdvanceBy(1000);
  Settle();
  shots.Save(*sim.window, QStringLiteral("window-start"));
}

void PageShots(Snapshots& shots) {
  WindowOnSimulator sim(SimTargetKind::kFull);
  if (!sim.StartAndRead()) return shots.Fail(QStringLiteral("the simulated controller was not read"));
  CQorProDlg& window = *sim.window;
  Settle();
  shots.Save(window, QStringLiteral("window-read"));
  const char* const names[] = {"device", "general", "throttle", "brake", "boost", "turbo", "data"};
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) {
    window.OnPageButton(page);
    Settle();
    shots.Save(window, QStringLiteral("window-%1").arg(QLatin1String(names[page - 1])));
  }

  // Lists: a short one whole, a long one scrolling.
  window.OnPageButton(page::kGeneral);
  CGeneral& general = *window.GeneralPage();
  general.OpenList(general.RowOf(Setting::EscHeatProtect));
  Settle();
  shots.Save(window, QStringLiteral("window-general-list-short"));
  general.OpenList(general.RowOf(Setting::VoltageCutoff));
  Settle();
  shots.Save(window, QStringLiteral("window-general-list-long"));
  general.CloseAllLists();

  // From the keyboard: Tab to a value label, Space opens its list, Down
  // moves the highlight.
  window.activateWindow();
  general.ValueLabel(general.RowOf(Setting::RaceMode))->setFocus(Qt::TabFocusReason);
  Settle();
  shots.Save(window, QStringLiteral("window-general-label-focus"));
  const size_t deadBand = general.RowOf(Setting::DeadBand);
  general.ValueLabel(deadBand)->setFocus(Qt::TabFocusReason);
  Press(general.ValueLabel(deadBand), Qt::Key_Space);
  Press(general.OptionList(deadBand), Qt::Key_Down);
  Press(general.OptionList(deadBand), Qt::Key_Down);
  Settle();
  shots.Save(window, QStringLiteral("window-general-list-keys"));
  Press(general.OptionList(deadBand), Qt::Key_Escape);

  // Each curve editor, opened by its page's "Custom".
  window.OnPageButton(page::kThrottle);
  window.ThrottlePage()->ChooseOption(window.ThrottlePage()->RowOf(Setting::ThCurve), 1);
  Settle();
  shots.Save(window, QStringLiteral("window-curve-throttle"));
  window.ThrottlePage()->Editor()->Button(button_id::kCancel)->click();
  window.OnPageButton(page::kBrake);
  window.BrakePage()->ChooseOption(window.BrakePage()->RowOf(Setting::BrakeCurve), 1);
  Settle();
  shots.Save(window, QStringLiteral("window-curve-brake"));
  window.BrakePage()->Editor()->Button(button_id::kCancel)->click();
  window.OnPageButton(page::kBoost);
  window.BoostPage()->ChooseOption(window.BoostPage()->RowOf(Setting::BoostSlope), 1);
  Settle();
  shots.Save(window, QStringLiteral("window-curve-boost"));
  window.BoostPage()->Editor()->Button(button_id::kCancel)->click();
  Settle();

  // Apply, caught while the curves go out.
  window.OnPageButton(page::kGeneral);
  window.OnApply();
  const SharedState& state = window.State();
  const bool midway = sim.RunUntil([&] {
    return window.ProgressDialog()->isVisible() && state.g_progressRange > 0 &&
           state.g_progressPos * 100 / state.g_progressRange >= 45;
  });
  if (!midway) return shots.Fail(QStringLiteral("the Apply transfer was not caught midway"));
  Settle();
  shots.Save(window, QStringLiteral("window-progress"));
}

void V1Shot(Snapshots& shots) {
  WindowOnSimulator sim(SimTargetKind::kV1Bec);
  if (!sim.Start()) return shots.Fail(QStringLiteral("the window did not start"));
  const bool shown = sim.RunUntil([&] { return !sim.window->V1Panel()->isHidden() && sim.ReadDone(); });
  if (!shown) return shots.Fail(QStringLiteral("the V1 panel was not shown"));
  Settle();
  shots.Save(*sim.window, QStringLiteral("window-v1"));
  // The thirteen-setting layout, which no controller selects, in the same place.
  sim.window->V1Panel()->hide();
  sim.window->CnV1Panel()->show();
  Settle();
  shots.Save(*sim.window, QStringLiteral("window-v1-thirteen"));
}

void BoxShot(Snapshots& shots) {
  WindowOnSimulator sim(SimTargetKind::kNone);
  if (!sim.Start()) return shots.Fail(QStringLiteral("the window did not start"));
  sim.RunUntil([&] { return sim.window->State().g_adapterReady == 1; });
  sim.window->OnDeviceLcd();
  Settle();
  shots.Save(*sim.window, QStringLiteral("window-lcd"));
}

void AboutShot(Snapshots& shots) {
  CAboutDlg about;
  about.show();
  Settle();
  shots.Save(about, QStringLiteral("about"));
}

// The History window over a library with a setup and the read's snapshot,
// the snapshot chosen while the edited values differ from it; and the Apply
// question with the list of what it changes, as the window's box shows it.
void HistoryShots(Snapshots& shots) {
  QTemporaryDir folder;
  Library library(QDir(folder.path()).filePath(QStringLiteral("library.sqlite3")).toStdString());
  WindowOnSimulator sim(SimTargetKind::kFull);
  sim.window->KeepHistoryIn(library);
  if (!sim.StartAndRead()) return shots.Fail(QStringLiteral("the simulated controller was not read"));
  CQorProDlg& window = *sim.window;
  const EscData read = window.Controller().EditedData();
  library.SaveSetup("Track A", "wet, 17.5T", read, window.Engine().SoftwareVersionText());
  window.Settings().Current(Setting::RunMode) = 2;
  window.Settings().Current(Setting::MoterRotation) = 1;

  HistoryBrowser browser(library, window.Controller(), sim.dialogs);
  CHistoryDlg history(browser, &window);
  history.show();
  history.List()->setCurrentItem(history.List()->topLevelItem(1));
  Settle();
  shots.Save(history, QStringLiteral("history"));
  history.List()->setCurrentItem(history.List()->topLevelItem(0));
  Settle();
  shots.Save(history, QStringLiteral("history-setup"));

  QMessageBox review(QMessageBox::NoIcon, MessageText(kApplyCaption),
                     ReviewQuestionText(ApplyQuestion(read, window.Controller().EditedData())),
                     QMessageBox::Ok | QMessageBox::Cancel, &window);
  review.show();
  Settle();
  shots.Save(review, QStringLiteral("review-apply"));
}

}  // namespace

void WindowShots(Snapshots& shots) {
  StartShot(shots);
  PageShots(shots);
  V1Shot(shots);
  BoxShot(shots);
  AboutShot(shots);
  HistoryShots(shots);
}

}  // namespace vuriru::snapshots
