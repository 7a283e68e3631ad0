// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `vuriru-cli doctor` found: one line per check, OK or FAIL, a failure
// with the fix. Printed as text ("OK   what: detail", a FAIL with its fix
// indented below) or as JSON.

#include <ostream>
#include <string>
#include <vector>

namespace vuriru {

struct DoctorLine {
  bool ok = true;
  std::string check;  // "udev rule", "access to /dev/hidraw3", ...
  std::string detail;
  std::string fix;  // empty for OK lines; may hold several lines
};

class DoctorReport {
 public:
  void Ok(std::string check, std::string detail);
  void Fail(std::string check, std::string detail, std::string fix);

  const std::vector<DoctorLine>& Lines() const { return m_lines; }
  bool AllHold() const;
  size_t Failures() const;

 private:
  std::vector<DoctorLine> m_lines;
};

void PrintDoctorReport(const DoctorReport& report, bool json, std::ostream& out);

}  // namespace vuriru
