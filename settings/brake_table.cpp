// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"
#include "settings/option_text.h"
#include "settings/settings_pages.h"

namespace vuriru {

namespace {
const char* const kInitialBrakeHelp = VURIRU_TEXT(
    "Settings",
    "TO CONTROL THE INSTANT BRAKE FORCE TO THE MOTOR . HIGHER VALUE HAS MORE INITIAL BRAKE FORCE TO THE MOTOR WHEN THE "
    "BRAKE IS TRIGGERED ");
}  // namespace

const PageTable& BrakePageTable() {
  static const PageTable table = [] {
    PageTable t;
    t.className = "CBrake";
    t.title = VURIRU_TEXT("Settings", "Brake");
    t.pageNumber = 4;
    t.dialogId = 168;
    t.size = {400, 250};
    t.backgroundFile = "4.bmp";
    t.helpPanelId = 1192;
    t.pageBitmapId = 1234;
    t.initialHelpText = kInitialBrakeHelp;
    t.blackTextIds = {1023};
    for (int id = 1042; id <= 1055; ++id) t.blackTextIds.push_back(id);
    t.blackTextIds.push_back(1063);

    t.rows = {
        {Setting::InitialBrake, 1042, {146, 18}, 1061, 40, NumberedOptions(1, 20, "%", 9), kInitialBrakeHelp, true},
        {Setting::DragBrake,
         1043,
         {146, 44},
         1060,
         64,
         NumberedOptions(0, 100, "%", 10),
         VURIRU_TEXT("Settings",
                     "THE MOTOR WILL BE \r\nBRAKED AUTOMATICALLY \r\nWHEN THE THROTTLE \r\nIS RETURNED FROM "
                     "\r\nFORWARD TO NEUTRAL "
                     "\r\nPOSITION. FOR HIGHER \r\nDRAG BRAKE VALUE, \r\nTHE MOTOR WILL HAVE \r\nMORE AUTOMATIC BRAKE "
                     "\r\nFUNCTIONS"),
         true},
        {Setting::BrakeStrength,
         1044,
         {146, 70},
         1059,
         53,
         {"0%", "12.5%", "25%", "37.5%", "50%", "62.5%", "75%(*)", "87.5%", "100%"},
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE MOTOR \r\nBRAKE FORCE.HIGHER \r\nVALUE HAVE HIGHER \r\nMOTOR BRAKE FORCE"),
         true},
        {Setting::BrakeRate1,
         1045,
         {146, 95},
         1058,
         45,
         NumberedOptions(1, 20, "", 4),
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE INITIAL BRAKE POWER RESPONSE TO THE MOTOR. HIGHER VALUE HAVE HIGHER INITIAL BRAKE "
                     "RESPONSE TO "
                     "THE MOTOR. HIGH TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET "
                     "TO LOWER "
                     "VALUE"),
         true},
        {Setting::BrakeRate2,
         1046,
         {146, 118},
         1057,
         45,
         NumberedOptions(1, 20, "", 4),
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE OVERALL BRAKE POWER FEELING. HIGH VALUE HAVE MORE BRAKE POWER FEELING. HIGH "
                     "TRACTION TRACK "
                     "CAN "
                     "ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE"),
         true},
        {Setting::BrakeSwitchPoint,
         1047,
         {146, 142},
         1118,
         39,
         {"1K", "2K", "4K", "8K", "16K(*)"},
         VURIRU_TEXT("Settings",
                     "HIGH FREQUENCY VALUE HAVE SMOOTH BRAKE FEELING. LOW VALUE HAVE AGGRESSIVE BRAKE FEELING"),
         true},
        {Setting::BrakeCurve,
         1048,
         {146, 166},
         1056,
         21,
         {VURIRU_TEXT("Settings", "Linear(*)"), VURIRU_TEXT("Settings", "Custom")},
         VURIRU_TEXT(
             "Settings",
             "TO SELECT THE LINEAR OR CUSTOM BRAKE CURVE. FOR HIGHER RPM MOTOR,THE BRAKE MAY NOT BE ENOUGH AND IT IS "
             "SUGGESTED TO USE CUSTOM CURVE TO CHANGE THE BRAKE CURVE TO INCREASE THE BRAKE POWER DELIVERY TO THE "
             "MOTOR"),
         true,
         true,
         true},
        {Setting::DBrakeRate, 1063, {4, 226}, 1062, 24, NumberedOptions(0, 100, "%", 10), "", false},
    };
    return t;
  }();
  return table;
}

}  // namespace vuriru
