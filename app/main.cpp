// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-link: the settings window. Without options it works with the link
// adapters attached to this computer; --simulate runs it against a simulated
// adapter and controller, with --fault to make that adapter misbehave
// (app/link_options.h).

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "app/link_options.h"
#include "app/main_window.h"
#include "app/qt_scheduler.h"
#include "app/qt_user_dialogs.h"
#include "backend/hid_backend.h"
#include "library/library.h"
#include "link/hidapi/udev_hotplug_watcher.h"
#include "widgets/kit/app_theme.h"
#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"

namespace vuriru {
namespace {

// A run that ends by itself (--quit-after-read) has nobody to close a
// message box, and one left open would hold the run up for good: what the
// window tells goes to stderr instead. Questions stay boxes.
class SelfEndingRunDialogs : public UserDialogs {
 public:
  SelfEndingRunDialogs(UserDialogs& boxes, bool unattended) : m_boxes(boxes), m_unattended(unattended) {}
  Answer Ask(const UserText& text, const std::string& caption, QuestionButtons buttons) override {
    return m_boxes.Ask(text, caption, buttons);
  }
  Answer AskReview(const ReviewQuestion& question, const std::string& caption, QuestionButtons buttons) override {
    return m_boxes.AskReview(question, caption, buttons);
  }
  void Tell(const UserText& text, const std::string& caption, MessageIcon icon) override {
    if (!m_unattended) return m_boxes.Tell(text, caption, icon);
    std::fprintf(stderr, "vuriru-link: %s\n", EnglishText(text).c_str());
    std::fflush(stderr);
  }
  std::string ChooseSaveFile(std::string_view filter) override { return m_boxes.ChooseSaveFile(filter); }
  std::string ChooseOpenFile(std::string_view filter, std::string_view defaultName) override {
    return m_boxes.ChooseOpenFile(filter, defaultName);
  }

 private:
  UserDialogs& m_boxes;
  bool m_unattended;
};

int Run(const LinkOptions& options) {
  QtScheduler scheduler;
  QtUserDialogs boxes;
  SelfEndingRunDialogs dialogs(boxes, options.quitAfterRead);
  // The history outlives the window that keeps it. A library that cannot be
  // used is told once the window is up; the window works on without it.
  LibraryOptions libraryOptions;
  libraryOptions.program = std::string("vuriru-link ") + VURIRU_VERSION;
  Library library(options.libraryPath, libraryOptions);
  // The command line was checked before Qt started, so the choice is sound.
  HidBackend backend = MakeHidBackend(options.backend, scheduler);
  // Declared before the window, so that a removal the backend reports while
  // the window closes the link still finds its queue.
  std::unique_ptr<HotplugWatcher> watcher;
  CQorProDlg window(scheduler, *backend.library, dialogs);
  boxes.SetParent(&window);
  window.KeepHistoryIn(library);
  const auto deliver = [&window](const DeviceChangeEvent& event) { window.OnDeviceChange(event); };
  // The backend outlives the window: it must stop reporting to it first.
  struct Unhook {
    HidBackend& backend;
    ~Unhook() { backend.ReportDeviceChanges({}); }
  } unhook{backend};

  std::unique_ptr<QSocketNotifier> notifier;
  QTimer pollTimer;
  if (backend.simulated != nullptr) {
    backend.ReportDeviceChanges(deliver);
  } else {
    watcher = MakeHotplugWatcher();
    watcher->SetHandler(deliver);
    HotplugWatcher* source = watcher.get();
    backend.ReportDeviceChanges([source](const DeviceChangeEvent& event) { source->Queue(event); });
    if (watcher->PollFd() >= 0) {
      notifier = std::make_unique<QSocketNotifier>(watcher->PollFd(), QSocketNotifier::Read);
      QObject::connect(notifier.get(), &QSocketNotifier::activated, [source] { source->Poll(); });
    }
    // Also polled on a timer, for the removals that a failed read reports.
    QObject::connect(&pollTimer, &QTimer::timeout, [source] { source->Poll(); });
    pollTimer.start(static_cast<int>(watcher->PollIntervalMs()));
  }

  if (!window.OnInitDialog()) {
    std::fprintf(stderr, "vuriru-link: the picture '%s' is missing beside the program; reinstall it\n",
                 window.MissingPicture().c_str());
    return 1;
  }
  // The first completed read: --verbose says so on stderr, for scripts that
  // drive the window, and --quit-after-read ends the program there, for
  // checks that only need to see the window start and read.
  QTimer readWatch;
  if (options.verbose || options.quitAfterRead) {
    QObject::connect(&readWatch, &QTimer::timeout, [&window, &options, read = false]() mutable {
      const SharedState& state = window.State();
      const bool done = state.settingsRead == 1 && state.g_transferPending == 0 && state.engineState == 2;
      if (done && !read) {
        if (options.verbose) {
          std::fprintf(stderr, "vuriru-link: controller read\n");
          std::fflush(stderr);
        }
        if (options.quitAfterRead) {
          // What the read left to tell (a library in trouble, say) is queued
          // behind it; deliver it before the window ends, whatever order the
          // event loop would have taken.
          QCoreApplication::sendPostedEvents();
          window.done(QDialog::Accepted);
        }
      }
      read = done;
    });
    readWatch.start(50);
  }
  window.exec();
  if (!window.MissingPicture().empty()) {
    std::fprintf(stderr, "vuriru-link: the picture '%s' is missing beside the program; reinstall it\n",
                 window.MissingPicture().c_str());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace vuriru

int main(int argc, char** argv) {
  // The command line is read before Qt starts, so that --help and mistakes
  // are answered even where no display can be opened.
  const vuriru::LinkParseOutcome parsed =
      vuriru::ParseLinkOptions(std::vector<std::string>(argv, argv + argc), VURIRU_VERSION);
  if (!parsed.run) {
    std::fputs(parsed.text.c_str(), stdout);
    std::fputs(parsed.error.c_str(), stderr);
    return parsed.exitCode;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vuriru-link"));
  // The remembered choices (the language) live in ~/.config/vuriru-link/.
  QApplication::setOrganizationName(QStringLiteral("vuriru-link"));
  QApplication::setApplicationVersion(QStringLiteral(VURIRU_VERSION));
  QApplication::setWindowIcon(vuriru::AppIcon());
  vuriru::ApplyAppTheme();
  // The language chosen last time, else the system locale's; a translation
  // that cannot be loaded leaves the window English.
  vuriru::SetLanguage(vuriru::RememberedLanguage(QLocale::system()));
  return vuriru::Run(parsed.options);
}
