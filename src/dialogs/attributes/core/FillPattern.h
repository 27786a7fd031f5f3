// The fill dialog's (421 "塗り潰し設定") colours and densities: the fourteen colour buttons and
// the 8×8 screen patterns of the densities 10 % to 90 %.
#pragma once

#include "platform/Types.h"

#include <array>
#include <span>

namespace tembra {

struct FillButton {
    int id;
    const char* label; // UTF-8; also the tooltip
    COLORREF color;
};

inline constexpr int kFillCustomButton = 1060;
inline constexpr int kFillRemoveButton = 1138;
// The fourteen buttons in template order; the custom one takes its colour from the
// application, the removal the button face (their colours here are placeholders of white).
std::span<const FillButton> FillButtons();

// Slider positions 0 to 9; 9 is solid.
inline constexpr int kFillSolidPosition = 9;
// The fill code of a density position: 0 to 8 give 200 to 208, 9 (and any other) solid 99.
inline WORD FillCode(int position) {
    return position >= 0 && position < kFillSolidPosition ? static_cast<WORD>(200 + position)
                                                          : WORD{99};
}
using FillPatternBits = std::array<BYTE, 8>; // one byte per row, bit 7 the left pixel
// The pattern of density positions 0 to 8: (position + 1) × 10 % of the 64 pixels set, spread
// evenly; every pixel of a lighter pattern is set in each denser one.
FillPatternBits FillPattern(int position);

// A caption on a colour button is drawn white when each of the colour's red, green and blue
// parts is below 100, else black.
inline bool CaptionInWhite(COLORREF color) {
    return GetRValue(color) < 100 && GetGValue(color) < 100 && GetBValue(color) < 100;
}

} // namespace tembra
