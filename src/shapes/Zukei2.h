// The base of the shapes two anchors define (line, boxes, circle, ellipse, triangles, arrows,
// diamond, text frame): the anchors are two opposite corners of the shape's rectangle, or the
// two ends of a line. Placing, moving, resizing and storing the anchors are done here once; the
// classes below draw, hit-test and copy.
//
// File form after the CZukei part: the two anchors' 16-byte forms, first then second.
#pragma once

#include "shapes/Zukei.h"
#include "shapes/ZukeiPoint.h"

#include <cstddef>

namespace tembra {

class CZukei2 : public CZukei {
    DECLARE_SERIAL(CZukei2)
public:
    static constexpr std::size_t kAnchorsSize = 2 * CZukeiPoint::kFileSize;

    CZukei2() = default;

    void Serialize(CArchive& ar) override;

    const CZukeiPoint& GetAnchor1() const { return m_anchor1; }
    const CZukeiPoint& GetAnchor2() const { return m_anchor2; }
    void SetAnchor1(const CZukeiPoint& anchor) { m_anchor1 = anchor; }
    void SetAnchor2(const CZukeiPoint& anchor) { m_anchor2 = anchor; }
    // Takes date, row and offset of both anchors from the source.
    void CopyAnchorsFrom(const CZukei2& source);
    // Both anchors on the chart: offsets cleared, page (0, 0).
    void SetAnchors(const CTime& date1, double row1, const CTime& date2, double row2);

    // mode -1 asks for the first anchor (a circle's or an ellipse's centre for the start), any
    // other mode for the extent of both.
    CTime GetStartDate(int mode) const override;
    CTime GetEndDate(int mode) const override;
    void GetStartPos(short& rowNo, double& fraction, int mode) const override;
    double GetTopRow(int mode) const override;
    void GetEndPos(short& rowNo, double& fraction, int mode) const override;
    double GetBottomRow(int mode) const override;
    void MoveBy(const CTimeSpan& span, double rows) override;
    // (x1, y1, x2, y2) of the two anchors, not normalised.
    CRect GetDeviceRect(const IZukeiView& view) const override;
    // Index 1 or 2 takes the cursor's date, row and page offset; 1 also fixes the page.
    void SetPoint(const CDatePos& pos, const IZukeiView& view, int index) override;
    void ResetOffsets() override;
    void FixOffsets(const IZukeiView& view) override;
    // The two anchors carry different offsets.
    BOOL HasOffsets() const override;
    void MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                     double rows) override;
    void ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                       const CDatePos& pos) override;
    CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                         const CRect& ref) const override;

protected:
    // Circles and ellipses answer for their centre where the first anchor is asked for.
    bool IsRound() const { return GetKind() == kZukeiCircle || GetKind() == kZukeiEllipse; }
    // The device points of both anchors by the placement mode; false when the shape is fixed on
    // another page.
    bool GetDevicePoints(const IZukeiView& view, CPoint& p1, CPoint& p2) const;
    // The rectangle of both anchors' device points moved by delta (a move's feedback; no delta
    // for the shape where it stands); false when the shape is fixed on another page.
    bool GetMovedDeviceRect(const IZukeiView& view, const CPoint& delta, CRect& rect) const {
        CPoint p1;
        CPoint p2;
        if (!GetDevicePoints(view, p1, p2)) {
            return false;
        }
        rect = CRect(p1 + delta, p2 + delta);
        return true;
    }
    // The rectangle of both anchors' device points as the handle drag leaves it (a resize's
    // feedback); false when the shape is fixed on another page.
    bool GetTrackedDeviceRect(const IZukeiView& view, const CPoint& delta, int handle,
                              const CRect& ref, CRect& rect) const {
        CPoint p1;
        CPoint p2;
        if (!GetDevicePoints(view, p1, p2)) {
            return false;
        }
        rect = CRect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        return true;
    }

private:
    CZukeiPoint m_anchor1;
    CZukeiPoint m_anchor2;
};

} // namespace tembra
