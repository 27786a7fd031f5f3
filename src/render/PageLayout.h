// The geometry of one chart as one view shows it or one print job prints it: where the print
// header, the date band, the item columns and the process chart lie on the page, which period
// and which rows are shown, at which zoom, and how a date, a time of day, a row or an item
// column becomes a coordinate and back. Every painter and every hit test of the chart asks it.
//
// Coordinates are logical units of MM_LOMETRIC: 0.1 mm at 100 %, x to the right, y upwards, so
// a rectangle's top is greater than its bottom and rows run downwards. Every coordinate a
// conversion returns lies in -30000..30000; rows lie in 0..9999.
//
// The areas come from the page-settings block of the document's settings record (0.1 mm, built
// by CPrintArea from the layout file); the layout keeps its own copy scaled to its zoom and
// shifted to the paper's corner (on screen) or to the printable origin (printing).
#pragma once

#include "model/HensokuScale.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "render/ChartDrawMode.h"
#include "render/DrawCacheKey.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tembra {

class CCalendar;
class CChartPos;
class CConfigPrint;
class CDC;
class CDataHeader;
class CKoumoku;
class CKoumokuData;
class CChartObjectIndex;
class CChartObjectRows;
class CKouteiCrossIndex;
class CKouteiCrossLines;
class CKtkmHatch;
class CPageLayout;
class CPrHeader;
class CShigen;
class CSyokiSet;

// What the bounds of a process are made of. The process record knows its line geometry, its
// nodes, terms and resource labels; the layout widens them into the process's bounds.
struct KouteiBoundsParts {
    // The end points of the process line (logical units).
    CPoint start;
    CPoint end;
    // The style code of the line record: 6 a line that leaves its rows (extraY is the farthest
    // y it reaches), 0x80 lines of text, 0x40 bars.
    int styleCode = 0;
    int extraY = 0;
    // High byte: the number of text lines; low byte: the number of bars.
    WORD countWord = 0;
    // Height of the line's font, 0.1 mm at 100 %.
    LONG fontHeight = 0;
    // The node sizes in percent of the node radius.
    int startNodeSize = 0;
    int endNodeSize = 0;
    // The rectangle of all its terms and of its resource labels; absent when it has none or
    // they were not asked for.
    std::optional<CRect> terms;
    std::optional<CRect> resources;
    // How far the drawing of the line reaches beyond its end points and route (arrow heads, half
    // the pen, the arcs of crossings on paper, the numbers of node marks), logical units; the
    // widening by the node marks covers it when that is larger.
    int drawMargin = 0;
};

// What the layout reads of the chart document it is bound to. The schedule document implements
// it (it owns the settings record, the working calendar, the item table and the records).
class IPageLayoutDocument {
public:
    virtual ~IPageLayoutDocument() = default;
    virtual const CSyokiSet* GetSyokiSet() const = 0;
    // The working calendar of the day scale's day classes; may be null.
    virtual const CCalendar* GetCalendar() const = 0;
    // The item table: the count and percentage widths of the item columns, the ruled-line
    // type of each row. May be null (no item columns).
    virtual const CKoumoku* GetKoumoku() const = 0;
    // Fills the parts of a process record (type 1, kind 1); false when the record has no line
    // to bound. Terms and resource labels are filled only when asked for.
    virtual bool GetKouteiBoundsParts(const CDataHeader& process, const CPageLayout& layout,
                                      CDC* dc, bool withTerms, bool withResources,
                                      KouteiBoundsParts& parts) const = 0;
    // The rectangle a record of type 3 (progress line), 4 (shape, through its bounds operation
    // with the layout's view), 6 (event, its full rectangle) or 7 (resource chart) gives of
    // itself, logical units; an empty rectangle for any other record.
    virtual CRect GetRecordBounds(const CDataHeader& record, const CPageLayout& layout,
                                  CDC* dc) const = 0;

    // What the painters of the grid, the hatchings and the item selection read.
    // The selected date range: its start and end dates (a range whose end equals its start is
    // empty); null when the document keeps none.
    virtual const CChartPos* GetSelectedDateRange() const = 0;
    // Visits the hatching records in list order.
    virtual void ForEachHatch(const std::function<void(const CKtkmHatch&)>& visit) const = 0;
    // The print settings of the chart (those of its print header); null: the application's
    // (CPageLayout::GetPrintConfig gives the one in effect).
    virtual const CConfigPrint* GetPrintSettings() const = 0;
    // The selected item cells: the first and last selected row in the first item column that
    // holds a selected cell, and the first and last item column holding a selected cell on the
    // row of the first one; each returns its count, and 0 with -1, -1 when nothing is selected.
    virtual int GetSelectedKoumokuRows(int& first, int& last) const = 0;
    virtual int GetSelectedKoumokuCols(int& first, int& last) const = 0;
    // What the file-name macro of texts ("$F$") shows for the document (CP932).
    virtual std::string GetMacroFileName() const = 0;
    // The item cell at (row, column) of the item table; null outside the table or where no
    // cell is.
    virtual const CKoumokuData* GetKoumokuCell(int row, int column) const = 0;

    // What the resource labels of processes are laid out with (the document's resource table):
    // the name of entry n (0-based) and its length, -1 when n is no entry; over the entries of a
    // resource list with an amount, the longest name length and the largest amount; the label
    // line of the entry at index of a list (-1: its widest line).
    virtual int GetShigenName(int n, std::string& name) const = 0;
    virtual void MeasureShigenList(const CShigen& resources, int& nameLength,
                                   int& amount) const = 0;
    virtual std::string GetShigenLabel(const CShigen& resources, int index) const = 0;

    // What the process painter reads: the document's object mode (CConfigOperation::GetMode:
    // 1 processes, 2 terms, 7 resources ...), and the chart objects in drawing order, the
    // unselected ones in list order and then the selected ones, for the crossings on paper.
    virtual LONG GetObjectMode() const = 0;
    virtual void ForEachChartObject(const std::function<void(const CDataHeader&)>& visit) const = 0;

    // What the date header draws while the print header is shown above the chart: the
    // document's print header, into the area of the page the device context is clipped to. A
    // document without a print header draws nothing.
    virtual void DrawPrintHeader(CDC* /*dc*/, const CPageLayout& /*layout*/) const {}

    // A count that grows with every change of the document's chart objects: every addition,
    // removal or reordering in its object lists and every change it reports to its views. What
    // the layout works out from the objects (CPageLayout::GetObjectIndex) is kept while it stays
    // the same. 0: the document counts no changes, and nothing is kept across drawings.
    virtual std::uint64_t GetChangeCount() const { return 0; }
};

// What the layout needs of the view that owns it: its document.
class IPageLayoutView {
public:
    virtual ~IPageLayoutView() = default;
    virtual IPageLayoutDocument* GetLayoutDocument() const = 0;
};

// An item embedded in the chart: a rectangle, two flags and, when it carries one, a picture
// drawn through the device context. The document's embedded-item class implements it.
class ILayoutCntrItem {
public:
    virtual ~ILayoutCntrItem() = default;
    // The item's rectangle on the chart of this layout, logical units.
    virtual CRect GetDeviceRect(const CPageLayout& layout, CDC* dc) const = 0;
    virtual bool IsWhiteBack() const = 0;
    virtual bool HasFrame() const = 0;
    virtual bool HasPicture() const = 0;
    // Draws the picture into the rectangle (logical units, already flipped when the
    // application's flipped-y option is on).
    virtual void DrawPicture(CDC* dc, const CRect& rect) const = 0;
};

class CPageLayout {
public:
    static constexpr int kZoomCount = 8;
    static constexpr int kDefaultZoomIndex = 3;
    static constexpr int kMaxRow = 9999;
    // The elapsed month length taken when the settings hold less than one day.
    static constexpr int kDefaultMonthDays = 30;

    // Zones of HitZone.
    enum : int {
        kZoneNone = 0,
        kZoneDateBand = 0x01,  // the date band right of the item columns
        kZoneKoumoku = 0x02,   // the item columns
        kZoneAreaName = 0x04,  // the date band above the item columns
        kZoneChart = 0x10,     // the chart rectangle
        kZoneKoutei = 0x20,    // the process area outside the chart rectangle
        kZoneElsewhere = 0x40, // anywhere else on the page frame
    };

    CPageLayout();
    CPageLayout(const CPageLayout&) = default;
    CPageLayout& operator=(const CPageLayout&) = default;
    ~CPageLayout() = default;

    // The zoom percentage of an index: 25, 50, 75, 100, 150, 200, 300, 400; 25 outside 0..7.
    static int GetZoomPercent(int index);

    // ---- Set-up and recomputation ---------------------------------------------------------------
    // Binds the view and its document and copies the period, rows, spans and fixed-row range
    // from the settings record; builds the day scale of the period; then EnsureLayout.
    void Init(IPageLayoutView* view);
    // Binds the layout to another view of the same document (a copy of a layout taken over by
    // another view), keeping everything else.
    void Bind(IPageLayoutView* view) {
        m_view = view;
        m_doc = view != nullptr ? view->GetLayoutDocument() : nullptr;
    }
    // RecalcLayout, unless the output mode is non-zero (printing and embedded drawing keep the
    // areas their code set).
    void EnsureLayout();
    // RecalcRects, then, without a header, moves the page frame to the paper's corner.
    void RecalcLayout();
    // The areas from the settings' page block at the current zoom.
    void RecalcRects();
    // 100 %, the areas moved to the printable origin of the device (its printer offset and the
    // settings' margin offset; a margin below the printable area is limited with a message).
    void PrepareForPrint(CDC* dc);
    // For the embedded-item picture: areas that end after days days from the draw start and
    // rows rows from the first row; the period end and last row follow.
    void RecalcForExtent(int days, int rows);

    // ---- Zoom -----------------------------------------------------------------------------------
    void ResetZoom() { m_zoomIndex = kDefaultZoomIndex; }
    int GetZoomIndex() const { return m_zoomIndex; }
    void SetZoomIndex(int index) { m_zoomIndex = index; }
    // The explicit zoom percentage (0: the zoom index applies).
    void SetZoomPercent(int percent) { m_zoomPercent = percent; }
    int GetExplicitZoom() const { return m_zoomPercent; }
    // The zoom in effect: the explicit percentage, else the table entry of the index.
    int GetZoom() const;
    // Whether a zoom index keeps the paper in the coordinate range and a day at least one
    // unit wide.
    BOOL IsZoomPossible(int index) const;
    // v x zoom / 100 and v x 100 / zoom, truncated.
    int Zoom(int v) const;
    int UnscaleLength(int v) const;
    CRect ScaleRect(const CRect& rect) const;
    void ScaleRect(CRect& out, const CRect& rect) const { out = ScaleRect(rect); }
    CRect UnscaleRect(const CRect& rect) const;
    // The area-zoom centre (logical units) that the view keeps here.
    CPoint GetZoomCenter() const { return m_zoomCenter; }
    void SetZoomCenter(const CPoint& center) { m_zoomCenter = center; }

    // ---- Areas (copies) -------------------------------------------------------------------------
    // The first rectangle, the header area: its top-left corner is the page origin of the
    // print header's elements and of page-fixed shapes.
    CRect GetRect() const { return m_areas[kHeaderArea]; }
    CRect GetHeaderRect() const { return m_areas[kHeaderArea]; }
    // The page frame: header top to footer bottom with a header shown, else date band top to
    // body bottom; across the header area's width.
    CRect GetPageRect() const { return m_areas[kPageFrame]; }
    // The body: item columns and process chart below the date band.
    CRect GetEditRect() const { return m_areas[kBody]; }
    // The date band (the area-name header over the item columns and the date rows over the
    // chart). Not the body: that is GetEditRect.
    CRect GetBodyRect() const { return m_areas[kDateBand]; }
    CRect GetKoumokuRect() const { return m_areas[kItemArea]; }
    CRect GetKouteiRect() const { return m_areas[kProcessArea]; }
    // The footer area.
    CRect GetFixedBodyRect() const { return m_areas[kFooter]; }
    // The process area less the two insets: the time axis spans its width, the rows its height.
    CRect GetChartRect() const { return m_areas[kChartRect]; }
    // The fixed-row bands of the item area, the process area and the chart rectangle: zero
    // height at their tops, the fixed rows' height while the chart is scrolled down.
    CRect GetGridRect() const { return m_areas[kItemFixed]; }
    CRect GetKouteiGridRect() const { return m_areas[kProcessFixed]; }
    CRect GetChartGridRect() const { return m_areas[kChartFixed]; }
    // The strips beside the body below the header: header left to body left, and body right
    // to header right, from the header's bottom to the body's bottom.
    CRect GetLeftArea() const;
    CRect GetRightArea() const;
    CRect GetPaperRect() const { return m_paper; }
    int GetInsetLeft() const { return m_insetLeft; }
    int GetInsetRight() const { return m_insetRight; }
    int GetLeftWidth() const { return m_itemWidth; }
    CPoint GetMarginOffset() const { return m_marginOffset; }
    CPoint GetPrinterOffset() const { return m_printerOffset; }
    // Width and height of the chart rectangle, both positive.
    CSize GetChartSize() const;

    // ---- Period and rows ------------------------------------------------------------------------
    CTime GetStartDate() const { return m_start; }
    void SetStartDate(const CTime& date) { m_start = date; }
    CTime GetEndDate() const { return m_end; }
    void SetEndDate(const CTime& date) { m_end = date; }
    // Start + leading span, end - trailing span.
    CTime GetDrawStart() const { return m_start + m_leadSpan; }
    CTime GetDrawEnd() const { return m_end - m_trailSpan; }
    CTimeSpan GetLeadingSpan() const { return m_leadSpan; }
    CTimeSpan GetTrailingSpan() const { return m_trailSpan; }
    CTimeSpan GetNobeOffset() const { return m_nobeOffset; }
    // The elapsed month length; 30 days when the settings hold less than one day.
    CTimeSpan GetMonthSpan() const;
    CTimeSpan GetNobeMonthSpan() const { return GetMonthSpan(); }
    // Days from start to end + 1, and from draw start to draw end + 1.
    int GetDayCount() const;
    int GetDrawDayCount() const;
    short GetFirstRow() const { return m_firstRow; }
    void SetFirstRow(short row) { m_firstRow = row; }
    short GetLastRow() const { return m_lastRow; }
    void SetLastRow(short row) { m_lastRow = row; }
    // Builds the day scale anew for the layout's own start and end (after SetStartDate or
    // SetEndDate), from the settings' irregular periods and the working calendar. A period
    // longer than a scale holds leaves the time axis linear, without a message.
    void RebuildScale();
    // last - first + 1; at least 1, so that the row height never divides by zero.
    int GetRowCount() const;
    // The fixed-row range shown at the top while the chart is scrolled down.
    short GetAltFirstRow() const { return m_altFirstRow; }
    short GetAltLastRow() const { return m_altLastRow; }
    int GetAltRowCount() const { return m_altLastRow - m_altFirstRow + 1; }

    // ---- State ----------------------------------------------------------------------------------
    IPageLayoutView* GetView() const { return m_view; }
    IPageLayoutDocument* GetDocument() const { return m_doc; }
    const CSyokiSet* GetSyokiSet() const;
    // The day scale of the displayed period; not built: the time axis is linear.
    const CHensokuScale& GetScale() const { return m_scale; }
    // 0 on screen; 1 or 2 printing; 1 while the embedded-item picture is drawn.
    int GetOutputMode() const { return m_outputMode; }
    void SetOutputMode(int mode) { m_outputMode = mode; }
    // Selections are marked on screen only: paper and the picture of an embedded item show every
    // object in its own colour.
    bool ShowsSelection() const { return m_outputMode == 0; }
    // The print header shown above the chart on screen; null when none is shown.
    const CPrHeader* GetHeader() const { return m_header; }
    void SetHeader(const CPrHeader* header) { m_header = header; }
    int GetShigenDispMode() const { return m_shigenDispMode; }
    void SetShigenDispMode(int mode) { m_shigenDispMode = mode; }
    BOOL IsScrolledDown() const { return m_scrolledDown; }
    void SetScrolledDown(BOOL on) { m_scrolledDown = on; }
    // 1 during the view's clipped drawing pass of the fixed rows.
    BOOL GetClipPass() const { return m_clipPass; }
    void SetClipPass(BOOL on) { m_clipPass = on; }
    // Set by the view while it takes bounds for its drawing pass; read by the records.
    BOOL GetDrawPassFlag() const { return m_drawPass; }
    void SetDrawPassFlag(BOOL on) { m_drawPass = on; }
    // Whether the settings count elapsed days (0 without a settings record).
    int GetNobeMode() const;
    // The print font that replaces the header elements' own fonts when its height is not 0.
    const LOGFONT& GetPrintFont() const { return m_printFont; }
    void SetPrintFont(const LOGFONT& font) { m_printFont = font; }

    // Display options of the text painters.
    BOOL IsSimpleText() const { return m_simpleText; }
    void SetSimpleText(BOOL on) { m_simpleText = on; }
    BOOL IsHyperlinkMark() const { return m_hyperlinkMark; }
    void SetHyperlinkMark(BOOL on) { m_hyperlinkMark = on; }
    BOOL IsShigenCentered() const { return m_shigenCentered; }
    void SetShigenCentered(BOOL on) { m_shigenCentered = on; }
    BOOL IsQuickText() const { return m_quickText; }
    void SetQuickText(BOOL on) { m_quickText = on; }

    // ---- Conversions ----------------------------------------------------------------------------
    // Width of one day: |chart width| / the axis length of the period in days (irregular
    // factors applied); 0 when the period has no length.
    double GetDayWidth() const;
    int DaysToWidth(int days) const;
    double GetDayWidthAt(const CTime& date) const;
    int GetSpanWidth(const CTime& from, const CTime& to) const;
    int DateToX(const CTime& time) const;
    // precision 0 whole days, 1 hours, 2 minutes; rounding 0 adds 0, 1 a half, 2 a whole unit
    // before truncating (any other value a half). x is limited to the chart rectangle.
    CTime XToDate(int x, int precision = 0, int rounding = 1) const;
    // Elapsed years, months and days (months of GetMonthSpan days, 12 a year) of a date from
    // the elapsed-day origin; returns the span from the origin. Each output is optional.
    CTimeSpan DateToNobeYMD(const CTime& time, int* year, int* month, int* day) const;

    double GetRowHeight() const;
    int RowsToHeight(int rows) const;
    // edge -1 the row's upper edge, 1 its lower edge, 0 its middle.
    int RowToY(int row, int edge) const;
    int YToRow(int y) const;
    double YToRowF(int y) const;
    // edge -1 the column's left edge, 1 its right edge, 0 its middle.
    int ColumnToX(int column, int edge) const;
    int XToColumn(int x) const;
    // The item-column border within 5 units of x in the item area, or -1.
    int HitColumnBorder(int x, int y) const;
    int HitZone(int x, int y) const;
    int HitZone(const CPoint& p) const { return HitZone(p.x, p.y); }
    CPoint DateRowToPoint(const CTime& time, int row) const;
    void PointToDateRow(int x, int y, int precision, CTime& time, int& row) const;

    // Process settings scaled by the zoom: the node radius, the corner size, the slant of
    // inclined corners and the bar height.
    int GetScaledKouteiSize() const;
    int GetScaledCornerSize() const;
    int GetScaledInclined() const;
    int GetScaledBarHeight() const;

    // ---- Object rectangles ----------------------------------------------------------------------
    // Normalised (left <= right, top >= bottom). With a device context they are inflated by 10
    // units on every side and converted to device units (then top <= bottom).
    // index -1 leaves a process's terms out.
    CRect GetObjectBounds(CDC* dc, const CDataHeader* object, int index) const;
    // The band of a position's dates and rows (a negative first row starts at the date band's
    // top, a last row of 9999 or more ends at the process area's bottom).
    CRect GetLineRect(CDC* dc, const CChartPos& pos, BOOL inflate) const;
    // The band of a hatching record: rows across the process area (kind 1), dates over the
    // process area's height (kind 2), item columns over the item area's height (kind 12).
    void GetObjectRect(CRect& out, CDC* dc, const CKtkmHatch& hatch, BOOL inflate) const;
    CRect GetCntrItemRect(CDC* dc, const ILayoutCntrItem& item, BOOL toDevice) const;
    // White background when the item asks for it, the picture, then the frame.
    void DrawCntrItem(CDC* dc, const ILayoutCntrItem& item) const;

    // The widening of a process's bounds from its parts (normalised, logical units).
    CRect KouteiBounds(const KouteiBoundsParts& parts) const;

    // ---- Time grid, date range, holiday shading, hatchings, area-name header ------------------
    // Painters of the chart's background (PageLayoutGrid.cpp, PageLayoutDateSeparator.cpp,
    // PageLayoutShading.cpp, PageLayoutHatching.cpp, PageLayoutAreaName.cpp; the hatching
    // records' own drawing is in KtkmHatchDraw.h). Each walks only the part of the time axis
    // that the clip box of the device context shows (with no clip box, as on a metafile, the
    // whole chart), plus the margin of one group of lines on each side.
    //
    // The vertical time grid: edge lines at the chart's edges and at the drawn start and end,
    // boundary lines at the starts of the next larger unit, interval lines at every step-th
    // unit, thinned where irregular periods squeeze a group of units. step is the ruled-line
    // interval (at least 1; minutes for the minute grid); elapsed is set in an elapsed-day
    // chart; sameUnit leaves out the boundary lines where the first date row already counts the
    // same elapsed unit; era counts era years (和暦: 平成, 令和).
    void DrawDayGrid(CDC* dc, int step, BOOL elapsed, BOOL sameUnit) const;
    void DrawWeekGrid(CDC* dc, int step) const;
    void DrawMonthGrid(CDC* dc, int step, BOOL elapsed, BOOL sameUnit) const;
    void DrawYearGrid(CDC* dc, int step, BOOL elapsed, BOOL era) const;
    void DrawHourGrid(CDC* dc, int step) const;
    void DrawMinuteGrid(CDC* dc, int step) const;
    // The grid of the settings' ruled-line unit and interval (week, month, year, hour, minute;
    // any other unit the day grid), with the elapsed and same-unit flags of the settings.
    void DrawTimeGrid(CDC* dc, BOOL era) const;
    // The document's selected date range as a pale band over the date band and the chart; none
    // for an empty range or one outside the calendar's years. Drawn on screen only.
    void DrawColumnRangeBand(CDC* dc) const;
    // The holiday shading of the runs of holidays between the dates at x1 and x2, each run a
    // band from y1 to y2, in the settings' shading level and the screen or print style.
    // background: the style of a resource chart's background (solid fills combined, not
    // copied).
    void DrawHolidayShading(CDC* dc, int x1, int y1, int x2, int y2, BOOL background) const;
    // The hatching records: row and date bands clipped to the process area, item cells clipped
    // to the item area and merged down each column where consecutive rows share a fill. Both
    // y1 and y2 non-zero replace the top and bottom of the clip (a resource chart's band).
    void DrawHatching(CDC* dc, int y1, int y2) const;
    // A resource chart's background over (x1, y1)..(x2, y2): holiday shading and time grid.
    void DrawChartBackground(CDC* dc, int x1, int y1, int x2, int y2) const;
    // The area-name header over the item columns: standard, grid or slant style.
    void DrawHeaderCells(CDC* dc) const;

    // ---- Chart objects (PageLayoutChartObject.cpp, PageLayoutKoumokuCell.cpp) ------------------
    // Draws a process (type 1, kind 1), an item cell (type 2) or an event (type 6, kind 1) in
    // the mode; nothing for a null object or any other record.
    void DrawChartObject(CDC* dc, CDataHeader* object, ChartDrawMode mode) const;
    // The text of an item cell inside its cell, its macros expanded: "$L$" the row and "$C$" the
    // column (from 1), "$H$" the era year (和暦), "$Y$", "$M$", "$D$" and "$W$" the year, month,
    // day and weekday of the row's date (the item date base plus one day a row). Nothing for an
    // empty text or a column narrower than one character. The mode does not change it.
    void DrawKoumokuCell(CDC* dc, const CKoumokuData& cell, ChartDrawMode mode) const;

private:
    enum Area : int {
        kHeaderArea,
        kPageFrame,
        kBody,
        kDateBand,
        kItemArea,
        kProcessArea,
        kFooter,
        kChartRect,
        kItemFixed,
        kProcessFixed,
        kChartFixed,
        kAreaCount,
    };

    bool UseScale() const;
    // U(t): the position of a time on the axis in days from the start.
    double Units(const CTime& time) const;
    // The base rectangle and first row of the row conversions: the chart rectangle and the
    // first row, or the fixed-row band and range in the clipped pass of a scrolled chart.
    bool InFixedPass() const { return m_scrolledDown && m_clipPass; }
    int RowEdgeY(int top, int firstRow, double rowHeight, int row, int edge) const;
    int ColumnCount() const;
    void ShiftAreas(int dx, int dy);
    // Inflates a logical rectangle by 10 and converts it to device units.
    static CRect ToDevice(CDC* dc, CRect rect);

    // The page-settings block, scaled and shifted.
    std::array<CRect, kAreaCount> m_areas{};
    int m_insetLeft = 0;
    int m_insetRight = 0;
    int m_itemWidth = 0;
    CRect m_paper;
    CPoint m_marginOffset;
    CPoint m_printerOffset;

    IPageLayoutView* m_view = nullptr;
    IPageLayoutDocument* m_doc = nullptr;
    CHensokuScale m_scale;
    int m_outputMode = 0;
    const CPrHeader* m_header = nullptr;
    int m_shigenDispMode = 0;
    int m_zoomIndex = kDefaultZoomIndex;
    int m_zoomPercent = 0;
    CTimeSpan m_leadSpan;
    CTimeSpan m_trailSpan;
    CTimeSpan m_nobeOffset;
    CTimeSpan m_monthSpan;
    CTime m_start;
    CTime m_end;
    short m_firstRow = 0;
    short m_lastRow = 0;
    short m_altFirstRow = 0;
    short m_altLastRow = -1;
    BOOL m_scrolledDown = FALSE;
    BOOL m_clipPass = FALSE;
    BOOL m_simpleText = FALSE;
    BOOL m_hyperlinkMark = TRUE;
    BOOL m_shigenCentered = FALSE;
    BOOL m_quickText = FALSE;
    BOOL m_drawPass = FALSE;
    CPoint m_zoomCenter;
    LOGFONT m_printFont;

public:
    // ---- Ruled lines of the item table and the date rows of the header --------------------------
    // Line types of the item table (cells and rows alike); any other value counts as 0.
    enum : int {
        kKeisenFine = 0,   // the print settings' fine grid line
        kKeisenSolid = 1,  // width 3
        kKeisenNone = 2,   // nothing
        kKeisenThin = 3,   // width 1
        kKeisenBold = 4,   // width 6, ends pulled in by half the width
        kKeisenDouble = 5, // two strands of width 2 with a gap of 2
    };
    // Kinds of DrawDateSeparator.
    enum : int {
        kSeparatorVertical = 0,   // vertical fine line
        kSeparatorHorizontal = 1, // horizontal fine line
        kSeparatorMajor = 2,      // major grid line
        kSeparatorNone = 3,
    };
    // Orientations of DrawKeisenLine.
    enum : int { kKeisenColumn = 0, kKeisenRow = 1, kKeisenChartRow = 2 };

    // The floating overview window draws through a layout of its own, marked by its view (or
    // by the flag); double lines are then drawn in logical units, not pixel-exact.
    IPageLayoutView* GetOverviewView() const { return m_overviewView; }
    void SetOverviewView(IPageLayoutView* view) { m_overviewView = view; }
    BOOL IsOverview() const { return m_overview; }
    void SetOverview(BOOL on) { m_overview = on; }
    // The document's print settings; the application's without a document or when it has none.
    const CConfigPrint& GetPrintConfig() const;

    // The grid and separator line of the item table, the date rows and the time grid; on
    // screen a grey line (kind 3 none), on paper by the print settings' "Keisen" word.
    void DrawDateSeparator(CDC* dc, int kind, int x1, int y1, int x2, int y2) const;
    // One ruled line of types 1, 3, 4 and 5 at the right (kKeisenColumn) or bottom
    // (kKeisenRow) edge of cell (row, column), or across the chart (kKeisenChartRow).
    void DrawKeisenLine(CDC* dc, int column, int row, int x1, int y1, int x2, int y2, int lineType,
                        int orientation, int width, int gap) const;
    // The column and row lines of the item cells (the fixed rows in the clip pass).
    void DrawKoumokuGrid(CDC* dc) const;
    // The rows' ruled lines across the chart, those near the clip rectangle's y range.
    void DrawRowLines(CDC* dc, const CRect& clipRect) const;

    // One row of the date header between top and bottom (top > bottom), in the zoomed date font
    // that the caller has selected; step labels every step-th unit. Day row mode: 0 calendar
    // days, 1 elapsed days, 2 calendar-style days of an elapsed chart. Year row mode: 0
    // calendar, 1 elapsed; era 1 the era years (和暦). Month row mode: 0 calendar months, 1
    // elapsed months, 2 elapsed months within the elapsed year, 3 months from the first drawn.
    void DrawDayRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step, int mode) const;
    void DrawWeeklyDayRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step) const;
    void DrawWeekdayRow(CDC* dc, const LOGFONT& font, int top, int bottom) const;
    void DrawYearRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step, int mode,
                     int era) const;
    void DrawMonthRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step, int mode) const;
    void DrawHourRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step) const;

private:
    IPageLayoutView* m_overviewView = nullptr;
    BOOL m_overview = FALSE;

public:
    // ==== The chart page: its frame and date header (PageLayoutDateHeader.cpp), the drawing
    // passes and what the layout keeps for its painters (PageLayoutDrawPass.cpp) ===============
    //
    // The chart view draws the page in this order: FillWhiteBand, DrawDateHeader, the area-name
    // header (DrawHeaderCells), then the chart's objects.
    //
    // The white band under the page: across the page, from the date band's top down to the
    // body's bottom (while the print header is shown, from the header's top down to the
    // footer's bottom).
    void FillWhiteBand(CDC* dc) const;
    // The page's skeleton, in this order: the hatchings (on paper when the print settings ask
    // for them); on screen the selected item cells and the selected date range; the frames of
    // the page and of the body and the line between the item columns and the chart; while the
    // print header is shown, its areas, each clipped to itself. Then, clipped to the page (a
    // clip that stays set when it returns): the holiday shading of the dates the clip box
    // shows, the date rows of the settings (none without rows), the time grid, the date band's
    // top and bottom lines, the item table's ruled lines (again for the fixed rows of a chart
    // scrolled down, with the clip-pass flag set for them) and the item line once more.
    void DrawDateHeader(CDC* dc);
    // The selected item cells (on the displayed rows) as a pale band; rows selected whole reach
    // the process area's right edge.
    void DrawItemSelection(CDC* dc) const;

    // A drawing pass over the chart's objects: a printed page, or one redraw of a view. While a
    // pass is open the layout keeps what its painters would otherwise work out again for every
    // object they draw: the index of the process lines in which the crossings on paper are
    // looked up, made at its first use. The owner of the pass opens it around the drawing;
    // neither the document's objects nor the layout may change while it is open (an index
    // found made for another geometry or another state of the objects is made anew all the
    // same). Passes nest; the index goes when the outermost one ends. What of it does not
    // depend on the first row (the chart's lines, CKouteiCrossLines) stays with the layout
    // after the pass for a document that counts its changes, for the next page of a print.
    class DrawPass {
    public:
        explicit DrawPass(const CPageLayout& layout);
        ~DrawPass();
        DrawPass(const DrawPass&) = delete;
        DrawPass& operator=(const DrawPass&) = delete;

    private:
        const CPageLayout& m_layout;
    };
    bool InDrawPass() const { return m_caches.passDepth > 0; }
    // The index of the process lines of the open pass, made now when it is needed. Outside a
    // pass the same index while the document counts its changes and neither they nor the
    // geometry change; null for a document that counts none.
    const CKouteiCrossIndex* GetCrossIndex() const;
    // The document's chart objects with their bounds, for a redraw to find those its clip box
    // shows. Kept from one drawing to the next while neither the layout (its geometry and
    // display options) nor the document's objects (its change count) change; made anew when
    // either did. Null for a document that counts no changes. (The selected item cells that
    // DrawItemSelection reads of the document are kept the same way.) A copy of a layout keeps
    // nothing of another's.
    const CChartObjectIndex* GetObjectIndex() const;
    // The objects' bounds behind the index (null while none is made): layouts that differ only
    // in their first row share them. A print job keeps those of one page for the next.
    std::shared_ptr<const CChartObjectRows> GetObjectRows() const { return m_caches.objectRows; }
    // Takes the objects' bounds made on another layout when they are for this one's geometry
    // and document as they now are (CChartObjectRows::IsFor); otherwise nothing changes.
    void AdoptObjectRows(const std::shared_ptr<const CChartObjectRows>& rows) const;
    // The chart's lines behind the crossing index (null while none is made): the pages of a
    // print, which differ only in their first row, share them. A print job keeps those of one
    // page for the next.
    std::shared_ptr<const CKouteiCrossLines> GetCrossLines() const { return m_caches.crossLines; }
    // Takes the chart's lines made on another layout when they are for this one's geometry and
    // document as they now are (CKouteiCrossLines::IsFor) and the document counts its changes;
    // otherwise nothing changes.
    void AdoptCrossLines(const std::shared_ptr<const CKouteiCrossLines>& lines) const;

private:
    struct DrawCaches {
        DrawCaches();
        DrawCaches(const DrawCaches&);
        DrawCaches& operator=(const DrawCaches&);
        ~DrawCaches();
        int passDepth = 0;
        std::unique_ptr<CKouteiCrossIndex> crossIndex;
        std::shared_ptr<const CKouteiCrossLines> crossLines;
        std::shared_ptr<const CChartObjectRows> objectRows;
        std::unique_ptr<CChartObjectIndex> objectIndex;
        // The selected item cells as the document last told them (DrawItemSelection).
        struct SelectedCells {
            DrawCacheKey key;
            int rows = 0;
            int firstRow = -1;
            int lastRow = -1;
            int columns = 0;
            int firstColumn = -1;
            int lastColumn = -1;
        };
        std::optional<SelectedCells> selectedCells;
    };
    mutable DrawCaches m_caches;
};

} // namespace tembra
