// vuriru-link: the settings window. Without options it works with the link
// adapters attached to this computer; --simulate runs it against a simulated
// adapter and controller, with --fault to make that adapter misbehave.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "app/main_window.h"
#include "app/qt_scheduler.h"
#include "app/qt_user_dialogs.h"
#include "link/hidapi/hidapi_library.h"
#include "link/hidapi/udev_hotplug_watcher.h"
#include "sim/sim_fault.h"
#include "sim/sim_target_factory.h"
#include "sim/simulated_hid_library.h"
#include "widgets/kit/app_theme.h"
#include "widgets/kit/artwork.h"

namespace vuriru {
namespace {

struct LinkOptions {
  std::string simulate;
  std::vector<std::string> faults;
  bool verbose = false;
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: vuriru-link [--simulate KIND] [--fault NAME[=N]]... [--verbose]\n"
               "       vuriru-link --version\n"
               "  --version        print the program's name and version, and exit\n"
               "  --verbose        say on stderr when a controller has been read\n"
               "  --simulate KIND  work with a simulated adapter and target instead of the attached adapters:\n%s"
               "  --fault NAME     make the simulated adapter misbehave (with --simulate):\n%s",
               SimTargetHelp().c_str(), SimFaultHelp().c_str());
}

// Returns false with a message on stderr for a bad command line.
bool ParseOptions(const std::vector<std::string>& arguments, LinkOptions& options, bool& help, bool& version) {
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string argument = arguments[i];
    auto value = [&](const std::string& name, std::string& into) {
      if (argument.rfind(name + "=", 0) == 0) {
        into = argument.substr(name.size() + 1);
        return true;
      }
      if (argument != name) return false;
      if (i + 1 >= arguments.size()) {
        into.clear();
        return true;
      }
      into = arguments[++i];
      return true;
    };
    std::string text;
    if (argument == "--help" || argument == "-h") {
      help = true;
    } else if (argument == "--verbose") {
      options.verbose = true;
    } else if (argument == "--version") {
      version = true;
    } else if (value("--simulate", text)) {
      SimTargetKind kind;
      if (!ParseSimTarget(text, &kind)) {
        std::fprintf(stderr, "vuriru-link: unknown --simulate kind '%s'; run 'vuriru-link --help' for the kinds\n",
                     text.c_str());
        return false;
      }
      options.simulate = text;
    } else if (value("--fault", text)) {
      options.faults.push_back(text);
    } else {
      std::fprintf(stderr, "vuriru-link: unknown option '%s'; run 'vuriru-link --help'\n", argument.c_str());
      return false;
    }
  }
  if (!options.faults.empty() && options.simulate.empty()) {
    std::fprintf(stderr, "vuriru-link: --fault works only with --simulate\n");
    return false;
  }
  return true;
}

int Run(const LinkOptions& options) {
  QtScheduler scheduler;
  QtUserDialogs dialogs;
  std::unique_ptr<HidLibrary> hid;
  SimulatedHidLibrary* simulated = nullptr;
  HidapiLibrary* hidapi = nullptr;
  if (!options.simulate.empty()) {
    auto library = std::make_unique<SimulatedHidLibrary>(scheduler);
    SimAdapterConfig config;
    config.path = SimulatedHidLibrary::SimPath(0);
    ParseSimTarget(options.simulate, &config.target);
    library->AddAdapter(config);
    for (const std::string& fault : options.faults) {
      std::string error;
      if (!ParseSimFaultArgument(fault, library->Adapter(0).Faults(), &error)) {
        std::fprintf(stderr, "vuriru-link: --fault: %s; run 'vuriru-link --help' for the fault names\n", error.c_str());
        return 2;
      }
    }
    simulated = library.get();
    hid = std::move(library);
  } else {
    auto library = std::make_unique<HidapiLibrary>();
    hidapi = library.get();
    hid = std::move(library);
  }

  // Declared before the window, so that a removal the backend reports while
  // the window closes the link still finds its queue.
  std::unique_ptr<HotplugWatcher> watcher;
  CQorProDlg window(scheduler, *hid, dialogs);
  dialogs.SetParent(&window);
  const auto deliver = [&window](const DeviceChangeEvent& event) { window.OnDeviceChange(event); };
  // The backend outlives the window: it must stop reporting to it first.
  struct Unhook {
    SimulatedHidLibrary* simulated;
    ~Unhook() {
      if (simulated != nullptr) simulated->SetDeviceChangeHandler({});
    }
  } unhook{simulated};

  std::unique_ptr<QSocketNotifier> notifier;
  QTimer pollTimer;
  if (simulated != nullptr) {
    simulated->SetDeviceChangeHandler(deliver);
  } else {
    watcher = MakeHotplugWatcher();
    watcher->SetHandler(deliver);
    HotplugWatcher* source = watcher.get();
    hidapi->SetRemovalReporter([source](const DeviceChangeEvent& event) { source->Queue(event); });
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
  // --verbose: a line per completed read, for scripts that drive the window.
  QTimer readWatch;
  if (options.verbose) {
    QObject::connect(&readWatch, &QTimer::timeout, [&window, read = false]() mutable {
      const SharedState& state = window.State();
      const bool done = state.settingsRead == 1 && state.g_transferPending == 0 && state.engineState == 2;
      if (done && !read) {
        std::fprintf(stderr, "vuriru-link: controller read\n");
        std::fflush(stderr);
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
  vuriru::LinkOptions options;
  bool help = false;
  bool version = false;
  if (!vuriru::ParseOptions(std::vector<std::string>(argv, argv + argc), options, help, version)) return 2;
  if (help) {
    vuriru::PrintUsage(stdout);
    return 0;
  }
  if (version) {
    std::printf("vuriru-link %s\n", VURIRU_VERSION);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vuriru-link"));
  QApplication::setApplicationVersion(QStringLiteral(VURIRU_VERSION));
  QApplication::setWindowIcon(vuriru::AppIcon());
  vuriru::ApplyAppTheme();
  return vuriru::Run(options);
}
