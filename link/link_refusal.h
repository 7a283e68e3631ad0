// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why the link could not open an adapter that is plugged in, and the words
// that tell the user what is wrong and how to mend it. Without them a node
// this user may not open looks like no adapter at all. The window, `list`,
// `info` and `doctor` all word it here.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "link/hid_device.h"

namespace vuriru {

enum class LinkRefusal : uint8_t {
  kNone,
  kAccessDenied,     // the system refused this user access to the node
  kReportsTooShort,  // the report descriptor gives reports too short for the framing
};

// The refusal that an HidDevice_Open result stands for; kNone for any other.
LinkRefusal RefusalFromOpenResult(HidResult result);

// The udev rule that lets the user logged in at the machine open the
// adapter's node, and the name it is installed under. The name sorts before
// 73-seat-late.rules, which turns the uaccess tag into access rights.
inline constexpr const char* kUdevRuleFileName = "70-vuriru-link.rules";
inline constexpr const char* kUdevRule =
    R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="10c4", ATTRS{idProduct}=="8468", TAG+="uaccess")";

// The folders udev reads rules from, the administrator's first.
std::vector<std::filesystem::path> UdevRuleFolders();
// The rule file in the first of `folders` that holds it; empty when none does.
std::filesystem::path FindUdevRule(const std::vector<std::filesystem::path>& folders);

// The commands that install the rule by hand and have udev apply it, one a
// line, each indented by two blanks.
std::string UdevRuleInstallCommands();

// What to tell the user about a refused adapter at `node`: what is wrong and
// the fix. `installedRule` is where the rule was found, empty when it is not
// installed. Several lines, without a final line break; empty for kNone.
std::string LinkRefusalMessage(LinkRefusal refusal, const std::string& node,
                               const std::filesystem::path& installedRule);

// The same, with the rule looked up in the folders udev reads.
std::string LinkRefusalMessage(LinkRefusal refusal, const std::string& node);

// The same message as its English source text with the node, the commands and
// the rule's place as arguments, for the window to show in the user's language.
UserText LinkRefusalText(LinkRefusal refusal, const std::string& node, const std::filesystem::path& installedRule);
UserText LinkRefusalText(LinkRefusal refusal, const std::string& node);

}  // namespace vuriru
