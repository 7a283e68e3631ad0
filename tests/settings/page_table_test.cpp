// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/settings_pages.h"
#include "settings/settings_table.h"

namespace vuriru {
namespace {

TEST(FactoryIndex, LastMarkedOptionWins) {
  EXPECT_EQ(FactoryIndexFromOptions({"25%", "50%(*)", "75%", "100%(*)"}), 3);
  EXPECT_EQ(FactoryIndexFromOptions({"Linear(*)", "Custom"}), 0);
  EXPECT_EQ(FactoryIndexFromOptions({"a", "b", "c*"}), 2);
}

TEST(FactoryIndex, NoMarkedOptionGivesZero) {
  EXPECT_EQ(FactoryIndexFromOptions({"a", "b", "c"}), 0);
  EXPECT_EQ(FactoryIndexFromOptions({}), 0);
}

const PageSettingRow& RowOf(const PageTable& table, Setting setting) {
  for (const PageSettingRow& row : table.rows) {
    if (row.setting == setting) return row;
  }
  ADD_FAILURE() << "no row";
  return table.rows.front();
}

TEST(GeneralTable, VoltageCutoffRunsFromDisableToElevenPointOne) {
  const std::vector<std::string>& options = RowOf(GeneralPageTable(), Setting::VoltageCutoff).options;
  ASSERT_EQ(options.size(), 84u);
  EXPECT_EQ(options[0], "Disable");
  EXPECT_EQ(options[1], "Auto(*)");
  EXPECT_EQ(options[2], "3.0v");
  EXPECT_EQ(options[9], "3.7v");
  EXPECT_EQ(options[72], "10.0v");
  EXPECT_EQ(options[83], "11.1v");
  EXPECT_EQ(FactoryIndexFromOptions(options), 1);
}

TEST(GeneralTable, FactoryOptionsAndOddTextsKeptExactly) {
  const PageTable& table = GeneralPageTable();
  std::vector<std::string> factoryTexts;
  for (const PageSettingRow& row : table.rows) {
    if (row.visible) factoryTexts.push_back(row.options[static_cast<size_t>(FactoryIndexFromOptions(row.options))]);
  }
  EXPECT_EQ(factoryTexts, (std::vector<std::string>{"Forward/Brake(*)", "Auto(*)", "105 degree Celsius(*)", "Normal(*)",
                                                    "Modify(*)", "4%(*)", "6v(*)"}));
  EXPECT_EQ(RowOf(table, Setting::MoterRotation).options[1], "Reverse ");
  EXPECT_EQ(SettingRowFor(Setting::MoterRotation).caption, std::string("Moter Rotation"));
  const std::vector<std::string>& deadBand = RowOf(table, Setting::DeadBand).options;
  ASSERT_EQ(deadBand.size(), 12u);
  EXPECT_EQ(deadBand.back(), "15%");
}

TEST(GeneralTable, HelpTextsKeepTheirLineBreaksAndQuotes) {
  const PageTable& table = GeneralPageTable();
  EXPECT_EQ(table.initialHelpText,
            " INCLUDES \r\n\"FORWARD/BRAKE \" \r\n\"FORWARD/REVERSE \" \r\n\"FORWARD/BRAKE/REVERSE\" \r\n MODE ");
  EXPECT_EQ(RowOf(table, Setting::RunMode).helpText, table.initialHelpText);
  EXPECT_EQ(RowOf(table, Setting::BecOutput).helpText, "TO SELECT 6V OR 7.4V BEC OUTPUT VOLTAGE");
  EXPECT_EQ(RowOf(table, Setting::RaceMode).helpText.substr(0, 54),
            "TO RUN WITH MODIFY MOTOR (4.5T~9.5T),PLEASE SELECT \r\n\"");
}

TEST(GeneralTable, ProfileIsHiddenWithoutOptions) {
  const PageSettingRow& profile = RowOf(GeneralPageTable(), Setting::Profile);
  EXPECT_FALSE(profile.visible);
  EXPECT_FALSE(profile.restoredByDefault);
  EXPECT_TRUE(profile.options.empty());
  EXPECT_EQ(profile.labelId, 1070);
  EXPECT_EQ(profile.listId, 1023);
}

}  // namespace
}  // namespace vuriru

namespace vuriru {
namespace {

// Faults a new table can bring in: a setting or control id used twice, a
// visible setting without options.
TEST(AllPageTables, RowsAreDistinctAndVisibleOnesHaveOptions) {
  for (const PageTable* table : AllPageTables()) {
    SCOPED_TRACE(table->className);
    for (size_t i = 0; i < table->rows.size(); ++i) {
      const PageSettingRow& row = table->rows[i];
      if (row.visible) {
        EXPECT_FALSE(row.options.empty()) << SettingRowFor(row.setting).caption;
      }
      for (size_t j = i + 1; j < table->rows.size(); ++j) {
        EXPECT_NE(row.setting, table->rows[j].setting) << SettingRowFor(row.setting).caption;
        EXPECT_NE(row.labelId, table->rows[j].labelId) << SettingRowFor(row.setting).caption;
        EXPECT_NE(row.listId, table->rows[j].listId) << SettingRowFor(row.setting).caption;
      }
    }
  }
}

}  // namespace
}  // namespace vuriru
