// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor_checks.h"

#include <cstdio>
#include <map>

#include "common/program_files.h"
#include "link/hidapi/hidapi_library.h"
#include "link/link_refusal.h"
#include "link/report_descriptor.h"
#include "link/usb_link.h"

namespace vuriru {

namespace {

// The id of the connect report, its first byte.
constexpr uint8_t kConnectReportId = kConnectReport[0];

std::string Hex4(uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", value);
  return text;
}

std::string Strings(const AdapterFacts& facts) {
  std::string text;
  const auto add = [&text](const char* what, const std::string& value) {
    if (value.empty()) return;
    text += std::string(", ") + what + " \"" + value + "\"";
  };
  add("manufacturer", facts.manufacturer);
  add("product", facts.product);
  add("serial", facts.serial);
  return text.empty() ? ", no strings" : text;
}

std::string ReportKind(const ReportSizes& sizes, uint8_t id) {
  if (sizes.output.count(id)) return "an output report";
  if (sizes.feature.count(id)) return "a feature report only";
  return "not declared";
}

void CheckAccess(DoctorReport& report, const AdapterFacts& facts, const AdapterProbe* probe) {
  std::string detail;
  if (facts.access) {
    detail = facts.access->mode + " " + facts.access->owner + ":" + facts.access->group + "; this user " +
             (facts.access->readWrite ? "may" : "may not") + " read and write it; ";
  }
  const std::string check = "access to " + facts.path;
  if (probe == nullptr) {
    report.Fail(check, detail + "it was not tried", "unplug the adapter, plug it in again and repeat");
  } else if (probe->opens) {
    report.Ok(check, detail + "it opens");
  } else if (probe->refusal == LinkRefusal::kReportsTooShort) {
    report.Ok(check, detail + "it opens, but its reports are too short (below)");
  } else if (probe->refusal == LinkRefusal::kAccessDenied) {
    report.Fail(check, detail + "it does not open: permission denied",
                LinkRefusalMessage(LinkRefusal::kAccessDenied, facts.path));
  } else {
    report.Fail(check, detail + "it does not open",
                "close any other program that uses the adapter (a second vuriru-link?), then unplug the adapter "
                "and plug it in again");
  }
}

void CheckEndpoint(DoctorReport& report, const AdapterFacts& facts) {
  const std::string check = "interrupt OUT endpoint of " + facts.path;
  if (!facts.interruptOut) {
    report.Ok(check, "unknown (the system shows no USB endpoints for it); the connect report's route is not known");
  } else if (*facts.interruptOut) {
    report.Ok(check,
              "yes: the data reports go over it, and so does the connect report, which the adapter's own library "
              "sends as a control transfer; if the adapter never answers the connect report, suspect this first");
  } else {
    report.Ok(check, "none: the connect report and the data reports go as control transfers");
  }
}

}  // namespace

void CheckUdevRule(DoctorReport& report, const std::filesystem::path& installedRule, bool simulated) {
  const std::string where = installedRule.empty() ? "not installed" : "installed as " + installedRule.string();
  if (simulated) {
    report.Ok("udev rule", "not needed with --simulate (" + where + ")");
  } else if (!installedRule.empty()) {
    report.Ok("udev rule", where);
  } else {
    report.Fail("udev rule", std::string(kUdevRuleFileName) + " is not installed",
                "install the vuriru-link package (sudo apt install ./vuriru-link_*.deb), or the rule by hand:\n" +
                    UdevRuleInstallCommands() + "then unplug the adapter and plug it in again");
  }
}

void CheckReportSizes(DoctorReport& report, const std::string& path,
                      const std::optional<std::vector<uint8_t>>& descriptor) {
  const std::string check = "reports of " + path;
  const std::string usual = std::to_string(HidapiLibrary::kReportLength);
  if (!descriptor) {
    report.Ok(check, "the report descriptor cannot be read here; the link takes the adapter's usual " + usual +
                         "-byte reports");
    return;
  }
  ReportSizes sizes;
  std::string error;
  if (!ParseReportDescriptor(*descriptor, &sizes, &error)) {
    report.Fail(check, "the report descriptor is not understood (" + error + "); the link takes " + usual + " bytes",
                "check that this is the Vuriru USB link adapter");
    return;
  }
  const uint32_t length = sizes.OutputReportBufferLength();
  std::string detail = DescribeReportSizes(sizes) + "; output report buffer " + std::to_string(length) + " bytes";
  if (sizes.numbered) {
    detail += "; data report 0x02: " + ReportKind(sizes, kDataReportId) +
              "; connect report 0xFD: " + ReportKind(sizes, kConnectReportId);
  }
  if (length < kMinOutputReportLength) {
    report.Fail(check, detail, LinkRefusalMessage(LinkRefusal::kReportsTooShort, path));
  } else if (!sizes.numbered) {
    report.Fail(check, detail + "; the reports carry no report id",
                "the link reads the report id before the length byte of every input report; check that this is "
                "the Vuriru USB link adapter");
  } else if (sizes.LargestInput() + 1 > length) {
    report.Fail(check,
                detail + "; input reports of " + std::to_string(sizes.LargestInput() + 1) +
                    " bytes with their id are cut to the " + std::to_string(length) + "-byte slots the link reads",
                "check that this is the Vuriru USB link adapter");
  } else {
    report.Ok(check, detail);
  }
}

void CheckAdapter(DoctorReport& report, const AdapterFacts& facts, const AdapterProbe* probe) {
  report.Ok("adapter " + facts.path, Hex4(facts.vendorId) + ":" + Hex4(facts.productId) + Strings(facts));
  CheckAccess(report, facts, probe);
  CheckReportSizes(report, facts.path, facts.reportDescriptor);
  CheckEndpoint(report, facts);
}

void CheckBitmapFiles(DoctorReport& report, const std::filesystem::path& exeFolder) {
  std::map<std::string, size_t> foundIn;
  std::string missing;
  for (const std::string& name : BitmapFileNames()) {
    const std::filesystem::path file = FindArtworkFile(exeFolder, name);
    if (file.empty()) {
      missing += (missing.empty() ? "" : ", ") + name;
    } else {
      ++foundIn[file.parent_path().string()];
    }
  }
  std::string found;
  for (const auto& [folder, count] : foundIn) {
    found += (found.empty() ? "" : ", ") + std::to_string(count) + " in " + folder;
  }
  const std::string total = std::to_string(BitmapFileNames().size());
  if (missing.empty()) {
    report.Ok("bitmap files", "all " + total + " found: " + found);
    return;
  }
  std::string looked;
  for (const std::filesystem::path& folder : ArtworkFolders(exeFolder)) {
    looked += (looked.empty() ? "" : " and ") + folder.string();
  }
  report.Fail("bitmap files",
              "missing " + missing + " (looked in " + looked + ")" + (found.empty() ? "" : "; " + found),
              "reinstall the vuriru-link package; in a build tree, build the target vuriru_artwork_files");
}

}  // namespace vuriru
