#include "render/KouteiLabels.h"

#include "model/Calendar.h"
#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "render/Geometry.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

namespace tembra {

namespace {

// The macros of term texts, in CP932.
constexpr std::string_view kMacroDate = "$\x93\xfa\x8e\x9e$";       // $日時$
constexpr std::string_view kMacroDateFormat = "$\x93\xfa\x8e\x9e{"; // $日時{
constexpr std::string_view kMacroFormatEnd = "}$";
constexpr std::string_view kMacroNobeDays = "$\x89\x84$";          // $延$
constexpr std::string_view kMacroNobeHours = "$\x89\x84\x8e\x9e$"; // $延時$
constexpr std::string_view kMacroWorkDays = "$\x8e\xc0$";          // $実$
constexpr std::string_view kMacroWorkHours = "$\x8e\xc0\x8e\x9e$"; // $実時$
constexpr std::string_view kMonthDay = "%m/%d";
constexpr std::string_view kSpanArrow = "->";

constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kHourSeconds = 3600;

// Labels on the line keep this far (0.1 mm at 100 %) from the node marks.
constexpr int kNodeGap = 10;
// Escapement of vertical writing and the clip-precision flag that lets a turned font keep it.
constexpr LONG kVerticalEscapement = 901;
constexpr BYTE kClipLhAngles = 0x10;

int Clamped(std::int64_t v) {
    return ClampCoord(v);
}

int DateKindSlot(int dateKind) {
    return dateKind == kYogoOnStart || dateKind == kYogoOnEnd ? dateKind : 0;
}

bool IsOnLine(int place) {
    return place >= kYogoPlaceStart && place <= kYogoPlaceEnd;
}

bool IsVertical(const CElemAttr& attr) {
    return (attr.m_attrb & kLabelVertical) != 0;
}

bool IsUpright(const CElemAttr& attr) {
    return (attr.m_attrb & kLabelUprightSingleByte) != 0;
}

// value x factor, kept well inside int.
int TimesFactor(LONG value, WORD factor) {
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    return static_cast<int>(std::clamp<std::int64_t>(product, std::numeric_limits<int>::min() / 2,
                                                     std::numeric_limits<int>::max() / 2));
}

// The label's base font (the own one, else the document's), bold when the label is.
LOGFONT BaseFont(const CElemAttr& attr, const LOGFONT& documentFont) {
    LOGFONT font = attr.m_ownFont != 0 ? attr.GetLogFont() : documentFont;
    if ((attr.m_attrb & kLabelBold) != 0) {
        font.lfWeight = FW_BOLD;
    }
    return font;
}

// The font with its height and width times the two factors (exchanged when swapped), zoomed
// unless zoom is false.
LOGFONT FactoredFont(const CElemAttr& attr, LOGFONT font, const CPageLayout& layout, bool swap,
                     bool zoom) {
    const WORD heightFactor = swap ? attr.m_fontWidth : attr.m_fontHeigh;
    const WORD widthFactor = swap ? attr.m_fontHeigh : attr.m_fontWidth;
    font.lfHeight = TimesFactor(font.lfHeight, heightFactor);
    font.lfWidth = TimesFactor(font.lfWidth, widthFactor);
    if (zoom) {
        font.lfHeight = layout.Zoom(font.lfHeight);
        font.lfWidth = layout.Zoom(font.lfWidth);
    }
    return font;
}

// The font a label is written with: vertical writing exchanges the factors and turns the font.
LOGFONT TextFont(const CElemAttr& attr, const LOGFONT& base, const CPageLayout& layout, bool zoom) {
    if (!IsVertical(attr)) {
        return FactoredFont(attr, base, layout, false, zoom);
    }
    LOGFONT font = FactoredFont(attr, base, layout, true, zoom);
    font.lfEscapement = kVerticalEscapement;
    font.lfOrientation = kVerticalEscapement;
    font.lfClipPrecision = static_cast<BYTE>(font.lfClipPrecision | kClipLhAngles);
    font.SetFaceName("@" + std::string(base.FaceName()));
    return font;
}

// The settings' label blocks; null without a settings record.
const CElemAttr* YogoDefaults(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart().GetYogoAttr() : nullptr;
}

const CElemAttr* ShigenDefaults(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart().GetShigenAttr() : nullptr;
}

LOGFONT DefaultYogoFont(const CPageLayout& layout, const CYogo& term) {
    const CElemAttr* defaults = YogoDefaults(layout);
    return defaults != nullptr ? defaults->GetLogFont() : term.GetLogFont();
}

// Length along the writing direction and thickness across it.
struct TextExtent {
    int length = 0;
    int thickness = 0;
};

// Vertical text whose single-byte runs stand upright, run by run: the upright runs add their
// height to the column and their width counts for its thickness, the turned runs the other
// way round.
TextExtent MeasureUprightColumn(CDC* dc, const LOGFONT& upright, const LOGFONT& turned,
                                const std::string& text) {
    std::int64_t length = 0;
    int thickness = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        int charClass = kCharOther;
        const std::string run = NextCharRun(text, i, charClass);
        if (run.empty()) {
            continue;
        }
        if (charClass == kCharSingle) {
            const CSize size = MeasureText(dc, upright, run);
            length += std::abs(size.cy);
            thickness = std::max<int>(thickness, std::abs(size.cx));
        } else {
            const CSize size = MeasureText(dc, turned, run);
            length += std::abs(size.cx);
            thickness = std::max<int>(thickness, std::abs(size.cy));
        }
    }
    return {Clamped(length), thickness};
}

// The extent of a label text as events measure theirs: the estimate |font width| x bytes of
// the unexpanded text (twice as long for the layout's quick text without macros), or the
// expanded text measured on the device context.
TextExtent LabelExtent(const CElemAttr& attr, const LOGFONT& base, const CPageLayout& layout,
                       CDC* dc, const std::string& text, const std::string& expanded) {
    const LOGFONT font = TextFont(attr, base, layout, true);
    const TextExtent estimate{Clamped(static_cast<std::int64_t>(std::abs(font.lfWidth)) *
                                      static_cast<std::int64_t>(text.size())),
                              std::abs(static_cast<int>(font.lfHeight))};
    const bool vertical = IsVertical(attr);
    const bool upright = IsUpright(attr);
    if (layout.IsQuickText() && (!vertical || !upright) && text.find('$') == std::string::npos) {
        return {Clamped(static_cast<std::int64_t>(estimate.length) * 2), estimate.thickness};
    }
    if (dc == nullptr) {
        return estimate;
    }
    if (vertical && upright) {
        return MeasureUprightColumn(dc, FactoredFont(attr, base, layout, false, true), font,
                                    expanded);
    }
    const CSize size = MeasureText(dc, font, expanded);
    return {std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy))};
}

// The thickness of a term in the stacking table (unzoomed fonts): the height of the font it is
// written with, or for an upright-run column the widest of its runs.
int StackThickness(const CYogo& term, const LOGFONT& base, const CPageLayout& layout, CDC* dc,
                   const std::string& expanded) {
    const CElemAttr& attr = term.GetAttr();
    const LOGFONT font = TextFont(attr, base, layout, false);
    if (!IsVertical(attr) || !IsUpright(attr)) {
        return std::abs(static_cast<int>(font.lfHeight));
    }
    const LOGFONT upright = FactoredFont(attr, base, layout, false, false);
    int thickness = 0;
    for (std::size_t i = 0; i < expanded.size(); ++i) {
        int charClass = kCharOther;
        const std::string run = NextCharRun(expanded, i, charClass);
        if (run.empty()) {
            continue;
        }
        int across = std::abs(static_cast<int>(font.lfHeight));
        if (charClass == kCharSingle) {
            across = dc != nullptr ? std::abs(static_cast<int>(MeasureText(dc, upright, run).cx))
                                   : Clamped(static_cast<std::int64_t>(std::abs(upright.lfWidth)) *
                                             static_cast<std::int64_t>(run.size()));
        }
        thickness = std::max(thickness, across);
    }
    return thickness;
}

// How far below the line a hanging stack begins: twice the line's drawn width (the pen of the
// width code, or the rectangle bar's half height below its middle).
int HangingGap(const CKoutei& koutei, const CPageLayout& layout) {
    const CKouteiAttr& attr = koutei.GetLines()->GetAttr();
    const int h = layout.GetScaledBarHeight();
    const int k = HighByteOf(attr.m_style);
    int width = 0;
    switch (koutei.GetLineShape()) {
    case kLineShapeBar:
        width = h * k / 2;
        break;
    case kLineShapeSlantBar: {
        const int band = static_cast<int>(std::floor(h * k * 1.2 + 0.5));
        width = band - band / 2;
        break;
    }
    default:
        if (const CSyokiSet* set = layout.GetSyokiSet()) {
            width = layout.Zoom(set->GetChart().GetKouteiWidthSet().GetAt(attr.m_width));
        }
        break;
    }
    return 2 * std::abs(width);
}

// Where the members of a stack lie: offset is the room of the later members, total the
// room of the whole stack (from the nearest member's inner edge to the first one's outer).
struct StackPlace {
    int offset = 0;
    int total = 0;
};

// A box of a label: its left and top corner, thickness across and length along its writing
// direction, in logical units.
struct LabelBox {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The rectangle of a text box grown by one unit on each side, and its text origin.
void PutBox(const LabelBox& box, bool vertical, int* outTextX, int* outTextY, CRect* outRect) {
    const CRect rect(Clamped(box.left - 1), Clamped(box.top + 1), Clamped(box.left + box.width + 1),
                     Clamped(box.top - box.height - 1));
    if (outTextX != nullptr) {
        *outTextX = vertical ? rect.right - 1 : rect.left + 1;
    }
    if (outTextY != nullptr) {
        *outTextY = rect.top - 1;
    }
    if (outRect != nullptr) {
        *outRect = rect;
    }
}

// The box of a member of a stack on the line. along: the x where the place puts a label that
// runs along the line (place 0 and 2 give the near edge, 1 the middle); the box is length long
// along x and thickness high (horizontal writing), or thickness wide and length high
// (vertical). place 2 stacks columns toward the left.
LabelBox StackedBox(int place, int along, int lineY, bool vertical, bool standing, bool centred,
                    int gap, const StackPlace& stack, int length, int thickness) {
    LabelBox box;
    if (!vertical) {
        box.width = length;
        box.height = thickness;
        switch (place) {
        case kYogoPlaceMiddle:
            box.left = static_cast<std::int64_t>(along) - length / 2;
            break;
        case kYogoPlaceEnd:
            box.left = static_cast<std::int64_t>(along) - length;
            break;
        default:
            box.left = along;
            break;
        }
        if (centred) {
            box.top = static_cast<std::int64_t>(lineY) - stack.total / 2 + stack.offset + thickness;
        } else if (standing) {
            box.top = static_cast<std::int64_t>(lineY) + stack.offset + thickness;
        } else {
            box.top = static_cast<std::int64_t>(lineY) - gap - stack.offset;
        }
        return box;
    }
    box.width = thickness;
    box.height = length;
    switch (place) {
    case kYogoPlaceMiddle:
        box.left = static_cast<std::int64_t>(along) - stack.total / 2 + stack.offset;
        break;
    case kYogoPlaceEnd:
        box.left = static_cast<std::int64_t>(along) - stack.offset - thickness;
        break;
    default:
        box.left = static_cast<std::int64_t>(along) + stack.offset;
        break;
    }
    if (centred) {
        box.top = static_cast<std::int64_t>(lineY) + length / 2;
    } else if (standing) {
        box.top = static_cast<std::int64_t>(lineY) + length;
    } else {
        box.top = static_cast<std::int64_t>(lineY) - gap;
    }
    return box;
}

// percent % of the span, truncated and clamped.
int PercentOf(LONG percent, double span) {
    return Clamped(static_cast<std::int64_t>(std::trunc(percent * span / 100.0)));
}

// (value - origin) x 100 / unit, truncated; 0 without a unit.
LONG PercentFrom(int value, int origin, double unit) {
    if (!(unit > 0.0)) {
        return 0;
    }
    const double percent = std::trunc((static_cast<double>(value) - origin) * 100.0 / unit);
    return static_cast<LONG>(std::clamp<double>(percent, std::numeric_limits<LONG>::min(),
                                                std::numeric_limits<LONG>::max()));
}

// "%ld", or "%ld.%d" with the part below the unit when it is not 0.
std::string WithPart(std::int64_t whole, int part) {
    if (part == 0) {
        return StringPrintf("%lld", static_cast<long long>(whole));
    }
    return StringPrintf("%lld.%d", static_cast<long long>(whole), std::abs(part));
}

std::string InParentheses(const std::string& text) {
    return "(" + text + ")";
}

// The stack of the term at index in its group (same date kind, place and direction).
StackPlace StackOf(const YogoStackTable& table, const CPageLayout& layout, int index, int dateKind,
                   int place, int direction, int lineSpace) {
    StackPlace stack;
    bool first = true;
    for (int j = 0; j < CKoutei::kMaxYogo; ++j) {
        const int thickness = table.Get(j, dateKind, place, direction);
        if (thickness == 0) {
            continue;
        }
        const int zoomed = layout.Zoom(thickness);
        const int spacing = layout.Zoom(TimesFactor(thickness, static_cast<WORD>(lineSpace)) / 100);
        stack.total += first ? zoomed : zoomed + spacing;
        first = false;
        if (j > index) {
            stack.offset += zoomed + spacing;
        }
    }
    return stack;
}

} // namespace

// ---- Stacking table -----------------------------------------------------------------------------

int YogoStackTable::Slot(int term, int dateKind, int place, int direction) {
    if (term < 0 || term >= CKoutei::kMaxYogo || dateKind < 0 || dateKind >= kDateKinds ||
        place < 0 || place >= kPlaces || direction < 0 || direction >= kDirections) {
        return -1;
    }
    return ((term * kDateKinds + dateKind) * kPlaces + place) * kDirections + direction;
}

int YogoStackTable::Get(int term, int dateKind, int place, int direction) const {
    const int slot = Slot(term, dateKind, place, direction);
    return slot < 0 ? 0 : m_thickness[static_cast<std::size_t>(slot)];
}

void YogoStackTable::Set(int term, int dateKind, int place, int direction, int thickness) {
    const int slot = Slot(term, dateKind, place, direction);
    if (slot >= 0) {
        m_thickness[static_cast<std::size_t>(slot)] = thickness;
    }
}

std::unique_ptr<YogoStackTable> BuildYogoStackTable(const CKoutei& koutei,
                                                    const CPageLayout& layout, CDC* dc,
                                                    const LOGFONT& defaultFont) {
    std::unique_ptr<YogoStackTable> table(new (std::nothrow) YogoStackTable());
    if (!table) {
        AfxMessageBox(IDS_YOGO_STACK_FAILED, MB_OK);
        return nullptr;
    }
    const int count = std::min(koutei.GetYogoCount(), CKoutei::kMaxYogo);
    for (int i = 0; i < count; ++i) {
        const CYogo* term = koutei.GetYogo(i);
        if (term == nullptr || term->GetText().empty()) {
            continue;
        }
        const CElemAttr& attr = term->GetAttr();
        std::string expanded = term->GetText();
        if (dc != nullptr) {
            FormatYogoText(koutei, layout, *term, expanded);
        }
        table->Set(i, DateKindSlot(term->GetDateKind()), attr.m_form, IsVertical(attr) ? 1 : 0,
                   StackThickness(*term, BaseFont(attr, defaultFont), layout, dc, expanded));
    }
    return table;
}

// ---- Term rectangles ----------------------------------------------------------------------------

int CalcYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index,
                 const YogoStackTable* table, int* outTextX, int* outTextY, CRect* outRect) {
    const CYogo* term = koutei.GetYogo(index);
    if (table == nullptr || term == nullptr || term->GetText().empty()) {
        return 0;
    }
    const CElemAttr& attr = term->GetAttr();
    const LOGFONT base = BaseFont(attr, DefaultYogoFont(layout, *term));
    std::string expanded = term->GetText();
    if (dc != nullptr) {
        FormatYogoText(koutei, layout, *term, expanded);
    }
    const TextExtent extent = LabelExtent(attr, base, layout, dc, term->GetText(), expanded);
    const bool vertical = IsVertical(attr);
    const int place = attr.m_form;
    const int dateKind = term->GetDateKind();

    int x1 = 0;
    int x2 = 0;
    int y = 0;
    GetYogoSegment(koutei, layout, dateKind, x1, x2, y);

    LabelBox box;
    if (IsOnLine(place)) {
        int along = x1 + GetStartLandSize(koutei, layout) + layout.Zoom(kNodeGap);
        if (place == kYogoPlaceMiddle) {
            along = x1 + (x2 - x1) / 2;
        } else if (place == kYogoPlaceEnd) {
            along = x2 - GetEndLandSize(koutei, layout) - layout.Zoom(kNodeGap);
        }
        const CElemAttr* defaults = YogoDefaults(layout);
        const StackPlace stack =
            StackOf(*table, layout, index, DateKindSlot(dateKind), place, vertical ? 1 : 0,
                    defaults != nullptr ? defaults->GetLineSpace() : 0);
        box = StackedBox(place, along, y, vertical, attr.GetLinkPosition() == 0,
                         koutei.GetLineShape() == kLineShapeSlantBar, HangingGap(koutei, layout),
                         stack, extent.length, extent.thickness);
    } else {
        int ax = x1 + (x2 - x1) / 2;
        int ay = y;
        GetYogoAnchor(koutei, layout, index, ax, ay);
        box.width = vertical ? extent.thickness : extent.length;
        box.height = vertical ? extent.length : extent.thickness;
        box.left = place == kYogoPlaceLeaderRight ? static_cast<std::int64_t>(ax) - box.width : ax;
        box.top = static_cast<std::int64_t>(ay) + box.height;
    }
    PutBox(box, vertical, outTextX, outTextY, outRect);
    return 1;
}

CRect GetYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index) {
    if (koutei.GetYogoCount() == 0) {
        return CRect();
    }
    const CYogo* any = koutei.GetYogo(0);
    const CElemAttr* defaults = YogoDefaults(layout);
    const LOGFONT defaultFont = defaults != nullptr ? defaults->GetLogFont() : any->GetLogFont();
    const std::unique_ptr<YogoStackTable> table =
        BuildYogoStackTable(koutei, layout, dc, defaultFont);
    if (!table) {
        return CRect();
    }
    CRect bounds;
    const int first = index < 0 ? koutei.GetYogoCount() - 1 : index;
    const int last = index < 0 ? 0 : index;
    for (int i = first; i >= last; --i) {
        CRect rect;
        if (CalcYogoRect(koutei, layout, dc, i, table.get(), nullptr, nullptr, &rect) != 0) {
            bounds = UnionLogRect(bounds, rect);
        }
    }
    return bounds;
}

// ---- Reference segment, anchors and leaders -----------------------------------------------------

void GetYogoSegment(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x1,
                    int& x2, int& y) {
    int sx = 0;
    int sy = 0;
    int ex = 0;
    int ey = 0;
    int yb = 0;
    const int direction = GetLineCoords(koutei, layout, sx, sy, ex, ey, yb);
    if (dateKind == kYogoOnStart) {
        x1 = x2 = sx;
        y = sy;
        return;
    }
    if (dateKind == kYogoOnEnd) {
        x1 = x2 = ex;
        y = ey;
        return;
    }
    int shape = koutei.GetLineShape();
    if (direction == kLinePlumbFalling || direction == kLinePlumbRising) {
        shape = kLineShapePlain;
    } else if (direction == kLineLevel) {
        shape = kLineShapeStraight;
    }
    x1 = sx;
    x2 = ex;
    switch (shape) {
    case kLineShapeElbowVH:
        y = ey;
        break;
    case kLineShapeElbowHV:
        y = sy;
        break;
    case kLineShapeCrank:
    case kLineShapeGate:
        y = yb;
        break;
    default:
        y = sy + (ey - sy) / 2;
        break;
    }
}

void GetYogoMidpoint(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x,
                     int& y) {
    int x1 = 0;
    int x2 = 0;
    GetYogoSegment(koutei, layout, dateKind, x1, x2, y);
    x = x1 + (x2 - x1) / 2;
}

void GetYogoAnchor(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    x = Clamped(static_cast<std::int64_t>(x) +
                PercentOf(term->GetAttr().GetOffset(), layout.GetDayWidth()));
    y = Clamped(static_cast<std::int64_t>(y) +
                PercentOf(term->GetAttr().GetOffsetY(), layout.GetRowHeight()));
}

void GetYogoLeaderEnd(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    x = Clamped(static_cast<std::int64_t>(x) +
                PercentOf(term->GetAttr().GetDrawerX(), layout.GetDayWidth()));
    y = Clamped(static_cast<std::int64_t>(y) +
                PercentOf(term->GetAttr().GetDrawerY(), layout.GetRowHeight()));
}

void GetYogoLeaderStart(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y,
                        int towardX, int towardY) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    GetYogoLeaderEnd(koutei, layout, index, x, y);
    const CPoint at(x, y);
    const CPoint toward(towardX, towardY);
    CPoint start;
    switch (term->GetDateKind()) {
    case kYogoOnStart:
        start = NodeMeetingPoint(koutei.GetStartLand()->GetStyle(), FALSE, at,
                                 GetStartLandSize(koutei, layout), toward);
        break;
    case kYogoOnEnd:
        start = NodeMeetingPoint(koutei.GetEndLand()->GetStyle(), FALSE, at,
                                 GetEndLandSize(koutei, layout), toward);
        break;
    default:
        start = NearestRoutePoint(koutei, layout, at);
        break;
    }
    x = start.x;
    y = start.y;
}

CPoint NearestRoutePoint(const CKoutei& koutei, const CPageLayout& layout, const CPoint& target) {
    KouteiRoute route;
    const int n = BuildRoute(koutei, layout, route);
    const auto distance = [&target](const CPoint& p) {
        const std::int64_t dx = static_cast<std::int64_t>(p.x) - target.x;
        const std::int64_t dy = static_cast<std::int64_t>(p.y) - target.y;
        return dx * dx + dy * dy;
    };
    std::optional<CPoint> best;
    const auto consider = [&](const CPoint& p) {
        if (!best || distance(p) < distance(*best)) {
            best = p;
        }
    };
    const int radius = layout.GetScaledCornerSize();
    for (int leg = 0; leg < n; ++leg) {
        const CPoint a = route.LegStart(leg);
        const CPoint b = route.LegEnd(leg);
        int fx = 0;
        int fy = 0;
        if (GeomPerpendicularFootInt(target.x, target.y, a.x, a.y, b.x, b.y, fx, fy) == 1) {
            consider(CPoint(fx, fy));
        }
        if (leg + 1 < n) {
            // The rounded corner after this leg: D, A and B of the arc from A to B about D.
            const CPoint d = route.Corner(leg, 1);
            const CPoint s = route.Corner(leg, 2);
            const CPoint e = route.Corner(leg, 3);
            int cx = 0;
            int cy = 0;
            if (GeomNearestPointOnArcInt(target.x, target.y, d.x, d.y, radius, s.x, s.y, e.x, e.y,
                                         cx, cy) == 1) {
                consider(CPoint(cx, cy));
            }
        }
    }
    if (best) {
        return *best;
    }
    const CPoint first = route.points[0];
    const CPoint last = route.points[static_cast<std::size_t>(std::max(route.PointCount() - 1, 0))];
    return distance(last) < distance(first) ? last : first;
}

// ---- Dragged positions --------------------------------------------------------------------------

void SetYogoPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x, int y) {
    CElemAttr& attr = term.GetAttr();
    if (IsOnLine(attr.m_form)) {
        return;
    }
    int mx = 0;
    int my = 0;
    GetYogoMidpoint(koutei, layout, term.GetDateKind(), mx, my);
    attr.SetOffset(PercentFrom(x, mx, layout.GetDayWidth()));
    attr.SetOffsetY(PercentFrom(y, my, layout.GetRowHeight()));
}

void SetYogoSubPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x,
                        int y) {
    CElemAttr& attr = term.GetAttr();
    const bool leader = attr.m_form == kYogoPlaceLeaderLeft || attr.m_form == kYogoPlaceLeaderRight;
    const WORD dateKind = term.GetDateKind();
    if (!leader || dateKind == kYogoOnStart || dateKind == kYogoOnEnd) {
        attr.SetDrawerX(0);
        attr.SetDrawerY(0);
        return;
    }
    int mx = 0;
    int my = 0;
    GetYogoMidpoint(koutei, layout, dateKind, mx, my);
    attr.SetDrawerX(PercentFrom(x, mx, layout.GetDayWidth()));
    attr.SetDrawerY(PercentFrom(y, my, layout.GetRowHeight()));
}

// ---- Date macros --------------------------------------------------------------------------------

// The macros, in this order, each replacing every occurrence; S and E are the process's start
// and end, B the settings' elapsed-day base date, k the term's date kind (the date D is S for
// k = 1, E for k = 2):
//   "$日時$"      calendar mode: D "%m/%d"; other k: S "->" E
//   "$日時{f}$"   calendar mode, f up to the next "}$" and not empty (the first such macro, every
//                 occurrence of it): D formatted with f's date tokens; other k: S "->" E
//   "$延$"        whole days of D - B; other k: the plain span in days, "%ld" or "%ld.%d" with
//                 the hours part
//   "$延時$"      whole hours of D - B; other k: the plain span in hours, with the minutes part
//   "$実$"        "(%ld)": calendar mode, days of D - B less the calendar's holidays between them;
//                 elapsed mode, the layout's elapsed span of D, one day added when not negative;
//                 other k: the working span less the spare days, "(%ld)" or "(%ld.%d)"
//   "$実時$"      the same in hours (elapsed mode: one hour added)
// The part after the point is the remainder in hours (of days) or minutes (of hours).
void FormatYogoText(const CKoutei& koutei, const CPageLayout& layout, const CYogo& term,
                    std::string& text) {
    const CSyokiSet* set = layout.GetSyokiSet();
    const IPageLayoutDocument* document = layout.GetDocument();
    const CCalendar* calendar = document != nullptr ? document->GetCalendar() : nullptr;
    const bool calendarMode = set == nullptr || set->GetNobeMode() == 0;
    const CTime base = set != nullptr ? set->GetNobeBaseDate() : CTime();
    const CTime start = koutei.GetStartTime();
    const CTime end = koutei.GetEndTime();
    const WORD kind = term.GetDateKind();
    const bool onNode = kind == kYogoOnStart || kind == kYogoOnEnd;
    const CTime date = kind == kYogoOnEnd ? end : start;

    const auto dates = [&](std::string_view format) {
        if (onNode) {
            return date.Format(format);
        }
        return start.Format(format) + std::string(kSpanArrow) + end.Format(format);
    };

    if (calendarMode) {
        ReplaceAll(text, kMacroDate, dates(kMonthDay));
        const std::size_t begin = Sjis::Find(text, kMacroDateFormat);
        if (begin != std::string::npos) {
            const std::size_t formatAt = begin + kMacroDateFormat.size();
            const std::size_t close = Sjis::Find(text, kMacroFormatEnd, formatAt);
            if (close != std::string::npos && close > formatAt) {
                const std::string format = text.substr(formatAt, close - formatAt);
                const std::string macro =
                    text.substr(begin, close + kMacroFormatEnd.size() - begin);
                ReplaceAll(text, macro, dates(FormatDateTokens(format)));
            }
        }
    }

    const CTimeSpan fromBase = date - base;
    const CTimeSpan plain = koutei.CalcSpan(static_cast<const CCalendar*>(nullptr));
    if (onNode) {
        ReplaceAll(text, kMacroNobeDays, WithPart(fromBase.GetDays(), 0));
        ReplaceAll(text, kMacroNobeHours, WithPart(fromBase.GetTotalHours(), 0));
    } else {
        ReplaceAll(text, kMacroNobeDays, WithPart(plain.GetDays(), plain.GetHours()));
        ReplaceAll(text, kMacroNobeHours, WithPart(plain.GetTotalHours(), plain.GetMinutes()));
    }

    if (!onNode) {
        const CTimeSpan work = koutei.CalcSpan(calendar) - koutei.GetSpareDays();
        ReplaceAll(text, kMacroWorkDays, InParentheses(WithPart(work.GetDays(), work.GetHours())));
        ReplaceAll(text, kMacroWorkHours,
                   InParentheses(WithPart(work.GetTotalHours(), work.GetMinutes())));
    } else if (calendarMode) {
        const CTimeSpan holidays =
            calendar != nullptr ? calendar->GetHolidayTime(base, date) : CTimeSpan();
        ReplaceAll(text, kMacroWorkDays,
                   InParentheses(WithPart(fromBase.GetDays() - holidays.GetDays(), 0)));
        ReplaceAll(text, kMacroWorkHours,
                   InParentheses(WithPart(fromBase.GetTotalHours() - holidays.GetTotalHours(), 0)));
    } else {
        const std::int64_t span =
            layout.DateToNobeYMD(date, nullptr, nullptr, nullptr).GetTimeSpan();
        const std::int64_t days = span >= 0 ? span + kDaySeconds : span;
        const std::int64_t hours = span >= 0 ? span + kHourSeconds : span;
        ReplaceAll(text, kMacroWorkDays, InParentheses(WithPart(days / kDaySeconds, 0)));
        ReplaceAll(text, kMacroWorkHours, InParentheses(WithPart(hours / kHourSeconds, 0)));
    }
    // A long span or format can grow the text past the term's field.
    text = Sjis::Cut(text, CYogo::kTextCapacity);
}

// ---- Label fonts --------------------------------------------------------------------------------

LOGFONT GetLabelTextFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                         const CPageLayout& layout) {
    return TextFont(attr, BaseFont(attr, defaultFont), layout, true);
}

LOGFONT GetLabelUprightFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                            const CPageLayout& layout) {
    return FactoredFont(attr, BaseFont(attr, defaultFont), layout, false, true);
}

// ---- Resource label -----------------------------------------------------------------------------

namespace {

// The layout of the resource label's lines, computed once for the whole label.
class ShigenLabelLayout {
public:
    ShigenLabelLayout(const CKoutei& koutei, const CPageLayout& layout, CDC* dc)
        : m_koutei(koutei), m_layout(layout), m_dc(dc), m_list(*koutei.GetShigen()),
          m_attr(m_list.GetAttr()) {
        const CElemAttr* defaults = ShigenDefaults(layout);
        m_base =
            BaseFont(m_attr, defaults != nullptr ? defaults->GetLogFont() : m_list.GetLogFont());
        m_font = TextFont(m_attr, m_base, layout, true);
        m_vertical = IsVertical(m_attr);
        m_thickness = std::abs(static_cast<int>(m_font.lfHeight));
        const int lineSpace = defaults != nullptr ? defaults->GetLineSpace() : 0;
        m_spacing = TimesFactor(m_thickness, static_cast<WORD>(lineSpace)) / 100;
        m_count = m_list.GetCount();
        m_document = layout.GetDocument();
        if (m_document != nullptr) {
            m_document->MeasureShigenList(m_list, m_nameLength, m_largest);
        }

        GetYogoSegment(koutei, layout, kYogoOnLine, m_x1, m_x2, m_lineY);
        // Below terms that reach under the line.
        const CRect terms = GetYogoRect(koutei, layout, dc, -1);
        if (!terms.IsRectNull() && terms.bottom < m_lineY) {
            m_drop = m_lineY - terms.bottom;
        }
    }

    int Count() const { return m_count; }

    void Line(int line, int* outTextX, int* outTextY, CRect* outRect) const {
        const TextExtent extent = Extent(line);
        const int room = m_thickness + m_spacing;
        StackPlace stack;
        stack.offset = Clamped(static_cast<std::int64_t>(m_count - 1 - line) * room);
        stack.total = Clamped(static_cast<std::int64_t>(m_count) * room - m_spacing);
        const bool centred = m_layout.IsShigenCentered() != FALSE;
        const int place = centred ? kYogoPlaceMiddle : kYogoPlaceStart;
        const int along = centred ? m_x1 + std::abs(m_x2 - m_x1) / 2
                                  : m_x1 + GetStartLandSize(m_koutei, m_layout);
        LabelBox box =
            StackedBox(place, along, m_lineY, m_vertical, m_attr.GetLinkPosition() == 0,
                       m_koutei.GetLineShape() == kLineShapeSlantBar,
                       HangingGap(m_koutei, m_layout), stack, extent.length, extent.thickness);
        box.top -= m_drop;
        PutBox(box, m_vertical, outTextX, outTextY, outRect);
    }

private:
    // The document's text of the line (the widest line for an entry without an amount).
    std::string Text(int line) const {
        if (m_document == nullptr) {
            return {};
        }
        const CShigenData& entry = *m_list.GetEntries()[static_cast<std::size_t>(line)];
        if (entry.GetQuantity() == 0) {
            if (!m_widest) {
                m_widest = m_document->GetShigenLabel(m_list, -1);
            }
            return *m_widest;
        }
        std::string name;
        if (m_document->GetShigenName(static_cast<int>(entry.GetNumber()) - 1, name) < 0) {
            name.clear();
        }
        return FormatShigenLine(name, entry.GetQuantity(), m_nameLength, m_largest);
    }

    // Measured on the device context, else |font width| x (longest name + digits of the
    // largest amount + 3), + 2 when the layout shows amounts only (display mode 2).
    TextExtent Extent(int line) const {
        if (m_dc != nullptr) {
            const CSize size = MeasureText(m_dc, m_font, Text(line));
            return {std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy))};
        }
        const int digits = static_cast<int>(StringPrintf("%d", m_largest).size());
        const int brackets = m_layout.GetShigenDispMode() == 2 ? 2 : 3;
        const std::int64_t chars = static_cast<std::int64_t>(m_nameLength) + digits + brackets;
        return {Clamped(static_cast<std::int64_t>(std::abs(m_font.lfWidth)) * chars), m_thickness};
    }

    const CKoutei& m_koutei;
    const CPageLayout& m_layout;
    CDC* m_dc;
    const CShigen& m_list;
    const CElemAttr& m_attr;
    const IPageLayoutDocument* m_document = nullptr;
    LOGFONT m_base;
    LOGFONT m_font;
    bool m_vertical = false;
    int m_thickness = 0;
    int m_spacing = 0;
    int m_count = 0;
    int m_nameLength = 0;
    int m_largest = 0;
    int m_x1 = 0;
    int m_x2 = 0;
    int m_lineY = 0;
    int m_drop = 0;
    mutable std::optional<std::string> m_widest;
};

} // namespace

int CalcShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int line,
                   int* outTextX, int* outTextY, CRect* outRect) {
    if (line < 0 || line >= koutei.GetShigenCount()) {
        return 0;
    }
    const ShigenLabelLayout label(koutei, layout, dc);
    label.Line(line, outTextX, outTextY, outRect);
    return 1;
}

CRect GetShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index) {
    const int count = koutei.GetShigenCount();
    if (count == 0 || index >= count) {
        return CRect();
    }
    const ShigenLabelLayout label(koutei, layout, dc);
    CRect bounds;
    const int first = index < 0 ? 0 : index;
    const int last = index < 0 ? count - 1 : index;
    for (int i = first; i <= last; ++i) {
        CRect rect;
        label.Line(i, nullptr, nullptr, &rect);
        bounds = UnionLogRect(bounds, rect);
    }
    return bounds;
}

} // namespace tembra
