// The application settings that the line-style drawing primitives read. This is the one place
// they are read from: the application's settings (the profile groups and the application
// options) put their values here with SetDrawSettings whenever they are read or changed; until
// then the defaults below hold.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

struct DrawSettings {
    // The dash scale: a decimal number kept as text; every dash length of the styled path is
    // multiplied by it.
    std::string dashScale = "1.0";
    // The application's flipped-y option: every y handed to the device is negated.
    bool flipY = false;
    // The system setting "BlackBack": the chart is shown on a black background.
    bool blackBack = false;
    // The system setting "HolidayMesh": holidays are shaded on screen with a pattern; off, with
    // the solid colour setting "HolidayMesh" of "ColorConfig".
    bool holidayMesh = true;
    COLORREF holidayMeshColor = RGB(255, 225, 225);
    // Set while the chart is drawn as the picture of an embedded object for another program:
    // the painters of the date header and the time grid then draw the whole chart, whatever
    // the clip box says, and double lines are not drawn pixel-exact.
    bool embeddedPicture = false;
};

const DrawSettings& GetDrawSettings();
void SetDrawSettings(const DrawSettings& settings);

// Takes the values from the application's settings (GetAppConfig) and its flipped-y option. The
// application calls it after it has read its settings and whenever it changes one of them.
void ApplyAppDrawSettings();

// The dash scale as a number, read as the C library reads a leading decimal number (blanks,
// sign, digits, fraction, exponent; the rest ignored). A text that gives no positive number
// counts as 1, so that a damaged setting cannot stop a dashed line from advancing.
double ParseDashScale(const std::string& text);

} // namespace tembra
