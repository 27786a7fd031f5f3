#include "render/LabelTextDraw.h"

#include "model/DcUtility.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tembra {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kSolid = 0;
constexpr int kSolidFill = 99;
constexpr int kOutlineWidth = 1;

// Calls visit(run, single) for each run of the text in its order, single for a run of
// single-byte characters, which stand upright; every other run is written turned. A run is
// never of class 0 (NextCharRun gives an empty run there), so every run that is not
// single-byte is double-byte or blank.
template <typename Visit> void ForEachUprightRun(const std::string& text, Visit visit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        int charClass = kCharOther;
        const std::string run = NextCharRun(text, i, charClass);
        if (run.empty()) {
            continue;
        }
        visit(run, charClass == kCharSingle);
    }
}

} // namespace

void DrawHyperlinkMark(CDC* dc, const CPageLayout& layout, const CRect& rect, int rop) {
    const int z2 = layout.Zoom(2);
    const int z15 = layout.Zoom(15);
    const std::array<CPoint, 3> corner = {CPoint(rect.right - z2, rect.top - z2),
                                          CPoint(rect.right - z15, rect.top - z2),
                                          CPoint(rect.right - z2, rect.top - z15)};
    DrawStyledShape(dc, corner.data(), static_cast<int>(corner.size()), kSolid, kOutlineWidth, kRed,
                    kSolidFill, kRed, rop, OPAQUE);
}

void DrawUprightRuns(CDC* dc, const LOGFONT& upright, const LOGFONT& turned, const CRect& rect,
                     int x, int y, const std::string& text, COLORREF color, int rop) {
    const int columnWidth = std::abs(rect.Width());
    int current = y;
    ForEachUprightRun(text, [&](const std::string& run, bool single) {
        if (single) {
            const CSize size = MeasureText(dc, upright, run);
            const int w = std::abs(size.cx);
            DrawStyledText(dc, x - (w + (columnWidth - w) / 2), current, &upright, color, run, 0,
                           rop, TRANSPARENT);
            current -= std::abs(size.cy);
        } else {
            DrawStyledText(dc, x - (columnWidth - std::abs(turned.lfHeight)) / 2, current, &turned,
                           color, run, 0, rop, TRANSPARENT);
            current -= std::abs(turned.lfWidth) * static_cast<int>(run.size());
        }
    });
}

TextExtent MeasureUprightRuns(CDC* dc, const LOGFONT& upright, const LOGFONT& turned,
                              const std::string& text) {
    std::int64_t length = 0;
    int thickness = 0;
    ForEachUprightRun(text, [&](const std::string& run, bool single) {
        if (single) {
            const CSize size = MeasureText(dc, upright, run);
            length += std::abs(size.cy);
            thickness = std::max<int>(thickness, std::abs(size.cx));
        } else {
            const CSize size = MeasureText(dc, turned, run);
            length += std::abs(size.cx);
            thickness = std::max<int>(thickness, std::abs(size.cy));
        }
    });
    return {ClampCoord(length), thickness};
}

} // namespace tembra
