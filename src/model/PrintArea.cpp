#include "model/PrintArea.h"

#include "model/LayoutFile.h"
#include "platform/DC.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <iterator>
#include <utility>

namespace tembra {

namespace {

constexpr UINT IDS_A4_MISSING = 5000;
constexpr UINT IDS_PAPER_MISSING = 5063;

PaperAreaDefaultsSource& DefaultsSource() {
    static PaperAreaDefaultsSource source;
    return source;
}

CRect TopLine(const CRect& r) {
    return {r.left, r.top, r.right, r.top};
}

// The area of the layout moved by the margin shift. An area whose key is missing stays an empty
// rectangle at the origin, unmoved.
CRect ReadArea(int paper, int area, const std::filesystem::path& path, const CPoint& shift) {
    CRect rect;
    if (GetLayoutArea(paper, area, rect, path)) {
        rect.OffsetRect(-shift.x, -shift.y);
    } else {
        rect.SetRectEmpty();
    }
    return rect;
}

} // namespace

PaperAreaDefaults BuiltInPaperAreaDefaults(int paper) {
    static constexpr short widths[kPaperKindCount] = {500, 550, 450, 900, 1273, 450};
    constexpr short margin = 30;
    if (paper < 0 || paper >= kPaperKindCount) {
        paper = kPaperA4;
    }
    return {widths[paper], margin};
}

PaperAreaDefaults GetPaperAreaDefaults(int paper) {
    const PaperAreaDefaultsSource& source = DefaultsSource();
    return source ? source(paper) : BuiltInPaperAreaDefaults(paper);
}

PaperAreaDefaultsSource SetPaperAreaDefaultsSource(PaperAreaDefaultsSource source) {
    return std::exchange(DefaultsSource(), std::move(source));
}

void CPrintArea::GetPaperSize(int kind, int orientation, int& width, int& height) {
    // The page extents of the chart's papers; they bound the zoom levels a chart offers, so they
    // are not the sheet sizes of the layout file from A3 on.
    static constexpr CSize extents[] = {{2970, 2100},  {3640, 2570},   {4200, 5940},  {5140, 7280},
                                        {11880, 8400}, {14560, 10280}, {16800, 23760}};
    if (kind < 0 || kind >= static_cast<int>(std::size(extents))) {
        kind = kPaperA4;
    }
    width = extents[kind].cx;
    height = extents[kind].cy;
    if (orientation != 0) {
        std::swap(width, height);
    }
}

int CPrintArea::SetPaper(int kind, int orientation, const std::filesystem::path& layoutPath,
                         int mode) {
    m_paperKind = static_cast<short>(kind);
    m_orientation = static_cast<WORD>(orientation);
    int width = 0;
    int height = 0;
    GetPaperSize(kind, orientation, width, height);
    m_paper = CRect(0, 0, width, -height);
    m_printerOffset = CPoint(0, 0);

    CPoint offset;
    if (!GetLayoutOffset(kind, offset, layoutPath)) {
        if (kind != kPaperA4) {
            AfxMessageBox(IDS_PAPER_MISSING);
            return SetPaper(kPaperA4, 0, layoutPath, -1);
        }
        // Without A4 there is nothing to fall back to: the caller learns that no areas were
        // computed (the message box's own answer would read as success).
        AfxMessageBox(IDS_A4_MISSING);
        return FALSE;
    }
    AdjustMargins(offset.x, offset.y);
    if (mode < 0) {
        m_itemWidth = GetPaperAreaDefaults(kind).itemWidth;
    }
    return RecalcAreas(layoutPath);
}

int CPrintArea::RecalcAreas(const std::filesystem::path& layoutPath) {
    const short margin = GetPaperAreaDefaults(m_paperKind).chartMargin;
    m_insetLeft = margin;
    m_insetRight = margin;

    m_header = ReadArea(m_paperKind, 0, layoutPath, m_shift);
    m_edit = ReadArea(m_paperKind, 1, layoutPath, m_shift);
    m_date = ReadArea(m_paperKind, 2, layoutPath, m_shift);
    // A layout without footer has it all zero: it becomes a strip of no height at the bottom of
    // the edit area.
    CRect footer;
    if (!GetLayoutArea(m_paperKind, 3, footer, layoutPath) || footer.IsRectNull()) {
        m_footer = CRect(m_header.left, m_edit.bottom, m_header.right, m_edit.bottom);
    } else {
        m_footer = footer;
        m_footer.OffsetRect(-m_shift.x, -m_shift.y);
    }
    m_page = CRect(m_header.left, m_date.top, m_header.right, m_edit.bottom);
    RecalcDerived();
    return TRUE;
}

void CPrintArea::SetLeftWidth(int width) {
    m_itemWidth = static_cast<short>(width);
    RecalcDerived();
}

void CPrintArea::SetEditInsets(int insetLeft, int insetRight) {
    m_insetLeft = static_cast<short>(insetLeft);
    m_insetRight = static_cast<short>(insetRight);
    RecalcInner();
}

void CPrintArea::RecalcDerived() {
    m_items = CRect(m_edit.left, m_edit.top, m_edit.left + m_itemWidth, m_edit.bottom);
    m_chart = CRect(m_items.right, m_edit.top, m_edit.right, m_edit.bottom);
    m_itemsTop = TopLine(m_items);
    m_chartTop = TopLine(m_chart);
    RecalcInner();
}

void CPrintArea::RecalcInner() {
    m_inner = CRect(m_chart.left + m_insetLeft, m_chart.top, m_chart.right - m_insetRight,
                    m_chart.bottom);
    m_innerTop = TopLine(m_inner);
}

CSize CPrintArea::GetChartSize() const {
    const LONG w = m_inner.Width();
    const LONG h = m_inner.Height();
    return {w < 0 ? -w : w, h < 0 ? -h : h};
}

void CPrintArea::SetPrinterOffset(CDC* dc) {
    m_printerOffset = CPoint(0, 0);
    if (dc == nullptr || !dc->IsPrinting()) {
        return;
    }
    CPoint offset;
    if (dc->Escape(GETPRINTINGOFFSET, 0, nullptr, &offset) > 0) {
        dc->DPtoLP(&offset);
        m_printerOffset = offset;
    }
}

void CPrintArea::AdjustMargins(int offsetX, int offsetY) {
    m_shift.x = offsetX - m_printerOffset.x;
    if (m_shift.x < 0) {
        m_shift.x = 0;
        Ui().SetStatusText(Sjis::FromUtf8(
            "Ｘ方向の余白設定が印刷可能範囲を下回っていますので余白を調整しました。"));
    }
    m_shift.y = offsetY - m_printerOffset.y;
    if (m_shift.y > 0) {
        m_shift.y = 0;
        Ui().SetStatusText(Sjis::FromUtf8(
            "Ｙ方向の余白設定が印刷可能範囲を下回っていますので余白を調整しました。"));
    }
}

void CPrintArea::SetStoredFields(const StoredFields& f) {
    m_header = f.header;
    m_page = f.page;
    m_edit = f.edit;
    m_date = f.date;
    m_items = f.items;
    m_chart = f.chart;
    m_footer = f.footer;
    m_inner = f.inner;
    m_paper = f.paper;
    m_insetLeft = f.insetLeft;
    m_insetRight = f.insetRight;
    m_paperKind = f.paperKind;
    m_orientation = f.orientation;
    m_itemWidth = f.itemWidth;
    m_shift = f.shift;
    m_printerOffset = f.printerOffset;
    m_itemsTop = CRect(m_items.left, m_items.top, m_items.right, m_items.top);
    m_chartTop = CRect(m_chart.left, m_chart.top, m_chart.right, m_chart.top);
    m_innerTop = CRect(m_inner.left, m_inner.top, m_inner.right, m_inner.top);
}

} // namespace tembra
