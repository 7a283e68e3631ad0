// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_fault.h"

#include <charconv>

namespace vuriru {

const std::vector<SimFaultInfo>& SimFaultList() {
  static const std::vector<SimFaultInfo> kList = {
      {SimFault::kNoAnswer, "silent", "the adapter never answers, not even the connect report"},
      {SimFault::kNoVersionAnswer, "no-version", "the controller ignores the software version request (0xD7)"},
      {SimFault::kSplit20, "split-20", "answers arrive in 20-byte pieces, one piece per 100 ms"},
      {SimFault::kBadCurveCheck, "bad-curve-check", "curve replies carry wrong check bytes"},
      {SimFault::kNoFirstAck, "no-first-ack", "the first pair of the first store is not acknowledged"},
      {SimFault::kGarbage, "garbage", "every third answer is preceded by a report of junk bytes"},
      {SimFault::kPullAfterBytes, "pull-after",
       "the adapter is pulled out after N bytes written since opening (pull-after=N, default 100)"},
      {SimFault::kBlockRefused, "refuse-block",
       "firmware block or record number K (from 0) is refused (refuse-block=K, default 1)"},
      {SimFault::kAccessDenied, "access-denied", "the adapter is there but this user may not open its node"},
  };
  return kList;
}

std::string_view SimFaultName(SimFault fault) {
  for (const auto& info : SimFaultList()) {
    if (info.fault == fault) return info.name;
  }
  return "?";
}

bool ParseSimFault(std::string_view name, SimFault* fault) {
  for (const auto& info : SimFaultList()) {
    if (info.name == name) {
      *fault = info.fault;
      return true;
    }
  }
  return false;
}

void SimFaults::Set(SimFault fault, bool on) {
  if (on) {
    m_bits |= Bit(fault);
  } else {
    m_bits &= ~Bit(fault);
  }
}

bool ParseSimFaultArgument(std::string_view text, SimFaults& faults, std::string* error) {
  const size_t eq = text.find('=');
  const std::string_view name = text.substr(0, eq);
  SimFault fault{};
  if (!ParseSimFault(name, &fault)) {
    if (error) *error = "unknown fault \"" + std::string(name) + "\"";
    return false;
  }
  if (eq != std::string_view::npos) {
    if (fault != SimFault::kPullAfterBytes && fault != SimFault::kBlockRefused) {
      if (error) *error = "fault \"" + std::string(name) + "\" takes no number";
      return false;
    }
    const std::string_view digits = text.substr(eq + 1);
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
      if (error) *error = "fault \"" + std::string(name) + "\" needs a whole number after '='";
      return false;
    }
    if (fault == SimFault::kPullAfterBytes) {
      faults.pullAfterBytes = value;
    } else {
      faults.refusedBlock = value;
    }
  }
  faults.Set(fault);
  return true;
}

std::string SimFaultHelp() {
  std::string text;
  for (const auto& info : SimFaultList()) {
    text += "  ";
    text += info.name;
    text.append(info.name.size() < 17 ? 17 - info.name.size() : 1, ' ');
    text += info.help;
    text += '\n';
  }
  return text;
}

}  // namespace vuriru
