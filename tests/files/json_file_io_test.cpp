// SPDX-License-Identifier: GPL-3.0-or-later
// JSON settings files on disk: told apart by name, saved whole, read back.

#include "files/json_file_io.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sample_esc_data.h"

namespace vuriru {
namespace {

namespace fs = std::filesystem;

TEST(JsonFileName, ChosenByTheExtensionInAnyCase) {
  EXPECT_TRUE(IsJsonFileName("car.json"));
  EXPECT_TRUE(IsJsonFileName("/a/b/Car.JSON"));
  EXPECT_FALSE(IsJsonFileName("car.DATA"));
  EXPECT_FALSE(IsJsonFileName("json"));
  EXPECT_FALSE(IsJsonFileName("car.json.bak"));
}

TEST(JsonFileOnDisk, SavedThenReadGivesTheSameSettingsAndAMissingFileIsRefused) {
  const fs::path dir = fs::temp_directory_path() / ("vuriru-json-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path path = dir / "car.json";
  const EscData sample = testing::SampleEscData();
  ASSERT_TRUE(SaveJsonFile(path, sample, "V3.12_240517").ok);
  const JsonFileImport read = ReadJsonFile(path, sample);
  ASSERT_TRUE(read.ok) << read.message;
  EXPECT_EQ(read.data.settings.current, sample.settings.current);
  EXPECT_EQ(read.software, "V3.12_240517");

  const JsonFileImport missing = ReadJsonFile(dir / "none.json", sample);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Import file error! the file cannot be opened");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vuriru
