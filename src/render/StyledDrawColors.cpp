#include "render/StyledDrawColors.h"

#include "platform/DC.h"
#include "render/DrawSettings.h"

namespace tembra::styled {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

} // namespace

bool FlipY() {
    return GetDrawSettings().flipY;
}

int FY(int y) {
    return FlipY() ? -y : y;
}

COLORREF MatchColor(const CDC* dc, COLORREF color) {
    color &= 0xFFFFFF;
    if (dc->IsPrinting()) {
        if (!dc->GetDrawOptions().colorMatch) {
            return color;
        }
        const COLORREF nearest = dc->GetNearestColor(color) & 0xFFFFFF;
        // A colour must not disappear into the paper.
        return color != kWhite && nearest == kWhite ? kBlack : nearest;
    }
    if (GetDrawSettings().blackBack) {
        if (color == kBlack) {
            return kWhite;
        }
        if (color == kWhite) {
            return kBlack;
        }
    }
    return color;
}

void MatchBackground(CDC* dc) {
    dc->SetBkColor(!dc->IsPrinting() && GetDrawSettings().blackBack ? kBlack : kWhite);
}

} // namespace tembra::styled
