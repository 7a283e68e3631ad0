// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"
#include "settings/option_text.h"
#include "settings/settings_pages.h"

namespace vuriru {

const PageTable& BoostPageTable() {
  static const PageTable table = [] {
    PageTable t;
    t.className = "CBoost";
    t.title = VURIRU_TEXT("Settings", "Boost");
    t.pageNumber = 5;
    t.dialogId = 169;
    t.size = {400, 240};
    t.backgroundFile = "5.bmp";
    t.helpPanelId = 1193;
    t.pageBitmapId = 1235;
    t.initialHelpText = VURIRU_TEXT(
        "Settings",
        "IT IS THE BOOST TIMING \r\nTO THE MOTOR WHEN \r\nACHIEVE THE START RPM \r\nVALUE. FOR HIGHER \r\nTIMING "
        "BOOST, IT "
        "CAN \r\nINCREASE MORE POWER \r\nTO THE MOTOR");
    // Labels 1096..1099 follow the enable rule: black, or grey while BOOST TIMING is 0.
    t.blackTextIds = {1028, 1035, 1036, 1037, 1038, 1091, 1096, 1097, 1098, 1099};

    t.rows = {
        {Setting::BoostTiming,
         1091,
         {152, 20},
         1031,
         84,
         NumberedOptions(0, 64, "deg", 0),
         VURIRU_TEXT(
             "Settings",
             "IT IS THE BOOST TIMING TO THE MOTOR WHEN THE BOOST TRIGGER LEVEL IS ACHIEVED. FOR HIGHER VALUE, IT CAN "
             "INCREASE MORE POWER TO THE MOTOR"),
         true},
        {Setting::BoostStartRpm,
         1096,
         {152, 53},
         1030,
         73,
         NumberedOptions(1, 50, ""),
         VURIRU_TEXT("Settings",
                     "TO SET WHERE TO TRIGGER THE BOOST TIMING POSITION. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO "
                     "TRIGGER THE "
                     "BOOST TIMING START UP"),
         true},
        {Setting::BoostEndRpm,
         1097,
         {152, 86},
         1027,
         56,
         NumberedOptions(1, 10, ""),
         VURIRU_TEXT(
             "Settings",
             "TO SET HOW FAST TO OPEN ALL BOOST TIMING UP. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO OPEN ALL BOOST "
             "TIMING UP"),
         true},
        {Setting::BoostSlope,
         1098,
         {152, 117},
         1029,
         16,
         {VURIRU_TEXT("Settings", "Linear(*)"), VURIRU_TEXT("Settings", "Custom")},
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE BOOST TIMING SLOPE RATE. FOR CUSTOM MODE, THE SLOPE RATE CAN BE ADJUSTED MANUALLY "
                     "FROM THE "
                     "LINEAR GRAPHIC DIRECTLY"),
         true,
         true,
         true},
        // Offered in the column below SLOPE rather than in the corner the
        // template leaves it in, where its name would have no room.
        {Setting::StablityAssist,
         1099,
         {152, 148},
         1032,
         16,
         {VURIRU_TEXT("Settings", "Yes(*)"), VURIRU_TEXT("Settings", "No")},
         VURIRU_TEXT("Settings",
                     "THIS FUNCTION CAN \r\nMAKE MORE RUNNING \r\nTIME OUT BECAUSE THE \r\nESC WILL LOWER THE "
                     "\r\nOVERALL POWER "
                     "\r\nDELIVERY TO THE MOTOR"),
         true},
    };
    return t;
  }();
  return table;
}

}  // namespace vuriru
