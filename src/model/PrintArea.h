// The page areas of the printed chart (the page-settings block of the settings record): for the
// chart's paper, where the header, the date header, the chart and the footer lie on the page,
// the rectangles derived from them, the shift that moves the layout's positions to the printable
// origin of the printer, and the printer's own offset.
//
// All rectangles are in 0.1 mm with y growing upward: a position below the paper's top edge has a
// negative y (top > bottom). The layout file (*.LYT) stores the same units with y downward; its
// readers negate y. The areas are filled from the layout file whenever the paper, the layout or
// the item-column width changes.
//
// The chart geometry calls the same rectangles by the names of its page settings: the edit
// rectangle is the body (item columns and time axis below the date header), the time-axis part
// is the process area, the rectangle inside the two insets is the chart rectangle, the footer is
// the fixed body, and the three zero-height top lines are the fixed-row bands.
#pragma once

#include "platform/Types.h"

#include <filesystem>
#include <functional>
#include <string>

namespace tembra {

class CDC;

// Paper kinds of the chart.
enum : int {
    kPaperA4 = 0,
    kPaperB4 = 1,
    kPaperA3 = 2,
    kPaperA3Tate = 3, // A3 upright
    kPaperA2 = 4,
    kPaperA1 = 5,
    kPaperKindCount = 6,
};

class CPrintArea {
public:
    CPrintArea() = default;

    // Takes the paper, its page extent and its areas from the layout file: reads the margin
    // corner ("OffsetLTop") of the paper's section, adjusts the margins to the printer offset,
    // takes the application's default item width for the paper when mode is negative (else the
    // item width is kept) and recomputes the areas. A paper the layout lacks falls back to A4
    // (orientation 0, mode -1) after message 5063; when A4 is missing too, message 5000 is shown,
    // the areas are left as they were and the result is FALSE. TRUE when the areas were
    // computed (for the paper asked for or for A4).
    int SetPaper(int kind, int orientation, const std::filesystem::path& layoutPath, int mode = -1);
    // Reads the four areas of the current paper from the layout file, moves them by the margin
    // shift and recomputes the derived rectangles. Returns TRUE.
    int RecalcAreas(const std::filesystem::path& layoutPath);
    // The item-column width; recomputes the items, chart and inner rectangles and the top lines.
    void SetLeftWidth(int width);
    // Both insets of the inner rectangle; recomputes it and its top line.
    void SetEditInsets(int insetLeft, int insetRight);
    void SetPaperKind(int kind) { m_paperKind = static_cast<short>(kind); }
    void SetOrientation(int flag) { m_orientation = static_cast<WORD>(flag); }

    // The printer offset becomes (0, 0); on a printing device context it becomes the device's
    // printing offset converted to logical units.
    void SetPrinterOffset(CDC* dc);
    void ClearPrinterOffset() { m_printerOffset = CPoint(0, 0); }
    // shift x := offset x - printer offset x, at least 0; shift y := offset y - printer offset
    // y, at most 0. Each limit reports itself in the status bar; nothing else stops.
    void AdjustMargins(int offsetX, int offsetY);

    // The page extent of a paper kind in 0.1 mm (width and height exchanged for a non-zero
    // orientation). Kinds outside the table give A4.
    static void GetPaperSize(int kind, int orientation, int& width, int& height);
    // The extent of the current paper rectangle: width and height, both positive.
    CSize GetPaperSize() const { return {m_paper.Width(), -m_paper.Height()}; }

    // ---- Values -----------------------------------------------------------------------------
    short GetPaper() const { return m_paperKind; }
    WORD GetMuki() const { return m_orientation; }
    short GetLeftWidth() const { return m_itemWidth; }
    short GetInsetLeft() const { return m_insetLeft; }
    short GetInsetRight() const { return m_insetRight; }
    // The margin shift (x >= 0, y <= 0) and the printer's offset, in logical units.
    CPoint GetMarginShift() const { return m_shift; }
    CPoint GetPrinterOffset() const { return m_printerOffset; }

    // ---- Rectangles (copies) ----------------------------------------------------------------
    CRect GetHeaderRect() const { return m_header; }
    // Header left, date top, header right, edit bottom.
    CRect GetPageRect() const { return m_page; }
    // The edit area: item columns and time axis together (the body).
    CRect GetBodyRect() const { return m_edit; }
    CRect GetEditRect() const { return m_edit; }
    CRect GetDateRect() const { return m_date; }
    // The item columns: the left part of the edit area, item width wide.
    CRect GetKoumokuRect() const { return m_items; }
    // The time-axis part of the edit area right of the item columns (the process area).
    CRect GetKouteiRect() const { return m_chart; }
    // The footer; a zero-height strip at the edit area's bottom when the layout has none.
    CRect GetFooterRect() const { return m_footer; }
    CRect GetFixedBodyRect() const { return m_footer; }
    // The process area less the two insets.
    CRect GetChartRect() const { return m_inner; }
    // Width and height of the chart rectangle, both positive.
    CSize GetChartSize() const;
    // The zero-height lines at the tops of the item columns, the process area and the chart
    // rectangle.
    CRect GetGridRect() const { return m_itemsTop; }
    CRect GetKouteiGridRect() const { return m_chartTop; }
    CRect GetChartGridRect() const { return m_innerTop; }
    // 0, 0, width, -height.
    CRect GetPaperRect() const { return m_paper; }

    bool operator==(const CPrintArea&) const = default;

    // The fields a document file keeps of the block, as a load reads them back. The fixed-row
    // bands are not kept: they start again as the zero-height tops of their areas.
    struct StoredFields {
        CRect header, page, edit, date, items, chart, footer, inner, paper;
        short insetLeft = 0;
        short insetRight = 0;
        short paperKind = 0;
        WORD orientation = 0;
        short itemWidth = 0;
        CPoint shift;
        CPoint printerOffset;
    };
    void SetStoredFields(const StoredFields& f);

private:
    void RecalcDerived();
    void RecalcInner();

    CRect m_header;
    CRect m_page;
    CRect m_edit;
    CRect m_date;
    CRect m_items;
    CRect m_chart;
    CRect m_footer;
    short m_insetLeft = 0;
    short m_insetRight = 0;
    CRect m_inner;
    CRect m_itemsTop;
    CRect m_chartTop;
    CRect m_innerTop;
    short m_paperKind = 0;
    WORD m_orientation = 0;
    short m_itemWidth = 0;
    CRect m_paper;
    CPoint m_shift;
    CPoint m_printerOffset;
};

// The page-settings block of the settings record and of the page layout is this record.
using CPageSetting = CPrintArea;

// The application's per-paper defaults that the page areas take: the item-column width
// ("KoumokuWidth") and the chart margin inside the process area ("KouteiMargin"). The
// application settings install a source that answers their loaded values; until then the
// built-in defaults answer (widths A4 500, B4 550, A3 450, A3 upright 900, A2 1273, A1 450;
// margin 30 for every paper).
struct PaperAreaDefaults {
    short itemWidth = 0;
    short chartMargin = 0;
};
using PaperAreaDefaultsSource = std::function<PaperAreaDefaults(int paper)>;
PaperAreaDefaults GetPaperAreaDefaults(int paper);
PaperAreaDefaults BuiltInPaperAreaDefaults(int paper);
// Installs a source (an empty one restores the built-in defaults); returns the previous one.
PaperAreaDefaultsSource SetPaperAreaDefaultsSource(PaperAreaDefaultsSource source);

} // namespace tembra
