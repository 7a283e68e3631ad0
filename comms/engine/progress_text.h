#pragma once
// The progress dialog's caption during a transaction.

#include <cstdint>
#include <string>

namespace vuriru {

// The caption of the read after connecting, before its first figure.
inline constexpr const char* kReadProgressTitle = "Read From Esc Process......";
inline constexpr const char* kDataTransferringFormat = "Data Transferring.. %d%% done.";
inline constexpr const char* kTransferringFormat = "Transferring.. %d%% done.";

// pos × 100 / range in whole percent; 0 for an empty range. Above 100 when
// pos has run past the range, as the dialog allows.
uint32_t ProgressPercent(uint32_t pos, uint32_t range);

// `format` holds one %d for the percent.
std::string FormatProgressText(const char* format, uint32_t percent);

}  // namespace vuriru
