// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages and curve editors do to the settings before a store, for a
// program without windows: the import's take-over and refresh, and Default's
// factory values and curve reset. The rules come from the page tables.

#include <vector>

#include "common/state_values.h"
#include "curves/curve_set.h"
#include "files/data_file_codec.h"
#include "settings/settings_block.h"

namespace vuriru {

// A page's refresh: every index past the end of its option list becomes the
// last option, as the page shows and then collects it.
void ClampIndexesToOptions(SettingsBlock& settings);

// What the pages and editors hold after a refresh, as Apply and Export
// collect it: indexes held to their lists, and each editor's curve reloaded
// from its stored points and sampled again.
void CollectLikePages(SettingsBlock& settings, CurveSet& curves);

// Import followed by Apply's collection: the file's settings, running log and
// stored curves become the program's, indexes are held to their lists, and
// each editor reloads its curve from the stored points and samples it again.
void TakeImportedData(const EscData& data, SettingsBlock& settings, CurveSet& curves);

// Default: every setting the pages restore gets its factory index, a curve
// selector "Linear"; each editor resets its curve and stores it.
void ApplyFactoryValues(SettingsBlock& settings, CurveSet& curves);

// The program's settings and stored curves as a settings file's content.
EscData CurrentEscData(const SettingsBlock& settings, const CurveSet& curves);

}  // namespace vuriru
