// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link_refusal.h"

#include <system_error>

namespace vuriru {

LinkRefusal RefusalFromOpenResult(HidResult result) {
  if (result == HID_DEVICE_ACCESS_DENIED) return LinkRefusal::kAccessDenied;
  if (result == HID_DEVICE_REPORTS_TOO_SHORT) return LinkRefusal::kReportsTooShort;
  return LinkRefusal::kNone;
}

std::vector<std::filesystem::path> UdevRuleFolders() {
  return {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
}

std::filesystem::path FindUdevRule(const std::vector<std::filesystem::path>& folders) {
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path rule = folder / kUdevRuleFileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(rule, error)) return rule;
  }
  return {};
}

std::string UdevRuleInstallCommands() {
  return std::string("  echo '") + kUdevRule + "' | sudo tee /etc/udev/rules.d/" + kUdevRuleFileName +
         "\n"
         "  sudo udevadm control --reload-rules\n"
         "  sudo udevadm trigger --subsystem-match=hidraw\n";
}

UserText LinkRefusalText(LinkRefusal refusal, const std::string& node, const std::filesystem::path& installedRule) {
  switch (refusal) {
    case LinkRefusal::kNone:
      break;
    case LinkRefusal::kAccessDenied:
      if (installedRule.empty()) {
        return {VURIRU_TEXT("Messages",
                            "The link adapter is plugged in, but this user may not open its device node %1 (permission "
                            "denied).\n"
                            "Install the vuriru-link package (sudo apt install ./vuriru-link_*.deb), which lets the "
                            "user logged in at this computer use the adapter, or install its udev rule by hand:\n"
                            "%2"
                            "Then unplug the adapter and plug it in again; the window then connects by itself."),
                {node, UdevRuleInstallCommands()}};
      }
      return {VURIRU_TEXT("Messages",
                          "The link adapter is plugged in, but this user may not open its device node %1 (permission "
                          "denied), although the udev rule is installed as %2.\n"
                          "Unplug the adapter and plug it in again; the window then connects by itself. If it still "
                          "cannot, have udev apply the rule again:\n"
                          "  sudo udevadm control --reload-rules\n"
                          "  sudo udevadm trigger --subsystem-match=hidraw\n"
                          "The rule gives access to the user logged in at this computer, not to a remote login."),
              {node, installedRule.string()}};
    case LinkRefusal::kReportsTooShort:
      return {VURIRU_TEXT("Messages",
                          "The device at %1 has the link adapter's USB id, but its reports are too short for the link: "
                          "each report must hold the report id, a length byte and up to 59 payload bytes (61 bytes).\n"
                          "Run 'vuriru-cli doctor' to see the report sizes its report descriptor gives."),
              {node}};
  }
  return {};
}

UserText LinkRefusalText(LinkRefusal refusal, const std::string& node) {
  return LinkRefusalText(refusal, node, FindUdevRule(UdevRuleFolders()));
}

std::string LinkRefusalMessage(LinkRefusal refusal, const std::string& node,
                               const std::filesystem::path& installedRule) {
  return EnglishText(LinkRefusalText(refusal, node, installedRule));
}

std::string LinkRefusalMessage(LinkRefusal refusal, const std::string& node) {
  return LinkRefusalMessage(refusal, node, FindUdevRule(UdevRuleFolders()));
}

}  // namespace vuriru
