// The base of what a user places on a paper's header, footer and side areas: fixed texts, input
// areas, lines and boxes (and the paper's size record, which shares the base). Elements live in
// a paper's element list, are drawn, hit-tested, moved and reshaped through the editing view's
// answers (ILayoutView), and are written to the layout file by the layout's reader and writer;
// their own serialisation writes nothing.
//
// Coordinates are layout units: 0.1 mm from the paper's top-left corner with y negated, so that
// a rectangle has top > bottom. A line keeps its start point in (left, top) and its end point in
// (right, bottom).
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <memory>
#include <vector>

namespace marquell {

class ILayoutView;

// Element types.
enum : int { kTypeText = 1, kTypeInput = 2, kTypeLine = 3, kTypeBox = 4 };
// Area codes: where on the paper an element belongs.
enum : int { kAreaHeader = 0, kAreaFooter = 1, kAreaLeft = 2, kAreaRight = 3 };
// Drawing modes: 1 and 2 draw the drag feedback (inverted or copied), any other the element.
enum : int { kDrawElement = 0, kDrawFeedbackInverted = 1, kDrawFeedbackCopied = 2 };

class CLayoutData : public CObject {
    DECLARE_SERIAL(CLayoutData)
public:
    CLayoutData() = default;
    explicit CLayoutData(int type) : m_type(type) {}
    ~CLayoutData() override = default;
    CLayoutData& operator=(const CLayoutData&) = default;

    int GetType() const { return m_type; }
    bool IsLine() const { return m_type == kTypeLine; }
    // The rectangle field as held (a line: its start and end points).
    const CRect& GetFrameRect() const { return m_rect; }
    void SetFrameRect(const CRect& rect) { m_rect = rect; }
    bool IsSelected() const { return m_selected != 0; }
    void SetSelected(bool selected) { m_selected = selected ? 1 : 0; }
    short GetArea() const { return m_area; }
    void SetArea(int area) { m_area = static_cast<short>(area); }

    // ---- Virtual operations -------------------------------------------------------------------
    // Modes 1 and 2 draw the element's outline as an inverted or copied dotted frame (a line its
    // segment); any other mode the element itself (a bare element has no look of its own).
    virtual void Draw(CDC* dc, const ILayoutView& view, int mode) const;
    // The element's extent: the rectangle normalised (top >= bottom). Texts cover their text as
    // it is laid out; horizontal and vertical lines are widened by their width.
    virtual CRect GetRect() const;
    // Whether the query rectangle hits the element: with wholeInside when it holds the element
    // whole, otherwise when the two meet. A query of zero size is a point, widened by one unit
    // on every side. An element of zero size is never hit.
    virtual BOOL HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const;
    BOOL HitTest(const CRect& query, BOOL wholeInside) const {
        return HitTest(query.left, query.top, query.right, query.bottom, wholeInside);
    }
    // 3 for every element but lines and boxes, which give their width (0.1 mm).
    virtual int GetLineKind() const;
    // The outline moved by the offset (layout units), inverted.
    virtual void DrawMoveFeedback(CDC* dc, const ILayoutView& view, const CPoint& offset) const;
    // The outline as Transform would reshape the element, inverted.
    virtual void DrawTransformFeedback(CDC* dc, const ILayoutView& view) const;

    // A new element with every field copied; after string 61246 nothing when memory runs out.
    std::unique_ptr<CLayoutData> Clone() const;

    // ---- Editing ------------------------------------------------------------------------------
    void Move(const CPoint& offset) { m_rect.OffsetRect(offset); }
    // Reshapes the element with the selection frame the view drags (see TransformedFrame).
    void Transform(const ILayoutView& view) { m_rect = TransformedFrame(view); }
    // The rectangle field as the view's transform leaves it: every x (for marks 1, 7, 8 and
    // 3, 4, 5) and every y (marks 1, 2, 3 and 5, 6, 7) scaled about the frame's opposite edge
    // by the ratio of the new frame to the old (1 when the old one has no size), a fraction
    // above one half rounding up, else down. Other elements than lines keep 5 units in each
    // direction (measured from the edge at the fixed side) and are pulled 10 units back on each
    // side where they pass the current area. In line-end mode a line moves only the end that
    // was dragged.
    CRect TransformedFrame(const ILayoutView& view) const;

    // The inverted marks of a selected element: squares of 5 device pixels, each set off by 2
    // pixels from the point it marks: the corners and the middles of the sides of its
    // rectangle, clockwise from the top-left; a line in line-end mode marks its two ends.
    void DrawSelectionMarks(CDC* dc, const ILayoutView& view) const;
    // The points those marks mark (layout units).
    std::vector<CPoint> MarkPoints(const ILayoutView& view) const;

protected:
    CLayoutData(const CLayoutData&) = default;
    // The copy Clone hands out; each class makes one of its own.
    virtual std::unique_ptr<CLayoutData> MakeCopy() const;
    // The dotted outline of the element placed at rect, in the mix mode.
    virtual void DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect, int mix) const;

private:
    int m_type = 0;
    CRect m_rect;
    int m_selected = 0;
    short m_area = kAreaHeader;
};

} // namespace marquell
