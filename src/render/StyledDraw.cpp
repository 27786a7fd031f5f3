#include "render/StyledDraw.h"

#include "render/DrawSettings.h"
#include "render/PatternBitmaps.h"
#include "render/StyledDrawColors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace tembra {

namespace {

using styled::FlipY;
using styled::FY;
using styled::MatchBackground;
using styled::MatchColor;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr int kCopyPen = R2_COPYPEN;

// ---- Settings -------------------------------------------------------------------------------

// The points as they go to the device (each y through FY).
std::vector<CPoint> FlippedPoints(const CPoint* points, int count) {
    std::vector<CPoint> flipped(points, points + count);
    for (CPoint& p : flipped) {
        p.y = FY(p.y);
    }
    return flipped;
}

// ---- Colours ----------------------------------------------------------------------------------

void SetModes(CDC* dc, int rop2, int bkMode) {
    if (bkMode >= 0 && bkMode != dc->GetBkMode()) {
        dc->SetBkMode(bkMode);
    }
    if (rop2 >= 0 && rop2 != dc->GetROP2()) {
        dc->SetROP2(rop2);
    }
}

// ---- Line types -------------------------------------------------------------------------------

// The screen and paper substitutions: on paper "no line" is the invisible type; on screen the
// invisible type is a light-grey solid line and "no line" a light-grey dotted guide (when it
// has a width).
int SubstituteType(const CDC* dc, int type, int width, COLORREF& color) {
    if (dc->IsPrinting()) {
        return type == -1 ? 5 : type;
    }
    if (type == 5) {
        color = kLightGrey;
        return 0;
    }
    if (type == -1) {
        if (width > 0) {
            color = kLightGrey;
            return 2;
        }
        return 5;
    }
    return type;
}

// The GDI pen style of a line type; an unknown positive type draws solid.
int PenStyle(int type) {
    if (type < 0 || type == 5) {
        return PS_NULL;
    }
    if (type <= 4 || type == 6) {
        return type;
    }
    return PS_SOLID;
}

bool UsesStyledPath(const CDC* dc, int type, int width) {
    return dc->IsPrinting() && dc->GetDrawOptions().styledDraw && type != 0 && width >= 1;
}

// ---- Dash state machine -------------------------------------------------------------------

struct DashRun {
    int length;
    bool on;
};

struct DashPattern {
    std::array<DashRun, 6> runs{};
    int count = 0;
};

// The pattern of a line type (1 to 4), lengths in logical units at scale 1.
bool PatternOf(int type, DashPattern& out) {
    switch (type) {
    case 1:
        out = {{{{30, true}, {30, false}}}, 2};
        return true;
    case 2:
        out = {{{{10, false}, {10, true}}}, 2};
        return true;
    case 3:
        out = {{{{30, true}, {10, false}, {10, true}, {10, false}}}, 4};
        return true;
    case 4:
        out = {{{{20, true}, {8, false}, {8, true}, {8, false}, {8, true}, {8, false}}}, 6};
        return true;
    default:
        return false;
    }
}

// The state carried from one segment to the next: the run in progress and how much of it the
// previous segments used.
struct DashState {
    int index = 0;
    double used = 0.0;
};

// A point of a run's end as the walk puts it on the device.
CPoint RunPoint(double x, double y) {
    return {static_cast<LONG>(x + 0.5), static_cast<LONG>(y - 0.5)};
}

// The run lengths of a pattern under the dash scale, truncated; a run shorter than one unit
// would never move the walk on.
std::array<double, 6> ScaledLengths(const DashPattern& pattern) {
    const double scale = ParseDashScale(GetDrawSettings().dashScale);
    std::array<double, 6> lengths{};
    for (int i = 0; i < pattern.count; ++i) {
        lengths[i] = std::max(1.0, std::trunc(pattern.runs[i].length * scale));
    }
    return lengths;
}

class DashWalker {
public:
    DashWalker(CDC* dc, int type) : m_dc(dc) {
        m_dashed = PatternOf(type, m_pattern);
        m_lengths = ScaledLengths(m_pattern);
    }

    // One segment from a to b, the pattern continuing from the state.
    void Segment(const CPoint& a, const CPoint& b) {
        if (!m_dashed) {
            m_state = {};
            Line(a, b);
            return;
        }
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        if (length <= 0.0) {
            return;
        }
        double pos = 0.0;
        CPoint cur = a;
        for (;;) {
            const double remaining = m_lengths[m_state.index] - m_state.used;
            const bool on = m_pattern.runs[m_state.index].on;
            if (pos + remaining <= length) {
                pos += remaining;
                const CPoint next = RunPoint(a.x + dx * pos / length, a.y + dy * pos / length);
                if (on) {
                    Line(cur, next);
                }
                cur = next;
                m_state.index = (m_state.index + 1) % m_pattern.count;
                m_state.used = 0.0;
            } else {
                if (on) {
                    Line(cur, b);
                }
                m_state.used += length - pos;
                return;
            }
        }
    }

    const DashState& State() const { return m_state; }

private:
    void Line(const CPoint& a, const CPoint& b) {
        if (a == b) {
            return;
        }
        m_dc->MoveTo(a.x, FY(a.y));
        m_dc->LineTo(b.x, FY(b.y));
    }

    CDC* m_dc;
    DashPattern m_pattern;
    std::array<double, 6> m_lengths{};
    bool m_dashed = false;
    DashState m_state;

    friend class ArcWalker;
};

// ---- Dashed pen -----------------------------------------------------------------------------

// A pattern as a device's dashed pen takes it: runs that alternate from "on", and the "off" run
// that the line type starts with (the dot) moved to the end, its length kept as the distance
// the line's first dash stands from its start.
struct PenDashes {
    std::array<DWORD, 6> runs{};
    int count = 0;
    double lead = 0.0;
};

PenDashes PenDashesOf(const DashPattern& pattern) {
    const std::array<double, 6> lengths = ScaledLengths(pattern);
    PenDashes pen;
    const int first = pattern.runs[0].on ? 0 : 1;
    if (first == 1) {
        pen.lead = lengths[0];
    }
    for (int i = 0; i < pattern.count; ++i) {
        pen.runs[i] = static_cast<DWORD>(lengths[(first + i) % pattern.count]);
    }
    pen.count = pattern.count;
    return pen;
}

// ---- Arc state machine ----------------------------------------------------------------------

// Walks an axis-aligned ellipse (a circle for the arcs and fans) from a parameter angle by a
// signed sweep with the same dash runs, each "on" run drawn with GDI Arc. The arc length is
// measured along the curve so that runs keep their table lengths.
class ArcWalker {
public:
    ArcWalker(CDC* dc, DashWalker& dash) : m_dc(dc), m_dash(dash) {
        // GDI draws arcs counter-clockwise as seen on the device; in the (unflipped) logical
        // units of the chart that is the mathematical sense when the mapping turns one axis.
        const bool turned = (dc->ScaleX() < 0) != (dc->ScaleY() < 0);
        m_gdiCcw = turned != FlipY();
        if (dc->GetArcDirection() == AD_CLOCKWISE) {
            m_gdiCcw = !m_gdiCcw;
        }
    }

    // The sweep that goes from angle a0 to a1 in GDI's direction (a whole turn when equal).
    double GdiSweep(double a0, double a1) const {
        const double turn = 2.0 * std::numbers::pi;
        double d = std::fmod(m_gdiCcw ? a1 - a0 : a0 - a1, turn);
        if (d <= 1e-12) {
            d += turn;
        }
        return m_gdiCcw ? d : -d;
    }
    double FullSweep() const { return m_gdiCcw ? 2.0 * std::numbers::pi : -2.0 * std::numbers::pi; }

    void Walk(double cx, double cy, double rx, double ry, double t0, double sweep) {
        if (rx <= 0.0 || ry <= 0.0 || sweep == 0.0) {
            return;
        }
        m_cx = cx;
        m_cy = cy;
        m_rx = rx;
        m_ry = ry;
        m_forward = (sweep > 0) == m_gdiCcw;
        if (!m_dash.m_dashed) {
            m_dash.m_state = {};
            Run(t0, t0 + sweep);
            return;
        }
        // Cumulative length along the curve at evenly spaced parameters.
        const int steps =
            std::clamp(static_cast<int>(std::abs(sweep) * std::max(rx, ry) / 2.0), 16, 20000);
        std::vector<double> at(steps + 1, 0.0);
        for (int i = 1; i <= steps; ++i) {
            const double ta = t0 + sweep * (i - 1) / steps;
            const double tb = t0 + sweep * i / steps;
            at[i] = at[i - 1] + std::hypot(rx * (std::cos(tb) - std::cos(ta)),
                                           ry * (std::sin(tb) - std::sin(ta)));
        }
        const double length = at[steps];
        auto paramAt = [&](double s) {
            const auto it = std::lower_bound(at.begin(), at.end(), s);
            const int i = std::clamp(static_cast<int>(it - at.begin()), 1, steps);
            const double seg = at[i] - at[i - 1];
            const double f = seg > 0.0 ? (s - at[i - 1]) / seg : 0.0;
            return t0 + sweep * (i - 1 + f) / steps;
        };
        DashState& st = m_dash.m_state;
        double pos = 0.0;
        double tcur = t0;
        for (;;) {
            const double remaining = m_dash.m_lengths[st.index] - st.used;
            const bool on = m_dash.m_pattern.runs[st.index].on;
            if (pos + remaining <= length) {
                pos += remaining;
                const double tnext = paramAt(pos);
                if (on) {
                    Run(tcur, tnext);
                }
                tcur = tnext;
                st.index = (st.index + 1) % m_dash.m_pattern.count;
                st.used = 0.0;
            } else {
                if (on) {
                    Run(tcur, t0 + sweep);
                }
                st.used += length - pos;
                return;
            }
        }
    }

    CPoint PointAt(double t) const {
        return RunPoint(m_cx + m_rx * std::cos(t), m_cy + m_ry * std::sin(t));
    }

private:
    void Run(double ta, double tb) {
        CPoint a = PointAt(ta);
        CPoint b = PointAt(tb);
        // Equal end points would make GDI draw the whole ellipse.
        if (a == b && std::abs(tb - ta) < std::numbers::pi) {
            return;
        }
        if (!m_forward) {
            std::swap(a, b);
        }
        const LONG l = static_cast<LONG>(std::lround(m_cx - m_rx));
        const LONG r = static_cast<LONG>(std::lround(m_cx + m_rx));
        const LONG t = static_cast<LONG>(std::lround(m_cy + m_ry));
        const LONG bt = static_cast<LONG>(std::lround(m_cy - m_ry));
        m_dc->Arc(l, FY(t), r, FY(bt), a.x, FY(a.y), b.x, FY(b.y));
    }

    CDC* m_dc;
    DashWalker& m_dash;
    bool m_gdiCcw = true;
    bool m_forward = true;
    double m_cx = 0.0;
    double m_cy = 0.0;
    double m_rx = 0.0;
    double m_ry = 0.0;
};

// ---- Pens and brushes ---------------------------------------------------------------------

// Selects a pen for the life of the object and deletes it after selecting the old one back.
class PenScope {
public:
    explicit PenScope(CDC* dc) : m_dc(dc) {}
    ~PenScope() { Restore(); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

    void Cosmetic(int style, int width, COLORREF color) {
        Restore();
        if (style == PS_NULL) {
            m_old = static_cast<CPen*>(m_dc->SelectStockObject(NULL_PEN));
            return;
        }
        m_pen.CreatePen(style, std::max(width, 0), color);
        m_old = m_dc->SelectObject(&m_pen);
    }
    void Geometric(int width, COLORREF color, int styleCount = 0, const DWORD* styles = nullptr) {
        Restore();
        LOGBRUSH lb;
        lb.lbStyle = BS_SOLID;
        lb.lbColor = color;
        const int style =
            PS_GEOMETRIC | PS_ENDCAP_FLAT | (styleCount > 0 ? PS_USERSTYLE : PS_SOLID);
        if (m_pen.CreatePen(style, width, &lb, styleCount, styles)) {
            m_old = m_dc->SelectObject(&m_pen);
        }
    }
    void Null() { Cosmetic(PS_NULL, 0, 0); }
    void Restore() {
        if (m_old != nullptr) {
            m_dc->SelectObject(m_old);
            m_old = nullptr;
        }
        m_pen.DeleteObject();
    }

private:
    CDC* m_dc;
    CPen m_pen;
    CPen* m_old = nullptr;
};

// One straight line of a dashed type as the device's dashed pen draws it: the dashes fall where
// the walk would put them, a single line for the device instead of a line for every dash (a
// PDF page then holds one path where it held hundreds).
void DashedLine(CDC* dc, PenScope& pen, const CPoint& a, const CPoint& b, const PenDashes& dashes,
                int width, COLORREF color) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0.0 || dashes.lead >= length) {
        return;
    }
    CPoint start = a;
    if (dashes.lead > 0.0) {
        start = RunPoint(a.x + dx * dashes.lead / length, a.y + dy * dashes.lead / length);
    }
    pen.Geometric(width, color, dashes.count, dashes.runs.data());
    // The walk leaves what lies below the gaps; an opaque background would fill them.
    const int bkMode = dc->SetBkMode(TRANSPARENT);
    dc->MoveTo(start.x, FY(start.y));
    dc->LineTo(b.x, FY(b.y));
    dc->SetBkMode(bkMode);
}

// The fill of the closed primitives: brush, brush origin, and the text colour that a pattern
// brush draws its ink with; everything is put back when the object goes.
class FillScope {
public:
    FillScope(CDC* dc, int fill, COLORREF fillColor) : m_dc(dc) {
        if (fill == 100) {
            fill = 99;
            fillColor = kWhite;
        }
        // Hatches and patterns of neighbouring shapes line up on the device.
        CPoint origin(0, 0);
        dc->LPtoDP(&origin);
        dc->SetBrushOrg(origin.x % 8, origin.y % 8);
        fillColor = MatchColor(dc, fillColor);
        MatchBackground(dc);
        if (fill == 99) {
            m_brush.CreateSolidBrush(fillColor);
        } else if (fill >= 0 && fill <= 89) {
            // Only the six hatch styles exist; the other codes fill nothing.
            m_brush.CreateHatchBrush(fill, fillColor);
        } else if (fill >= 90 && fill != 999) {
            static constexpr int kCellPatterns[] = {345, 346, 351, 352, 353, 354, 355, 356, 347};
            const int id = fill == 90                   ? 106
                           : fill >= 200 && fill <= 208 ? kCellPatterns[fill - 200]
                                                        : 108;
            CBitmap bitmap;
            const PatternBits* bits = FindPatternBitmap(id);
            if (bits != nullptr && MakePatternBitmap(*bits, bitmap) &&
                m_brush.CreatePatternBrush(&bitmap)) {
                m_oldText = dc->SetTextColor(fillColor);
                m_textSet = true;
            }
        }
        if (m_brush.GetSafeHandle() != nullptr) {
            m_old = dc->SelectObject(&m_brush);
        } else {
            m_old = static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH));
        }
    }
    ~FillScope() {
        if (m_old != nullptr) {
            m_dc->SelectObject(m_old);
        }
        if (m_textSet) {
            m_dc->SetTextColor(m_oldText);
        }
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

    bool Fills() const { return m_brush.GetSafeHandle() != nullptr; }

private:
    CDC* m_dc;
    CBrush m_brush;
    CBrush* m_old = nullptr;
    COLORREF m_oldText = 0;
    bool m_textSet = false;
};

// The outline of a closed primitive: either a plain pen for the GDI call, or (styled on
// paper) a null pen for the fill and the geometric pen for the walk afterwards.
struct Outline {
    int type = 0;
    int width = 0;
    COLORREF color = 0;
    bool styled = false; // walk the outline after filling
    bool none = false;   // nothing to draw
};

Outline ResolveOutline(CDC* dc, int type, int width, COLORREF color) {
    Outline o;
    o.width = width;
    o.color = color;
    o.type = SubstituteType(dc, type, width, o.color);
    o.none = PenStyle(o.type) == PS_NULL;
    o.styled = !o.none && UsesStyledPath(dc, o.type, width);
    o.color = MatchColor(dc, o.color);
    return o;
}

// Selects the pen for the GDI shape call (null when the outline is walked afterwards).
void SelectShapePen(PenScope& pen, const Outline& o) {
    if (o.none || o.styled) {
        pen.Null();
    } else {
        pen.Cosmetic(PenStyle(o.type), o.width, o.color);
    }
}

// Whether the GDI shape call has anything to draw: an outline of its own or a fill.
bool DrawsShape(const Outline& o, const FillScope& brush) {
    return (!o.none && !o.styled) || brush.Fills();
}

// Axis-aligned sides of a walked outline, the pattern carried from one to the next.
void WalkSides(DashWalker& walker, std::initializer_list<std::pair<CPoint, CPoint>> sides) {
    for (const auto& [a, b] : sides) {
        walker.Segment(a, b);
    }
}

double Angle(double cx, double cy, double rx, double ry, const CPoint& p) {
    // The parameter where the ray from the centre through p meets the ellipse.
    const double phi = std::atan2(p.y - cy, p.x - cx);
    return std::atan2(std::sin(phi) / ry, std::cos(phi) / rx);
}

} // namespace

// ---- Switches -------------------------------------------------------------------------------

int SetStyledDrawEnable(CDC* dc, int enable) {
    if (dc == nullptr) {
        return 0;
    }
    DrawOptions options = dc->GetDrawOptions();
    const int previous = options.styledDraw ? 1 : 0;
    options.styledDraw = enable != 0;
    dc->SetDrawOptions(options);
    return previous;
}

int SetColorMatchEnable(CDC* dc, int enable) {
    if (dc == nullptr) {
        return 0;
    }
    DrawOptions options = dc->GetDrawOptions();
    const int previous = options.colorMatch ? 1 : 0;
    options.colorMatch = enable != 0;
    dc->SetDrawOptions(options);
    return previous;
}

// ---- Lines ----------------------------------------------------------------------------------

int DrawStyledPolyline(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                       int rop2, int bkMode) {
    if (dc == nullptr) {
        return 0;
    }
    if (UsesStyledPath(dc, type, width) && type != 6) {
        if (type == 5 || type == -1) {
            return 1;
        }
        color = MatchColor(dc, color);
        MatchBackground(dc);
        PenScope pen(dc);
        SetModes(dc, rop2, bkMode);
        DashPattern pattern;
        if (PatternOf(type, pattern)) {
            DashedLine(dc, pen, CPoint(x1, y1), CPoint(x2, y2), PenDashesOf(pattern), width, color);
            return 1;
        }
        pen.Geometric(width, color);
        DashWalker walker(dc, type);
        walker.Segment(CPoint(x1, y1), CPoint(x2, y2));
        return 1;
    }
    type = SubstituteType(dc, type, width, color);
    color = MatchColor(dc, color);
    MatchBackground(dc);
    PenScope pen(dc);
    pen.Cosmetic(PenStyle(type), width, color);
    SetModes(dc, rop2, bkMode);
    dc->MoveTo(x1, FY(y1));
    dc->LineTo(x2, FY(y2));
    return 1;
}

int DrawStyledLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                   int rop2, int bkMode) {
    return DrawStyledPolyline(dc, x1, y1, x2, y2, type, width, color, rop2, bkMode);
}

int DrawStyledPointPolyline(CDC* dc, const CPoint* points, int count, int type, int width,
                            COLORREF color, int rop2, int bkMode) {
    if (dc == nullptr || points == nullptr || count < 2) {
        return dc != nullptr ? 1 : 0;
    }
    const Outline o = ResolveOutline(dc, type, width, color);
    MatchBackground(dc);
    if (o.none) {
        return 1;
    }
    PenScope pen(dc);
    if (o.styled) {
        pen.Geometric(width, o.color);
        SetModes(dc, rop2, bkMode);
        DashWalker walker(dc, o.type);
        for (int i = 0; i + 1 < count; ++i) {
            walker.Segment(points[i], points[i + 1]);
        }
        return 1;
    }
    pen.Cosmetic(PenStyle(o.type), width, o.color);
    SetModes(dc, rop2, bkMode);
    const std::vector<CPoint> flipped = FlippedPoints(points, count);
    dc->Polyline(flipped.data(), count);
    return 1;
}

// ---- Closed shapes --------------------------------------------------------------------------

namespace {

// The course every filled primitive takes: the outline resolved, the shape's brush and pen
// selected (both selected back when their scopes end) and the modes set; then GDI draws the
// shape where it shows, and on paper with styled drawing the outline is walked by the dash and
// arc state machines with a geometric pen.
template <class DrawShape, class WalkOutline>
int DrawClosedShape(CDC* dc, int type, int width, COLORREF color, int fill, COLORREF fillColor,
                    int rop2, int bkMode, DrawShape drawShape, WalkOutline walkOutline) {
    if (dc == nullptr) {
        return 0;
    }
    const Outline o = ResolveOutline(dc, type, width, color);
    FillScope brush(dc, fill, fillColor);
    PenScope pen(dc);
    SelectShapePen(pen, o);
    SetModes(dc, rop2, bkMode);
    if (DrawsShape(o, brush)) {
        drawShape();
    }
    if (o.styled) {
        pen.Geometric(width, o.color);
        DashWalker dash(dc, o.type);
        walkOutline(dash);
    }
    return 1;
}

} // namespace

int DrawStyledRect(CDC* dc, const CRect& rect, int type, int width, COLORREF color, int fill,
                   COLORREF fillColor, int rop2, int bkMode) {
    return DrawStyledRect(dc, rect.left, rect.top, rect.right, rect.bottom, type, width, color,
                          fill, fillColor, rop2, bkMode);
}

int DrawStyledRect(CDC* dc, int left, int top, int right, int bottom, int type, int width,
                   COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode) {
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] { dc->Rectangle(left, FY(top), right + 1, FY(bottom - 1)); },
        [&](DashWalker& dash) {
            const int h = width / 2;
            WalkSides(dash, {{{left - h, top}, {right + h, top}},
                             {{right, top + h}, {right, bottom - h}},
                             {{right + h, bottom}, {left - h, bottom}},
                             {{left, bottom - h}, {left, top + h}}});
        });
}

int DrawStyledShape(CDC* dc, const CPoint* points, int count, int type, int width, COLORREF color,
                    int fill, COLORREF fillColor, int rop2, int bkMode) {
    if (dc == nullptr) {
        return 0;
    }
    if (points == nullptr || count < 2) {
        return 1;
    }
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] {
            const std::vector<CPoint> flipped = FlippedPoints(points, count);
            dc->Polygon(flipped.data(), count);
        },
        [&](DashWalker& dash) {
            for (int i = 0; i < count; ++i) {
                dash.Segment(points[i], points[(i + 1) % count]);
            }
        });
}

int DrawStyledEllipse(CDC* dc, const CRect& rect, int type, int width, COLORREF color, int fill,
                      COLORREF fillColor, int rop2, int bkMode) {
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] { dc->Ellipse(rect.left, FY(rect.top), rect.right, FY(rect.bottom)); },
        [&](DashWalker& dash) {
            ArcWalker arc(dc, dash);
            const double cx = (rect.left + rect.right) / 2.0;
            const double cy = (rect.top + rect.bottom) / 2.0;
            arc.Walk(cx, cy, std::abs(rect.right - rect.left) / 2.0,
                     std::abs(rect.top - rect.bottom) / 2.0, 0.0, arc.FullSweep());
        });
}

int DrawStyledRoundRect(CDC* dc, const CRect& rect, const CPoint& corner, int type, int width,
                        COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode) {
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] {
            dc->RoundRect(rect.left, FY(rect.top), rect.right, FY(rect.bottom), std::abs(corner.x),
                          std::abs(corner.y));
        },
        [&](DashWalker& dash) {
            // Clockwise as seen with y up: the top from left to right, then down the right
            // side, back along the bottom and up the left side, each corner between two sides.
            const int l = std::min(rect.left, rect.right);
            const int r = std::max(rect.left, rect.right);
            const int t = std::max(rect.top, rect.bottom);
            const int b = std::min(rect.top, rect.bottom);
            const double rx = std::min(std::abs(corner.x) / 2.0, (r - l) / 2.0);
            const double ry = std::min(std::abs(corner.y) / 2.0, (t - b) / 2.0);
            const int ix = static_cast<int>(std::lround(rx));
            const int iy = static_cast<int>(std::lround(ry));
            const double q = std::numbers::pi / 2.0;
            ArcWalker arc(dc, dash);
            dash.Segment({l + ix, t}, {r - ix, t});
            arc.Walk(r - rx, t - ry, rx, ry, q, -q);
            dash.Segment({r, t - iy}, {r, b + iy});
            arc.Walk(r - rx, b + ry, rx, ry, 0.0, -q);
            dash.Segment({r - ix, b}, {l + ix, b});
            arc.Walk(l + rx, b + ry, rx, ry, -q, -q);
            dash.Segment({l, b + iy}, {l, t - iy});
            arc.Walk(l + rx, t - ry, rx, ry, 2.0 * q, -q);
        });
}

int DrawStyledFilledArc(CDC* dc, int cx, int cy, int radius, int type, int width, COLORREF color,
                        int fill, COLORREF fillColor, int rop2, int bkMode) {
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] { dc->Ellipse(cx - radius, FY(cy + radius), cx + radius, FY(cy - radius)); },
        [&](DashWalker& dash) {
            ArcWalker arc(dc, dash);
            arc.Walk(cx, cy, std::abs(radius), std::abs(radius), 0.0, arc.FullSweep());
        });
}

int DrawStyledArc(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int rop2, int bkMode) {
    if (dc == nullptr) {
        return 0;
    }
    const Outline o = ResolveOutline(dc, type, width, color);
    MatchBackground(dc);
    if (o.none) {
        return 1;
    }
    PenScope pen(dc);
    const int r = std::abs(radius);
    if (o.styled) {
        pen.Geometric(width, o.color);
        SetModes(dc, rop2, bkMode);
        DashWalker dash(dc, o.type);
        ArcWalker arc(dc, dash);
        const double a0 = Angle(cx, cy, r, r, CPoint(sx, sy));
        const double a1 = Angle(cx, cy, r, r, CPoint(ex, ey));
        arc.Walk(cx, cy, r, r, a0, arc.GdiSweep(a0, a1));
        return 1;
    }
    pen.Cosmetic(PenStyle(o.type), width, o.color);
    SetModes(dc, rop2, bkMode);
    dc->Arc(cx - r, FY(cy + r), cx + r, FY(cy - r), sx, FY(sy), ex, FY(ey));
    return 1;
}

int DrawStyledFan(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode) {
    const int r = std::abs(radius);
    return DrawClosedShape(
        dc, type, width, color, fill, fillColor, rop2, bkMode,
        [&] { dc->Pie(cx - r, FY(cy + r), cx + r, FY(cy - r), sx, FY(sy), ex, FY(ey)); },
        [&](DashWalker& dash) {
            ArcWalker arc(dc, dash);
            const double a0 = Angle(cx, cy, r, r, CPoint(sx, sy));
            const double a1 = Angle(cx, cy, r, r, CPoint(ex, ey));
            const CPoint p0 = RunPoint(cx + r * std::cos(a0), cy + r * std::sin(a0));
            const CPoint p1 = RunPoint(cx + r * std::cos(a1), cy + r * std::sin(a1));
            dash.Segment({cx, cy}, p0);
            arc.Walk(cx, cy, r, r, a0, arc.GdiSweep(a0, a1));
            dash.Segment(p1, {cx, cy});
        });
}

int DrawStyledFan(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int fill, COLORREF fillColor) {
    return DrawStyledFan(dc, cx, cy, radius, sx, sy, ex, ey, type, width, color, fill, fillColor,
                         kCopyPen, OPAQUE);
}

// ---- Grid dot lines -------------------------------------------------------------------------

int DrawDotLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                int rop2, int bkMode) {
    (void)type;
    if (dc == nullptr) {
        return 0;
    }
    if (dc->IsPrinting()) {
        return DrawStyledPolyline(dc, x1, y1, x2, y2, 2, width, color, rop2, bkMode);
    }
    color = MatchColor(dc, color);
    CPoint a(x1, FY(y1));
    CPoint b(x2, FY(y2));
    dc->LPtoDP(&a);
    dc->LPtoDP(&b);
    const bool horizontal = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    CRect band = horizontal ? CRect(std::min(a.x, b.x), a.y, std::max(a.x, b.x) + 1, a.y + 1)
                            : CRect(a.x, std::min(a.y, b.y), a.x + 1, std::max(a.y, b.y) + 1);
    CBitmap bitmap;
    CBrush brush;
    if (!MakePatternBitmap(horizontal ? DotLinePatternHorizontal() : DotLinePatternVertical(),
                           bitmap) ||
        !brush.CreatePatternBrush(&bitmap)) {
        return 1;
    }
    // In device pixels, with the dot pattern starting on the line's first end.
    const int saved = dc->SaveDC();
    dc->SetMapMode(MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    dc->SetBrushOrg(((a.x % 8) + 8) % 8, ((a.y % 8) + 8) % 8);
    MatchBackground(dc);
    dc->SetTextColor(color);
    dc->FillRect(&band, &brush);
    dc->RestoreDC(saved);
    return 1;
}

int DrawPrintDotLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                     int dotLength, int gapLength) {
    if (dc == nullptr) {
        return 0;
    }
    if ((!dc->IsPrinting() && !dc->IsMetafile()) || type != 2 || dotLength <= 0) {
        return 1;
    }
    color = MatchColor(dc, color);
    MatchBackground(dc);
    const DWORD runs[2] = {static_cast<DWORD>(dotLength),
                           static_cast<DWORD>(std::max(gapLength, 0))};
    PenScope pen(dc);
    pen.Geometric(std::max(width, 0), color, 2, runs);
    dc->MoveTo(x1, FY(y1));
    dc->LineTo(x2, FY(y2));
    return 1;
}

} // namespace tembra
