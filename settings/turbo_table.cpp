// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"
#include "settings/option_text.h"
#include "settings/settings_pages.h"

namespace vuriru {

namespace {
const char* const kTurboTimingHelp = VURIRU_TEXT(
    "Settings",
    "IT IS THE TURBO BOOST \r\n TIMING TO THE MOTOR.\r\n FOR HIGHER VALUE \r\n TURBO BOOST, IT CAN \r\n INCREASE MORE "
    "POWER \r\n TO THE MOTOR");
}  // namespace

const PageTable& TurboPageTable() {
  static const PageTable table = [] {
    PageTable t;
    t.className = "CTurbo";
    t.title = VURIRU_TEXT("Settings", "Turbo");
    t.pageNumber = 6;
    t.dialogId = 170;
    t.size = {400, 250};
    t.backgroundFile = "6.bmp";
    t.helpPanelId = 1033;
    t.pageBitmapId = 1232;
    t.initialHelpText = kTurboTimingHelp;
    // The value labels are black while their setting can be changed and grey
    // while the enable rules block it.
    t.blackTextIds = {1091, 1092, 1093, 1094, 1095, 1098, 1099, 1239};

    std::vector<std::string> slopeOff = {VURIRU_TEXT("Settings", "Instant")};
    for (const auto& s : NumberedOptions(1, 10, "")) slopeOff.push_back(s);
    MarkFactoryOption(slopeOff, 5);

    t.rows = {
        {Setting::TurboTiming, 1091, {144, 17}, 1123, 72, NumberedOptions(0, 64, "deg", 0), kTurboTimingHelp, true},
        {Setting::TurboStartRpm,
         1094,
         {144, 45},
         1022,
         56,
         NumberedOptions(8, 50, "000rpm", 12),
         VURIRU_TEXT("Settings",
                     "IT IS THE RPM TO START \r\nTHE TURBO BOOST \r\nTIMING. IT CAN BE \r\nSELECTED BY THE "
                     "\r\nACTIVATION METHOD"),
         true},
        {Setting::TurboDelay,
         1093,
         {144, 73},
         1125,
         64,
         {VURIRU_TEXT("Settings", "Instant"), "0.05S", "0.1S", "0.15S", "0.2S", "0.25S", "0.3S(*)", "0.35S", "0.4S",
          "0.45S", "0.5S", "0.6S", "0.7S", "0.8S", "0.9S", "1.0S"},
         VURIRU_TEXT("Settings",
                     "IT IS THE DELAY TIME TO START UP THE TURBO TIMING AFTER THE ACTIVATION CONDITION IS ACHIEVED. "
                     "HIGHER VALUE "
                     "WILL HAVE MORE DELAY TO START UP THE TURBO TIMING FUNCTION"),
         true},
        {Setting::ActivationMethod,
         1092,
         {144, 103},
         1124,
         24,
         {VURIRU_TEXT("Settings", "Full TH(*)"), VURIRU_TEXT("Settings", "RPM"),
          VURIRU_TEXT("Settings", "Full TH+RPM")},
         VURIRU_TEXT(
             "Settings",
             "IF 'START RPM +FULL \r\n THROTTLE' IS SELECTED, \r\n THAT MEAN THE TURBO \r\n TIMING BOOST WILL BE \r\n "
             "ACTIVATED WHEN RPM IS \r\n ARRIVED AND THROTTLE \r\n IS IN FULL POSTION. IF \r\n\" FULL THROTTLE\" IS "
             "\r\n "
             "SELECTED, THAT MEAN \r\n THE TURBO TIMING BOOST \r\n WILL BE ACTIVATED ONLY \r\n WHEN THE THROTTLE IS IN "
             "\r\n "
             "FULL POSTION AND THE TURBO DELAY TIME IS ACHIEVED"),
         true},
        {Setting::TurboSlopeOn,
         1095,
         {144, 133},
         1126,
         32,
         NumberedOptions(1, 10, "", 4),
         VURIRU_TEXT("Settings",
                     "TO CONTROL HOW FAST TO OPEN ALL TURBO TIMING UP. HAVING HIGHER VALUE WILL BE MORE ADVANCE TO "
                     "OPEN ALL TURBO "
                     "TIMING UP"),
         true},
        {Setting::TurboSlopeOff,
         1239,
         {144, 161},
         1096,
         16,
         slopeOff,
         VURIRU_TEXT("Settings",
                     "TO CONTROL HOW FAST \r\n TO PULL DOWN THE \r\n MOTOR RPM WHEN THE \r\n THROTTLE IS RETURNED \r\n "
                     "TO NEUTRAL "
                     "POSITION. \r\n HIGHER VALUE WILL LET \r\n THE MOTOR RPM PULL \r\n DOWN MORE QUICKLY"),
         true},
        // Shown empty after start-up, hidden by the first collect or refresh and never again.
        {Setting::TurboK,
         1098,
         {37, 232},
         1097,
         36,
         NumberedOptions(0, 50, ""),
         VURIRU_TEXT("Settings", "USE IT TO CHANGE ACCELERATION."),
         false},
        {Setting::TurboT,
         1099,
         {32, 221},
         1127,
         20,
         NumberedOptions(0, 20, ""),
         VURIRU_TEXT("Settings", "USE IT TO CHANGE END SPEED."),
         false},
    };
    return t;
  }();
  return table;
}

}  // namespace vuriru
