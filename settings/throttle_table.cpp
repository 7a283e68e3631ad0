// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/user_text.h"
#include "settings/option_text.h"
#include "settings/settings_pages.h"

namespace vuriru {

const PageTable& ThrottlePageTable() {
  static const PageTable table = [] {
    PageTable t;
    t.className = "CThrottle";
    t.title = VURIRU_TEXT("Settings", "Throttle");
    t.pageNumber = 3;
    t.dialogId = 167;
    t.size = {400, 253};
    t.backgroundFile = "3.bmp";
    t.helpPanelId = 1196;
    t.pageBitmapId = 1238;
    t.initialHelpText = VURIRU_TEXT(
        "Settings",
        "TO CONTROL THE POWER \r\n DELIVERY TO THE MOTOR \r\n FROM THROTTLE ZERO \r\n POSITION TO THE POINT \r\nA "
        "DEFINED "
        "BY \"SWITCH \r\nPOINT\" ITEMS SETTING.\r\n FOR STOCK MODE,IT IS \r\n SUGGESTED TO \r\n INCREASE MORE PUNCH "
        "\r\n "
        "RATE");
    t.blackTextIds = {1047, 1054, 1083, 1084, 1085, 1087, 1088, 1089, 1090, 1093, 1094};

    std::vector<std::string> rpmLock = NumberedOptions(1, 100, "%");
    MarkFactoryOption(rpmLock, 49);  // both 50% and 100% carry the mark; the later one is the factory value
    MarkFactoryOption(rpmLock, 99);

    t.rows = {
        {Setting::PunchRate1,
         1083,
         {143, 21},
         1120,
         88,
         NumberedOptions(1, 30, "", 14),
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE INITIAL POWER TO THE MOTOR. HIGHER VALUE HAVE MORE  INITIAL POWER DELIVERY TO THE "
                     "MOTOR. HIGH "
                     "TRACTION TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE"),
         true},
        {Setting::PunchRate2,
         1084,
         {143, 51},
         1121,
         41,
         NumberedOptions(1, 30, "", 14),
         VURIRU_TEXT("Settings",
                     "TO CONTROL THE OVERALL THROTTLE POWER FEELING. HIGH VALUE HAVE MORE THROTTLE POWER FEELING. HIGH "
                     "TRACTION "
                     "TRACK CAN ADJUST TO HIGHER VALUE. FOR LOW TRACTION TRACK, IT SHOULD SET TO LOWER VALUE"),
         true},
        {Setting::ThrottleSwitchPoint,
         1047,
         {143, 81},
         1055,
         45,
         {"1K", "2K", "4K", "8K(*)", "16K"},
         VURIRU_TEXT("Settings",
                     "High frequency value have smooth throttle feeling. Low value have aggressive throttle feeling"),
         true},
        {Setting::RpmLock,
         1094,
         {143, 113},
         1092,
         64,
         rpmLock,
         VURIRU_TEXT("Settings",
                     "TO LOCK THE MOTOR RPM THAT IS USED FOR DRIFT CAR. HIGHER VALUE LOCK LESS ON RPM. LOW VALUE LOCK "
                     "MORE ON RPM"),
         true},
        {Setting::ThCurve,
         1085,
         {143, 145},
         1122,
         21,
         {VURIRU_TEXT("Settings", "Linear(*)"), VURIRU_TEXT("Settings", "Custom")},
         VURIRU_TEXT("Settings",
                     "To select the linear or custom throttle curve.In modify mode,it is suggested to use linear "
                     "curve. In stock "
                     "mode,it is suggested to use custom curve to change the throttle curve to increase the power "
                     "delivery to the "
                     "motor"),
         true,
         true,
         true},
        {Setting::ThReverseSpd, 1086, {23, 198}, 1091, 24, {"25%(*)", "50%", "75%", "100%"}, "", false},
    };
    return t;
  }();
  return table;
}

}  // namespace vuriru
