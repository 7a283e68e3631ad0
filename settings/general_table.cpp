// SPDX-License-Identifier: GPL-3.0-or-later
// The General page: running mode, low-voltage cutoff, over-temperature
// protection, motor direction, motor class, neutral dead band and BEC output.
// Option and help texts are the ones the user sees, copied exactly.

#include <string>

#include "common/user_text.h"
#include "settings/settings_pages.h"

namespace vuriru {
namespace {

// "Disable", "Auto(*)", then "3.0v" to "11.1v" in steps of 0.1 V: index 2 + n
// is 3.0 V + n x 0.1 V. Counted in tenths so that no rounding creeps in.
std::vector<std::string> VoltageCutoffOptions() {
  std::vector<std::string> options = {VURIRU_TEXT("Settings", "Disable"), VURIRU_TEXT("Settings", "Auto(*)")};
  for (int tenths = 30; tenths <= 111; ++tenths) {
    options.push_back(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "v");
  }
  return options;
}

// "4%(*)", then "5%" to "15%".
std::vector<std::string> DeadBandOptions() {
  std::vector<std::string> options = {"4%(*)"};
  for (int percent = 5; percent <= 15; ++percent) options.push_back(std::to_string(percent) + "%");
  return options;
}

const char* const kRunModeHelp = VURIRU_TEXT(
    "Settings", " INCLUDES \r\n\"FORWARD/BRAKE \" \r\n\"FORWARD/REVERSE \" \r\n\"FORWARD/BRAKE/REVERSE\" \r\n MODE ");

PageTable BuildGeneralTable() {
  PageTable table;
  table.className = "CGeneral";
  table.title = VURIRU_TEXT("Settings", "General");
  table.pageNumber = 2;
  table.dialogId = 166;
  table.size = {400, 261};
  table.backgroundFile = "2.bmp";
  table.helpPanelId = 1195;
  table.pageBitmapId = 1233;
  table.initialHelpText = kRunModeHelp;
  table.blackTextIds = {1071, 1072, 1073, 1074, 1084, 1085, 1218};
  table.rows = {
      {.setting = Setting::RunMode,
       .labelId = 1071,
       .labelPos = {145, 19},
       .listId = 1082,
       .listHeight = 27,
       .options = {VURIRU_TEXT("Settings", "Forward/Brake(*)"), VURIRU_TEXT("Settings", "Forward/Brake/Reverse"),
                   VURIRU_TEXT("Settings", "Forward/Reverse")},
       .helpText = kRunModeHelp},
      {.setting = Setting::VoltageCutoff,
       .labelId = 1072,
       .labelPos = {145, 45},
       .listId = 1024,
       .listHeight = 80,
       .options = VoltageCutoffOptions(),
       .helpText = VURIRU_TEXT(
           "Settings",
           "FOR SOME BATTERIES \r\n WHEN THEY ARE \r\nOVER-DISCHARGED,\r\n THE BATTERY MAY BE \r\n GOT "
           "FAILURE,SO IT CAN \r\n USE THIS FUNCTION TO SET THE MINIMUM \r\n WORKING VOLTAGE TO \r\n PROTECT "
           "THE BATTERY")},
      {.setting = Setting::EscHeatProtect,
       .labelId = 1073,
       .labelPos = {145, 69},
       .listId = 1083,
       .listHeight = 38,
       .options = {VURIRU_TEXT("Settings", "95 degree Celsius"), VURIRU_TEXT("Settings", "105 degree Celsius(*)"),
                   VURIRU_TEXT("Settings", "130 degree Celsius"), VURIRU_TEXT("Settings", "Disable")},
       .helpText =
           VURIRU_TEXT("Settings",
                       "WHEN ESC DEFAULT \r\n TEMPERATURE IS \r\n ACHIEVED,IT WILL HAVE \r\n ADAPTIVE SYSTEM TO \r\n "
                       "CONTROL THE MAX \r\n POWER OUTPUT TO THE \r\n MOTOR TO AVOID \r\n BURNING THE ESC ")},
      {.setting = Setting::MoterRotation,
       .labelId = 1074,
       .labelPos = {145, 94},
       .listId = 1025,
       .listHeight = 22,
       .options = {VURIRU_TEXT("Settings", "Normal(*)"), VURIRU_TEXT("Settings", "Reverse ")},
       .helpText = VURIRU_TEXT("Settings", "IT DETERMINES THE MOTOR RUNNING DIRECTION (CLOCKWISE OR ANTI-CLOCKWISE)")},
      {.setting = Setting::RaceMode,
       .labelId = 1084,
       .labelPos = {145, 118},
       .listId = 1026,
       .listHeight = 17,
       .options = {VURIRU_TEXT("Settings", "Modify(*)"), VURIRU_TEXT("Settings", "Stock")},
       .helpText =
           VURIRU_TEXT("Settings",
                       "TO RUN WITH MODIFY MOTOR (4.5T~9.5T),PLEASE SELECT \r\n\" MODIFY \" MODE. TO RUN WITH STOCK "
                       "MOTOR (10.5T OR OVER), PLEASE SELECT \r\n\" STOCK \" MODE ")},
      {.setting = Setting::DeadBand,
       .labelId = 1085,
       .labelPos = {145, 142},
       .listId = 1081,
       .listHeight = 41,
       .options = DeadBandOptions(),
       .helpText =
           VURIRU_TEXT("Settings",
                       "TO CONTROL THE SENSITIVITY OF THE FORWARD/BRAKE THROTTLE AT NEUTRAL POSITION. IF THE DEAD BAND "
                       "VALUE IS LOWER, IT WILL BE MORE SENSITIVE TO PULL THE MOTOR UP OR DOWN IN ROTATION AT NEUTRAL "
                       "POSITION")},
      {.setting = Setting::BecOutput,
       .labelId = 1218,
       .labelPos = {145, 167},
       .listId = 1088,
       .listHeight = 19,
       .options = {"6v(*)", "7.4V"},
       .helpText = VURIRU_TEXT("Settings", "TO SELECT 6V OR 7.4V BEC OUTPUT VOLTAGE")},
      // Collected with the others but never shown and never defaulted; its
      // option source is empty.
      {.setting = Setting::Profile,
       .labelId = 1070,
       .labelPos = {145, 0},
       .listId = 1023,
       .listHeight = 0,
       .options = {},
       .helpText = "",
       .visible = false,
       .restoredByDefault = false},
  };
  return table;
}

}  // namespace

const PageTable& GeneralPageTable() {
  static const PageTable table = BuildGeneralTable();
  return table;
}

}  // namespace vuriru
