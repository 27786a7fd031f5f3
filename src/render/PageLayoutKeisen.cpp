// The ruled lines (罫線) of the item table and the row lines across the chart.
//
// Every item cell carries a line type for its right edge and one for its bottom edge; the item
// table carries one per row for the chart. A double line is drawn as two strands whose ends
// meet the strands of the double lines that cross them, so that the joins look like drawn
// with a pen of two nibs. On screen and in output mode 2 the strands are drawn pixel-exact in
// device units (in logical units they would melt into one line at small zooms).
#include "render/PageLayout.h"

#include "model/ConfigPrint.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/ExactColors.h"
#include "render/StyledDraw.h"

#include <algorithm>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

// Kinds of the print settings' fine lines (the two bytes of "Keisen").
enum : int { kFineDotted = 0, kFineFaint = 1, kFineSolid = 2, kFineNone = 3 };

// Line widths of the item-table line types.
constexpr int kSolidWidth = 3;
constexpr int kThinWidth = 1;
constexpr int kBoldWidth = 6;
constexpr int kDoubleWidth = 2;
constexpr int kDoubleGap = 2;

// A pixel-exact double line on paper: its strands lie this many device units from the line and
// an inner frame lies inside the table's outer frame by the outset, on a printer of this
// resolution; other resolutions scale them, so that a PDF shows what paper shows.
constexpr int kReferenceDpi = 600;
constexpr int kPrintStrandOffset = 7;
constexpr int kPrintFrameOutset = 3;

// A row line across the chart is drawn when it lies this close to the clip rectangle's rows.
constexpr int kRowClipMargin = 10;
// Beyond the clip box a run of the grid may end where it likes: pulled-in ends, strands and
// pen widths reach less far than this.
constexpr int kGridClipReach = 12;

int FY(int y) {
    return GetDrawSettings().flipY ? -y : y;
}

int NormalType(int type) {
    return type >= CPageLayout::kKeisenFine && type <= CPageLayout::kKeisenDouble
               ? type
               : CPageLayout::kKeisenFine;
}

void SetLineModes(CDC* dc) {
    if (dc->GetROP2() != R2_COPYPEN) {
        dc->SetROP2(R2_COPYPEN);
    }
    if (dc->GetBkMode() != OPAQUE) {
        dc->SetBkMode(OPAQUE);
    }
}

// The cells of the item table as one drawing pass sees them: the displayed rows, or the fixed
// rows in the clip pass, and the line types of their edges.
class ItemGrid {
public:
    explicit ItemGrid(const CPageLayout& layout) {
        const IPageLayoutDocument* doc = layout.GetDocument();
        m_doc = doc;
        const CKoumoku* table = doc != nullptr ? doc->GetKoumoku() : nullptr;
        m_columns =
            table != nullptr ? std::min<int>(table->GetColumnCount(), CKoumoku::kMaxLevels) : 0;
        m_clipPass = layout.GetClipPass() != FALSE;
        m_first = m_clipPass ? layout.GetAltFirstRow() : layout.GetFirstRow();
        m_last = m_clipPass ? layout.GetAltLastRow() : layout.GetLastRow();
        m_fixedLast = layout.GetAltLastRow();
        m_screen = layout.GetOutputMode() == 0;
    }

    int First() const { return m_first; }
    int Last() const { return m_last; }
    int Columns() const { return m_columns; }
    // The last row whose bottom line the grid draws: the row above the table's bottom frame,
    // or in the clip pass the last fixed row (the line that separates them from the rest).
    int LastRowLine() const { return m_clipPass ? m_last : m_last - 1; }

    // Type of the right edge of a cell; 0 outside the pass's rows and the table's columns and
    // where no cell is.
    int Right(int row, int column) const {
        const CKoumokuData* cell = Cell(row, column);
        return cell != nullptr ? NormalType(static_cast<short>(cell->GetKeisenWord2())) : 0;
    }
    // Type of the bottom edge; on screen the line under the fixed rows is always solid.
    int Bottom(int row, int column) const {
        if (m_screen && row == m_fixedLast && Inside(row, column)) {
            return CPageLayout::kKeisenSolid;
        }
        const CKoumokuData* cell = Cell(row, column);
        return cell != nullptr ? NormalType(static_cast<short>(cell->GetKeisenWord1())) : 0;
    }

    // A cell all of whose edges are double lines that this pass draws (at the first row and
    // the first column the table's frame stands in for the missing one): its inner strands
    // are drawn as one frame.
    bool Enclosed(int row, int column) const {
        if (row < m_first || row > LastRowLine() || column < 0 || column > m_columns - 2) {
            return false;
        }
        const int d = CPageLayout::kKeisenDouble;
        return Right(row, column) == d && Bottom(row, column) == d &&
               (row == m_first || Bottom(row - 1, column) == d) &&
               (column == 0 || Right(row, column - 1) == d);
    }

private:
    bool Inside(int row, int column) const {
        return row >= m_first && row <= m_last && column >= 0 && column < m_columns;
    }
    const CKoumokuData* Cell(int row, int column) const {
        if (!Inside(row, column) || m_doc == nullptr) {
            return nullptr;
        }
        return m_doc->GetKoumokuCell(row, column);
    }

    const IPageLayoutDocument* m_doc = nullptr;
    int m_columns = 0;
    bool m_clipPass = false;
    int m_first = 0;
    int m_last = -1;
    int m_fixedLast = -1;
    bool m_screen = true;
};

// How a strand's end moves where crossing lines meet it: shortened into the crossing double
// line on its own side, or lengthened across a double line on the other side when the line
// does not go on beyond that end.
int StrandEndShift(int own, int other, int continuing) {
    const int d = CPageLayout::kKeisenDouble;
    if (own == d) {
        return -1;
    }
    if (continuing != d && other == d) {
        return 1;
    }
    return 0;
}

// The neighbours of one edge's two strands at its two ends: shift[strand][end], strand 0 the
// left (upper) one, end 0 the top (left) end; -1 shortened, 1 lengthened.
struct StrandShifts {
    int shift[2][2] = {};
};

StrandShifts VerticalShifts(const ItemGrid& g, int row, int column) {
    StrandShifts s;
    const int topLeft = g.Bottom(row - 1, column);
    const int topRight = g.Bottom(row - 1, column + 1);
    const int above = g.Right(row - 1, column);
    const int bottomLeft = g.Bottom(row, column);
    const int bottomRight = g.Bottom(row, column + 1);
    const int below = g.Right(row + 1, column);
    s.shift[0][0] = StrandEndShift(topLeft, topRight, above);
    s.shift[1][0] = StrandEndShift(topRight, topLeft, above);
    s.shift[0][1] = StrandEndShift(bottomLeft, bottomRight, below);
    s.shift[1][1] = StrandEndShift(bottomRight, bottomLeft, below);
    return s;
}

StrandShifts HorizontalShifts(const ItemGrid& g, int row, int column) {
    StrandShifts s;
    const int leftUpper = g.Right(row, column - 1);
    const int leftLower = g.Right(row + 1, column - 1);
    const int before = g.Bottom(row, column - 1);
    const int rightUpper = g.Right(row, column);
    const int rightLower = g.Right(row + 1, column);
    const int after = g.Bottom(row, column + 1);
    s.shift[0][0] = StrandEndShift(leftUpper, leftLower, before);
    s.shift[1][0] = StrandEndShift(leftLower, leftUpper, before);
    s.shift[0][1] = StrandEndShift(rightUpper, rightLower, after);
    s.shift[1][1] = StrandEndShift(rightLower, rightUpper, after);
    return s;
}

// Device-unit drawing of the pixel mode (MM_TEXT, y downwards). The primitives negate every y
// under the flipped-y option; the values handed to them are negated first, so that the device
// gets the pixels meant.
class PixelPen {
public:
    explicit PixelPen(CDC* dc) : m_dc(dc), m_saved(dc->SaveDC()) {}
    ~PixelPen() { m_dc->RestoreDC(m_saved); }
    PixelPen(const PixelPen&) = delete;
    PixelPen& operator=(const PixelPen&) = delete;

    // Switches to device units, origins included; the points were converted before.
    void Begin() {
        m_dc->SetMapMode(MM_TEXT);
        m_dc->SetWindowOrg(0, 0);
        m_dc->SetViewportOrg(0, 0);
    }

    // A one-pixel line with both end pixels drawn (a line leaves out its last pixel).
    void Line(CPoint a, CPoint b) const {
        CPoint end = b;
        if (a.x == b.x) {
            end.y += b.y >= a.y ? 1 : -1;
        } else {
            end.x += b.x >= a.x ? 1 : -1;
        }
        DrawStyledPolyline(m_dc, a.x, FY(a.y), end.x, FY(end.y), 0, 1, kBlack, R2_COPYPEN, OPAQUE);
    }
    // The outline of the pixels left..right, top..bottom (device, top < bottom), both edges
    // drawn. The rectangle primitive, made for a y-up mapping, hands GDI (left, top, right + 1,
    // bottom - 1); given top = bottom + 1 and bottom = top + 1 it hands GDI the rectangle
    // (left, top, right + 1, bottom + 1), whose outline lies on the pixels meant.
    void Frame(int left, int top, int right, int bottom) const {
        if (left > right || top > bottom) {
            return;
        }
        DrawStyledRect(m_dc, left, FY(bottom + 1), right, FY(top) + 1, 0, 1, kBlack, -1, kBlack,
                       R2_COPYPEN, OPAQUE);
    }

private:
    CDC* m_dc;
    int m_saved;
};

CPoint DevicePoint(const CDC* dc, int x, int y) {
    CPoint p(x, FY(y));
    dc->LPtoDP(&p);
    return p;
}

// Device units of a pixel-mode offset: one pixel on screen, the printer's offset scaled to
// the device's resolution when printing.
int DeviceOffset(const CDC* dc, bool printing, int printUnits, int capsIndex) {
    if (!printing) {
        return 1;
    }
    const int dpi = dc->GetDeviceCaps(capsIndex);
    return std::max(1, MulDiv(printUnits, dpi > 0 ? dpi : kReferenceDpi, kReferenceDpi));
}

} // namespace

const CConfigPrint& CPageLayout::GetPrintConfig() const {
    const CConfigPrint* print = m_doc != nullptr ? m_doc->GetPrintSettings() : nullptr;
    return print != nullptr ? *print : GetAppPrintConfig();
}

void CPageLayout::DrawDateSeparator(CDC* dc, int kind, int x1, int y1, int x2, int y2) const {
    if (dc == nullptr) {
        return;
    }
    const CConfigPrint& print = GetPrintConfig();
    int fine = kFineNone;
    switch (kind) {
    case kSeparatorVertical:
        fine = print.GetKeisenVertical();
        break;
    case kSeparatorMajor:
        fine = print.GetKeisenVertical() == kFineNone ? kFineNone : kFineSolid;
        break;
    case kSeparatorNone:
        fine = kFineNone;
        break;
    default:
        fine = print.GetKeisenHorizontal();
        break;
    }
    // A byte the settings dialog never writes draws the standard dotted line.
    if (fine < kFineDotted || fine > kFineNone) {
        fine = kFineDotted;
    }

    if (m_outputMode == 0) {
        if (fine == kFineNone) {
            return;
        }
        const bool blackBack = GetDrawSettings().blackBack;
        COLORREF color = blackBack ? kDarkGrey : kLightGrey;
        if (kind == kSeparatorMajor) {
            color = blackBack ? kLightGrey : kDarkGrey;
        }
        DrawStyledPolyline(dc, x1, y1, x2, y2, 0, 0, color, R2_COPYPEN, OPAQUE);
        return;
    }

    // A metafile and output mode 2 cannot show the faint dot pattern.
    if (fine == kFineFaint && (m_outputMode == 2 || dc->IsMetafile())) {
        fine = kFineDotted;
    }
    switch (fine) {
    case kFineDotted:
        if (print.GetKeisenDotFlag() == 0 || m_outputMode == 2) {
            DrawStyledPolyline(dc, x1, y1, x2, y2, 2, 0, kBlack, R2_COPYPEN, OPAQUE);
        } else {
            SetLineModes(dc);
            DrawPrintDotLine(dc, x1, y1, x2, y2, 2, print.GetKeisenDotWidth(), kBlack,
                             print.GetKeisenDotLen(), print.GetKeisenDotItv());
        }
        break;
    case kFineFaint:
        DrawDotLine(dc, x1, y1, x2, y2, 7, print.GetKeisenDot2Width(), kBlack, R2_COPYPEN, OPAQUE);
        break;
    case kFineSolid:
        if (kind == kSeparatorMajor) {
            DrawStyledPolyline(dc, x1, y1, x2, y2, 0, 0, kBlack, R2_COPYPEN, OPAQUE);
        } else {
            // The print colour is printed as chosen, not as the printer's nearest colour.
            const ExactColors exact(dc);
            DrawStyledPolyline(dc, x1, y1, x2, y2, 6, 1, print.GetColor(), R2_COPYPEN, OPAQUE);
        }
        break;
    default:
        break;
    }
}

void CPageLayout::DrawKeisenLine(CDC* dc, int column, int row, int x1, int y1, int x2, int y2,
                                 int lineType, int orientation, int width, int gap) const {
    if (dc == nullptr) {
        return;
    }
    switch (lineType) {
    case kKeisenSolid:
    case kKeisenThin:
        DrawStyledPolyline(dc, x1, y1, x2, y2, 0, width, kBlack, R2_COPYPEN, OPAQUE);
        return;
    case kKeisenBold: {
        const int h = width / 2;
        if (orientation == kKeisenChartRow) {
            x1 += h;
        } else if (orientation == kKeisenColumn) {
            y1 -= h;
            y2 += h;
        } else {
            x1 += h;
            x2 -= h;
        }
        DrawStyledPolyline(dc, x1, y1, x2, y2, 0, width, kBlack, R2_COPYPEN, OPAQUE);
        return;
    }
    case kKeisenDouble:
        break;
    default:
        return;
    }

    const bool printing = m_outputMode != 0;
    const bool pixelMode =
        m_outputMode == 2 || (m_outputMode == 0 && !GetDrawSettings().embeddedPicture &&
                              m_overviewView == nullptr && !m_overview);

    if (orientation == kKeisenChartRow) {
        if (!pixelMode) {
            const int s = (gap + width) / 2;
            DrawStyledPolyline(dc, x1, y1 + s, x2, y2 + s, 0, width, kBlack, R2_COPYPEN, OPAQUE);
            DrawStyledPolyline(dc, x1, y1 - s, x2, y2 - s, 0, width, kBlack, R2_COPYPEN, OPAQUE);
            return;
        }
        const CPoint a = DevicePoint(dc, x1, y1);
        const CPoint b = DevicePoint(dc, x2, y2);
        const int d = DeviceOffset(dc, printing, kPrintStrandOffset, LOGPIXELSY);
        PixelPen pen(dc);
        pen.Begin();
        pen.Line(CPoint(a.x, a.y - d), CPoint(b.x, b.y - d));
        pen.Line(CPoint(a.x, a.y + d), CPoint(b.x, b.y + d));
        return;
    }

    const ItemGrid grid(*this);
    const bool vertical = orientation == kKeisenColumn;
    const StrandShifts shifts =
        vertical ? VerticalShifts(grid, row, column) : HorizontalShifts(grid, row, column);

    if (!pixelMode) {
        const int s = (gap + width) / 2;
        for (int strand = 0; strand < 2; ++strand) {
            const int across = strand == 0 ? -s : s;
            if (vertical) {
                // y upwards: the top end is shortened downwards.
                const int top = y1 + s * shifts.shift[strand][0];
                const int bottom = y2 - s * shifts.shift[strand][1];
                DrawStyledPolyline(dc, x1 + across, top, x2 + across, bottom, 0, width, kBlack,
                                   R2_COPYPEN, OPAQUE);
            } else {
                const int left = x1 - s * shifts.shift[strand][0];
                const int right = x2 + s * shifts.shift[strand][1];
                // Strand 0 is the upper one.
                DrawStyledPolyline(dc, left, y1 - across, right, y2 - across, 0, width, kBlack,
                                   R2_COPYPEN, OPAQUE);
            }
        }
        return;
    }

    // Pixel mode: device units. The strands and ends move by whole device units in the
    // directions that are up and right on the chart (the flipped-y option turns y over).
    const CPoint a = DevicePoint(dc, x1, y1);
    const CPoint b = DevicePoint(dc, x2, y2);
    const CPoint origin = DevicePoint(dc, 0, 0);
    const int up = DevicePoint(dc, 0, 1000).y < origin.y ? -1 : 1;
    const int right = DevicePoint(dc, 1000, 0).x < origin.x ? -1 : 1;
    const int dx = right * DeviceOffset(dc, printing, kPrintStrandOffset, LOGPIXELSX);
    const int dy = up * DeviceOffset(dc, printing, kPrintStrandOffset, LOGPIXELSY);
    // An enclosed cell's frame runs from its corner to the far corner (converted before the
    // device units are set).
    const bool framed = vertical && grid.Enclosed(row, column);
    const CPoint corner =
        framed ? DevicePoint(dc, ColumnToX(column, -1), RowToY(row, -1)) : CPoint();
    const CPoint far = framed ? DevicePoint(dc, ColumnToX(column, 1), RowToY(row, 1)) : CPoint();
    PixelPen pen(dc);
    pen.Begin();
    if (vertical) {
        // Strand 0 is the inner strand of this cell, strand 1 that of the cell on the right.
        const bool skip[2] = {grid.Enclosed(row, column), grid.Enclosed(row, column + 1)};
        for (int strand = 0; strand < 2; ++strand) {
            if (!skip[strand]) {
                const int x = a.x + (strand == 0 ? -dx : dx);
                pen.Line(CPoint(x, a.y + dy * shifts.shift[strand][0]),
                         CPoint(x, b.y - dy * shifts.shift[strand][1]));
            }
        }
    } else {
        // Strand 0 is the inner strand of this cell, strand 1 that of the cell below.
        const bool skip[2] = {grid.Enclosed(row, column), grid.Enclosed(row + 1, column)};
        for (int strand = 0; strand < 2; ++strand) {
            if (!skip[strand]) {
                const int y = a.y + (strand == 0 ? dy : -dy);
                pen.Line(CPoint(a.x - dx * shifts.shift[strand][0], y),
                         CPoint(b.x + dx * shifts.shift[strand][1], y));
            }
        }
    }

    // The frame of an enclosed cell is drawn once, with its right edge: from the cell's corner
    // moved inwards (outwards under the table's frame at the first row and column) to the
    // inner strands of its right and bottom edges.
    if (framed) {
        const int ox = right * DeviceOffset(dc, printing, kPrintFrameOutset, LOGPIXELSX);
        const int oy = up * DeviceOffset(dc, printing, kPrintFrameOutset, LOGPIXELSY);
        const int left = column == 0 ? corner.x - ox : corner.x + dx;
        const int top = row == grid.First() ? corner.y + oy : corner.y - dy;
        const int farX = far.x - dx;
        const int farY = far.y + dy;
        pen.Frame(std::min(left, farX), std::min(top, farY), std::max(left, farX),
                  std::max(top, farY));
    }
}

void CPageLayout::DrawKoumokuGrid(CDC* dc) const {
    if (dc == nullptr) {
        return;
    }
    const ItemGrid grid(*this);
    const int columns = grid.Columns();
    if (columns <= 0 || grid.Last() < grid.First()) {
        return;
    }
    const CRect rect = m_clipPass ? GetGridRect() : GetKoumokuRect();

    // Only the rows near the clip box are walked (all of them for the embedded picture and on
    // a device without a clip box).
    int firstRow = grid.First();
    int lastRow = grid.Last();
    CRect box;
    const int region = dc->GetClipBox(&box);
    // (YToRow follows the rows of this pass unless the clip pass runs unscrolled.)
    const bool rowsFollowY = !m_clipPass || m_scrolledDown;
    if (rowsFollowY && !GetDrawSettings().embeddedPicture && region != NULLREGION &&
        region != RGN_ERROR) {
        const int high = std::max(FY(box.top), FY(box.bottom)) + kGridClipReach;
        const int low = std::min(FY(box.top), FY(box.bottom)) - kGridClipReach;
        if (high < rect.top) {
            firstRow = std::max(firstRow, YToRow(high) - 1);
        }
        if (low > rect.bottom) {
            lastRow = std::min(lastRow, YToRow(low) + 1);
        }
        if (lastRow < firstRow) {
            return;
        }
    }

    const auto drawRun = [&](int type, int column, int row, int x1, int y1, int x2, int y2,
                             bool columnLine) {
        const int orientation = columnLine ? kKeisenColumn : kKeisenRow;
        switch (type) {
        case kKeisenFine:
            DrawDateSeparator(dc, columnLine ? kSeparatorVertical : kSeparatorHorizontal, x1, y1,
                              x2, y2);
            break;
        case kKeisenSolid:
            DrawKeisenLine(dc, column, row, x1, y1, x2, y2, type, orientation, kSolidWidth, 0);
            break;
        case kKeisenThin:
            DrawKeisenLine(dc, column, row, x1, y1, x2, y2, type, orientation, kThinWidth, 0);
            break;
        case kKeisenBold:
            DrawKeisenLine(dc, column, row, x1, y1, x2, y2, type, orientation, kBoldWidth, 0);
            break;
        case kKeisenDouble:
            DrawKeisenLine(dc, column, row, x1, y1, x2, y2, type, orientation, kDoubleWidth,
                           kDoubleGap);
            break;
        default:
            break;
        }
    };

    // Column lines: runs of equal type down each column border; double lines cell by cell.
    for (int c = 0; c <= columns - 2; ++c) {
        const int x = ColumnToX(c, 1);
        int runStart = firstRow == grid.First() ? rect.top - 2 : RowToY(firstRow, -1);
        int runType = grid.Right(firstRow, c);
        int y = runStart;
        for (int r = firstRow; r <= lastRow + 1; ++r) {
            const int t = r <= lastRow ? grid.Right(r, c) : runType;
            if (r > firstRow && (r == lastRow + 1 || t != runType || runType == kKeisenDouble)) {
                drawRun(runType, c, r - 1, x, runStart, x, y, true);
                runStart = y;
                runType = t;
            }
            if (r <= lastRow) {
                y = RowToY(r, 1);
            }
        }
    }

    // Row lines: runs of equal type along each row's bottom.
    const int rowEnd = std::min(grid.LastRowLine(), lastRow);
    for (int r = firstRow; r <= rowEnd; ++r) {
        const int y = RowToY(r, 1);
        int runStart = rect.left + 2;
        int runType = grid.Bottom(r, 0);
        for (int c = 1; c <= columns; ++c) {
            const int t = c < columns ? grid.Bottom(r, c) : runType;
            if (c == columns || t != runType || runType == kKeisenDouble) {
                const int x = ColumnToX(c - 1, 1);
                drawRun(runType, c - 1, r, runStart, y, x, y, false);
                runStart = x;
                runType = t;
            }
        }
    }
}

void CPageLayout::DrawRowLines(CDC* dc, const CRect& clipRect) const {
    if (dc == nullptr) {
        return;
    }
    const CKoumoku* table = m_doc != nullptr ? m_doc->GetKoumoku() : nullptr;
    const bool clipPass = m_clipPass != FALSE;
    const int first = clipPass ? m_altFirstRow : m_firstRow;
    const int end = clipPass ? m_altLastRow + 1 : kMaxRow + 1;
    const int x1 = clipPass ? GetChartGridRect().left : GetChartRect().left;
    const int x2 = GetEditRect().right;
    const int bodyBottom = GetEditRect().bottom;

    const int high = std::max(FY(clipRect.top), FY(clipRect.bottom)) + kRowClipMargin;
    const int low = std::min(FY(clipRect.top), FY(clipRect.bottom)) - kRowClipMargin;
    // The rows whose line lies above the clip rectangle are skipped without a look (YToRow
    // follows the rows of this pass unless the clip pass runs unscrolled).
    int r = first;
    if ((!clipPass || m_scrolledDown) && high < RowToY(first, -1)) {
        r = std::max(first, YToRow(high) - 2);
    }
    for (; r < end && r <= kMaxRow; ++r) {
        const int y = RowToY(r, 1);
        if (y <= bodyBottom || y < low) {
            break;
        }
        if (y > high) {
            continue;
        }
        int type = table != nullptr ? NormalType(static_cast<short>(table->GetKeisenType(r))) : 0;
        if (m_outputMode == 0 && r == m_altLastRow) {
            type = kKeisenSolid;
        }
        switch (type) {
        case kKeisenFine:
            DrawDateSeparator(dc, kSeparatorHorizontal, x1, y, x2, y);
            break;
        case kKeisenSolid:
            DrawKeisenLine(dc, 0, r, x1, y, x2, y, type, kKeisenChartRow, kSolidWidth, 0);
            break;
        case kKeisenThin:
            DrawKeisenLine(dc, 0, r, x1, y, x2, y, type, kKeisenChartRow, kThinWidth, 0);
            break;
        case kKeisenBold:
            DrawKeisenLine(dc, 0, r, x1, y, x2, y, type, kKeisenChartRow, kBoldWidth, 0);
            break;
        case kKeisenDouble:
            DrawKeisenLine(dc, 0, r, x1, y, x2, y, type, kKeisenChartRow, kDoubleWidth, kDoubleGap);
            break;
        default:
            break;
        }
    }
}

} // namespace tembra
