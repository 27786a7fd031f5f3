// The text of an item cell: its macros expanded, in the item font or its own, fitted into its
// column and row.
#include "model/ConfigChart.h"
#include "model/KoumokuData.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Wareki.h"
#include "platform/DC.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace tembra {

namespace {

// The macros of item cells, in the order they are replaced.
constexpr std::string_view kMacroRow = "$L$";
constexpr std::string_view kMacroColumn = "$C$";
constexpr std::string_view kMacroEraYear = "$H$";
constexpr std::string_view kMacroYear = "$Y$";
constexpr std::string_view kMacroMonth = "$M$";
constexpr std::string_view kMacroDay = "$D$";
constexpr std::string_view kMacroWeekday = "$W$";
// "日" "月" "火" "水" "木" "金" "土" in CP932, Sunday first.
constexpr std::array<std::string_view, 7> kWeekdays = {
    "\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85", "\x96\xd8", "\x8b\xe0", "\x93\x79"};

constexpr CTimeSpan kOneDay(1, 0, 0, 0);

std::string Number(int value) {
    return StringPrintf("%d", value);
}

// value x factor, kept well inside int.
LONG TimesFactor(LONG value, WORD factor) {
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    return static_cast<LONG>(std::clamp<std::int64_t>(product, std::numeric_limits<int>::min() / 2,
                                                      std::numeric_limits<int>::max() / 2));
}

} // namespace

void CPageLayout::DrawKoumokuCell(CDC* dc, const CKoumokuData& cell, ChartDrawMode) const {
    if (dc == nullptr || cell.GetText().empty()) {
        return;
    }
    const int row = cell.GetRow();
    const int column = cell.GetColumn();

    // The row's date: the item date base and one day a row.
    const CTime date = GetDrawStart() + m_nobeOffset + CTimeSpan(row, 0, 0, 0);
    std::string text = cell.GetText();
    ReplaceAll(text, kMacroRow, Number(row + 1));
    ReplaceAll(text, kMacroColumn, Number(column + 1));
    ReplaceAll(text, kMacroEraYear, Number(WarekiYearOf(date).year));
    ReplaceAll(text, kMacroYear, Number(date.GetYear()));
    ReplaceAll(text, kMacroMonth, Number(date.GetMonth()));
    ReplaceAll(text, kMacroDay, Number(date.GetDay()));
    ReplaceAll(text, kMacroWeekday, kWeekdays[static_cast<std::size_t>(date.GetDayOfWeek() - 1)]);

    LOGFONT font = cell.GetLogFont();
    if (cell.GetOwnFont() == 0) {
        const CSyokiSet* set = GetSyokiSet();
        font = set != nullptr ? set->GetChart().GetKoumokuAttr().GetLogFont() : LOGFONT();
    }
    const int margin = Zoom(font.lfWidth);
    font.lfHeight = Zoom(TimesFactor(font.lfHeight, cell.GetHeightCode()));
    font.lfWidth = Zoom(TimesFactor(font.lfWidth, cell.GetWidthCode()));
    const WORD flags = cell.GetFlags();
    if ((flags & CKoumokuData::kBold) != 0) {
        font.lfWeight = FW_BOLD;
    }

    const int top = RowToY(row, -1);
    const int bottom = RowToY(row, 1);
    const int left = ColumnToX(column, -1) + margin;
    const int right = ColumnToX(column, 1);
    const int w = right - left;
    // A column narrower than one character shows nothing.
    if (w < std::abs(static_cast<int>(font.lfWidth))) {
        return;
    }

    UINT align = TA_LEFT | TA_TOP;
    int x = left;
    switch (cell.GetFormat()) {
    case CKoumokuData::kCenter:
        align = TA_CENTER | TA_TOP;
        x = left + std::abs(w) / 2;
        break;
    case CKoumokuData::kRight:
        align = TA_RIGHT | TA_TOP;
        x = right - margin;
        break;
    default:
        break;
    }
    int y = top - (std::abs(bottom - top) - std::abs(static_cast<int>(font.lfHeight))) / 2;
    if ((flags & CKoumokuData::kTop) != 0) {
        y = top;
    } else if ((flags & CKoumokuData::kBottom) != 0) {
        y = bottom;
        align |= TA_BOTTOM;
    }
    DrawStyledText(dc, x, y, &font, cell.GetColor(), text, align, R2_COPYPEN, TRANSPARENT);
}

} // namespace tembra
