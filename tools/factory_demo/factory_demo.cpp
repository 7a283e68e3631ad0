// Prints the factory settings block, then saves a sample *.DATA file, reads
// it back and prints what it decodes to.

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/shared_state.h"
#include "comms/settings_table.h"
#include "comms/settings_wire.h"
#include "files/data_file_io.h"

namespace vuriru {
namespace {

const char* PageName(uint8_t pageNumber) {
  switch (pageNumber) {
    case page::kGeneral:
      return "General";
    case page::kThrottle:
      return "Throttle";
    case page::kBrake:
      return "Brake";
    case page::kBoost:
      return "Boost";
    case page::kTurbo:
      return "Turbo";
    case page::kData:
      return "Data";
    default:
      return "?";
  }
}

void PrintSettings(const SettingsBlock& block) {
  for (uint8_t pageNumber : {page::kGeneral, page::kThrottle, page::kBrake, page::kBoost, page::kTurbo}) {
    std::printf("  %s\n", PageName(pageNumber));
    for (const SettingRow& row : SettingsTable()) {
      if (row.page != pageNumber) continue;
      std::printf("    %-20s = %d%s\n", row.caption, block.Current(row.setting),
                  row.replyByte == kNotCarried ? "   (page only)" : "");
    }
  }
  std::printf("  Running log\n");
  for (const RunningLogRow& row : RunningLogTable()) {
    std::printf("    %-20s = %u\n", row.caption, block.Log(row.value));
  }
}

void PrintCurve(const char* name, const StoredCurve& curve) {
  std::printf("  %-8s curve:", name);
  for (size_t i = 0; i < kSampleCount; ++i) {
    std::printf(" (%u,%u)", curve.x[i], curve.y[i]);
    if (curve.x[i] == 100 && curve.y[i] == 100) break;
  }
  std::printf("\n");
}

StoredCurve DemoCurve(uint8_t midX, uint8_t midY) {
  StoredCurve curve;
  curve.x = {0, midX, 100};
  curve.y = {0, midY, 100};
  // Straight pieces through the three points at the inputs 2, 5, 7, ..., 100.
  for (size_t k = 0; k < kSampleCount; ++k) {
    const int a = static_cast<int>(5 * (k + 1) / 2);
    const int y = a <= midX ? a * midY / midX : midY + (a - midX) * (100 - midY) / (100 - midX);
    curve.table[k] = static_cast<uint8_t>(y);
  }
  return curve;
}

int Run() {
  EscData data;
  LoadFactorySettings(data.settings);
  std::printf("Factory settings block (caption = index)\n");
  PrintSettings(data.settings);

  const SettingsFrame frame = BuildSettingsFrame(data.settings);
  std::printf("\nSettings frame (%zu bytes):", frame.size());
  for (size_t i = 0; i < frame.size(); ++i) std::printf("%s%02X", i % 22 == 0 ? "\n  " : " ", frame[i]);
  std::printf("\n");

  data.settings.Current(Setting::RunMode) = 1;
  data.settings.Current(Setting::VoltageCutoff) = 35;
  data.settings.Current(Setting::ThCurve) = 1;
  data.settings.Current(Setting::BoostTiming) = 20;
  data.settings.Log(RunningLog::BatteryMinVoltage) = 74;
  data.settings.Log(RunningLog::EscMaxTemp) = 65;
  data.settings.Log(RunningLog::MotorMaxTemp) = 80;
  data.settings.Log(RunningLog::MotorMaxRpm) = 300;
  data.boostCurve = DemoCurve(40, 70);
  data.brakeCurve = DemoCurve(50, 30);
  data.throttleCurve = DemoCurve(50, 80);

  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("vuriru-sample-" + std::to_string(::getpid()) + ".DATA");
  const FileWriteResult saved = SaveDataFile(path, data);
  if (!saved.ok) {
    std::fprintf(stderr, "%s\n", saved.message.c_str());
    return 1;
  }
  EscData base;
  LoadFactorySettings(base.settings);
  const DataFileImport read = ReadDataFile(path, base);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (!read.ok) {
    std::fprintf(stderr, "%s: %s\n", read.caption.c_str(), read.message.c_str());
    return 1;
  }
  std::printf("\nSample settings file: saved and read back %zu bytes\n", kDataFileSize);
  PrintSettings(read.data.settings);
  PrintCurve("Boost", read.data.boostCurve);
  PrintCurve("Brake", read.data.brakeCurve);
  PrintCurve("Throttle", read.data.throttleCurve);
  return 0;
}

}  // namespace
}  // namespace vuriru

int main() {
  return vuriru::Run();
}
