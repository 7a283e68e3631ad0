// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/engine_script.h"

#include <algorithm>

namespace vuriru::fuzz {

void EngineScriptWriter::Reply(std::span<const uint8_t> reply) {
  if (reply.empty()) {
    m_bytes.push_back(0);
    return;
  }
  for (size_t at = 0; at < reply.size(); at += engine_op::kLongestReply) {
    const size_t n = std::min<size_t>(engine_op::kLongestReply, reply.size() - at);
    m_bytes.push_back(static_cast<uint8_t>(n));
    m_bytes.insert(m_bytes.end(), reply.begin() + static_cast<ptrdiff_t>(at),
                   reply.begin() + static_cast<ptrdiff_t>(at + n));
  }
}

void EngineScriptWriter::WaitMs(uint64_t ms) {
  while (ms > 0) {
    const auto step = static_cast<uint32_t>(std::min<uint64_t>(ms, engine_op::kLongestWaitMs));
    m_bytes.push_back(static_cast<uint8_t>(engine_op::kWait | (step >> 8)));
    m_bytes.push_back(static_cast<uint8_t>(step & 0xFF));
    ms -= step;
  }
}

void EngineScriptWriter::Fault(LinkFault fault, uint8_t argument) {
  m_bytes.push_back(static_cast<uint8_t>(engine_op::kLinkFault | static_cast<uint8_t>(fault)));
  m_bytes.push_back(argument);
}

void EngineScriptWriter::Command(UserCommand command) {
  m_bytes.push_back(static_cast<uint8_t>(engine_op::kCommand | static_cast<uint8_t>(command)));
}

}  // namespace vuriru::fuzz
