// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_memory_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace vuriru {

namespace {

constexpr const char* kHeader = "vuriru-sim-memory 1";
constexpr size_t kLongestFile = 64 * 1024;

struct Field {
  const char* key;
  std::vector<uint8_t> SimMemory::*bytes;  // or null for a curve
  int curve;                               // kSimCurve... for a curve
};

constexpr Field kFields[] = {
    {"settings", &SimMemory::settings, -1},        {"boost-curve", nullptr, kSimCurveBoost},
    {"brake-curve", nullptr, kSimCurveBrake},      {"throttle-curve", nullptr, kSimCurveThrottle},
    {"software", &SimMemory::softwareVersion, -1},
};

std::vector<uint8_t>& Bytes(SimMemory& memory, const Field& field) {
  return field.bytes != nullptr ? memory.*field.bytes : memory.curves[static_cast<size_t>(field.curve)];
}

const std::vector<uint8_t>& Bytes(const SimMemory& memory, const Field& field) {
  return field.bytes != nullptr ? memory.*field.bytes : memory.curves[static_cast<size_t>(field.curve)];
}

bool ParseHex(std::istringstream& words, std::vector<uint8_t>& bytes) {
  for (std::string word; words >> word;) {
    if (word.size() != 2) return false;
    unsigned value = 0;
    for (char c : word) {
      value <<= 4;
      if (c >= '0' && c <= '9') {
        value |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        value |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        value |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        return false;
      }
    }
    bytes.push_back(static_cast<uint8_t>(value));
  }
  return true;
}

bool Fail(std::string* error, const std::string& why) {
  if (error != nullptr) *error = why;
  return false;
}

}  // namespace

std::string EncodeSimMemory(SimTargetKind kind, const SimMemory& memory) {
  std::string text = std::string(kHeader) + "\ntarget " + std::string(SimTargetName(kind)) + "\n";
  for (const Field& field : kFields) {
    text += field.key;
    for (uint8_t byte : Bytes(memory, field)) {
      char hex[4];
      std::snprintf(hex, sizeof hex, " %02x", byte);
      text += hex;
    }
    text += "\n";
  }
  return text;
}

bool DecodeSimMemory(const std::string& text, SimTargetKind kind, SimMemory& memory, std::string* error) {
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kHeader) return Fail(error, "not a simulated memory file");
  SimMemory decoded = memory;
  const SimMemory start = MakeSimTarget(kind)->Memory();
  bool targetSeen = false;
  std::vector<std::string> seen;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key;
    if (!(words >> key)) continue;
    if (key == "target") {
      std::string name;
      words >> name;
      if (name != SimTargetName(kind)) {
        return Fail(error,
                    "the memory is a " + name + " target's, but --simulate names " + std::string(SimTargetName(kind)));
      }
      targetSeen = true;
      continue;
    }
    const Field* field = nullptr;
    for (const Field& candidate : kFields) {
      if (key == candidate.key) field = &candidate;
    }
    if (field == nullptr) return Fail(error, "unknown line '" + key + "'");
    std::vector<uint8_t> bytes;
    if (!ParseHex(words, bytes)) return Fail(error, "line '" + key + "' holds something other than hex bytes");
    if (bytes.size() != Bytes(start, *field).size()) {
      return Fail(error, "line '" + key + "' has " + std::to_string(bytes.size()) + " bytes, the target keeps " +
                             std::to_string(Bytes(start, *field).size()));
    }
    Bytes(decoded, *field) = std::move(bytes);
  }
  if (!targetSeen) return Fail(error, "the file does not say which target it is for");
  memory = std::move(decoded);
  return true;
}

bool LoadSimMemoryFile(const std::filesystem::path& path, SimTargetKind kind, SimMemory& memory, std::string* error) {
  std::error_code exists;
  if (!std::filesystem::exists(path, exists)) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, "cannot be read");
  std::string text(kLongestFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (text.size() > kLongestFile) return Fail(error, "is far longer than a simulated memory file");
  return DecodeSimMemory(text, kind, memory, error);
}

bool SaveSimMemoryFile(const std::filesystem::path& path, SimTargetKind kind, const SimMemory& memory,
                       std::string* error) {
  // Written beside the file and renamed over it, so that a run stopped
  // midway never leaves half a memory behind.
  const std::filesystem::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << EncodeSimMemory(kind, memory);
    out.flush();
    if (!out) return Fail(error, "cannot be written");
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, renamed);
    return Fail(error, "cannot be written");
  }
  return true;
}

}  // namespace vuriru
