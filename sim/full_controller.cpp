// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/full_controller.h"

#include <algorithm>
#include <optional>

#include "sim/starting_memory.h"

namespace vuriru {

namespace {

constexpr uint8_t kKindFull = 0x2A;
constexpr uint8_t kAck = 0x01;
constexpr uint8_t kReady = 0x80;
constexpr uint8_t kCurveRefused = 0x02;
constexpr uint8_t kFirstTag = 0xA4;
constexpr uint8_t kTrailerTag = 0xAF;
constexpr size_t kCurveBlockBytes = 134;
// The first pair plus a whole 66-byte frame, with room to spare.
constexpr size_t kLongestFrame = 96;

// Where the controller keeps the value of each frame tag: its position in the
// settings reply. The controller's own map, kept apart from the program's.
std::optional<size_t> ReplyPositionOfTag(uint8_t tag) {
  static constexpr std::pair<uint8_t, uint8_t> kTags[] = {
      {0xA4, 0},  {0xE8, 1},  {0xEC, 2},  {0xEF, 3},  {0xE7, 4},  {0xEA, 5},  {0xE6, 6},  {0xEB, 7},
      {0xE9, 8},  {0xE4, 9},  {0xE3, 10}, {0xED, 11}, {0xEE, 12}, {0xA6, 13}, {0xA7, 14}, {0xE1, 15},
      {0xE5, 16}, {0xA3, 17}, {0xA8, 18}, {0xA9, 19}, {0xAA, 20}, {0xA1, 21}, {0xAB, 22}, {0xA2, 23},
      {0xAC, 24}, {0xAD, 25}, {0xA5, 26}, {0xE0, 31}, {0xE2, 32}, {0xAE, 33}, {0xA0, 34},
  };
  for (const auto& [t, position] : kTags) {
    if (t == tag) return position;
  }
  return std::nullopt;
}

// Curve number by request byte and by announce byte.
std::optional<uint8_t> CurveOfRequest(uint8_t byte) {
  switch (byte) {
    case 0xDE:
      return kSimCurveBoost;
    case 0xDB:
      return kSimCurveBrake;
    case 0xD9:
      return kSimCurveThrottle;
    default:
      return std::nullopt;
  }
}

std::optional<uint8_t> CurveOfAnnounce(uint8_t byte) {
  switch (byte) {
    case 0xDF:
      return kSimCurveBoost;
    case 0xDC:
      return kSimCurveBrake;
    case 0xDA:
      return kSimCurveThrottle;
    default:
      return std::nullopt;
  }
}

}  // namespace

SimFullController::SimFullController() {
  m_memory = FullStartingMemory();
}

void SimFullController::Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) {
  m_frameStart = m_frame.size();
  for (size_t i = 0; i < length; ++i) {
    const uint8_t byte = bytes[i];
    switch (m_mode) {
      case Mode::kCommand:
        Command(byte, answers);
        break;
      case Mode::kFirstPairValue:
        if (HasFault(SimFault::kNoFirstAck) && !m_firstAckSwallowed) {
          // Lost on the way: the controller behaves as if nothing came.
          m_firstAckSwallowed = true;
          m_mode = Mode::kCommand;
          break;
        }
        m_frame = {kFirstTag, byte};
        m_frameStart = 0;
        m_mode = Mode::kFrame;
        answers.push_back(SimAnswer{{kAck}});
        break;
      case Mode::kFrame:
        FrameByte(byte, answers);
        break;
      case Mode::kCurveBlock:
        CurveBlockByte(byte, answers);
        break;
      case Mode::kLoader:
        if (!m_loader.Feed(byte, NowMs(), answers, m_memory, Faults())) {
          m_mode = Mode::kCommand;
          Command(byte, answers);
        }
        break;
    }
  }
  // The first pair sent again on its own means the acknowledgement was lost:
  // acknowledge it again and keep waiting for the frame.
  if (m_mode == Mode::kFrame && length == 2 && bytes[0] == kFirstTag && m_frame.size() == 4 && m_frameStart == 2) {
    m_frame.resize(2);
    m_frame[1] = bytes[1];
    answers.push_back(SimAnswer{{kAck}});
  }
}

void SimFullController::Command(uint8_t byte, SimAnswers& answers) {
  if (byte == 0xD4 || byte == 0xD5) {
    answers.push_back(SimAnswer{{kKindFull}});
  } else if (byte == 0xD7) {
    if (!HasFault(SimFault::kNoVersionAnswer)) answers.push_back(SimAnswer{m_memory.softwareVersion});
  } else if (byte == 0xD8) {
    answers.push_back(SimAnswer{m_memory.settings});
  } else if (const auto curve = CurveOfRequest(byte)) {
    answers.push_back(CurveReply(*curve));
  } else if (const auto curve = CurveOfAnnounce(byte)) {
    m_curve = *curve;
    m_curveBlock.clear();
    m_mode = Mode::kCurveBlock;
    answers.push_back(SimAnswer{{kReady}});
  } else if (byte == kFirstTag) {
    m_mode = Mode::kFirstPairValue;
  } else if (byte == 0xD6) {
    m_loader.Start(answers);
    m_mode = Mode::kLoader;
  } else {
    m_memory.unexpected.push_back(byte);
  }
}

void SimFullController::FrameByte(uint8_t byte, SimAnswers& answers) {
  m_frame.push_back(byte);
  if (m_frame.size() > kLongestFrame) {
    // No trailer where one must have come: drop the frame.
    m_memory.unexpected.insert(m_memory.unexpected.end(), m_frame.begin(), m_frame.end());
    m_frame.clear();
    m_mode = Mode::kCommand;
    return;
  }
  // Pairs start at even offsets; look for the trailer tag there.
  const size_t trailerAt = [&] {
    for (size_t i = 0; i + 1 < m_frame.size(); i += 2) {
      if (m_frame[i] == kTrailerTag) return i;
    }
    return m_frame.size();
  }();
  if (trailerAt + 4 > m_frame.size()) return;

  const bool sound = m_frame[trailerAt + 1] == 0x01 && m_frame[trailerAt + 2] == 0x01 && m_frame[trailerAt + 3] == 0x01;
  if (sound) {
    for (size_t i = 0; i < trailerAt; i += 2) {
      const auto position = ReplyPositionOfTag(m_frame[i]);
      if (position && *position < m_memory.settings.size()) {
        m_memory.settings[*position] = m_frame[i + 1];
      } else {
        m_memory.unexpected.push_back(m_frame[i]);
      }
    }
    StoreCompleted();
    answers.push_back(SimAnswer{{kAck}});
  } else {
    // A damaged trailer: nothing is kept and nothing is acknowledged.
    m_memory.unexpected.insert(m_memory.unexpected.end(), m_frame.begin() + trailerAt, m_frame.begin() + trailerAt + 4);
  }
  m_frame.clear();
  m_mode = Mode::kCommand;
}

void SimFullController::CurveBlockByte(uint8_t byte, SimAnswers& answers) {
  m_curveBlock.push_back(byte);
  if (m_curveBlock.size() < kCurveBlockBytes) return;
  const auto [quotient, remainder] = SimCurveCheck(m_curveBlock.data());
  if (quotient == m_curveBlock[kSimCurveValues] && remainder == m_curveBlock[kSimCurveValues + 1]) {
    m_memory.curves[m_curve].assign(m_curveBlock.begin(), m_curveBlock.begin() + kSimCurveValues);
    StoreCompleted();
    answers.push_back(SimAnswer{{kAck}});
  } else {
    ++m_memory.curveBlocksRejected;
    answers.push_back(SimAnswer{{kCurveRefused}});
  }
  m_curveBlock.clear();
  m_mode = Mode::kCommand;
}

SimAnswer SimFullController::CurveReply(uint8_t curve) const {
  std::vector<uint8_t> values = m_memory.curves[curve];
  values.resize(kSimCurveValues, 0);
  auto [quotient, remainder] = SimCurveCheck(values.data());
  if (HasFault(SimFault::kBadCurveCheck)) remainder = static_cast<uint8_t>((remainder + 1) % 100);
  SimAnswer reply;
  reply.bytes.reserve(1 + kSimCurveValues + 2);
  reply.bytes.push_back(kReady);
  reply.bytes.insert(reply.bytes.end(), values.begin(), values.end());
  reply.bytes.push_back(quotient);
  reply.bytes.push_back(remainder);
  return reply;
}

}  // namespace vuriru
