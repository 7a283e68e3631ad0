// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(UserText, FillsEachPlaceOnceAndLeavesOtherPercentSignsAlone) {
  EXPECT_EQ(FillText("Data Transferring.. %1% done.", {"45"}), "Data Transferring.. 45% done.");
  EXPECT_EQ(FillText("\"%1\" takes *.%2 files.", {"a.xup", "xut"}), "\"a.xup\" takes *.xut files.");
  // The places may come in any order, and twice.
  EXPECT_EQ(FillText("%2 before %1, %2 again", {"one", "two"}), "two before one, two again");
  // An argument holding a place is not filled again.
  EXPECT_EQ(FillText("file %1 and %2", {"%2", "x"}), "file %2 and x");
  // A place without an argument, a bare % and %0 stay as written.
  EXPECT_EQ(FillText("%1 %3 100% %0 %", {"a"}), "a %3 100% %0 %");
  EXPECT_EQ(FillText("", {"a"}), "");
}

TEST(UserText, EnglishTextIsTheSourceWithItsArguments) {
  EXPECT_EQ(EnglishText(UserText("Read Ok")), "Read Ok");
  // A fixed text is taken as it is, even where it holds a %.
  EXPECT_EQ(EnglishText(UserText("50%1")), "50%1");
  EXPECT_EQ(EnglishText(UserText("at %1%.", {"7"})), "at 7%.");
  EXPECT_TRUE(UserText().empty());
  EXPECT_EQ(UserText("a", {"b"}), UserText("a", {"b"}));
  EXPECT_NE(UserText("a", {"b"}), UserText("a"));
}

}  // namespace
}  // namespace vuriru
