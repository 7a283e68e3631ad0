// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/block_loader.h"

#include <algorithm>

#include "sim/starting_memory.h"

namespace vuriru {

namespace {
constexpr uint32_t kBlockSize = 512;
constexpr uint8_t kPrefix = 0x13;

SimAnswer Ok() {
  return SimAnswer{{'o', 'k'}};
}
SimAnswer Refusal() {
  return SimAnswer{{'e', 'r'}};
}
}  // namespace

void SimBlockLoader::Start(SimAnswers& answers, uint32_t restartDelayMs) {
  *this = SimBlockLoader{};
  answers.push_back(SimAnswer{SimLoaderVersionReply(), restartDelayMs});
}

bool SimBlockLoader::Feed(uint8_t byte, uint64_t nowMs, SimAnswers& answers, SimMemory& memory,
                          const SimFaults* faults) {
  const bool midData = m_phase == Phase::kSize || m_phase == Phase::kLength || m_phase == Phase::kBlock;
  if (midData && nowMs - m_lastByteMs > kSimLoaderStallMs) {
    // The sender gave up: forget the transfer and listen for commands again.
    *this = SimBlockLoader{};
  }
  m_lastByteMs = nowMs;
  switch (m_phase) {
    case Phase::kUnlock:
    case Phase::kFinish:
    case Phase::kLeave:
      return Command(byte, answers, memory);
    case Phase::kSize:
    case Phase::kLength: {
      m_field.push_back(byte);
      if (m_field.size() < 2) return true;
      const uint32_t value = (uint32_t{m_field[0]} << 8) | m_field[1];
      m_field.clear();
      if (m_phase == Phase::kSize) {
        m_size = value;
        m_sizeKnown = true;
        m_phase = m_size == 0 ? Phase::kFinish : Phase::kLength;
      } else if (value == 0 || value > kBlockSize) {
        answers.push_back(Refusal());  // no such block length; wait for a sound one
      } else {
        m_blockLength = value;
        m_blockHadLength = true;
        m_phase = Phase::kBlock;
      }
      return true;
    }
    case Phase::kBlock:
      m_block.push_back(byte);
      if (m_block.size() == m_blockLength) BlockDone(answers, faults);
      return true;
  }
  return true;
}

bool SimBlockLoader::Command(uint8_t byte, SimAnswers& answers, SimMemory& memory) {
  if (!m_prefix) {
    if (byte == kPrefix) {
      m_prefix = true;
    } else if (byte == 0xD3 || byte == 0xD6) {
      Start(answers, 0);  // the host asked again: start over
    } else {
      memory.unexpected.push_back(byte);
    }
    return true;
  }
  m_prefix = false;
  if (byte == 0x7E && m_phase == Phase::kUnlock) {
    answers.push_back(Ok());
    m_phase = Phase::kSize;
  } else if (byte == 0x81 && m_phase == Phase::kFinish) {
    answers.push_back(Ok());
    m_phase = Phase::kLeave;
  } else if (byte == 0xCF) {
    // Leaving keeps the image only when every byte of it arrived.
    if (Complete()) {
      memory.firmwareImage = m_image;
      ++memory.firmwareUpdates;
    }
    return false;
  } else {
    memory.unexpected.push_back(kPrefix);
    memory.unexpected.push_back(byte);
  }
  return true;
}

void SimBlockLoader::BlockDone(SimAnswers& answers, const SimFaults* faults) {
  const bool refused =
      faults != nullptr && faults->Has(SimFault::kBlockRefused) && m_blocksAccepted == faults->refusedBlock;
  if (refused) {
    answers.push_back(Refusal());
  } else {
    // A first block longer than the image holds only the image's bytes.
    const size_t room = m_size - std::min<size_t>(m_size, m_image.size());
    m_image.insert(m_image.end(), m_block.begin(), m_block.begin() + std::min(room, m_block.size()));
    ++m_blocksAccepted;
    answers.push_back(Ok());
  }
  m_block.clear();
  const uint32_t remaining = m_size - static_cast<uint32_t>(m_image.size());
  if (refused) {
    // The same block may come again in the same form.
    m_phase = m_blockHadLength ? Phase::kLength : Phase::kBlock;
  } else if (remaining == 0) {
    m_phase = Phase::kFinish;
  } else if (remaining > kBlockSize) {
    m_blockLength = kBlockSize;
    m_blockHadLength = false;
    m_phase = Phase::kBlock;
  } else {
    m_phase = Phase::kLength;
  }
}

}  // namespace vuriru
