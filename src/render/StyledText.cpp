// Text drawn in the styled way: the colour matched to the device, and as feedback (a raster
// operation other than copying) through a memory bitmap whose background XORs to nothing.
#include "render/DrawSettings.h"
#include "render/StyledDraw.h"
#include "render/StyledDrawColors.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tembra {

using styled::FlipY;
using styled::FY;
using styled::MatchBackground;
using styled::MatchColor;

int DrawStyledText(CDC* dc, int x, int y, const LOGFONT* font, COLORREF color,
                   std::string_view textCp932, UINT align, int rop2, int bkMode) {
    if (dc == nullptr) {
        return 0;
    }
    color = MatchColor(dc, color);
    MatchBackground(dc);
    CFont made;
    CFont* oldFont = nullptr;
    if (font != nullptr) {
        if (font->lfHeight == 0) {
            return 0;
        }
        LOGFONT lf = *font;
        if (FlipY() && lf.lfEscapement == 901) {
            lf.lfEscapement = -901;
            lf.lfOrientation = -901;
        }
        made.CreateFontIndirect(&lf);
        oldFont = dc->SelectObject(&made);
    }
    struct FontBack {
        CDC* dc;
        CFont* old;
        ~FontBack() {
            if (old != nullptr) {
                dc->SelectObject(old);
            }
        }
    } fontBack{dc, oldFont};

    const int rop = rop2 < 0 ? dc->GetROP2() : rop2;
    if (rop == R2_COPYPEN) {
        const bool alignSet = align != 0xFFFF;
        if (alignSet) {
            dc->SetTextAlign(align);
        }
        if (bkMode >= 0 && bkMode != dc->GetBkMode()) {
            dc->SetBkMode(bkMode);
        }
        const COLORREF oldText = dc->SetTextColor(color);
        dc->TextOut(x, FY(y), textCp932);
        dc->SetTextColor(oldText);
        if (alignSet) {
            dc->SetTextAlign(0);
        }
        return 1;
    }

    // Feedback: the text goes through a memory bitmap whose background XORs to nothing.
    const bool blackBack = GetDrawSettings().blackBack;
    const UINT alignment = align != 0xFFFF ? align : dc->GetTextAlign();
    const CSize extent = dc->GetTextExtent(textCp932);
    const LONG w = extent.cx;
    const LONG h = extent.cy;
    const bool turned = dc->CurrentFont().lfEscapement % 3600 != 0;
    std::unique_ptr<CDC> mem = dc->CreateCompatibleDC();
    if (!mem) {
        return 0;
    }
    // A quarter of the device, grown where the text needs more room. A turned text is drawn
    // about the middle of a square that holds it whichever way it runs.
    const double ax = std::abs(dc->ScaleX());
    const double ay = std::abs(dc->ScaleY());
    const LONG reach = static_cast<LONG>(std::ceil((w + h) * std::max(ax, ay))) + 2;
    LONG bw = dc->GetDeviceCaps(HORZRES) / 4;
    LONG bh = dc->GetDeviceCaps(VERTRES) / 4;
    if (turned) {
        bw = std::max(bw, 2 * reach);
        bh = std::max(bh, 2 * reach);
    } else {
        bw = std::max(bw, static_cast<LONG>(std::ceil(w * ax)) + 2);
        bh = std::max(bh, static_cast<LONG>(std::ceil(h * ay)) + 2);
    }
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(dc, bw, bh)) {
        return 0;
    }
    CBitmap* oldBitmap = mem->SelectObject(&bitmap);
    mem->PatBlt(0, 0, bw, bh, blackBack ? BLACKNESS : WHITENESS);
    // The memory bitmap draws in the same units as the device, from its own corner (or, for a
    // turned text, from its middle).
    mem->SetMapMode(dc->GetMapMode());
    if (dc->GetMapMode() == MM_ISOTROPIC || dc->GetMapMode() == MM_ANISOTROPIC) {
        mem->SetWindowExt(dc->GetWindowExt());
        mem->SetViewportExt(dc->GetViewportExt());
    }
    if (turned) {
        mem->SetViewportOrg(bw / 2, bh / 2);
        mem->SetTextAlign(alignment & (TA_HORZ_MASK | TA_VERT_MASK));
    }
    CFont memFont;
    memFont.CreateFontIndirect(&dc->CurrentFont());
    CFont* memOld = mem->SelectObject(&memFont);
    mem->SetBkMode(TRANSPARENT);
    mem->SetTextColor(color);
    mem->TextOut(0, 0, textCp932);
    mem->SelectObject(memOld);
    // Back to pixels, so that the source corner of the transfer is (0, 0).
    mem->SetMapMode(MM_TEXT);
    mem->SetViewportOrg(0, 0);
    if (!blackBack) {
        mem->PatBlt(0, 0, bw, bh, DSTINVERT);
    }
    if (turned) {
        // The square goes centred on the text's reference point.
        CPoint ref(x, FY(y));
        dc->LPtoDP(&ref);
        CRect target(ref.x - bw / 2, ref.y - bh / 2, ref.x - bw / 2 + bw, ref.y - bh / 2 + bh);
        dc->DPtoLP(&target);
        dc->BitBlt(target.left, target.top, target.Width(), target.Height(), mem.get(), 0, 0,
                   SRCINVERT);
    } else {
        LONG left = x;
        LONG top = FY(y);
        if ((alignment & TA_HORZ_MASK) == TA_RIGHT) {
            left -= w;
        } else if ((alignment & TA_HORZ_MASK) == TA_CENTER) {
            left -= w / 2;
        }
        // "Up" on the device is +y under a y-up mapping.
        const LONG up = dc->ScaleY() < 0 ? 1 : -1;
        const UINT vertical = alignment & TA_VERT_MASK;
        if (vertical == TA_BOTTOM || vertical == TA_BASELINE) {
            top += up * h;
        }
        dc->BitBlt(left, top, w, -up * h, mem.get(), 0, 0, SRCINVERT);
    }
    mem->SelectObject(oldBitmap);
    return 1;
}

} // namespace tembra
