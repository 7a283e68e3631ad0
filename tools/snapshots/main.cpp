// Renders the program's windows offscreen to PNG files in telling states, so
// that the look can be reviewed without a device or a display:
//   vuriru-snapshots OUTDIR
// The main window runs on a simulated adapter and the virtual clock.

#include <cstdio>

#include <QApplication>
#include <QDir>

#include "tools/snapshots/part_shots.h"
#include "tools/snapshots/run_log_shots.h"
#include "tools/snapshots/window_shots.h"
#include "widgets/kit/app_theme.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vuriru::ApplyAppTheme();
  if (argc != 2) {
    std::fprintf(stderr, "usage: vuriru-snapshots OUTDIR\n");
    return 2;
  }
  QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "vuriru-snapshots: cannot create %s\n", argv[1]);
    return 1;
  }
  vuriru::snapshots::Snapshots shots(dir);
  vuriru::snapshots::WindowShots(shots);
  vuriru::snapshots::BackgroundShots(shots);
  vuriru::snapshots::ButtonSheet(shots);
  vuriru::snapshots::RunLogShots(shots);
  return shots.Ok() ? 0 : 1;
}
