// The application's table of current colours. Each colour of an object's defaults, once read
// from the profile, is also kept here: the colour bars start from these.
#pragma once

#include "platform/Types.h"

#include <array>

namespace tembra {

enum : int {
    kAppColorKoutei = 0,
    kAppColorLand = 1,
    kAppColorKoumoku = 2,
    kAppColorYogo = 3,
    kAppColorEvent = 4,
    kAppColorShin = 5,
    kAppColorShinDate = 6,
    kAppColorZukeiLine = 7,
    kAppColorZukeiHatch = 8,
    kAppColorShigen = 9,
    kAppColorCount = 10,
};

std::array<COLORREF, kAppColorCount>& AppCurrentColors();

} // namespace tembra
