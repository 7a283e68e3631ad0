// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's windows offscreen to PNG files in telling states, so
// that the look can be reviewed without a device or a display:
//   vuriru-snapshots [--lang en|zh_CN] OUTDIR
// The main window runs on a simulated adapter and the virtual clock; --lang
// renders it in that language (English by default).

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QStringList>

#include "tools/snapshots/part_shots.h"
#include "tools/snapshots/run_log_shots.h"
#include "tools/snapshots/window_shots.h"
#include "widgets/kit/app_theme.h"
#include "widgets/kit/language.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vuriru::ApplyAppTheme();
  QStringList args = QCoreApplication::arguments().mid(1);
  vuriru::Language language = vuriru::Language::kEnglish;
  if (args.size() == 3 && args[0] == QStringLiteral("--lang")) {
    language = vuriru::LanguageFromCode(args[1]);
    if (vuriru::LanguageCode(language) != args[1]) {
      std::fprintf(stderr, "vuriru-snapshots: unknown language %s (en or zh_CN)\n", qPrintable(args[1]));
      return 2;
    }
    args = args.mid(2);
  }
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vuriru-snapshots [--lang en|zh_CN] OUTDIR\n");
    return 2;
  }
  if (!vuriru::SetLanguage(language)) {
    std::fprintf(stderr, "vuriru-snapshots: cannot load the %s translation\n",
                 qPrintable(vuriru::LanguageCode(language)));
    return 1;
  }
  QString dir = args[0];
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "vuriru-snapshots: cannot create %s\n", qPrintable(dir));
    return 1;
  }
  vuriru::snapshots::Snapshots shots(dir);
  vuriru::snapshots::WindowShots(shots);
  vuriru::snapshots::BackgroundShots(shots);
  vuriru::snapshots::ButtonSheet(shots);
  vuriru::snapshots::RunLogShots(shots);
  return shots.Ok() ? 0 : 1;
}
