// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor_report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vuriru {

void DoctorReport::Ok(std::string check, std::string detail) {
  m_lines.push_back({true, std::move(check), std::move(detail), {}});
}

void DoctorReport::Fail(std::string check, std::string detail, std::string fix) {
  m_lines.push_back({false, std::move(check), std::move(detail), std::move(fix)});
}

bool DoctorReport::AllHold() const {
  return Failures() == 0;
}

size_t DoctorReport::Failures() const {
  return static_cast<size_t>(std::count_if(m_lines.begin(), m_lines.end(), [](const DoctorLine& l) { return !l.ok; }));
}

void PrintDoctorReport(const DoctorReport& report, bool json, std::ostream& out) {
  if (json) {
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const DoctorLine& line : report.Lines()) {
      nlohmann::ordered_json entry = {{"check", line.check}, {"ok", line.ok}, {"detail", line.detail}};
      if (!line.ok) entry["fix"] = line.fix;
      checks.push_back(std::move(entry));
    }
    out << nlohmann::ordered_json{{"ok", report.AllHold()}, {"checks", checks}}.dump(2) << "\n";
    return;
  }
  for (const DoctorLine& line : report.Lines()) {
    out << (line.ok ? "OK   " : "FAIL ") << line.check << ": " << line.detail << "\n";
    if (line.ok || line.fix.empty()) continue;
    // The fix below its line, every line of it indented under the check.
    std::istringstream fix(line.fix);
    bool first = true;
    for (std::string text; std::getline(fix, text); first = false) {
      out << (first ? "     fix: " : "          ") << text << "\n";
    }
  }
}

}  // namespace vuriru
