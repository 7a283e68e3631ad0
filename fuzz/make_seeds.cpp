// SPDX-License-Identifier: GPL-3.0-or-later
// vuriru-fuzz-seeds DIR: writes the seed corpus of every fuzz target into
// DIR/<target>/, made from valid examples: the simulated controllers' own
// replies and memory, files the program exports, the firmware test files, and
// engine sessions recorded on the simulated adapter, each written as an
// engine fuzz input that replays the replies at the moments they came.
// The committed corpus (fuzz/corpus) was written by this program.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "files/data_file_codec.h"
#include "files/json_settings_file.h"
#include "fuzz/engine_script.h"
#include "fuzz/engine_session.h"
#include "fuzz/firmware_files.h"
#include "settings/settings_table.h"
#include "settings/settings_wire.h"
#include "sim/simulated_hid_library.h"
#include "sim/starting_memory.h"

namespace vuriru::fuzz {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class SeedWriter {
 public:
  explicit SeedWriter(fs::path root) : m_root(std::move(root)) {}

  void Write(const std::string& target, const std::string& name, const Bytes& bytes) {
    const fs::path dir = m_root / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ++m_count;
  }
  int Count() const { return m_count; }

 private:
  fs::path m_root;
  int m_count = 0;
};

Bytes Cat(uint8_t first, const Bytes& rest) {
  Bytes bytes{first};
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  return bytes;
}

// ---- Replies and files ----

Bytes CurveReply(const Bytes& values) {
  Bytes reply{0x80};
  reply.insert(reply.end(), values.begin(), values.end());
  const auto [quotient, remainder] = SimCurveCheck(values.data());
  reply.push_back(quotient);
  reply.push_back(remainder);
  return reply;
}

StoredCurve CurveFromValues(const Bytes& values) {
  StoredCurve curve;
  for (size_t i = 0; i < kSampleCount; ++i) {
    curve.table[i] = values[i];
    curve.x[i] = values[kSampleCount + i];
    curve.y[i] = values[2 * kSampleCount + i];
  }
  return curve;
}

void ReplyAndFileSeeds(SeedWriter& out) {
  const SimMemory full = FullStartingMemory();
  out.Write("settings_reply", "full_35", full.settings);
  out.Write("settings_reply", "full_34", Bytes(full.settings.begin(), full.settings.end() - 1));
  out.Write("settings_reply", "full_33", Bytes(full.settings.begin(), full.settings.end() - 2));

  const char* names[] = {"boost", "brake", "throttle"};
  for (uint8_t i = 0; i < 3; ++i) {
    // Curve number, then the page's curve setting "Custom" and boost timing 20.
    Bytes seed{static_cast<uint8_t>(i + 1), static_cast<uint8_t>(20 << 1 | 1)};
    const Bytes reply = CurveReply(full.curves[i]);
    seed.insert(seed.end(), reply.begin(), reply.end());
    out.Write("curve_reply", names[i], seed);
  }
  // The throttle curve, then the editor: press to add a point, drag it,
  // release, delete it, OK.
  Bytes edited{3, 1};
  const Bytes reply = CurveReply(full.curves[2]);
  edited.insert(edited.end(), reply.begin(), reply.end());
  edited.insert(edited.end(), {0, 20, 40, 1, 25, 45, 2, 0, 0, 3, 25, 45, 5, 0, 0});
  out.Write("curve_reply", "throttle_edited", edited);

  out.Write("v1_reply", "v1_14", Cat(0, V1StartingMemory(14).settings));
  out.Write("v1_reply", "v1_bec_18", Cat(1, V1StartingMemory(18).settings));
  out.Write("v1_reply", "v1_12", Cat(0, V1StartingMemory(12).settings));
  Bytes fifteen = V1StartingMemory(18).settings;
  fifteen.resize(15);
  out.Write("v1_reply", "cn_v1_15", Cat(0, fifteen));

  EscData data;
  LoadFactorySettings(data.settings);
  data.boostCurve = CurveFromValues(full.curves[0]);
  data.brakeCurve = CurveFromValues(full.curves[1]);
  data.throttleCurve = CurveFromValues(full.curves[2]);
  const DataFileExport factory = EncodeDataFile(data);
  out.Write("data_file", "factory", Bytes(factory.bytes.begin(), factory.bytes.end()));
  ParseSettingsReply(full.settings, data.settings);
  const DataFileExport read = EncodeDataFile(data);
  out.Write("data_file", "full_read", Bytes(read.bytes.begin(), read.bytes.end()));

  const std::string json = EncodeJsonFile(data, "V3.12_240517");
  out.Write("json_file", "full_read", Bytes(json.begin(), json.end()));
  // Settings by text and by bare index or text, a warning's worth of unknown keys.
  const std::string handWritten =
      "{\"format\": \"vuriru-link settings\", \"version\": 1, \"controller\": {\"kind\": \"full\"},\n"
      " \"settings\": {\"RUN MODE\": {\"text\": \"Forward/Brake\"}, \"Moter Rotation\": \"Reverse\",\n"
      "   \"RPM Lock\": 9, \"START RPM (Turbo)\": {\"index\": 3, \"text\": \"11000rpm\"}, \"WHEELBASE\": 235},\n"
      " \"curves\": {\"throttle\": [[0,0],[30,50],[70,80],[100,100]], \"brake\": [[0,0],[100,100]]},\n"
      " \"runningLog\": {\"batteryMinVolts\": 7.26, \"motorMaxRpm\": 42000}, \"note\": \"wet\"}\n";
  out.Write("json_file", "hand_written", Bytes(handWritten.begin(), handWritten.end()));

  // Library rows (fuzz/library_rows_input.cpp): the record kind, then per
  // row the table and a choice per column; 4 takes the sound value.
  const auto rows = [](uint8_t kind, std::initializer_list<std::pair<uint8_t, size_t>> tables) {
    Bytes bytes{kind};
    for (const auto& [table, columns] : tables) {
      bytes.push_back(table);
      bytes.insert(bytes.end(), columns, 4);
    }
    return bytes;
  };
  out.Write("library_rows", "full_snapshot_and_setup", rows(0, {{0, 17}, {1, 14}}));
  out.Write("library_rows", "v1_snapshots", rows(1, {{0, 17}, {0, 17}}));
  // The settings column as a blob of 32 bytes of the input, which read as a
  // full controller's settings.
  Bytes settingsBlob = rows(0, {{0, 17}});
  settingsBlob[2 + 9] = 3;
  const Bytes blob = {0, 32, 1, 25, 34, 2, 1,  2, 20, 9,  1, 30, 7, 4, 1, 11, 7,
                      1, 20, 5, 3,  1,  1, 10, 2, 3,  20, 7, 2,  1, 3, 1, 80, 0};
  settingsBlob.insert(settingsBlob.begin() + 2 + 10, blob.begin(), blob.end());
  out.Write("library_rows", "settings_from_input", settingsBlob);

  const Bytes text = FirmwareTestFileBytes(FirmwareKind::kRecords);
  out.Write("xup_file", "records", text);
  // The same text in lines of 32 digits with CR LF ends, as editors save it.
  Bytes lines;
  for (size_t at = 0; at < text.size(); at += 32) {
    lines.insert(lines.end(), text.begin() + static_cast<ptrdiff_t>(at),
                 text.begin() + static_cast<ptrdiff_t>(std::min(text.size(), at + 32)));
    lines.insert(lines.end(), {'\r', '\n'});
  }
  out.Write("xup_file", "records_crlf", lines);

  out.Write("block_file", "box_xut", Cat(0, FirmwareTestFileBytes(FirmwareKind::kBoxImage)));
  out.Write("block_file", "v1_hgm", Cat(1, FirmwareTestFileBytes(FirmwareKind::kV1Image)));
}

// ---- Engine sessions ----

struct Recording {
  std::string name;
  EngineScenario scenario;
  SimTargetKind target;
  std::vector<SimFault> faults;
};

struct Incoming {
  uint64_t atMs = 0;
  Bytes bytes;
};

// Runs until `done` (or a minute of virtual time), then a few seconds more
// so that what follows the end (a fresh read, the idle probes) is kept too.
bool RunUntilDone(EventLoopScheduler& clock, const std::function<bool()>& done) {
  const bool ended = clock.RunUntil(done, 60000);
  clock.AdvanceBy(3000);
  return ended;
}

// The same command as the engine fuzz target gives at its start.
void StartScenario(EngineSession& session, EngineScenario scenario) {
  switch (scenario) {
    case EngineScenario::kIdentify:
    case EngineScenario::kCount:
      break;
    case EngineScenario::kApply:
      session.Apply(false, false);
      break;
    case EngineScenario::kV1Send:
      session.V1Send(false);
      break;
    case EngineScenario::kV1Read:
      session.V1Read(false);
      break;
    case EngineScenario::kBoxFirmware:
    case EngineScenario::kV1BlockFirmware:
    case EngineScenario::kRecordFirmware:
    case EngineScenario::kV1RecordFirmware:
      session.UpdateFirmware();
      break;
  }
}

bool ScenarioDone(const EngineSession& session, const Recording& recording) {
  const bool idle = session.state.engineState == engine_state::kProbe && !session.engine.IsWaiting();
  switch (recording.scenario) {
    case EngineScenario::kIdentify:
    case EngineScenario::kCount:
      // The display box is only identified; nothing is read from it.
      if (recording.target == SimTargetKind::kLcd) return idle && session.state.g_deviceType == device_type::kFull;
      return idle && session.hosts.readsFinished + session.hosts.v1ReadsShown > 0;
    case EngineScenario::kApply:
      return idle && session.hosts.pressedButtonsReleased > 0;
    case EngineScenario::kV1Send:
      return idle && session.hosts.v1SendsDone > 0;
    case EngineScenario::kV1Read:
      return idle && session.hosts.v1ReadsShown > 0;
    default:
      return session.transfer.Outcome() == TransferOutcome::kCompleted && !session.engine.IsWaiting();
  }
}

// Records the replies of one session and writes them as an engine fuzz
// input. Each reply is queued a millisecond before the tick that read it.
bool RecordSession(const Recording& recording, SeedWriter& out) {
  EventLoopScheduler clock(EventLoopScheduler::Clock::kVirtual);
  SimulatedHidLibrary hid(clock);
  SimAdapterConfig config;
  config.path = SimulatedHidLibrary::SimPath(0);
  config.target = recording.target;
  hid.AddAdapter(config);
  for (SimFault fault : recording.faults) hid.Adapter(0).Faults().Set(fault);
  EngineSession session(hid, clock);

  bool recordingOn = false;
  uint64_t startMs = 0;
  std::vector<Incoming> incoming;
  session.link.SetTrace([&](bool outgoing, const uint8_t* bytes, uint32_t length) {
    if (!outgoing && recordingOn) incoming.push_back({clock.NowMs() - startMs, Bytes(bytes, bytes + length)});
  });

  if (recording.scenario == EngineScenario::kIdentify) {
    recordingOn = true;
    startMs = clock.NowMs();
    session.Connect();
  } else {
    session.Connect();
    const bool box = recording.target == SimTargetKind::kLcd;
    const bool settled = clock.RunUntil(
        [&] {
          if (session.state.engineState != engine_state::kProbe || session.engine.IsWaiting()) return false;
          return box ? session.state.g_deviceType == device_type::kFull : session.state.g_transferPending == 0;
        },
        20000);
    if (!settled) return false;
    if (box) session.SelectBox();
    clock.AdvanceBy(1000);
    recordingOn = true;
    startMs = clock.NowMs();
    StartScenario(session, recording.scenario);
  }
  if (!RunUntilDone(clock, [&] { return ScenarioDone(session, recording); })) return false;

  EngineScriptWriter script(recording.scenario);
  uint64_t now = 0;
  for (const Incoming& block : incoming) {
    const uint64_t queueAt = block.atMs == 0 ? 0 : block.atMs - 1;
    if (queueAt > now) {
      script.WaitMs(queueAt - now);
      now = queueAt;
    }
    script.Reply(block.bytes);
  }
  script.WaitMs(clock.NowMs() - startMs - now);
  out.Write("engine", recording.name, script.Bytes());
  return true;
}

int MakeSeeds(const fs::path& root) {
  SeedWriter out(root);
  ReplyAndFileSeeds(out);
  const std::vector<Recording> recordings = {
      {"identify_full", EngineScenario::kIdentify, SimTargetKind::kFull, {}},
      {"identify_full_split", EngineScenario::kIdentify, SimTargetKind::kFull, {SimFault::kSplit20}},
      {"identify_full_garbage", EngineScenario::kIdentify, SimTargetKind::kFull, {SimFault::kGarbage}},
      {"identify_full_bad_curve", EngineScenario::kIdentify, SimTargetKind::kFull, {SimFault::kBadCurveCheck}},
      {"identify_v1", EngineScenario::kIdentify, SimTargetKind::kV1, {}},
      {"identify_v1_bec", EngineScenario::kIdentify, SimTargetKind::kV1Bec, {}},
      {"identify_box", EngineScenario::kIdentify, SimTargetKind::kLcd, {}},
      {"apply", EngineScenario::kApply, SimTargetKind::kFull, {}},
      {"apply_first_ack_lost", EngineScenario::kApply, SimTargetKind::kFull, {SimFault::kNoFirstAck}},
      {"v1_send", EngineScenario::kV1Send, SimTargetKind::kV1Bec, {}},
      {"v1_read", EngineScenario::kV1Read, SimTargetKind::kV1, {}},
      {"firmware_box", EngineScenario::kBoxFirmware, SimTargetKind::kLcd, {}},
      {"firmware_v1_hgm", EngineScenario::kV1BlockFirmware, SimTargetKind::kV1Hgm, {}},
      {"firmware_records", EngineScenario::kRecordFirmware, SimTargetKind::kFull, {}},
      {"firmware_records_v1", EngineScenario::kV1RecordFirmware, SimTargetKind::kV1, {}},
  };
  int failed = 0;
  for (const Recording& recording : recordings) {
    if (!RecordSession(recording, out)) {
      std::fprintf(stderr, "vuriru-fuzz-seeds: the session %s did not end\n", recording.name.c_str());
      ++failed;
    }
  }
  std::printf("%d seeds written to %s\n", out.Count(), root.string().c_str());
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vuriru::fuzz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vuriru-fuzz-seeds DIR\n");
    return 2;
  }
  return vuriru::fuzz::MakeSeeds(argv[1]);
}
