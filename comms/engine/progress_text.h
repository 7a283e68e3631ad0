// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress dialog's caption during a transaction.

#include <cstdint>
#include <string>

#include "common/user_text.h"

namespace vuriru {

// The caption of the read after connecting, before its first figure.
inline constexpr const char* kReadProgressTitle = VURIRU_TEXT("Messages", "Read From Esc Process......");
// %1 is the percent done.
inline constexpr const char* kDataTransferringFormat = VURIRU_TEXT("Messages", "Data Transferring.. %1% done.");
inline constexpr const char* kTransferringFormat = VURIRU_TEXT("Messages", "Transferring.. %1% done.");

// pos × 100 / range in whole percent; 0 for an empty range. Above 100 when
// pos has run past the range, as the dialog allows.
uint32_t ProgressPercent(uint32_t pos, uint32_t range);

// `format` holds one %1 for the percent.
UserText FormatProgressText(const char* format, uint32_t percent);

}  // namespace vuriru
