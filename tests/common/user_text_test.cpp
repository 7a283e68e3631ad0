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

TEST(UserText, PartsFillThePlacesAfterTheArgumentsAndKeepTheirOwn) {
  UserText inner("there is no snapshot %1", {"7"});
  UserText outer("%1 (%2): %3", {"History"});
  outer.parts = {inner, UserText("snapshot %1", {"%1"})};
  // An argument or part holding a place is not filled again.
  EXPECT_EQ(EnglishText(outer), "History (there is no snapshot 7): snapshot %1");
  EXPECT_NE(outer, UserText("%1 (%2): %3", {"History"}));
}

TEST(UserText, ASentenceGetsItsCapitalAndOneFullStop) {
  EXPECT_EQ(EnglishText(AsSentence(UserText("there is no run %1", {"3"}))), "There is no run 3.");
  EXPECT_EQ(AsSentence(std::string("a setup needs a name.")), "A setup needs a name.");
  EXPECT_EQ(AsSentence(std::string("\"12\" would be read as an id")), "\"12\" would be read as an id.");
  // A Chinese sentence ends with its own full stop, and has no capitals.
  EXPECT_EQ(AsSentence(std::string("设定需要一个名称。")), "设定需要一个名称。");
  EXPECT_EQ(AsSentence(std::string("要替换它吗？")), "要替换它吗？");
  EXPECT_EQ(AsSentence(std::string()), "");
  // A fixed text with a % stays as written, sentence or not.
  EXPECT_EQ(EnglishText(AsSentence(UserText("50%1"))), "50%1.");
}

}  // namespace
}  // namespace vuriru
