#include "controls/GraphSampleButton.h"

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "render/PatternBitmaps.h"

namespace tembra {

namespace {

constexpr int kSampleInset = 5;
constexpr int kHollow = 999;
constexpr int kSolid = 99;
constexpr int kSolidWhite = 100;
constexpr int kFirstBitmapPattern = 90;

} // namespace

CGraphSampleButton::CGraphSampleButton(QWidget* parent) : COwnerDrawButton(parent) {}

void CGraphSampleButton::SetKind(int kind) {
    m_kind = kind;
    update();
}

void CGraphSampleButton::SetLineColor(COLORREF color) {
    m_lineColor = color;
    update();
}

void CGraphSampleButton::SetFillColor(COLORREF color) {
    m_fillColor = color;
    update();
}

void CGraphSampleButton::SetPattern(int pattern) {
    m_pattern = pattern;
    update();
}

void CGraphSampleButton::SetLineWidth(int widthCode) {
    m_lineWidth = widthCode;
    update();
}

void CGraphSampleButton::SetLineType(int type) {
    m_lineType = type;
    update();
}

std::vector<int> CGraphSampleButton::DashRuns(int type, int length) {
    switch (type) {
    case 1:
        return {length / 3, length / 3, length / 3};
    case 2: {
        const int part = length / 7;
        return {part, part, part, part, part, part, part};
    }
    case 3:
        return {length / 2, length / 4, length / 4};
    case 4:
        return {length / 3, length / 6, length / 6, length / 6, length / 6};
    default:
        return {length};
    }
}

void CGraphSampleButton::DrawItem(CDC& dc, const ItemState& state) {
    DrawFrame(dc, state);
    if (state.disabled) {
        return;
    }
    CRect sample = state.rect;
    sample.DeflateRect(kSampleInset, kSampleInset);
    if (m_kind == kPatternSample) {
        DrawPattern(dc, sample);
    } else {
        DrawLine(dc, sample);
    }
}

void CGraphSampleButton::DrawPattern(CDC& dc, const CRect& rect) const {
    int pattern = m_pattern;
    COLORREF fillColor = m_fillColor;
    if (pattern == kSolidWhite) {
        pattern = kSolid;
        fillColor = RGB(255, 255, 255);
    }
    CBrush brush;
    CBitmap bitmap;
    if (pattern == kSolid) {
        brush.CreateSolidBrush(fillColor);
    } else if (pattern >= HS_HORIZONTAL && pattern <= HS_DIAGCROSS) {
        brush.CreateHatchBrush(pattern, fillColor);
    } else if (pattern >= kFirstBitmapPattern && pattern != kHollow) {
        const PatternBits* bits = FindPatternBitmap(pattern == kFirstBitmapPattern ? 106 : 108);
        if (bits != nullptr && MakePatternBitmap(*bits, bitmap)) {
            brush.CreatePatternBrush(&bitmap);
        }
    }
    const int saved = dc.SaveDC();
    // A monochrome pattern inks in the text colour over the background colour.
    dc.SetTextColor(fillColor);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    CPen pen(PS_SOLID, 1, m_lineColor);
    dc.SelectObject(&pen);
    if (brush.GetSafeHandle() != nullptr) {
        dc.SelectObject(&brush);
    } else {
        // Hollow, and the hatch numbers past the six styles: the outline alone.
        dc.SelectStockObject(NULL_BRUSH);
    }
    dc.Rectangle(&rect);
    dc.RestoreDC(saved);
}

void CGraphSampleButton::DrawLine(CDC& dc, const CRect& rect) const {
    const COLORREF color = m_lineType == 5 ? RGB(128, 128, 128) : m_lineColor;
    const int middle = (rect.top + rect.bottom) / 2;
    int first = middle - 1;
    int rows = 3;
    if (m_lineWidth == 1) {
        first = middle;
        rows = 1;
    } else if (m_lineWidth == 2) {
        first = middle - 2;
        rows = 5;
    }
    const std::vector<int> runs = DashRuns(m_lineType, rect.Width());
    for (int row = first; row < first + rows; ++row) {
        int x = rect.left;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (i % 2 == 0) {
                dc.FillSolidRect(x, row, runs[i], 1, color);
            }
            x += runs[i];
        }
    }
}

} // namespace tembra
