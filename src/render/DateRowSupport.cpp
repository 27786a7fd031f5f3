#include "render/DateRowSupport.h"

#include "model/SyokiSet.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tembra::daterow {

namespace {
// Mode words of the date-area style, after "BigHolidays".
enum : int { kYearModeWord = 1, kMonthModeWord = 2, kDayModeWord = 3, kWeekModeWord = 4 };
} // namespace

RowSettings ReadRowSettings(const CPageLayout& layout) {
    RowSettings settings;
    const CSyokiSet* set = layout.GetSyokiSet();
    if (set == nullptr) {
        return settings;
    }
    settings.dateUnit = set->GetDateUnit();
    settings.keisenUnit = set->GetKeisenUnit();
    const CAreaStyle& style = set->GetChart().GetDateStyle();
    settings.yearMode = style.GetMode(kYearModeWord);
    settings.monthMode = style.GetMode(kMonthModeWord);
    settings.dayMode = style.GetMode(kDayModeWord);
    settings.weekMode = style.GetMode(kWeekModeWord);
    return settings;
}

bool HeaderClip(const CPageLayout& layout, CDC* dc, CRect& clip) {
    if (GetDrawSettings().embeddedPicture) {
        clip = layout.GetChartRect();
        return true;
    }
    CRect box;
    const int region = dc->GetClipBox(&box);
    if (region == NULLREGION || region == RGN_ERROR || box.left == box.right ||
        box.top == box.bottom) {
        clip = layout.GetChartRect();
        return true;
    }
    if (GetDrawSettings().flipY) {
        box.top = -box.top;
        box.bottom = -box.bottom;
    }
    clip = CRect(std::min(box.left, box.right), std::max(box.top, box.bottom),
                 std::max(box.left, box.right), std::min(box.top, box.bottom));
    return clip.top >= layout.GetBodyRect().bottom;
}

int TextWidth(const LOGFONT& font, std::string_view text) {
    const std::int64_t width =
        std::abs(static_cast<std::int64_t>(font.lfWidth)) * static_cast<std::int64_t>(text.size());
    return static_cast<int>(std::min<std::int64_t>(width, std::numeric_limits<int>::max()));
}

std::optional<LOGFONT> NarrowFont(const LOGFONT& font, int room, std::size_t length) {
    if (length == 0 || room < static_cast<std::int64_t>(length)) {
        return std::nullopt;
    }
    LOGFONT narrowed = font;
    narrowed.lfWidth = static_cast<LONG>(room / static_cast<std::int64_t>(length));
    return narrowed;
}

int TextTop(const LOGFONT& font, int top, int bottom) {
    return top - ((top - bottom) - std::abs(static_cast<int>(font.lfHeight))) / 2;
}

void DrawRowRule(const CPageLayout& layout, CDC* dc, int y) {
    DrawStyledPolyline(dc, layout.GetKoumokuRect().right, y, layout.GetBodyRect().right, y, 0, 3,
                       RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
}

} // namespace tembra::daterow
