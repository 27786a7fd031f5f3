// The floating overview: the whole chart of one chart view reduced to fit a small window, with a
// red position frame round the part the chart view shows. Dragging the frame scrolls the chart
// view; dragging a corner zooms it to the framed area; a press beside the frame centres the chart
// view there and goes on as a move; double clicks zoom in and out.
//
// The overview has no chart of its own: it fits a copy of the tracked chart view's page layout
// into its client area (FitLayout) for every operation, and draws the chart by lending that copy
// to the chart view for one OnDraw. Its window (IFloatViewHost) keeps the drawn chart as an image
// while GetChartKey stays the same, so that a scroll of the chart view repaints only the two
// rings round the old and the new frame.
//
// Units: the overview's logical units are those of MM_LOMETRIC (0.1 mm, y up) at the fitted
// zoom; the chart view's are the same units at its own zoom; a length crosses from one to the
// other multiplied by the ratio of the two zooms.
#pragma once

#include "document/CommandIds.h"
#include "platform/Types.h"
#include "platform/View.h"
#include "render/PageLayout.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tembra {

class CDC;
class CDocument;
class CObject;
class CPrHeader;
class CTembraView;
class IFloatViewHost;

class CFloatView : public IPageLayoutView {
public:
    // Hit zones of a point against the frame (HitTestFrame).
    enum Zone : int {
        kZoneNone = -1,       // outside the page and the frame
        kZonePage = 0,        // on the page beside the frame: centre there, then move
        kZoneBody = 1,        // inside the frame: move
        kZoneTopLeft = 2,     // corners: resize
        kZoneBottomRight = 3, //
        kZoneBottomLeft = 4,  //
        kZoneTopRight = 5,    //
        kZoneLeft = 6,        // edges: move
        kZoneRight = 7,       //
        kZoneTop = 8,         //
        kZoneBottom = 9,      //
    };
    // The overview's own cursors (drawn in code by the window).
    enum Cursor : int {
        kCursorDefault = 0,
        kCursorCentre = 328,
        kCursorMove = 329,
        kCursorMoving = 330,
        kCursorSizeNWSE = 32642,
        kCursorSizeNESW = 32643,
    };
    // Hints of OnUpdate the overview reads.
    enum : LPARAM {
        kHintRect = 1,
        kHintBand = 2,
        kHintHeader = 0x10,
        kHintKoumoku = 0x20,
        kHintActiveView = 0x100,
        kHintPosition = 0x400,
    };
    // The margin (logical units) the fit leaves round the page, and the width of the rings a
    // move of the frame repaints (device pixels).
    static constexpr int kFitMargin = 60;
    static constexpr int kRingWidth = 8;
    static constexpr int kFrameWidth = 4;
    static constexpr COLORREF kFrameColor = RGB(255, 0, 0);
    // The commands of the double clicks.
    static constexpr UINT kZoomInCommand = ID_ZOOM_IN;
    static constexpr UINT kZoomOutCommand = ID_ZOOM_OUT;

    explicit CFloatView(IFloatViewHost& host);
    ~CFloatView() override;
    CFloatView(const CFloatView&) = delete;
    CFloatView& operator=(const CFloatView&) = delete;

    // ---- The rules, apart from any window ---------------------------------------------------
    // Fits the layout into a client area (device pixels) of the device context: MM_LOMETRIC, the
    // zoom the smaller of the two axes' (the margin kept), the window origin centring the page.
    // false when the client area is too small for any zoom (the layout and the device context are
    // then left at 100 %, not fitted). overview: recorded in the layout as its overview view.
    static bool FitLayout(CDC* dc, const CSize& client, CPageLayout& layout,
                          IPageLayoutView* overview = nullptr);
    // The zone of a point (logical units) against the frame and the page.
    static int HitTestFrame(const CRect& frame, const CRect& page, const CPoint& point);
    // The frame of a chart view's visible area on the fitted layout: the view's client area in
    // its logical units, scaled by fitted zoom / view zoom, clipped to the fitted page.
    static CRect CalcFrameRect(const CTembraView& view, const CPageLayout& fitted);

    // ---- The chart view tracked ------------------------------------------------------------
    CTembraView* GetTrackedView() const { return m_view; }
    // The view goes away: it is tracked no longer.
    void ForgetView(const CView* view);
    IPageLayoutDocument* GetLayoutDocument() const override;

    // ---- Drawing ------------------------------------------------------------------------------
    // The caption and the whole chart fitted into the device context (the device context is
    // left prepared: map mode and origin of the fit); false when there was nothing to draw.
    bool DrawChart(CDC* dc);
    // Computes the frame and draws it in red on a device context of the client area (MM_TEXT,
    // as the window hands it out); nothing without a view or fit.
    void DrawFrame(CDC* dc);
    // What the drawn chart depends on: while it stays the same the window may show the chart it
    // drew last and draw only the frame anew.
    struct ChartKey {
        const CDocument* document = nullptr;
        std::uint64_t documentUpdates = 0;
        std::uint64_t generation = 0;
        std::int64_t start = 0;
        std::int64_t end = 0;
        int firstRow = 0;
        int lastRow = 0;
        const CPrHeader* header = nullptr;
        CSize client;
        bool operator==(const ChartKey&) const = default;
    };
    ChartKey GetChartKey() const;

    // ---- Updates -------------------------------------------------------------------------------
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);

    // ---- Mouse (device points of the client area) -------------------------------------------
    // true when a cursor of the overview was set.
    bool OnSetCursor(const CPoint& device);
    void OnLButtonDown(const CPoint& device);
    void OnMouseMove(const CPoint& device);
    void OnLButtonUp(const CPoint& device);
    void OnLButtonDblClk(const CPoint& device);
    void OnRButtonDblClk(const CPoint& device);
    // Scrolls the tracked chart view by a distance in its logical units (see the .cpp).
    void ScrollChartBy(int dx, int dy);

    // ---- State (for the window and the tests) -------------------------------------------------
    const CRect& GetFrame() const { return m_frame; }
    const CRect& GetDragRect() const { return m_dragRect; }
    int GetDragMode() const { return m_dragMode; }

private:
    struct Fitted;
    // The tracked view's layout fitted to a device context of the client area; none without a
    // view or when it does not fit.
    std::unique_ptr<Fitted> Fit();
    // view zoom / fitted zoom: a length of the overview in the view's units.
    double ToView(const Fitted& fitted) const;
    void InvalidateAll();
    void InvalidateJoined(CRect deviceRect);
    // The two rings round the old and the new frame (device units of the fitted context).
    void InvalidateRings(CDC* dc, const CRect& oldFrame, const CRect& newFrame);
    void InvalidateObject(const Fitted& fitted, CObject* object);
    void DrawFeedback(CDC* dc, const CRect& rect);
    void EndDrag();
    CRect ResizeRect(const Fitted& fitted, const CPoint& point) const;
    void TrackView(CView* sender);

    IFloatViewHost& m_host;
    CTembraView* m_view = nullptr;
    CRect m_frame;
    CPoint m_anchor;
    CRect m_dragRect;
    int m_dragMode = -1;
    bool m_feedbackDrawn = false;
    // Counts the updates that make the chart's image stale.
    std::uint64_t m_generation = 0;
};

} // namespace tembra
