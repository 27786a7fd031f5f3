// The base of every drawing shape (図形): a chart record of type 4 whose kind word names the
// shape, with the shape's attribute record, the page it is fixed on, and the interface through
// which the document and the chart view draw, hit-test, select, move, resize, copy and
// re-attribute shapes without knowing their class. Most operations of the base do nothing or
// answer zero; the classes below give them their meaning.
//
// Geometry is integer arithmetic in the logical units of the view's device context, y growing
// upwards (a rectangle's top is above its bottom). Sizes that must look the same at every zoom
// (handle squares, their offset) are given in device pixels and converted through the device
// context.
//
// File form after the record header (26 bytes, little-endian):
//    0  attribute record (20 bytes):
//         0 Style  2 PointMode  4 Type  6 Width  8 Color  12 Hatch  14 HatchColor  18 BoxRay
//   20  PageCol, unsigned 32-bit: the page column a page-fixed shape stands on
//   24  PageRow, unsigned 16-bit: its page row
// then the class's own part.
#pragma once

#include "model/AttrBlocks.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "shapes/ZukeiPoint.h"

#include <cstddef>
#include <memory>

namespace tembra {

class CDC;
class CPageLayout;
class IZukeiView;
struct CDatePos;

// Shape kinds: the kind word of the record header of a shape.
enum : WORD {
    kZukeiLine = 1,
    kZukeiPolyLine = 2,
    kZukeiPolygon = 3,
    kZukeiBox = 4,
    kZukeiBox2 = 5,
    kZukeiCircle = 6,
    kZukeiEllipse = 7,
    kZukeiArc = 8,
    kZukeiFan = 9,
    kZukeiDelta1 = 10,
    kZukeiDelta2 = 11,
    kZukeiArrow1 = 12,
    kZukeiArrow2 = 13,
    kZukeiDiamond = 14,
    kZukeiUser = 15,
    kZukeiString = 16,
    kZukeiGroup = 17,
    kZukeiFramedString = 18,
};

// Placement modes (PointMode): every anchor on its date and row; the first anchor on its date
// and row and the others at fixed distances from it; every anchor at a fixed place on one
// printed page.
enum : short { kPlaceOnChart = 0, kPlaceFixedSize = 1, kPlaceOnPage = 2 };

// Drawing modes: as the chart shows it, selected (set by the pen rule), drag feedback and the
// shape being drawn with the mouse (inverting), drawn for reference (grey).
enum : int { kDrawNormal = 0, kDrawSelected = 1, kDrawFeedback = 2, kDrawReference = 4 };

// Fill codes of Hatch that the shapes themselves look at.
constexpr WORD kHatchNone = 999;

// Hit-test modes: does the shape touch the probe (0, and 2 for the same test during a drag), or
// does it lie wholly inside it (1, area selection).
enum : int { kHitTouch = 0, kHitInside = 1, kHitDrag = 2 };

// The pen and brush a shape draws with in one drawing mode.
struct ZukeiPen {
    int mode = 0; // the mode asked for, or 1 when a selected shape is drawn as selected
    int type = 0;
    int width = 0;
    COLORREF color = 0;
    int hatch = -1; // -1: no fill
    COLORREF brushColor = 0;
    int rop = 0;
};

// Where a view's page stands among the pages of the settings' period and rows.
struct ZukeiPage {
    DWORD col = 0;
    WORD row = 0;
    // How far the view's page starts past the start of its page column (days) and row (rows).
    LONG remDays = 0;
    short remRows = 0;
};

class CZukei : public CDataHeader {
    DECLARE_SERIAL(CZukei)
public:
    static constexpr std::size_t kFileSize = 26;
    // Shape coordinates are held in -32767 .. 32767.
    static constexpr int kMaxCoord = 32767;
    // Handle squares and their offset from the handle's point, device pixels.
    static constexpr int kHandlePixels = 5;
    static constexpr int kHandleOffsetPixels = 2;
    // The smallest extent a handle drag leaves a shape rectangle.
    static constexpr int kMinResize = 10;
    // Pen and fill of a shape drawn for reference.
    static constexpr COLORREF kReferenceColor = 0xC0C0C0;

    // Type 4, kind 0, word 6 1000, layer 0, not selected. The attributes and the page are left
    // to the creator.
    CZukei();
    ~CZukei() override = default;

    // The record header, the 20-byte attribute record, PageCol and PageRow.
    void Serialize(CArchive& ar) override;

    // ---- Attributes -----------------------------------------------------------------------------
    const CZukeiAttr& GetAttr() const { return m_attr; }
    void SetAttr(const CZukeiAttr& attr) { m_attr = attr; }
    short GetStyle() const { return m_attr.m_style; }
    void SetStyle(short style) { m_attr.m_style = style; }
    short GetPointMode() const { return m_attr.m_pointMode; }
    // The line type of the outline (the attribute "Type"; the record's own type word is
    // GetType).
    WORD GetLineType() const { return m_attr.m_type; }
    short GetWidth() const { return m_attr.m_width; }
    COLORREF GetColor() const { return m_attr.m_color; }
    WORD GetHatch() const { return m_attr.m_hatch; }
    COLORREF GetHatchColor() const { return m_attr.m_hatchColor; }
    WORD GetBoxRay() const { return m_attr.m_boxRay; }
    // Copies the attributes and the page into dest.
    void CopyAttrTo(CZukei& dest) const;

    DWORD GetPageCol() const { return m_pageCol; }
    WORD GetPageRow() const { return m_pageRow; }
    void SetPage(DWORD col, WORD row) {
        m_pageCol = col;
        m_pageRow = row;
    }
    void SetPageCol(DWORD col) { m_pageCol = col; }
    void SetPageRow(WORD row) { m_pageRow = row; }

    // The pen width of the outline: Width 0, 1 or 2 picks the normal, thin or bold entry of the
    // document's width table ("ZukeiConfig"), any other non-negative code the normal one; a
    // negative Width is an explicit width of its absolute value.
    int GetPenWidth(const IZukeiView& view) const;
    int GetPenWidth(const CPageLayout& layout) const;
    // The outline pen (no fill) and the outline pen with the fill, in a drawing mode.
    ZukeiPen GetPenAttr(const CPageLayout& layout, int mode) const;
    ZukeiPen GetPenBrushAttr(const CPageLayout& layout, int mode) const;

    // ---- Anchors and device points
    // ----------------------------------------------------------------- Between anchors and the
    // view's device coordinates, clamped to -32767 .. 32767.
    static int DateToX(const IZukeiView& view, const CTime& date);
    static int RowToY(const IZukeiView& view, double row);
    // x is taken inside the page rectangle first. A chart of no width gives CTime(-1).
    static CTime XToDate(const IZukeiView& view, int x);
    static double YToRow(const IZukeiView& view, int y);
    // The page the view shows among the pages of the settings' period and rows.
    static ZukeiPage GetPageOf(const IZukeiView& view);
    // The layout's zoom: v x zoom / 100 and v x 100 / zoom, truncated.
    static int Zoom(const IZukeiView& view, int v);
    static int Unzoom(const IZukeiView& view, int v);
    // n device pixels in the logical units of the device context.
    static int PixelsToLogical(CDC& dc, int pixels);

    // ---- The shape interface
    // --------------------------------------------------------------------- The selected flag (a
    // group passes it to its members).
    virtual void Select();
    virtual void Deselect();
    virtual void SetPointMode(short mode);
    virtual void SetLineType(WORD type);
    virtual void SetWidth(short width);
    virtual void SetColor(COLORREF color);
    virtual void SetHatch(WORD hatch);
    virtual void SetHatchColor(COLORREF color);
    virtual void SetBoxRay(WORD ray);
    virtual int GetElementCount() const;
    virtual int GetSegmentCount() const;
    // The steps of drawing a point-list shape with the mouse; nothing on other shapes.
    virtual void EraseLastSegment(IZukeiView& view, CDC& dc);
    virtual void DrawClosingSegment(const IZukeiView& view, CDC& dc) const;
    virtual void RemovePrevPoint();
    virtual void RemoveLastPoint();
    // Writes the class's kind code into the header.
    using CDataHeader::SetKind;
    virtual void SetKind();
    // Dates and rows the anchors span. mode 0 asks for the extent; the classes give other modes
    // their meaning.
    virtual CTime GetStartDate(int mode) const;
    virtual CTime GetEndDate(int mode) const;
    // A row split into a 1-based row number and a fraction.
    virtual void GetStartPos(short& rowNo, double& fraction, int mode) const;
    virtual double GetTopRow(int mode) const;
    virtual void GetEndPos(short& rowNo, double& fraction, int mode) const;
    virtual double GetBottomRow(int mode) const;
    // Shifts every anchor by the span and the rows; offsets stay.
    virtual void MoveBy(const CTimeSpan& span, double rows);
    // The rectangle the anchors span in device units; (0, 0, 0, 0) when the shape is not on the
    // view's page.
    virtual CRect GetDeviceRect(const IZukeiView& view) const;
    // Places anchor index from the cursor while the shape is drawn with the mouse.
    virtual void SetPoint(const CDatePos& pos, const IZukeiView& view, int index);
    virtual void ResetOffsets();
    // Turns the chart positions into offsets when the placement mode is not 0 and no offsets
    // are set yet, so that the shape stays where it is.
    virtual void FixOffsets(const IZukeiView& view);
    // Drag feedback in drawing mode 2: the outline as a handle drag or a move would leave it.
    virtual void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                              const CRect& ref) const;
    virtual void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const;
    virtual void Draw(const IZukeiView& view, CDC& dc, int mode) const;
    virtual BOOL HasOffsets() const;
    // Inverts the eight handles of rect (the shape's device rectangle when rect is (0, 0, 0, 0));
    // rect is normalised in place. Drawing them twice removes them.
    virtual void DrawHandles(const IZukeiView& view, CDC& dc, CRect& rect) const;
    // A copy of the shape's class with equal header, attributes, page and anchors; null when it
    // cannot be made.
    virtual std::unique_ptr<CZukei> Clone() const;
    // The move of a drag by a span and rows.
    virtual void MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                             double rows);
    // The resize of a handle drag: delta is the drag, ref the selection's rectangle at its start.
    virtual void ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle,
                               const CRect& ref, const CDatePos& pos);
    // The handle (1 to 8) under the point, 0 for none; where handle squares overlap the higher
    // number wins.
    virtual int HitTestHandle(const IZukeiView& view, CDC& dc, const CPoint& point) const;
    // Scales rect (a device rectangle at the start of the drag) for a handle drag.
    virtual void ResizeRect(const IZukeiView& view, const CPoint& delta, int handle,
                            const CRect& ref, CRect& rect) const;
    virtual CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                                 const CRect& ref) const;
    // kHitTouch / kHitDrag: the shape touches the probe; kHitInside: it lies wholly inside it.
    virtual BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const;

protected:
    // An anchor at its date and row on the chart.
    static CPoint ChartPoint(const IZukeiView& view, const CZukeiPoint& anchor);
    // How far the remainders of the view's page shift a point of this date and row.
    static CPoint RemainderShift(const IZukeiView& view, const ZukeiPage& page, const CTime& date,
                                 double row);
    // The offset that fixes a device point to the view's page: its distance from the page's
    // top-left corner plus the remainder shift of the date and row given, at 100 %.
    static CPoint PageOffset(const IZukeiView& view, const CPoint& device, const ZukeiPage& page,
                             const CTime& date, double row);
    // Where an offset stands on the view's page: the inverse of PageOffset.
    static CPoint PagePoint(const IZukeiView& view, const CPoint& offset, const ZukeiPage& page,
                            const CTime& date, double row);
    // A row as a 1-based row number and what remains of it: with q = row + 0.5, trunc(q) + 1
    // and fmod(q, 1) - 1.
    static void SplitRow(double row, short& rowNo, double& fraction);
    // Moves and resizes carry the offsets along only when the first anchor's offset has both
    // parts.
    static bool HasBothOffsetParts(const CZukeiPoint& anchor) {
        return anchor.GetOffset().x != 0 && anchor.GetOffset().y != 0;
    }
    // Whether the page is the one a page-fixed shape stands on.
    bool IsOnPage(const ZukeiPage& page) const {
        return page.col == m_pageCol && page.row == m_pageRow;
    }
    // Messages of failed allocations: 5021 for the shape's own data, 5012 for working arrays.
    static void ReportNoShapeData();
    static void ReportNoData();

private:
    friend struct ZukeiFields;

    CZukeiAttr m_attr;
    DWORD m_pageCol = 0;
    WORD m_pageRow = 0;
};

// The record as a shape, when it is one (type 4 and of a shape class).
CZukei* AsZukei(CDataHeader* record);
const CZukei* AsZukei(const CDataHeader* record);

} // namespace tembra
