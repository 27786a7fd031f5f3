#include "dialogs/attributes/core/FillPattern.h"

namespace tembra {

namespace {

constexpr FillButton kButtons[] = {
    {2077, "黒", RGB(0, 0, 0)},
    {2078, "赤", RGB(255, 0, 0)},
    {2079, "緑", RGB(0, 255, 0)},
    {1051, "紫", RGB(255, 0, 255)},
    {1052, "水色", RGB(0, 255, 255)},
    {1053, "黄色", RGB(255, 255, 0)},
    {1054, "灰色", RGB(192, 192, 192)},
    {1055, "薄い赤", RGB(255, 192, 192)},
    {1056, "薄い緑", RGB(192, 255, 192)},
    {1057, "薄い紫", RGB(255, 192, 255)},
    {1058, "薄い水色", RGB(192, 255, 255)},
    {1059, "薄い黄色", RGB(255, 255, 192)},
    {kFillCustomButton, "その他の色", RGB(255, 255, 255)},
    {kFillRemoveButton, "塗り潰し解除", RGB(255, 255, 255)},
};

// The 8×8 ordered-dither matrix: a pixel is set when its rank is below the pixel count, so the
// patterns nest and spread their pixels evenly.
constexpr int kRank[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

} // namespace

std::span<const FillButton> FillButtons() {
    return kButtons;
}

FillPatternBits FillPattern(int position) {
    FillPatternBits bits{};
    if (position < 0) {
        return bits;
    }
    const int pixels = position >= kFillSolidPosition ? 64 : (64 * (position + 1) + 5) / 10;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (kRank[y][x] < pixels) {
                bits[static_cast<std::size_t>(y)] |= static_cast<BYTE>(0x80 >> x);
            }
        }
    }
    return bits;
}

} // namespace tembra
