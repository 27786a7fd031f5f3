// The base of the shapes an ordered list of points defines: the open polyline and the closed
// polygon. Every point is an anchor, so these shapes follow the chart and keep the placement
// modes like the others.
//
// A point-list shape is built with the mouse: each click appends a point, the last point floats
// with the cursor (SetPoint with index 0 moves it), a step is taken back by erasing its rubber
// segment and removing the fixed point before the floating one, and finishing removes the
// floating point before the document takes the shape.
//
// File form after the CZukei part: the point count (unsigned 16-bit, at most 32766), then each
// point's 16-byte anchor form in list order.
#pragma once

#include "shapes/Zukei.h"
#include "shapes/ZukeiPoint.h"

#include <memory>
#include <new>
#include <vector>

namespace tembra {

class CZukeiEx : public CZukei {
    DECLARE_SERIAL(CZukeiEx)
public:
    // The most points SetPoint appends.
    static constexpr int kMaxPoints = 32766;

    CZukeiEx() = default;

    // A stored count above kMaxPoints fails the load as a damaged file.
    void Serialize(CArchive& ar) override;

    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    const std::vector<CZukeiPoint>& GetPoints() const { return m_points; }
    // The point SetPoint with index 0 moves: the last one; null while the list is empty.
    const CZukeiPoint* GetCurPoint() const { return m_points.empty() ? nullptr : &m_points.back(); }
    // Appends a point as it is; false (nothing changes) at kMaxPoints.
    bool AddPoint(const CZukeiPoint& point);
    // Gives dest a copy of every point, in order. When memory runs out the copy keeps the points
    // copied so far (message 5021).
    void CopyPointsTo(CZukeiEx& dest) const;

    int GetElementCount() const override;
    void EraseLastSegment(IZukeiView& view, CDC& dc) override;
    void RemovePrevPoint() override;
    void RemoveLastPoint() override;
    // Mode 0 the extent of the points, mode n the n-th point (1-based); 0 when there is none.
    CTime GetStartDate(int mode) const override;
    CTime GetEndDate(int mode) const override;
    void GetStartPos(short& rowNo, double& fraction, int mode) const override;
    double GetTopRow(int mode) const override;
    void GetEndPos(short& rowNo, double& fraction, int mode) const override;
    double GetBottomRow(int mode) const override;
    void MoveBy(const CTimeSpan& span, double rows) override;
    // The rectangle of the device points; (0, 0, 0, 0) with fewer than two.
    CRect GetDeviceRect(const IZukeiView& view) const override;
    // Index 0 moves the current point to the cursor, any other index appends a point there.
    void SetPoint(const CDatePos& pos, const IZukeiView& view, int index) override;
    void ResetOffsets() override;
    void FixOffsets(const IZukeiView& view) override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    // At least two points, and the last two carry different offsets.
    BOOL HasOffsets() const override;
    void MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                     double rows) override;
    void ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                       const CDatePos& pos) override;
    CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                         const CRect& ref) const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The points in device units by the placement mode: empty with fewer than two points, for a
    // shape fixed on another page, and (after message 5012) when memory runs out.
    std::vector<CPoint> GetDevicePoints(const IZukeiView& view) const;
    // The device points as a handle drag moves them: each edge the handle drags is scaled
    // against ref, keeping the shape at least 20 units wide and high where it has a width and a
    // height; handle 9 reads delta as the new half sizes about ref's centre.
    std::vector<CPoint> ResizePoints(const std::vector<CPoint>& points, const CPoint& delta,
                                     int handle, const CRect& ref) const;

protected:
    // The polygon closes its outline, fills it and counts its inside.
    virtual bool IsClosed() const { return false; }
    // The outline of the shown shape and the outline of drag feedback, with the pen given: an
    // open chain through the points unless a class closes it.
    virtual void DrawOutline(CDC& dc, const std::vector<CPoint>& points, const ZukeiPen& pen) const;
    virtual void DrawFeedback(CDC& dc, const std::vector<CPoint>& points,
                              const ZukeiPen& pen) const;
    // The inverting line between two points placed on the chart, whatever the placement mode,
    // drawn only where it can show: in the strip between the body's top and bottom across the
    // page. Drawn twice, it is gone.
    void DrawRubberSegment(const IZukeiView& view, CDC& dc, const CZukeiPoint& a,
                           const CZukeiPoint& b) const;
    // Clone of a class: a new T with the header, the attributes, the page and the points;
    // null after message 5021 when it cannot be made.
    template <class T> std::unique_ptr<CZukei> CloneAs() const {
        std::unique_ptr<T> copy;
        try {
            copy = std::make_unique<T>();
        } catch (const std::bad_alloc&) {
            ReportNoShapeData();
            return nullptr;
        }
        static_cast<CDataHeader&>(*copy) = *this;
        CopyAttrTo(*copy);
        CopyPointsTo(*copy);
        return copy;
    }

private:
    // The point of a mode (n-th, 1-based), or null.
    const CZukeiPoint* PointOf(int mode) const;

    std::vector<CZukeiPoint> m_points;
};

} // namespace tembra
