#include "layout_editor/core/LayoutDraw.h"

#include "layout_editor/core/LayoutPatterns.h"
#include "platform/GdiObjects.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace marquell {

namespace {

using tembra::CBitmap;
using tembra::CBrush;
using tembra::CFont;
using tembra::CPen;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(192, 192, 192);

// How a printer with wide-line emulation draws a styled line of a positive width: as this many
// one-pixel strokes, a pixel being this many logical units (0.1 mm over the dots per inch). No
// strokes when the line takes one pen, also on a device that reports no resolution.
struct Emulation {
    int strokes = 0;
    double pixel = 0.0;
};

Emulation WideLineEmulation(const CDC* dc, int style, int width) {
    if (!dc->IsPrinting() || !dc->GetDrawOptions().styledDraw || style == 0 || width <= 0) {
        return {};
    }
    const int dpiX = dc->GetDeviceCaps(tembra::LOGPIXELSX);
    const int dpiY = dc->GetDeviceCaps(tembra::LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) {
        return {};
    }
    const double pixel = std::max(254.0 / dpiX, 254.0 / dpiY);
    return {std::max(1, static_cast<int>(width / pixel)), pixel};
}

// The offsets of the strokes: from -(n - n / 2) pixels upward, n in all.
int FirstStroke(int strokes) {
    return -(strokes - strokes / 2);
}

// The style after the screen and printer substitutions (the colour may turn grey); nothing when
// the pen draws nothing at all.
std::optional<int> MapStyle(const CDC* dc, int style, int width, COLORREF& colour) {
    if (dc->IsPrinting()) {
        return style == -1 ? static_cast<int>(tembra::PS_NULL) : style;
    }
    if (style == static_cast<int>(tembra::PS_NULL)) {
        colour = kGrey;
        return static_cast<int>(tembra::PS_SOLID);
    }
    if (style == -1) {
        if (width < 1) {
            return std::nullopt;
        }
        colour = kGrey;
        return static_cast<int>(tembra::PS_DOT);
    }
    return style;
}

// A pen style the platform makes: negative styles draw nothing, unknown ones solid.
int PenStyle(int style) {
    if (style < 0) {
        return tembra::PS_NULL;
    }
    return style > static_cast<int>(tembra::PS_INSIDEFRAME) ? static_cast<int>(tembra::PS_SOLID)
                                                            : style;
}

void SetModes(CDC* dc, int mixMode, int bkMode) {
    if (bkMode >= 0 && bkMode != dc->GetBkMode()) {
        dc->SetBkMode(bkMode);
    }
    if (mixMode >= 0 && mixMode != dc->GetROP2()) {
        dc->SetROP2(mixMode);
    }
}

// Rounds down to a multiple of 8.
int Align8(int v) {
    return v - ((v % 8) + 8) % 8;
}

// Selects a pen for its life; selects the old one back and deletes it when it goes.
class PenScope {
public:
    PenScope(CDC* dc, int style, int width, COLORREF colour) : m_dc(dc) {
        if (m_pen.CreatePen(PenStyle(style), std::max(width, 0), colour)) {
            m_old = dc->SelectObject(&m_pen);
        }
    }
    ~PenScope() {
        if (m_old != nullptr) {
            m_dc->SelectObject(m_old);
        }
        m_pen.DeleteObject();
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC* m_dc;
    CPen m_pen;
    CPen* m_old = nullptr;
};

// The brush of a brush code for the life of the object; a pattern draws its ink in the brush
// colour, its cell aligned to the device's 8-pixel grid. Everything is put back when it goes.
class BrushScope {
public:
    BrushScope(CDC* dc, const CRect& rect, int code, COLORREF colour) : m_dc(dc) {
        if (code == kBrushSolid) {
            m_brush.CreateSolidBrush(colour);
        } else if (code >= 0 && code <= tembra::HS_DIAGCROSS) {
            m_brush.CreateHatchBrush(code, colour);
        } else if (code >= kBrushPattern90 && code <= kBrushPattern91 + 7) {
            const tembra::PatternBits* bits =
                FindLayoutPattern(code == kBrushPattern90 ? kPatternFill90 : kPatternFill91);
            CBitmap bitmap;
            if (bits != nullptr && tembra::MakePatternBitmap(*bits, bitmap) &&
                m_brush.CreatePatternBrush(&bitmap)) {
                CPoint corner = rect.TopLeft();
                dc->LPtoDP(&corner);
                m_oldOrigin = dc->SetBrushOrg(Align8(corner.x), Align8(corner.y));
                m_oldText = dc->SetTextColor(colour);
                m_pattern = true;
            }
        }
        if (m_brush.GetSafeHandle() != nullptr) {
            m_old = dc->SelectObject(&m_brush);
        } else {
            m_old = static_cast<CBrush*>(dc->SelectStockObject(tembra::NULL_BRUSH));
        }
    }
    ~BrushScope() {
        if (m_old != nullptr) {
            m_dc->SelectObject(m_old);
        }
        if (m_pattern) {
            m_dc->SetTextColor(m_oldText);
            m_dc->SetBrushOrg(m_oldOrigin);
        }
        m_brush.DeleteObject();
    }
    BrushScope(const BrushScope&) = delete;
    BrushScope& operator=(const BrushScope&) = delete;

private:
    CDC* m_dc;
    CBrush m_brush;
    CBrush* m_old = nullptr;
    bool m_pattern = false;
    CPoint m_oldOrigin;
    COLORREF m_oldText = 0;
};

// One rectangle with one pen (the printer emulation aside).
void DrawRectWithOnePen(CDC* dc, const CRect& rect, int style, int width, COLORREF colour,
                        int brushCode, COLORREF brushColour, int mixMode, int bkMode) {
    width = std::max(width, 0);
    const std::optional<int> mapped = MapStyle(dc, style, width, colour);
    COLORREF background = kWhite;
    SetUpColours(dc, colour, background);
    COLORREF fill = brushColour;
    SetUpColours(dc, fill, background);
    const PenScope pen(dc, mapped.value_or(-1), width, colour);
    const BrushScope brush(dc, rect, brushCode, fill);
    SetModes(dc, mixMode, bkMode);
    dc->Rectangle(rect.left, rect.top, rect.right + width, rect.bottom - width);
}

} // namespace

void SetUpColours(CDC* dc, COLORREF& colour, COLORREF& background) {
    if (dc == nullptr) {
        return;
    }
    if (dc->IsPrinting() && dc->GetDrawOptions().colorMatch) {
        colour = dc->GetNearestColor(colour);
        background = dc->GetNearestColor(background);
    }
    dc->SetBkColor(kWhite);
}

BOOL DrawLine(CDC* dc, int x1, int y1, int x2, int y2, int style, int width, COLORREF colour,
              int mixMode, int bkMode) {
    if (dc == nullptr) {
        return FALSE;
    }
    const Emulation emulation = WideLineEmulation(dc, style, width);
    if (emulation.strokes > 0) {
        // Parallel strokes one pixel apart, across the line.
        const double angle =
            x1 == x2 && y1 == y2 ? 0.0 : std::atan2(static_cast<double>(y2 - y1), x2 - x1);
        const double acrossX = -std::sin(angle) * emulation.pixel;
        const double acrossY = std::cos(angle) * emulation.pixel;
        const int first = FirstStroke(emulation.strokes);
        for (int k = first; k < first + emulation.strokes; ++k) {
            const int dx = static_cast<int>(std::lround(acrossX * k));
            const int dy = static_cast<int>(std::lround(acrossY * k));
            DrawLine(dc, x1 + dx, y1 + dy, x2 + dx, y2 + dy, style, 0, colour, mixMode, bkMode);
        }
        return TRUE;
    }
    const std::optional<int> mapped = MapStyle(dc, style, width, colour);
    if (!mapped) {
        return TRUE;
    }
    COLORREF background = kWhite;
    SetUpColours(dc, colour, background);
    const PenScope pen(dc, *mapped, width, colour);
    SetModes(dc, mixMode, bkMode);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    return TRUE;
}

BOOL DrawRect(CDC* dc, const CRect& rect, int style, int width, COLORREF colour, int brushCode,
              COLORREF brushColour, int mixMode, int bkMode) {
    if (dc == nullptr) {
        return FALSE;
    }
    const Emulation emulation = WideLineEmulation(dc, style, width);
    if (emulation.strokes > 0) {
        // The fill without a frame, then the frame as nested one-pixel frames across the band
        // the wide pen would cover.
        DrawRectWithOnePen(dc, rect, -1, width, colour, brushCode, brushColour, mixMode, bkMode);
        const CRect outer(rect.left, rect.top, rect.right + width, rect.bottom - width);
        const int first = FirstStroke(emulation.strokes);
        for (int k = first; k < first + emulation.strokes; ++k) {
            const int d = static_cast<int>(std::lround(emulation.pixel * k));
            const CRect frame(outer.left - d, outer.top + d, outer.right + d, outer.bottom - d);
            DrawRectWithOnePen(dc, frame, style, 0, colour, kBrushHollow, brushColour, mixMode,
                               bkMode);
        }
        return TRUE;
    }
    DrawRectWithOnePen(dc, rect, style, width, colour, brushCode, brushColour, mixMode, bkMode);
    return TRUE;
}

BOOL DrawTextAt(CDC* dc, int x, int y, const LOGFONT* font, COLORREF colour,
                std::string_view textCp932, UINT align, int mixMode, int bkMode) {
    if (dc == nullptr) {
        return FALSE;
    }
    if (font != nullptr && (font->lfHeight == 0 || font->lfWidth == 0)) {
        return FALSE;
    }
    const int mix = mixMode < 0 ? dc->GetROP2() : mixMode;
    if (mix != tembra::R2_COPYPEN) {
        return tembra::DrawStyledText(dc, x, y, font, colour, textCp932, align, mix, bkMode) != 0
                   ? TRUE
                   : FALSE;
    }
    CFont made;
    CFont* oldFont = nullptr;
    if (font != nullptr && made.CreateFontIndirect(font)) {
        oldFont = dc->SelectObject(&made);
    }
    COLORREF background = kWhite;
    SetUpColours(dc, colour, background);
    const UINT oldAlign = dc->SetTextAlign(align);
    SetModes(dc, -1, bkMode);
    const COLORREF oldColour = dc->SetTextColor(colour);
    dc->TextOut(x, y, textCp932);
    dc->SetTextColor(oldColour);
    dc->SetTextAlign(oldAlign);
    if (oldFont != nullptr) {
        dc->SelectObject(oldFont);
    }
    return TRUE;
}

BOOL DrawDottedLine(CDC* dc, int x1, int y1, int x2, int y2, COLORREF colour, int mixMode,
                    int bkMode) {
    if (dc == nullptr) {
        return FALSE;
    }
    if (!dc->IsPrinting()) {
        return DrawLine(dc, x1, y1, x2, y2, tembra::PS_DOT, 0, colour, mixMode, bkMode);
    }
    // On paper the dots of a pen would run together: a one-pixel band of a dot pattern instead,
    // drawn in device pixels.
    CPoint ends[2] = {CPoint(x1, y1), CPoint(x2, y2)};
    dc->LPtoDP(ends, 2);
    CRect band(std::min(ends[0].x, ends[1].x), std::min(ends[0].y, ends[1].y),
               std::max(ends[0].x, ends[1].x), std::max(ends[0].y, ends[1].y));
    if (ends[0].x == ends[1].x) {
        ++band.right;
    }
    if (ends[0].y == ends[1].y) {
        ++band.bottom;
    }
    const bool vertical = ends[0].x == ends[1].x && ends[0].y != ends[1].y;
    const tembra::PatternBits* bits =
        FindLayoutPattern(vertical ? kPatternDotVertical : kPatternDotHorizontal);
    CBitmap bitmap;
    CBrush brush;
    if (bits == nullptr || !tembra::MakePatternBitmap(*bits, bitmap) ||
        !brush.CreatePatternBrush(&bitmap)) {
        return FALSE;
    }
    COLORREF background = kWhite;
    SetUpColours(dc, colour, background);
    const int saved = dc->SaveDC();
    dc->SetMapMode(tembra::MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    dc->SetBrushOrg(Align8(band.left), Align8(band.top));
    dc->SetBkMode(tembra::TRANSPARENT);
    dc->SetTextColor(colour);
    dc->SelectObject(&brush);
    dc->FillRect(&band, &brush);
    dc->RestoreDC(saved);
    return TRUE;
}

} // namespace marquell
