#include "layout_editor/core/PHeadMojiData.h"

#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"

#include <algorithm>
#include <cstdlib>

namespace marquell {

IMPLEMENT_SERIAL(CPHeadMojiData, CLayoutData, 1)

namespace {

// The laid-out lines' extent united with the rectangle.
CRect Covering(const CRect& rect, const std::vector<CPHeadMojiData::TextLine>& lines, int height,
               int width) {
    CRect out = rect;
    for (const CPHeadMojiData::TextLine& line : lines) {
        const LONG right = line.at.x + width * static_cast<LONG>(line.text.size());
        out.left = std::min(out.left, line.at.x);
        out.right = std::max(out.right, right);
        out.top = std::max(out.top, line.at.y);
        out.bottom = std::min(out.bottom, line.at.y - height);
    }
    return out;
}

} // namespace

std::vector<CPHeadMojiData::TextLine> CPHeadMojiData::LayOut(std::string_view text) const {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        // A CR is never a byte of a double-byte character.
        const std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    const CRect rect = NormalizedLayoutRect(GetFrameRect());
    const int height = std::abs(m_font.lfHeight);
    const int width = m_font.lfWidth;
    const LONG count = static_cast<LONG>(parts.size());
    LONG y = rect.top;
    if (m_vCenter != 0) {
        y -= ((rect.top - rect.bottom) - height * count) / 2;
    }
    std::vector<TextLine> lines;
    lines.reserve(parts.size());
    for (const std::string_view part : parts) {
        LONG x = rect.left;
        if (m_hCenter != 0) {
            x += (rect.Width() - width * static_cast<LONG>(part.size())) / 2;
        }
        lines.push_back({part, CPoint(x, y)});
        y -= height;
    }
    return lines;
}

void CPHeadMojiData::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (mode == kDrawFeedbackInverted || mode == kDrawFeedbackCopied) {
        CLayoutData::Draw(dc, view, mode);
        return;
    }
    DrawLaidOutText(dc, view, m_text, IsSelected() ? kSelectedColor : m_color);
}

void CPHeadMojiData::DrawLaidOutText(CDC* dc, const ILayoutView& view, std::string_view text,
                                     COLORREF color) const {
    LOGFONT font = m_font;
    font.lfHeight = view.Scale(m_font.lfHeight);
    font.lfWidth = view.Scale(m_font.lfWidth);
    for (const TextLine& line : LayOut(text)) {
        if (line.text.empty()) {
            continue;
        }
        const CPoint at = view.ToView(line.at);
        DrawTextAt(dc, at.x, at.y, &font, color, line.text, tembra::TA_TOP | tembra::TA_LEFT,
                   tembra::R2_COPYPEN, tembra::TRANSPARENT);
    }
}

CRect CPHeadMojiData::Cover(std::string_view text) const {
    return Covering(NormalizedLayoutRect(GetFrameRect()), LayOut(text), std::abs(m_font.lfHeight),
                    m_font.lfWidth);
}

CRect CPHeadMojiData::GetRect() const {
    return Cover(m_text);
}

BOOL CPHeadMojiData::HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const {
    const CRect rect = NormalizedLayoutRect(GetFrameRect());
    if (rect.left == rect.right || rect.top == rect.bottom) {
        return FALSE;
    }
    if (CLayoutData::HitTest(left, top, right, bottom, wholeInside)) {
        return TRUE;
    }
    const int height = std::abs(m_font.lfHeight);
    const int width = std::abs(m_font.lfWidth);
    if (height == 0 || width == 0) {
        return TRUE;
    }
    LONG longest = 0;
    const std::vector<TextLine> lines = LayOut(HitText());
    for (const TextLine& line : lines) {
        longest = std::max(longest, static_cast<LONG>(line.text.size()));
    }
    const CRect extent(rect.left, rect.top, rect.left + longest * width,
                       rect.top - static_cast<LONG>(lines.size()) * height);
    const LayoutQuery q = MakeLayoutQuery(left, top, right, bottom);
    const bool hit =
        wholeInside && !q.point ? LayoutRectHolds(q.rect, extent) : LayoutRectsMeet(q.rect, extent);
    return hit ? TRUE : FALSE;
}

std::unique_ptr<CLayoutData> CPHeadMojiData::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CPHeadMojiData(*this));
}

} // namespace marquell
