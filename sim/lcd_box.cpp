// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/lcd_box.h"

#include "sim/starting_memory.h"

namespace vuriru {

SimLcdBox::SimLcdBox() {
  m_memory = LcdStartingMemory();
}

void SimLcdBox::Consume(const uint8_t* bytes, size_t length, SimAnswers& answers) {
  for (size_t i = 0; i < length; ++i) {
    const uint8_t byte = bytes[i];
    if (m_inLoader) {
      m_inLoader = m_loader.Feed(byte, NowMs(), answers, m_memory, Faults());
    } else if (byte == 0xD4 || byte == 0xD5) {
      answers.push_back(SimAnswer{{0x27}});
    } else if (byte == 0xD3) {
      m_loader.Start(answers, kRestartMs);
      m_inLoader = true;
    } else {
      m_memory.unexpected.push_back(byte);
    }
  }
}

}  // namespace vuriru
