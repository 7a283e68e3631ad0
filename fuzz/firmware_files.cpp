// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/firmware_files.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "comms/firmware/firmware_image.h"

namespace vuriru::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> PatternImage(size_t n, uint8_t seed) {
  std::vector<uint8_t> image(n);
  for (size_t i = 0; i < n; ++i) image[i] = static_cast<uint8_t>((i * 31 + seed) & 0xFF);
  return image;
}

std::vector<uint8_t> RecordImage() {
  std::vector<uint8_t> image;
  for (size_t record = 0; record < 5; ++record) {
    const size_t body = record == 4 ? 20 : 58;
    image.push_back(static_cast<uint8_t>(body >> 8));
    image.push_back(static_cast<uint8_t>(body & 0xFF));
    for (size_t k = 0; k < body; ++k) image.push_back(static_cast<uint8_t>((record * 58 + k) * 7 % 0xD0));
  }
  return image;
}

}  // namespace

std::vector<uint8_t> FirmwareTestFileBytes(FirmwareKind kind) {
  const std::vector<uint8_t> image = FirmwareTestImage(kind);
  if (UsesBlockProtocol(kind)) {
    std::vector<uint8_t> file = image;
    for (uint8_t& b : file) b ^= kFirmwareFileKey;
    return file;
  }
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::vector<uint8_t> text;
  for (uint8_t b : image) {
    text.push_back(static_cast<uint8_t>(kDigits[b >> 4]));
    text.push_back(static_cast<uint8_t>(kDigits[b & 0xF]));
  }
  return text;
}

namespace {

// The folder and its three files, removed again at exit.
class TestFiles {
 public:
  TestFiles() {
    std::error_code error;
    m_dir = fs::temp_directory_path(error) / ("vuriru-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(m_dir, error);
    for (FirmwareKind kind : {FirmwareKind::kBoxImage, FirmwareKind::kV1Image, FirmwareKind::kRecords}) {
      const fs::path path = m_dir / ("image." + std::string(FirmwareExtension(kind)));
      const std::vector<uint8_t> bytes = FirmwareTestFileBytes(kind);
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      m_paths[static_cast<size_t>(kind)] = path.string();
    }
  }
  ~TestFiles() {
    std::error_code error;
    fs::remove_all(m_dir, error);
  }
  TestFiles(const TestFiles&) = delete;
  TestFiles& operator=(const TestFiles&) = delete;

  const std::string& Path(FirmwareKind kind) const { return m_paths[static_cast<size_t>(kind)]; }

 private:
  fs::path m_dir;
  std::array<std::string, 3> m_paths;
};

}  // namespace

std::vector<uint8_t> FirmwareTestImage(FirmwareKind kind) {
  switch (kind) {
    case FirmwareKind::kBoxImage:
      return PatternImage(1100, 3);
    case FirmwareKind::kV1Image:
      return PatternImage(700, 11);
    case FirmwareKind::kRecords:
      break;
  }
  return RecordImage();
}

const std::string& FirmwareTestFile(FirmwareKind kind) {
  static const TestFiles files;
  return files.Path(kind);
}

}  // namespace vuriru::fuzz
