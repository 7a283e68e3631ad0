// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QApplication for the widget tests of this executable.

#include <QApplication>

namespace vuriru::testing {

inline void EnsureQtApplication() {
  static int argc = 1;
  static char arg0[] = "test_pages";
  static char* argv[] = {arg0, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace vuriru::testing
