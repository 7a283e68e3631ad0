// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/v1_controller.h"

#include "sim/starting_memory.h"

namespace vuriru {

namespace {

constexpr uint8_t kAck = 0x01;
constexpr uint8_t kClosing = 0xE0;
constexpr uint8_t kCutOffCodeTag = 0xEC;
constexpr uint8_t kCutOffIndexTag = 0xED;
constexpr uint8_t kBecTag = 0xA1;
constexpr size_t kBecByte = 14;

size_t ReplyLength(SimV1Controller::Model model) {
  switch (model) {
    case SimV1Controller::Model::kPlain:
      return 14;
    case SimV1Controller::Model::kBec:
      return 18;
    case SimV1Controller::Model::kHgm:
      return 12;
  }
  return 14;
}

bool IsPairTag(uint8_t byte) {
  return (byte > kClosing && byte <= 0xEF) || (byte >= 0xA1 && byte <= 0xA3);
}

uint8_t CutOffCodeOfIndex(uint8_t index) {
  return index >= 5 ? 0x2F : static_cast<uint8_t>(0x26 + 2 * index);
}

}  // namespace

SimV1Controller::SimV1Controller(Model model) : m_model(model) {
  m_memory = V1StartingMemory(ReplyLength(model));
}

void SimV1Controller::Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) {
  for (size_t i = 0; i < length; ++i) {
    const uint8_t byte = bytes[i];
    switch (m_mode) {
      case Mode::kCommand:
        Command(byte, answers);
        break;
      case Mode::kPairValue:
        m_mode = Mode::kCommand;
        KeepPair(m_tag, byte, answers);
        break;
      case Mode::kRecordLoader:
        if (!m_records.Feed(byte, NowMs(), answers, m_memory, Faults())) {
          m_mode = Mode::kCommand;
          Command(byte, answers);
        }
        break;
      case Mode::kBlockLoader:
        if (!m_blocks.Feed(byte, NowMs(), answers, m_memory, Faults())) m_mode = Mode::kCommand;
        break;
    }
  }
}

void SimV1Controller::Command(uint8_t byte, SimAnswers& answers) {
  if (byte == 0xD4 || byte == 0xD5) {
    answers.push_back(SimAnswer{{m_model == Model::kBec ? uint8_t{0x2B} : uint8_t{0x2C}}});
  } else if (byte == 0xD7) {
    if (!HasFault(SimFault::kNoVersionAnswer)) answers.push_back(SimAnswer{m_memory.softwareVersion});
  } else if (byte == 0xD8) {
    answers.push_back(SimAnswer{m_memory.settings});
  } else if (IsPairTag(byte)) {
    m_tag = byte;
    m_mode = Mode::kPairValue;
  } else if (byte == kClosing && m_model != Model::kHgm) {
    ++m_memory.closingBytes;
  } else if (byte == 0xD1) {
    answers.push_back(SimAnswer{{kAck}});  // the closing single byte of the longer V1 frames
  } else if (m_model == Model::kHgm && (byte == 0xD6 || byte == 0xD3)) {
    m_blocks.Start(answers, 0);
    m_mode = Mode::kBlockLoader;
  } else if (m_model != Model::kHgm && byte == 0xD6) {
    m_records.Start(answers);
    m_mode = Mode::kRecordLoader;
  } else {
    m_memory.unexpected.push_back(byte);
  }
}

void SimV1Controller::KeepPair(uint8_t tag, uint8_t value, SimAnswers& answers) {
  if (HasFault(SimFault::kNoFirstAck) && !m_firstAckSwallowed) {
    m_firstAckSwallowed = true;  // lost on the way: neither kept nor acknowledged
    return;
  }
  auto& settings = m_memory.settings;
  if (tag == kCutOffCodeTag) {
    settings[0] = value;
  } else if (tag == kCutOffIndexTag) {
    settings[0] = CutOffCodeOfIndex(value);
  } else if (tag == kBecTag) {
    if (settings.size() > kBecByte) {
      settings[kBecByte] = value;
    } else {
      m_memory.unexpected.push_back(tag);
    }
  } else if (const size_t position = tag - kClosing; tag > kClosing && position < settings.size()) {
    settings[position] = value;
  } else {
    m_memory.unexpected.push_back(tag);
  }
  StoreCompleted();
  answers.push_back(SimAnswer{{kAck}});
}

}  // namespace vuriru
