// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/record_loader.h"

#include "sim/starting_memory.h"

namespace vuriru {

namespace {
constexpr uint8_t kTaken = 0x11;
constexpr uint8_t kRefused = 0x12;
}  // namespace

void SimRecordLoader::Start(SimAnswers& answers) {
  *this = SimRecordLoader{};
  answers.push_back(SimAnswer{SimLoaderVersionReply()});
}

bool SimRecordLoader::Feed(uint8_t byte, uint64_t nowMs, SimAnswers& answers, SimMemory& memory,
                           const SimFaults* faults) {
  // A record that stalled halfway is dropped; the records before it stay.
  if (!m_record.empty() && nowMs - m_lastByteMs > kSimLoaderStallMs) m_record.clear();
  m_lastByteMs = nowMs;
  if (m_record.empty()) {
    if (byte == 0xD4 || byte == 0xD5) {
      if (m_recordsTaken > 0) {
        memory.firmwareImage = m_image;
        ++memory.firmwareUpdates;
      }
      return false;
    }
    if (byte == 0xD6) {
      Start(answers);
      return true;
    }
  }
  m_record.push_back(byte);
  if (m_record.size() < 2) return true;
  const size_t length = (size_t{m_record[0]} << 8) | m_record[1];
  if (m_record.size() < length + 2) return true;

  if (faults != nullptr && faults->Has(SimFault::kBlockRefused) && m_recordsTaken == faults->refusedBlock) {
    answers.push_back(SimAnswer{{kRefused}});
  } else if (m_recordsTaken > 0 && m_record == m_lastRecord) {
    // The host sends a record again when it misread the answer to it: the
    // loader writes it where it wrote it before, so it is taken once.
    answers.push_back(SimAnswer{{kTaken}});
  } else {
    m_image.insert(m_image.end(), m_record.begin(), m_record.end());
    ++m_recordsTaken;
    m_lastRecord = m_record;
    answers.push_back(SimAnswer{{kTaken}});
  }
  m_record.clear();
  return true;
}

}  // namespace vuriru
