#include "render/ShincyokuDraw.h"

#include "model/ConfigBase.h"
#include "model/ConfigShin.h"
#include "model/DcUtility.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "render/DrawSettings.h"
#include "render/Geometry.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numbers>
#include <string>

namespace tembra {

namespace {

// How far a date label stands off its bend and moves out of the line's way: layout units, the
// same at every zoom.
constexpr int kLabelGap = 10;

constexpr COLORREF kFeedbackOnWhite = RGB(0, 255, 255); // XOR on white shows red
constexpr COLORREF kFeedbackOnBlack = RGB(255, 0, 0);   // XOR on black shows red
constexpr COLORREF kInactive = RGB(192, 192, 192);

bool InFixedPass(const CPageLayout& layout) {
    return layout.IsScrolledDown() != FALSE && layout.GetClipPass() != FALSE;
}

// A date label placed beside its bend.
struct LabelPlace {
    std::string text;
    LOGFONT font;
    CRect rect; // (x, top, x + w, top - h)
    bool left = false;
};

// The angle at p1 from the direction p1 -> p0 counter-clockwise to p2, in degrees. Points on one
// line through p1 are decided on the integers, so that a straight run through the bend is
// exactly 180 and a run that doubles back exactly 0.
double BendAngle(const CPoint& p0, const CPoint& p1, const CPoint& p2) {
    const long long ax = static_cast<long long>(p0.x) - p1.x;
    const long long ay = static_cast<long long>(p0.y) - p1.y;
    const long long bx = static_cast<long long>(p2.x) - p1.x;
    const long long by = static_cast<long long>(p2.y) - p1.y;
    if (ax * by - ay * bx == 0) {
        return ax * bx + ay * by < 0 ? 180.0 : 0.0;
    }
    return GeomAngleFrom(p1.x, p1.y, p0.x, p0.y, p2.x, p2.y) * 180.0 / std::numbers::pi;
}

// The crossings of the segment p1-q with the outline of the rectangle; their number.
short Crossings(const CRect& rect, const CPoint& p1, const CPoint& q, std::array<int, 4>& xs) {
    std::array<int, 4> ys{};
    return GeomIntersectLineRect(rect.left, rect.top, rect.right, rect.bottom, p1.x, p1.y, q.x, q.y,
                                 xs, ys);
}

// Where the label of the bend p1 goes; false when p1's row has no point.
bool PlaceDateLabel(const CShincyoku& line, CDC* dc, const CPageLayout& layout, const CPoint& p0,
                    const CPoint& p1, const CPoint& p2, LabelPlace& out) {
    const int row = layout.YToRow(p1.y);
    if (row >= line.GetPointCount() || !line.FormatDateLabel(row, out.text)) {
        return false;
    }

    out.font = line.GetLabelAttr().m_ownFont != 0 ? line.GetLogFont()
                                                  : ShinSettingsOf(layout).GetLogFont();
    out.font.lfHeight = layout.Zoom(out.font.lfHeight);
    out.font.lfWidth = layout.Zoom(out.font.lfWidth);
    int w = 0;
    int h = 0;
    if (dc != nullptr) {
        const CSize extent = MeasureText(dc, out.font, out.text);
        w = std::abs(static_cast<int>(extent.cx));
        h = std::abs(static_cast<int>(extent.cy));
    } else {
        w = std::abs(static_cast<int>(out.font.lfWidth)) * static_cast<int>(out.text.size());
        h = std::abs(static_cast<int>(out.font.lfHeight));
    }

    // The label goes to the side of the bend that the line's two pieces leave open. A straight
    // run gives no open side: the label then stands on the side the row's date lies towards.
    const double angle = BendAngle(p0, p1, p2);
    if (angle == 180.0) {
        out.left = line.GetDate() >= line.GetPointDate(row);
    } else {
        out.left = angle > 180.0;
    }

    int x = out.left ? p1.x - w - kLabelGap : p1.x + kLabelGap;
    const int top = p1.y + h / 2;
    out.rect = CRect(x, top, x + w, top - h);

    // Clear of the piece to p0, else of the piece to p2: 10 further out, and when the piece runs
    // through the label, past its farthest crossing as well.
    std::array<int, 4> xs{};
    short count = Crossings(out.rect, p1, p0, xs);
    if (count == 0) {
        count = Crossings(out.rect, p1, p2, xs);
    }
    if (count > 0) {
        int shift = kLabelGap;
        if (count >= 2) {
            const auto [lo, hi] = std::minmax_element(xs.begin(), xs.begin() + count);
            shift += out.left ? out.rect.right - *lo : *hi - out.rect.left;
        }
        x += out.left ? -shift : shift;
        out.rect = CRect(x, top, x + w, top - h);
    }
    return true;
}

// Adds a point of a drawn piece to the drawing state; once the point after a bend is known, the
// bend's label is drawn.
void Gather(CShincyoku& line, CDC* dc, const CPageLayout& layout, const CPoint& point, int row) {
    std::vector<CShinDrawPoint>& points = line.GetDrawState().points;
    if (!points.empty() && points.back().point == point) {
        if (row >= 0) {
            points.back().row = row;
        }
        return;
    }
    points.push_back({point, row});
    const std::size_t n = points.size();
    if (n >= 3 && points[n - 2].row >= 0) {
        DrawDateLabel(line, dc, layout, points[n - 3].point, points[n - 2].point,
                      points[n - 1].point);
    }
}

void Piece(CDC* dc, const CPoint& from, const CPoint& to, const ShincyokuPen& pen) {
    DrawStyledPolyline(dc, from.x, from.y, to.x, to.y, pen.type, pen.width, pen.color, pen.rop2,
                       OPAQUE);
}

// The middle of the nearest row within K rows above (or below) the row that leaves the
// reference date, else the given point on the reference line.
CPoint JoinAbove(const CShincyoku& line, const CPageLayout& layout, int row, int firstRow,
                 const CPoint& otherwise) {
    const int above = line.FindJoinAbove(row, firstRow);
    return above < 0 ? otherwise
                     : CPoint(layout.DateToX(line.GetPointDate(above)), layout.RowToY(above, 0));
}

CPoint JoinBelow(const CShincyoku& line, const CPageLayout& layout, int row, int lastRow,
                 const CPoint& otherwise) {
    const int below = line.FindJoinBelow(row, lastRow);
    return below < 0 ? otherwise
                     : CPoint(layout.DateToX(line.GetPointDate(below)), layout.RowToY(below, 0));
}

void DrawRowIn(CShincyoku& line, CDC* dc, const CPageLayout& layout, int row, const CTime& date,
               int mode, const ShincyokuRows& rows) {
    if (line.GetPointValue(row) != 0) {
        return;
    }
    if (mode == kShinDrawNormal && line.IsSelected() != 0 && layout.ShowsSelection()) {
        mode = kShinDrawSelected;
    }
    const ShincyokuPen pen = GetDrawPen(line, layout, mode);
    CShinDrawState& state = line.GetDrawState();
    const int xR = layout.DateToX(line.GetDate());
    const int top = layout.RowToY(row, -1);
    const int middle = layout.RowToY(row, 0);
    const int bottom = layout.RowToY(row, 1);

    if (date == line.GetDate()) {
        // Under a join from the row above to a row below, the plain line leaves the reference
        // line out; the other modes show it.
        if (!(state.joinedDown && mode == kShinDrawNormal)) {
            Piece(dc, CPoint(xR, top), CPoint(xR, bottom), pen);
        }
        return;
    }

    const CPoint bend(layout.DateToX(date), middle);
    if (pen.rop2 == R2_XORPEN) {
        Piece(dc, CPoint(xR, middle), bend, pen);
        return;
    }

    const bool labels = line.HasDateLabels();
    const CPoint start = JoinAbove(line, layout, row, rows.first, CPoint(xR, top));
    Piece(dc, start, bend, pen);
    if (labels) {
        Gather(line, dc, layout, start, -1);
        Gather(line, dc, layout, bend, row);
    }
    if (line.FindJoinBelow(row, rows.last) >= 0) {
        // The row below draws the join from this bend.
        state.joinedDown = true;
        return;
    }
    state.joinedDown = false;
    const CPoint end(xR, bottom);
    Piece(dc, bend, end, pen);
    if (labels) {
        Gather(line, dc, layout, end, -1);
    }
}

} // namespace

const CConfigShin& ShinSettingsOf(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? set->GetShin() : GetAppConfig()->GetShin();
}

ShincyokuPen GetDrawPen(const CShincyoku& line, const CPageLayout& layout, int mode) {
    const CShinLineAttr& attr = line.GetLineAttr();
    ShincyokuPen pen;
    pen.type = static_cast<short>(attr.m_type);
    pen.width = ShinSettingsOf(layout).GetWidthSet().GetAt(attr.m_width);
    pen.color = attr.m_color;
    pen.rop2 = R2_COPYPEN;
    switch (mode) {
    case kShinDrawSelected:
        pen.color = GetAppConfig()->GetColor().GetEditWork();
        if (pen.type == 5) {
            pen.type = 0;
        }
        break;
    case kShinDrawFeedback:
        // Red either way: XOR with cyan turns white red, XOR with red turns black red.
        pen.color = GetDrawSettings().blackBack ? kFeedbackOnBlack : kFeedbackOnWhite;
        pen.type = 0;
        pen.rop2 = R2_XORPEN;
        break;
    case kShinDrawLinked:
        pen.color = GetAppConfig()->GetColor().GetEditBold();
        pen.type = 0;
        break;
    case kShinDrawInactive:
        pen.color = kInactive;
        break;
    default:
        break;
    }
    return pen;
}

ShincyokuRows GetDrawRows(const CPageLayout& layout) {
    if (InFixedPass(layout)) {
        return {layout.GetAltFirstRow(), layout.GetAltLastRow()};
    }
    return {layout.GetFirstRow(), layout.GetLastRow()};
}

void Draw(CShincyoku& line, CDC* dc, const CPageLayout& layout, int mode) {
    line.GetDrawState().Clear();
    if (dc == nullptr) {
        return;
    }
    const ShincyokuRows rows = GetDrawRows(layout);
    for (int row = rows.first; row <= rows.last; ++row) {
        DrawRowIn(line, dc, layout, row, line.GetPointDate(row), mode, rows);
    }
}

void DrawRow(CShincyoku& line, CDC* dc, const CPageLayout& layout, int row, const CTime& date,
             int mode) {
    if (dc != nullptr) {
        DrawRowIn(line, dc, layout, row, date, mode, GetDrawRows(layout));
    }
}

void DrawDateLabel(const CShincyoku& line, CDC* dc, const CPageLayout& layout, const CPoint& p0,
                   const CPoint& p1, const CPoint& p2) {
    LabelPlace place;
    if (dc == nullptr || !PlaceDateLabel(line, dc, layout, p0, p1, p2, place)) {
        return;
    }
    DrawStyledText(dc, place.rect.left, place.rect.top, &place.font, line.GetLineAttr().m_color,
                   place.text, 0xFFFF, R2_COPYPEN, TRANSPARENT);
}

CRect GetBounds(const CShincyoku& line, CDC* dc, const CPageLayout& layout) {
    const ShincyokuRows rows = GetDrawRows(layout);
    const CRect area = InFixedPass(layout) ? layout.GetKouteiGridRect() : layout.GetKouteiRect();
    const int xR = layout.DateToX(line.GetDate());
    int left = xR;
    int right = xR;
    for (int row = rows.first; row <= rows.last; ++row) {
        const CTime date = line.GetPointDate(row);
        int x = layout.DateToX(date);
        if (line.HasDateLabels() && date != line.GetDate()) {
            const CPoint p1(x, layout.RowToY(row, 0));
            const CPoint p0 =
                JoinAbove(line, layout, row, rows.first, CPoint(xR, layout.RowToY(row, -1)));
            const CPoint p2 =
                JoinBelow(line, layout, row, rows.last, CPoint(xR, layout.RowToY(row, 1)));
            LabelPlace place;
            if (PlaceDateLabel(line, dc, layout, p0, p1, p2, place)) {
                x = place.left ? place.rect.left : place.rect.right;
            }
        }
        left = std::min(left, x);
        right = std::max(right, x);
    }
    return CRect(left, area.top, right, area.bottom);
}

} // namespace tembra
