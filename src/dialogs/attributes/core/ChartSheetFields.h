// What the settings sheets of the resource charts and their three editors (bar pattern, line
// type, totals format) copy in and out of a chart without widgets: the five-row paging of the
// resources, the pattern codes, the colour positions with their custom colour, the scale's
// texts, the font size, the alignment of the totals box and the display names. Strings of the
// chart and of the resource table are CP932; the combo texts here are UTF-8.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "platform/Types.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CChart;
class CZukeiString;

// ---- Paging: five resources at a time, the first of them 0, 5, 10 ... ------------------------
inline constexpr int kSeriesRows = 5;
// "▼次": a resource lies beyond the shown rows.
inline bool HasNextRows(int first, int count) {
    return count > first + kSeriesRows;
}
// "▲前": rows lie before the shown ones.
inline bool HasPreviousRows(int first) {
    return first >= kSeriesRows;
}
inline int PreviousFirst(int first) {
    return first >= kSeriesRows ? first - kSeriesRows : first;
}

// ---- Patterns ------------------------------------------------------------------------------
// The bar-pattern dialog's patterns: the fill patterns without "白抜き" (100). The totals box
// takes the whole HatchTable.
std::span<const CodeEntry> BarPatternTable();
// A code combo's value as loaded: the stored code, the position shown for it (0 for a code the
// table lacks) and the position chosen since. A position left as shown stores the code back
// unchanged, so a code the combo cannot show (a white fill in the bar-pattern combo, an explicit
// frame width) survives a dialog that did not touch it.
struct ComboChoice {
    int stored = 0;
    int shown = 0;
    int position = 0;
};
ComboChoice LoadChoice(std::span<const CodeEntry> table, int code);
// The code for the chosen position; a position outside the table stores outside.
int StoreChoice(std::span<const CodeEntry> table, const ComboChoice& choice, int outside);

// ---- Colours -------------------------------------------------------------------------------
// A colour combo's position and the custom colour of "その他" kept beside it: loading makes the
// stored colour the custom one as well.
struct ColorChoice {
    int position = 0;
    COLORREF custom = RGB(0, 0, 0);
    bool operator==(const ColorChoice&) const = default;
};
ColorChoice LoadColorChoice(COLORREF color);
COLORREF StoreColorChoice(const ColorChoice& choice);

// ---- Scale and font texts ------------------------------------------------------------------
const std::vector<std::string>& ChartFontSizeTexts();
// "自動", 1 to 20, 25 to 100 by 5.
const std::vector<std::string>& ScaleStepTexts();
// "自動", 10 to 100 by 10, 200, 250 to 1000 by 50.
const std::vector<std::string>& ScaleMaximumTexts();
inline constexpr const char* kAutomaticText = "自動";
// "自動" for 0, else the decimal number.
std::string ScaleText(long value);
// The leading decimal integer of a text (blanks before it and a sign allowed); a text that does
// not start with a number gives 0, so "自動" gives 0.
long ReadChartNumber(std::string_view text);
// The size a font shows: the absolute height.
int FontSizeOf(const LOGFONT& font);
// The face's record with height -size and width size / 2, or 0 when halfWidth is false.
LOGFONT SizedFont(const LOGFONT& face, int size, bool halfWidth);

// The largest step an earned-value line takes (the scale is in per cent).
inline constexpr long kEarnedValueStepLimit = 100;
// "出来高線の目盛刻み値は１００％より小さい値を指定してください。"
inline constexpr UINT IDS_EARNED_VALUE_STEP = 5140;
// "出来高合計値には０より大きな値を設定してください。"
inline constexpr UINT IDS_EARNED_VALUE_TOTAL = 5138;

// ---- The scale page, shared by both sheets ---------------------------------------------------
struct ScaleFields {
    LOGFONT font;
    std::string size;    // the font size text
    std::string step;    // UTF-8 combo text
    std::string maximum; // UTF-8 combo text
    bool maximumEnabled = true;
};
ScaleFields LoadScaleFields(const CChart& chart);
// The font with the size typed (half of it as width), the step, and for a resource-loading
// chart the maximum.
void StoreScaleFields(const ScaleFields& fields, CChart& chart);
// Whether the sheet may close with these fields: an earned-value line's step lies below 100 %.
bool ScaleStepAccepted(const ScaleFields& fields, const CChart& chart);

// ---- The series editors --------------------------------------------------------------------
struct BarPatternFields {
    ColorChoice line;
    ColorChoice fill;
    ComboChoice pattern; // BarPatternTable
};
BarPatternFields LoadBarPattern(const CChart& chart, int series);
void StoreBarPattern(const BarPatternFields& fields, CChart& chart, int series);

// Line types and widths by LineTypeTable and LineWidthTable: a type outside 0 to 5 shows 実線,
// a width other than 1 or 2 標準.
struct LineTypeFields {
    ColorChoice line;
    ComboChoice type;
    ComboChoice width;
};
LineTypeFields LoadLineType(const CChart& chart, int series);
void StoreLineType(const LineTypeFields& fields, CChart& chart, int series);

// ---- The totals box format -----------------------------------------------------------------
// Vertical alignment positions 上寄せ, 行中央, 下寄せ and their flags in the text attribute.
int VerticalPosition(WORD flags);
WORD WithVerticalPosition(WORD flags, int position);

struct TotalsFormatFields {
    ComboChoice lineType; // LineTypeTable
    ColorChoice line;
    ComboChoice lineWidth; // LineWidthTable
    ComboChoice hatch;     // HatchTable
    ColorChoice hatchColor;
    std::string separator; // CP932
    LOGFONT font;
    std::string size;
    ColorChoice text;
    int horizontal = 0;
    int vertical = 1;
};
TotalsFormatFields LoadTotalsFormat(const CChart& chart, const CZukeiString& box);
// The frame into the box and the separator into the chart, then the text: height -size and
// width 0.
void StoreTotalsFormat(const TotalsFormatFields& fields, CChart& chart, CZukeiString& box);

// ---- Series on/off -------------------------------------------------------------------------
// Writes the check of a series only when it changes its on/off state: a shown series keeps the
// slot number its last computation gave it.
void StoreSeriesShown(CChart& chart, int series, bool shown);

// Sets or clears an option bit of the chart.
void StoreOption(CChart& chart, DWORD bit, bool on);

// ---- Display names -------------------------------------------------------------------------
// What the totals page shows for resource index: the stored display name unless it is missing
// or empty, else the resource's name.
std::string ShownDisplayName(const std::vector<std::string>& stored, int index,
                             const std::string& name);
// Stores what the user left at index, growing the list as needed: "" when it is the resource's
// own name (for which the list does not grow).
void StoreDisplayName(std::vector<std::string>& stored, int index, const std::string& shown,
                      const std::string& name);

} // namespace tembra
