// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings pages described as data: one table per page, one row per
// setting. The page widgets build themselves from these tables; the
// command-line tool reads the option texts from them, and the artwork
// generator prints each setting's caption where its value label sits. A row
// names its setting; the caption is the settings table's (settings_table.h),
// and the factory index is the option marked "(*)". Plain C++.

#include <string>
#include <vector>

#include "settings/settings_block.h"

namespace vuriru {

// A position or size in dialog units, as the page templates give them.
struct DialogPoint {
  int x = 0;
  int y = 0;
};

struct PageSettingRow {
  Setting setting;
  int labelId = 0;                   // value label control id
  DialogPoint labelPos;              // value label top-left
  int listId = 0;                    // option list control id
  int listHeight = 0;                // option list height
  std::vector<std::string> options;  // option texts, factory option marked "(*)"
  std::string helpText;              // shown when the value label is clicked
  bool visible = true;               // hidden settings are collected but never shown
  bool restoredByDefault = true;     // false: Default leaves the current index alone
  bool curveSelector = false;        // "Linear(*)"/"Custom": Default sets index 0, the page opens its editor
};

struct PageTable {
  std::string className;  // e.g. "CGeneral"
  std::string title;      // e.g. "General", as the page button reads
  int pageNumber = 0;     // 2 General … 6 Turbo
  int dialogId = 0;
  DialogPoint size;            // template size
  std::string backgroundFile;  // e.g. "2.bmp"
  int helpPanelId = 0;
  int pageBitmapId = 0;
  std::string initialHelpText;
  std::vector<int> blackTextIds;      // controls drawn with black text
  std::vector<PageSettingRow> rows;   // in the page's column order
  DialogPoint labelSize{80, 14};      // every value label of the page
  DialogPoint helpPanelPos{290, 40};  // read-only help text panel
  // A little narrower than the templates' 105 so that the picture's frame
  // around the panel stays inside the page.
  DialogPoint helpPanelSize{100, 145};
};

// Offset of an option list below its value label, and how much wider it is.
inline constexpr int kListOffsetY = 12;
inline constexpr int kListExtraWidth = 8;
// The height of one option in an open list, in pixels: the smallest list
// that shows all its options (three in 24 dialog units, 39 pixels, inside
// a one-pixel frame) holds three such rows.
inline constexpr int kListRowHeight = 12;

// The marker that ends the factory option's text.
inline constexpr char kFactoryMarker = '*';

// Index of the factory option: the last option whose text holds the marker
// (a later marked option wins over an earlier one), or 0 when none is marked.
int FactoryIndexFromOptions(const std::vector<std::string>& options);

}  // namespace vuriru
