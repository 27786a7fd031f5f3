#include "render/ScreenColors.h"

#include "model/ConfigBase.h"

#include <array>

namespace tembra {

namespace {

struct Darkened {
    COLORREF pure;
    COLORREF shown;
};
constexpr std::array<Darkened, 6> kScreenColors = {{
    {RGB(255, 0, 0), RGB(128, 0, 0)},
    {RGB(0, 255, 0), RGB(0, 128, 0)},
    {RGB(0, 0, 255), RGB(0, 0, 128)},
    {RGB(255, 255, 0), RGB(128, 128, 0)},
    {RGB(255, 0, 255), RGB(128, 0, 128)},
    {RGB(0, 255, 255), RGB(0, 128, 128)},
}};

} // namespace

COLORREF ScreenTextColor(COLORREF color, COLORREF unlisted) {
    if (color == RGB(0, 0, 0)) {
        return GetAppConfig()->GetBlackBack() != 0 ? RGB(255, 255, 0) : RGB(0, 0, 128);
    }
    for (const Darkened& d : kScreenColors) {
        if (d.pure == color) {
            return d.shown;
        }
    }
    return unlisted;
}

} // namespace tembra
