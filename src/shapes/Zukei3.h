// The base of the arc and the fan: three anchors, the centre of a circle, the point that fixes the
// radius and where the curve starts, and the point that gives the direction where it ends. The
// shape's rectangle is the square around the whole circle; a handle drag keeps the circle round
// and fits both direction points to it. GetArcExtent measures the curve itself for the document's
// operations on dates and rows.
//
// Angles run counter-clockwise with y upwards, the way the arcs are drawn: the curve goes from
// the radius point's direction to the end point's.
//
// File form after the CZukei part: the count of anchors placed (16-bit), then the three anchors'
// 16-byte forms, centre first.
#pragma once

#include "render/PageLayout.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiPoint.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tembra {

class CZukei3 : public CZukei {
    DECLARE_SERIAL(CZukei3)
public:
    static constexpr std::size_t kAnchorsSize = 3 * CZukeiPoint::kFileSize;
    // A handle drag leaves the circle's square at least this wide.
    static constexpr int kMinArcResize = 20;
    // The last row an extent may reach; its dates lie in the calendar's years.
    static constexpr short kLastExtentRow = 9999;
    // Direction points nearer the centre than this count as this far when the arc is fitted.
    static constexpr double kMinDirectionLength = 10.0;

    // The device geometry of the three anchors.
    struct Geometry {
        CPoint centre;
        CPoint start; // the radius point
        CPoint end;
        int radius = 0;
        int placed = 0; // anchors placed while drawing
        bool onPage = true;
    };
    // The polygon that covers the sector of a circle, centre first.
    struct Wedge {
        std::array<CPoint, 7> points{};
        int count = 3;
    };

    CZukei3() = default;

    void Serialize(CArchive& ar) override;

    int GetPointCount() const { return m_pointCount; }
    void SetPointCount(int count) { m_pointCount = count; }
    // 0 the centre, 1 the radius point, 2 the end point.
    const CZukeiPoint& GetAnchor(int index) const {
        return m_anchors[static_cast<std::size_t>(index)];
    }
    void SetAnchor(int index, const CZukeiPoint& anchor) {
        m_anchors[static_cast<std::size_t>(index)] = anchor;
    }
    // Takes the count of placed anchors and the three anchors of the source.
    void CopyAnchorsFrom(const CZukei3& source);

    // The three anchors by the placement mode and the radius (the distance from the centre to the
    // radius point, truncated). A shape fixed on another page has all of them 0 and onPage false.
    Geometry GetDevicePoints(const IZukeiView& view) const;

    // The circle fitted to rect (the new square of a resize): the centre goes to rect's centre,
    // the radius becomes half its width, and both direction points keep their directions at the
    // new radius. A mirror in one direction swaps them, so that the curve keeps its sense.
    static void FitArcToRect(const CRect& rect, CPoint& centre, CPoint& start, CPoint& end,
                             int& radius);
    // The polygon that covers the sector of the circle in square (the square around it) from the
    // direction of start counter-clockwise to that of end: the centre, where the start ray leaves
    // the square grown by 2, the corners the sweep passes in its order, and where the end ray
    // leaves it. Three points (0, 0) when a ray has no direction.
    static Wedge ArcPolygon(const CRect& square, const CPoint& centre, const CPoint& start,
                            const CPoint& end);

    // A copy of the view's layout widened until the whole circle lies inside its chart, but never
    // before the calendar's first day, after its last, above row 0 or below kLastExtentRow. The
    // day scale is rebuilt for the period it ends with.
    CPageLayout GetArcLayout(const IZukeiView& view) const;
    // The dates and rows the curve covers (the arc style, Style 7, without its centre; the fan
    // with it), measured on GetArcLayout. Each output is written only when given.
    void GetArcExtent(const IZukeiView& view, CTime* startDate, CTime* endDate, double* topRow,
                      double* bottomRow) const;

    // The extent of the whole circle: the centre's date and row less and plus their distance
    // from the radius point's.
    CTime GetStartDate(int mode) const override;
    CTime GetEndDate(int mode) const override;
    void GetStartPos(short& rowNo, double& fraction, int mode) const override;
    double GetTopRow(int mode) const override;
    void GetEndPos(short& rowNo, double& fraction, int mode) const override;
    double GetBottomRow(int mode) const override;
    void MoveBy(const CTimeSpan& span, double rows) override;
    // The square around the circle: (cx - r, cy + r, cx + r, cy - r).
    CRect GetDeviceRect(const IZukeiView& view) const override;
    // Index 1 to 3 takes the cursor's date, row and page offset; 1 also fixes the page. The
    // count of placed anchors becomes the index.
    void SetPoint(const CDatePos& pos, const IZukeiView& view, int index) override;
    void ResetOffsets() override;
    void FixOffsets(const IZukeiView& view) override;
    // While drawing: two anchors placed and the centre's and the radius point's offsets differ,
    // or three placed and the radius point's and the end point's differ.
    BOOL HasOffsets() const override;
    void MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                     double rows) override;
    // The base rule with a minimum of 20 units.
    void ResizeRect(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                    CRect& rect) const override;
    // The square scaled, made square again and the circle fitted to it; every anchor takes the
    // date and row of its new point.
    void ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                       const CDatePos& pos) override;
    CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                         const CRect& ref) const override;

protected:
    // The geometry a handle drag would leave: the square scaled and squared, the circle fitted.
    Geometry GetResizedGeometry(const IZukeiView& view, const CPoint& delta, int handle,
                                const CRect& ref) const;
    // The feedback of a finished shape being moved by delta: its device geometry shifted, with
    // `placed` anchors (how the shape draws itself finished); none when it is on another page.
    std::optional<Geometry> GetMovingFeedback(const IZukeiView& view, const CPoint& delta,
                                              int placed) const {
        Geometry g = GetDevicePoints(view);
        if (!g.onPage) {
            return std::nullopt;
        }
        g.centre += delta;
        g.start += delta;
        g.end += delta;
        g.placed = placed;
        return g;
    }
    // The feedback of a handle drag, with `placed` anchors; none when it is on another page.
    std::optional<Geometry> GetTrackingFeedback(const IZukeiView& view, const CPoint& delta,
                                                int handle, const CRect& ref, int placed) const {
        Geometry g = GetResizedGeometry(view, delta, handle, ref);
        if (!g.onPage) {
            return std::nullopt;
        }
        g.placed = placed;
        return g;
    }
    // The sector of the circle grown by tol, as a hit area; with band, less the circle shrunk
    // by tol: the band along the curve.
    static ZukeiHitArea SectorArea(const Geometry& g, int tol, bool band);

private:
    static CRect SquareOf(const Geometry& g);

    int m_pointCount = 0;
    std::array<CZukeiPoint, 3> m_anchors{};
};

} // namespace tembra
