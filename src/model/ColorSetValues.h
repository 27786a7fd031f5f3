// What the colour settings dialog (138 "色設定") shows of a CConfigColor.
#pragma once

#include "platform/Types.h"

#include <array>

namespace tembra {

class CConfigColor;

// The four colours in the order of the radios: selected, locked, relation lines, hatching.
struct ColorSetValues {
    std::array<COLORREF, 4> colors{};
    bool operator==(const ColorSetValues&) const = default;
};

ColorSetValues LoadColorSet(const CConfigColor& color);
void StoreColorSet(const ColorSetValues& values, CConfigColor& color);

} // namespace tembra
