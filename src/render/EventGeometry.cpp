#include "render/EventGeometry.h"

#include "model/DcUtility.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/LabelTextDraw.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace tembra {

namespace {

// The date-label unit of hours: moved events keep the hour of the point.
constexpr WORD kDateUnitHour = 4;
// The clip-precision flag that lets a turned font keep its angle.
constexpr BYTE kClipLhAngles = 0x10;
// Escapement of vertical writing: the base line runs down the column.
constexpr LONG kVerticalEscapement = 901;

LONG ClampLong(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    constexpr double lo = std::numeric_limits<LONG>::min();
    constexpr double hi = std::numeric_limits<LONG>::max();
    return static_cast<LONG>(std::trunc(std::clamp(v, lo, hi)));
}

int ClampedInt(std::int64_t v) {
    return ClampCoord(v);
}

// value x factor scaled by the layout's zoom.
LONG ScaledBy(const CPageLayout& layout, LONG value, WORD factor) {
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    return layout.Zoom(static_cast<int>(std::clamp<std::int64_t>(
        product, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2)));
}

// The event font with its height and width times the two factors, exchanged when swapped.
LOGFONT ScaledFont(const CEvent& event, const CPageLayout& layout, bool swapFactors) {
    LOGFONT font = GetEventFont(event, layout);
    const WORD heightFactor = event.GetAttr().m_fontHeigh;
    const WORD widthFactor = event.GetAttr().m_fontWidth;
    font.lfHeight = ScaledBy(layout, font.lfHeight, swapFactors ? widthFactor : heightFactor);
    font.lfWidth = ScaledBy(layout, font.lfWidth, swapFactors ? heightFactor : widthFactor);
    return font;
}

TextExtent EstimateText(const CEvent& event, const LOGFONT& font) {
    const std::int64_t length =
        static_cast<std::int64_t>(std::abs(font.lfWidth)) * event.GetText().size();
    return {ClampedInt(length), ClampedInt(std::abs(font.lfHeight))};
}

// Vertical text with upright single-byte runs.
TextExtent MeasureVertical(CDC* dc, const CEvent& event, const CPageLayout& layout,
                           const std::string& text) {
    const LOGFONT upright = GetEventUprightFont(event, layout);
    return MeasureUprightRuns(dc, upright, GetEventTextFont(event, layout), text);
}

TextExtent LayOutText(const CEvent& event, const CPageLayout& layout, CDC* dc) {
    const LOGFONT font = GetEventTextFont(event, layout);
    const TextExtent estimate = EstimateText(event, font);
    const bool vertical = event.IsVertical();
    const bool upright = (event.GetStyle() & kEventUprightSingleByte) != 0;
    const bool macros = event.GetText().find('$') != std::string::npos;
    if (layout.IsQuickText() && (!vertical || !upright) && !macros) {
        return {ClampedInt(static_cast<std::int64_t>(estimate.length) * 2), estimate.thickness};
    }
    if (dc == nullptr) {
        return estimate;
    }
    const std::string text = ExpandDateMacros(event, layout);
    if (vertical && upright) {
        return MeasureVertical(dc, event, layout, text);
    }
    // Written at once (turned as a whole in vertical writing): its extent along the base
    // line is its length.
    const CSize size = MeasureText(dc, font, text);
    return {std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy))};
}

CRect ClampedRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    return CRect(ClampedInt(l), ClampedInt(t), ClampedInt(r), ClampedInt(b));
}

} // namespace

// ---- Macros and fonts ---------------------------------------------------------------------------

EventMacroContext MakeEventMacroContext(const CPageLayout& layout) {
    EventMacroContext context;
    const IPageLayoutDocument* document = layout.GetDocument();
    if (const CSyokiSet* set = layout.GetSyokiSet()) {
        context =
            MakeEventMacroContext(*set, document->GetCalendar(), document->GetMacroFileName());
    }
    context.nobeSpan = [&layout](const CTime& date) {
        return layout.DateToNobeYMD(date, nullptr, nullptr, nullptr);
    };
    return context;
}

std::string ExpandDateMacros(const CEvent& event, const CPageLayout& layout) {
    return event.ExpandDateMacros(MakeEventMacroContext(layout));
}

LOGFONT GetEventFont(const CEvent& event, const CPageLayout& layout) {
    LOGFONT font = event.GetLogFont();
    if (!event.HasOwnFont()) {
        if (const CSyokiSet* set = layout.GetSyokiSet()) {
            font = set->GetEvent().GetLogFont();
        }
    }
    if ((event.GetStyle() & kEventBold) != 0) {
        font.lfWeight = FW_BOLD;
    }
    return font;
}

LOGFONT GetEventTextFont(const CEvent& event, const CPageLayout& layout) {
    if (!event.IsVertical()) {
        return ScaledFont(event, layout, false);
    }
    LOGFONT font = ScaledFont(event, layout, true);
    font.lfEscapement = kVerticalEscapement;
    font.lfOrientation = kVerticalEscapement;
    font.lfClipPrecision = static_cast<BYTE>(font.lfClipPrecision | kClipLhAngles);
    const std::string face = "@" + std::string(font.FaceName());
    font.SetFaceName(face);
    return font;
}

LOGFONT GetEventUprightFont(const CEvent& event, const CPageLayout& layout) {
    return ScaledFont(event, layout, false);
}

// ---- Anchor and moves ---------------------------------------------------------------------------

CPoint GetDateRowPoint(const CEvent& event, const CPageLayout& layout) {
    return layout.DateRowToPoint(event.GetStartDate(), event.GetStartRow());
}

CPoint GetAnchorPoint(const CEvent& event, const CPageLayout& layout) {
    const CPoint p = GetDateRowPoint(event, layout);
    const double dx = std::trunc(event.GetOffsetX() * layout.GetDayWidth() / 100.0);
    const double dy = std::trunc(event.GetOffsetY() * layout.GetRowHeight() / 100.0);
    return CPoint(ClampedInt(p.x + static_cast<std::int64_t>(dx)),
                  ClampedInt(p.y + static_cast<std::int64_t>(dy)));
}

void SetOffsetFromPoint(CEvent& event, const CPageLayout& layout, int x, int y) {
    const CPoint p = GetDateRowPoint(event, layout);
    const double dayWidth = layout.GetDayWidth();
    const double rowHeight = layout.GetRowHeight();
    // A period without length or a page without rows has no unit to count the offset in.
    const LONG offsetX = dayWidth > 0.0 ? ClampLong((x - p.x) * 100.0 / dayWidth) : 0;
    const LONG offsetY = rowHeight > 0.0 ? ClampLong((y - p.y) * 100.0 / rowHeight) : 0;
    event.SetOffset(offsetX, offsetY);
}

void SetOffsetFromPoint(CEvent& event, const CPageLayout& layout, const CPoint& point) {
    SetOffsetFromPoint(event, layout, point.x, point.y);
}

int MoveBy(CEvent& event, const CPageLayout& layout, int dx, int dy, BOOL keepTip) {
    const CPoint anchor = GetAnchorPoint(event, layout);
    const CPoint p(ClampedInt(static_cast<std::int64_t>(anchor.x) + dx),
                   ClampedInt(static_cast<std::int64_t>(anchor.y) + dy));
    if (!(keepTip != FALSE && event.IsBalloon())) {
        const CSyokiSet* set = layout.GetSyokiSet();
        const int precision = set != nullptr && set->GetDateUnit() == kDateUnitHour ? 1 : 0;
        event.SetStartDate(layout.XToDate(p.x, precision));
        event.SetStartRow(static_cast<WORD>(layout.YToRow(p.y)));
    }
    SetOffsetFromPoint(event, layout, p);
    return 1;
}

int MoveToPoint(CEvent& event, const CPageLayout& layout, const CPoint& point, BOOL keepTip) {
    const CPoint anchor = GetAnchorPoint(event, layout);
    return MoveBy(event, layout, point.x - anchor.x, point.y - anchor.y, keepTip);
}

void KeepInChart(CEvent& event, const CPageLayout& layout, BOOL keepTip) {
    CRect rect;
    if (CalcTextRect(event, layout, nullptr, nullptr, nullptr, &rect) == 0) {
        return;
    }
    const int rowTop = layout.RowToY(0, -1);
    if (rect.top > rowTop) {
        MoveBy(event, layout, 0, rowTop - rect.top, keepTip);
    }
}

// ---- Text rectangle and balloon -----------------------------------------------------------------

int CalcTextRect(const CEvent& event, const CPageLayout& layout, CDC* dc, int* outTextX,
                 int* outTextY, CRect* outRect) {
    if (event.GetText().empty()) {
        return 0;
    }
    const TextExtent extent = LayOutText(event, layout, dc);
    const std::int64_t w = extent.length;
    const std::int64_t h = extent.thickness;
    const CPoint anchor = GetAnchorPoint(event, layout);
    const std::int64_t ax = anchor.x;
    const std::int64_t ay = anchor.y;
    const WORD form = event.GetForm();

    std::int64_t left = 0;
    std::int64_t top = 0;
    if (!event.IsVertical()) {
        switch (form) {
        case kEventFormCenter:
            left = ax - w / 2;
            break;
        case kEventFormRight:
        case kEventFormBalloonLeft:
            left = ax - w;
            break;
        default:
            left = ax;
            break;
        }
        top = ay + h / 2;
        CRect rect = ClampedRect(left - 1, top + 1, left + w + 1, top - h - 1);
        if (outTextX != nullptr) {
            *outTextX = rect.left + 1;
        }
        if (outTextY != nullptr) {
            *outTextY = rect.top - 1;
        }
        if (outRect != nullptr) {
            *outRect = rect;
        }
        return 1;
    }

    // A column h thick and w long, running down from its top.
    switch (form) {
    case kEventFormCenter:
        left = ax - h / 2;
        top = ay;
        break;
    case kEventFormRight:
        left = ax - h;
        top = ay;
        break;
    case kEventFormBalloonLeft:
        left = ax - h;
        top = ay + w / 2;
        break;
    case kEventFormBalloonRight:
        left = ax;
        top = ay + w / 2;
        break;
    default:
        left = ax;
        top = ay;
        break;
    }
    CRect rect = ClampedRect(left - 1, top + 1, left + h + 1, top - w - 1);
    if (form == kEventFormRight) {
        rect.right = ClampedInt(ax - 1);
    }
    if (outTextX != nullptr) {
        *outTextX = rect.right - 1;
    }
    if (outTextY != nullptr) {
        *outTextY = rect.top - 1;
    }
    if (outRect != nullptr) {
        *outRect = rect;
    }
    return 1;
}

int GetBalloonOutline(const CEvent& event, const CPageLayout& layout, const CRect& textRect,
                      BalloonOutline& outline) {
    const WORD form = event.GetForm();
    if (form != kEventFormBalloonRight && form != kEventFormBalloonLeft) {
        return 0;
    }
    const int l = textRect.left - 1;
    const int t = textRect.top + 1;
    const int r = textRect.right + 1;
    const int b = textRect.bottom - 1;
    const int m = std::min(std::abs(t - b) / 6, std::abs(r - l) / 6);
    const int mid = b + std::abs(t - b) / 2;
    const CPoint p = GetDateRowPoint(event, layout);

    // The box's side nearer the tip, the side away from it, and the point 2m in from the near
    // side along the top or the bottom.
    const bool right = form == kEventFormBalloonRight;
    const int nearSide = right ? l : r;
    const int farSide = right ? r : l;
    const int inset = right ? l + 2 * m : r - 2 * m;
    const bool beside = right ? p.x >= l : p.x <= r;
    if (beside && p.y > t) {
        outline = {p,
                   CPoint(inset, t),
                   CPoint(farSide, t),
                   CPoint(farSide, b),
                   CPoint(nearSide, b),
                   CPoint(nearSide, t),
                   p,
                   p};
    } else if (beside && p.y < b) {
        outline = {p,
                   CPoint(nearSide, b),
                   CPoint(nearSide, t),
                   CPoint(farSide, t),
                   CPoint(farSide, b),
                   CPoint(inset, b),
                   p,
                   p};
    } else {
        outline = {p,
                   CPoint(nearSide, mid + m),
                   CPoint(nearSide, t),
                   CPoint(farSide, t),
                   CPoint(farSide, b),
                   CPoint(nearSide, b),
                   CPoint(nearSide, mid - m),
                   p};
    }
    return 1;
}

CRect GetRect(const CEvent& event, const CPageLayout& layout, CDC* dc, BOOL withAnchor) {
    CRect rect;
    const bool hasText = CalcTextRect(event, layout, dc, nullptr, nullptr, &rect) != 0;
    if (withAnchor == FALSE) {
        return hasText ? rect : CRect();
    }
    const CPoint p = GetDateRowPoint(event, layout);
    CRect bounds = hasText ? rect : CRect(p.x, p.y, p.x + 1, p.y - 1);
    const auto take = [&bounds](const CPoint& q, int width, int height) {
        bounds.left = std::min<LONG>(bounds.left, q.x);
        bounds.right = std::max<LONG>(bounds.right, q.x + width);
        bounds.top = std::max<LONG>(bounds.top, q.y);
        bounds.bottom = std::min<LONG>(bounds.bottom, q.y - height);
    };
    take(p, 1, 1);
    BalloonOutline outline{};
    if (hasText && GetBalloonOutline(event, layout, rect, outline) != 0) {
        for (const CPoint& q : outline) {
            take(q, 0, 0);
        }
    }
    return bounds;
}

} // namespace tembra
