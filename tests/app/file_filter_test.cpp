// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_filter.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(FileFilter, PipePairsBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("(*.DATA)|*.DATA|All File (*.*)|*.*||"), "(*.DATA) (*.DATA);;All File (*.*) (*.*)");
  EXPECT_EQ(QtFileFilter("Firmware|*.xup;*.hgm||"), "Firmware (*.xup *.hgm)");
  // The firmware dialogs' first label lists its own kind beside *.bin; with
  // Qt's pattern suffix hidden the label reads as the program words it.
  EXPECT_EQ(QtFileFilter("config Files (*.xut)|*.xut;*.bin| all file  (*.*)|*.*||"),
            "config Files (*.xut) (*.xut *.bin);; all file  (*.*) (*.*)");
  // Broken filters give what can be read from them, never more.
  EXPECT_EQ(QtFileFilter(""), "");
  EXPECT_EQ(QtFileFilter("Only a name"), "");
  EXPECT_EQ(QtFileFilter("|*.x|Name|"), "");
}

}  // namespace
}  // namespace vuriru
