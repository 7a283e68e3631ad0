// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder per test, records to keep, and a look at a file's bytes.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "files/data_file_codec.h"
#include "library/library.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::testing {

inline StoredCurve CurveThrough(uint8_t midX, uint8_t midY) {
  StoredCurve curve;
  curve.x[1] = midX;
  curve.y[1] = midY;
  curve.x[2] = 100;
  curve.y[2] = 100;
  for (size_t k = 0; k < kStoredCurveLength; ++k) curve.table[k] = static_cast<uint8_t>((k * 7 + midX) % 101);
  return curve;
}

// A full controller's data; `runMode` tells records apart.
inline EscData FullData(int32_t runMode = 1) {
  EscData data;
  LoadFactorySettings(data.settings);
  data.settings.Current(Setting::RunMode) = runMode;
  data.settings.Current(Setting::ThReverseSpd) = 2;
  data.settings.Current(Setting::DBrakeRate) = 55;
  data.settings.Current(Setting::RpmLock) = 80;
  data.settings.Log(RunningLog::BatteryMinVoltage) = 72;
  data.settings.Log(RunningLog::EscMaxTemp) = 68;
  data.settings.Log(RunningLog::MotorMaxTemp) = 81;
  data.settings.Log(RunningLog::MotorMaxRpm) = 420;
  data.boostCurve = CurveThrough(40, 70);
  data.brakeCurve = CurveThrough(60, 30);
  data.throttleCurve = CurveThrough(30, 50);
  return data;
}

inline ControllerRecord FullRecord(int32_t runMode = 1, std::string software = "V3.12_240517") {
  return FullControllerRecord(FullData(runMode), std::move(software), "V2.05_23114");
}

inline ControllerRecord V1Record() {
  V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
  block[V1Setting::MotorTiming] = 3;
  return V1ControllerRecord(block, "v1-bec", "V1.05_190308", "V2.05_23114");
}

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class LibraryFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    m_dir = std::filesystem::temp_directory_path() /
            ("vuriru-library-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_dir, error);
  }

  std::filesystem::path File(const std::string& name = "library.sqlite3") const { return m_dir / name; }

  // A clock that moves on by a second at every reading.
  LibraryOptions Ticking() {
    LibraryOptions options;
    options.clockMs = [this] { return m_now += 1000; };
    options.program = "0.1.0";
    return options;
  }

  std::filesystem::path m_dir;
  int64_t m_now = 1'700'000'000'000;
};

}  // namespace vuriru::testing
