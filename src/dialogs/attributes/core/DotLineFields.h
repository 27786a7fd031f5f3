// The dotted-line options of the print settings (335 "細点線オプション設定", 334 "点線オプション
// 設定"): how the stored values become the dialogs' choices and back.
#pragma once

namespace tembra {

// The fine dotted-line width, 1 to 3, as the radio index 0 "細い", 1 "標準", 2 "太い"; any
// other stored width shows 標準.
int FineDotIndex(int storedWidth);
int FineDotWidth(int index);

struct DotLineFields {
    static constexpr int kWidthCount = 4;   // "0" to "3"
    static constexpr int kLengthCount = 20; // "1" to "20"
    // 0 "通常出力", 1 "拡張出力".
    int method = 0;
    // Combo positions: width = the width in 0.1 mm, dash and gap = the length - 1.
    int width = 1;
    int dash = 9;
    int gap = 9;
    bool operator==(const DotLineFields&) const = default;
};

// What the dialog shows for the stored values: a width outside 0..3 shows 1, a dash or gap
// outside 1..20 shows 10.
DotLineFields LoadDotLine(bool extended, int width, int dash, int gap);
// The stored lengths of the positions.
inline int DotLineDash(const DotLineFields& f) {
    return f.dash + 1;
}
inline int DotLineGap(const DotLineFields& f) {
    return f.gap + 1;
}
// The width, dash and gap combos take input only for the extended output.
inline bool DotLineCombosEnabled(const DotLineFields& f) {
    return f.method == 1;
}

} // namespace tembra
