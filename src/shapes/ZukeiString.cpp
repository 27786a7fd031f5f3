#include "shapes/ZukeiString.h"

#include "model/ByteField.h"
#include "model/DataHeader.h"
#include "model/DcUtility.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "platform/Sjis.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"
#include "render/StyledDrawColors.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string_view>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiString, CZukei2, 1)

// The 12 bytes of the text attributes the shape stores.
struct ZukeiStringFields {
    static constexpr ByteField<CZukeiString> kFields[] = {
        Field<&CZukeiString::m_textAttr, &CTextAttr::m_fontHeigh>(0),
        Field<&CZukeiString::m_textAttr, &CTextAttr::m_fontWidth>(2),
        Field<&CZukeiString::m_textAttr, &CTextAttr::m_form>(4),
        Field<&CZukeiString::m_textAttr, &CTextAttr::m_color>(6),
        Field<&CZukeiString::m_textAttr, &CTextAttr::m_attrb>(10),
    };
};
static_assert(FitsBlock(ZukeiStringFields::kFields, CZukeiString::kTextAttrSize));

namespace {

// The tag letters in CP932: 災, 対, 目, 実; the fifth tag has no letter.
constexpr std::string_view kTagLetters[] = {"", "\x8D\xD0", "\x91\xCE", "\x96\xDA", "\x8E\xC0", ""};

// The fill that keeps the text box white behind an edit window.
constexpr int kHatchWhite = 100;

// On the screen the text is laid out in device pixels with point fonts; printing, the preview
// and the embedded picture lay out in logical units every time.
bool OnScreen(const IZukeiView& view) {
    return view.GetPageLayout().GetOutputMode() == 0;
}

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

// The paragraphs of a text: every CR LF ends one; an empty text has one empty paragraph, a text
// ending in CR LF none after it. A lone CR or LF is an ordinary character.
std::vector<std::string_view> Paragraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            if (start < text.size() || paragraphs.empty()) {
                paragraphs.push_back(text.substr(start));
            }
            return paragraphs;
        }
        paragraphs.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

// The outline points of the frame kinds that are polygons, on (l, t, r, b) with the signed
// width and height; divisions truncate toward zero.
int FramePoints(WORD kind, const CRect& r, std::array<CPoint, 7>& p) {
    const LONG l = r.left;
    const LONG t = r.top;
    const LONG w = r.right - r.left;
    const LONG h = r.bottom - r.top;
    switch (kind) {
    case kZukeiDelta1:
        p[0] = {l, t};
        p[1] = {r.right, t};
        p[2] = {l + w / 2, r.bottom};
        return 3;
    case kZukeiDelta2:
        p[0] = {l, t};
        p[1] = {l, r.bottom};
        p[2] = {r.right, t + h / 2};
        return 3;
    case kZukeiArrow1:
        p[0] = {l + w / 4, t};
        p[1] = {l + 3 * w / 4, t};
        p[2] = {l + 3 * w / 4, t + 2 * h / 3};
        p[3] = {r.right, t + 2 * h / 3};
        p[4] = {l + w / 2, r.bottom};
        p[5] = {l, t + 2 * h / 3};
        p[6] = {l + w / 4, t + 2 * h / 3};
        return 7;
    case kZukeiArrow2:
        p[0] = {r.right, t + h / 2};
        p[1] = {l + 2 * w / 3, t};
        p[2] = {l + 2 * w / 3, t + h / 4};
        p[3] = {l, t + h / 4};
        p[4] = {l, t + 3 * h / 4};
        p[5] = {l + 2 * w / 3, t + 3 * h / 4};
        p[6] = {l + 2 * w / 3, r.bottom};
        return 7;
    case kZukeiDiamond:
        p[0] = {l, t + h / 2};
        p[1] = {l + w / 2, r.bottom};
        p[2] = {r.right, t + h / 2};
        p[3] = {l + w / 2, t};
        return 4;
    default:
        return 0;
    }
}

} // namespace

CZukeiString::CZukeiString() {
    CZukeiString::SetKind();
    m_textAttr.m_fontHeigh = 1;
    m_textAttr.m_fontWidth = 1;
    try {
        m_edit = std::make_unique<CZukeiStringEdit>();
    } catch (const std::bad_alloc&) {
        // Without the control the shape is drawn and stored as ever; it cannot be typed into.
    }
}

CZukeiString::~CZukeiString() = default;

// ---- Storage ----------------------------------------------------------------------------------

void CZukeiString::Serialize(CArchive& ar) {
    CZukei2::Serialize(ar);
    SerializeFields<kTextAttrSize, CZukeiString>(ar, ZukeiStringFields::kFields, *this);
    const bool framePart = ArchiveVersion(ar) >= kFrameVersion;
    if (ar.IsStoring()) {
        ar << m_text;
        LogFont16::Store(ar, m_font);
        if (!framePart) {
            return;
        }
        ar << m_frameKind << m_styleNo << m_frameTag;
        ar << (m_edit != nullptr ? m_edit->GetViewRect() : CRect());
        ar << (m_edit != nullptr ? m_edit->GetRect100() : CRect());
        ar.WriteCount(static_cast<DWORD>(m_lines.size()));
        for (const std::string& line : m_lines) {
            ar << line;
        }
        return;
    }

    ar >> m_text;
    m_font = LogFont16::Load(ar);
    CRect viewRect;
    CRect rect100;
    m_lines.clear();
    if (framePart) {
        ar >> m_frameKind >> m_styleNo >> m_frameTag;
        ar >> viewRect >> rect100;
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            std::string line;
            ar >> line;
            m_lines.push_back(std::move(line));
        }
    } else {
        // Older files know no frame: what a new shape has.
        m_frameKind = 0;
        m_styleNo = 0;
        m_frameTag = 0;
    }
    if (m_edit != nullptr) {
        m_edit->SetViewRect(viewRect);
        m_edit->SetRect100(rect100);
    }
}

// ---- Editing ----------------------------------------------------------------------------------

CZukeiStringEdit* CZukeiString::GetEditWnd() const {
    return m_edit != nullptr && m_edit->GetWnd() != nullptr ? m_edit.get() : nullptr;
}

void CZukeiString::BeginEdit(IZukeiEditHost* parent) {
    if (m_edit != nullptr) {
        m_edit->BeginEdit(*this, parent);
    }
}

// ---- Layout -----------------------------------------------------------------------------------

CRect CZukeiString::GetTextRect(const IZukeiView& view, const CRect& frame) const {
    const double pen = GetPenWidth(view);
    const double z = view.GetPageLayout().GetZoom() / 100.0;
    const int m = Trunc(pen * 0.1 / 25.4 * 72.0 * z + 0.5) + Trunc(z * 15.0 + 0.5);
    int left = m;
    int right = m;
    int top = m;
    int bottom = m;
    const LONG w = std::abs(frame.Width());
    const LONG h = std::abs(frame.Height());
    switch (m_frameKind) {
    case kZukeiBox2: {
        const int e = Trunc(GetBoxRay() * z / 20.0 + 0.5);
        left += e;
        right += e;
        top += e;
        bottom += e;
        break;
    }
    case kZukeiCircle:
    case kZukeiEllipse: {
        // The corners of the rectangle that the round outline cuts off.
        int a = 0;
        int b = 0;
        if (w > h) {
            const double d = w / 2.0;
            a = Trunc(d - d / std::sqrt(2.0));
            b = Trunc((d - d / std::sqrt(2.0)) * h / w);
        } else if (h > 0) {
            const double d = h / 2.0;
            b = Trunc(d - d / std::sqrt(2.0));
            a = Trunc((d - d / std::sqrt(2.0)) * w / h);
        }
        left += a;
        right += a;
        top += b;
        bottom += b;
        break;
    }
    case kZukeiDelta1:
        left += w / 4;
        right += w / 4;
        bottom += h / 2;
        break;
    case kZukeiDelta2:
        right += w / 2;
        top += h / 4;
        bottom += h / 4;
        break;
    case kZukeiArrow1:
        left += w / 4;
        right += w / 4;
        bottom += h / 6;
        break;
    case kZukeiArrow2:
        right += w / 6;
        top += h / 4;
        bottom += h / 4;
        break;
    case kZukeiDiamond:
        left += w / 4;
        right += w / 4;
        top += h / 4;
        bottom += h / 4;
        break;
    default:
        break;
    }

    CRect box = frame;
    if (left + right < w) {
        if (box.left <= box.right) {
            box.left += left;
            box.right -= right;
        } else {
            box.right += left;
            box.left -= right;
        }
    } else {
        box.right = box.left;
    }
    if (top + bottom < h) {
        // The top is the edge with the larger y.
        if (box.top >= box.bottom) {
            box.top -= top;
            box.bottom += bottom;
        } else {
            box.bottom -= top;
            box.top += bottom;
        }
    } else {
        box.bottom = box.top;
    }
    NormalizeLogRect(box);
    return box;
}

CRect CZukeiString::GetTextRect100(const IZukeiView& view) const {
    const CPageLayout& layout = view.GetPageLayout();
    if (layout.GetZoom() == 100) {
        return GetTextRect(view, GetDeviceRect(view));
    }
    CPageLayout copy = layout;
    copy.SetZoomPercent(0);
    copy.ResetZoom();
    copy.RecalcLayout();
    const CZukeiLayoutView atFull(copy);
    return GetTextRect(atFull, GetDeviceRect(atFull));
}

void CZukeiString::LayoutLines(const IZukeiView& view, CDC& dc, int limit,
                               const LOGFONT& font) const {
    CFont measure;
    if (OnScreen(view)) {
        measure.CreatePointFontIndirect(&font, &dc);
    } else {
        measure.CreateFontIndirect(&font);
    }
    CFont* old = dc.SelectObject(&measure);
    const auto extent = [&dc](std::string_view text) {
        return static_cast<int>(std::abs(dc.GetTextExtent(text).cx));
    };

    m_lines.clear();
    std::vector<std::size_t> starts; // the character starts of a paragraph, and its end
    for (const std::string_view paragraph : Paragraphs(m_text)) {
        if (extent(paragraph) <= limit) {
            m_lines.emplace_back(paragraph);
            continue;
        }
        starts.clear();
        for (std::size_t i = 0; i < paragraph.size(); i += Sjis::CharLength(paragraph, i)) {
            starts.push_back(i);
        }
        starts.push_back(paragraph.size());
        const std::size_t chars = starts.size() - 1;
        const auto span = [&](std::size_t from, std::size_t to) {
            return paragraph.substr(starts[from], starts[to] - starts[from]);
        };
        // Each line takes the most characters that fit, found by doubling and then halving the
        // step, so that a long paragraph is measured a few times a line rather than once a
        // character. A character too wide for the box stands alone.
        for (std::size_t first = 0; first < chars;) {
            std::size_t fits = first + 1;
            if (extent(span(first, fits)) <= limit) {
                std::size_t step = 1;
                std::size_t over = chars + 1;
                while (fits < chars) {
                    const std::size_t next = std::min(fits + step, chars);
                    if (extent(span(first, next)) > limit) {
                        over = next;
                        break;
                    }
                    fits = next;
                    step *= 2;
                }
                while (over != chars + 1 && over - fits > 1) {
                    const std::size_t mid = fits + (over - fits) / 2;
                    (extent(span(first, mid)) <= limit ? fits : over) = mid;
                }
            }
            m_lines.emplace_back(span(first, fits));
            first = fits;
        }
    }
    dc.SelectObject(old);
}

// ---- The shape interface ----------------------------------------------------------------------

void CZukeiString::SetWidth(short width) {
    CZukei::SetWidth(width);
    m_update = TRUE;
}

void CZukeiString::SetKind() {
    CDataHeader::SetKind(kZukeiString);
}

void CZukeiString::SetPoint(const CDatePos& pos, const IZukeiView& view, int index) {
    if (m_frameKind == kZukeiCircle) {
        SetSquarePoint(pos, view, index);
    } else {
        CZukei2::SetPoint(pos, view, index);
    }
    if (IsFramed()) {
        FitEditRects(view);
    }
}

void CZukeiString::SetSquarePoint(const CDatePos& pos, const IZukeiView& view, int index) {
    // Each corner takes the date and row under its device point.
    const auto place = [&](const CPoint& point, int anchor) {
        CDatePos at;
        at.point = point;
        at.date = XToDate(view, point.x);
        at.row = YToRow(view, point.y);
        CZukei2::SetPoint(at, view, anchor);
    };
    if (index == 1) {
        m_fromCenter = (pos.flags & CDatePos::kFlagFromCenter) != 0;
        place(pos.point, 1);
        return;
    }
    if (index != 2) {
        return;
    }
    const CPoint& start = pos.dragStart;
    const LONG dx = pos.point.x - start.x;
    const LONG dy = pos.point.y - start.y;
    const LONG side = std::max(std::abs(dx), std::abs(dy));
    const CPoint size(dx >= 0 ? side : -side, dy >= 0 ? side : -side);
    place(m_fromCenter ? start - size : start, 1);
    place(start + size, 2);
}

void CZukeiString::FitEditRects(const IZukeiView& view) {
    if (m_edit != nullptr) {
        m_edit->SetViewRect(GetTextRect(view, GetDeviceRect(view)));
        m_edit->SetRect100(GetTextRect100(view));
    }
}

void CZukeiString::DrawFrame(const IZukeiView& view, CDC& dc, const CRect& rect,
                             const ZukeiPen& pen) const {
    const int type = pen.type == 0xFFFF ? -1 : pen.type;
    switch (m_frameKind) {
    case kZukeiBox:
        DrawStyledRect(&dc, rect, type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                       OPAQUE);
        return;
    case kZukeiBox2: {
        const int ray = Zoom(view, GetBoxRay());
        DrawStyledRoundRect(&dc, rect, CPoint(ray, -ray), type, pen.width, pen.color, pen.hatch,
                            pen.brushColor, pen.rop, OPAQUE);
        return;
    }
    case kZukeiCircle:
    case kZukeiEllipse:
        DrawStyledEllipse(&dc, rect, type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                          OPAQUE);
        return;
    default: {
        std::array<CPoint, 7> points;
        const int count = FramePoints(m_frameKind, rect, points);
        if (count > 0) {
            DrawStyledShape(&dc, points.data(), count, type, pen.width, pen.color, pen.hatch,
                            pen.brushColor, pen.rop, OPAQUE);
        }
        return;
    }
    }
}

void CZukeiString::DrawTag(const IZukeiView& view, CDC& dc, const CPoint& corner) const {
    if (IsSelected() == 0 || !view.GetPageLayout().ShowsSelection() ||
        m_frameTag >= std::size(kTagLetters)) {
        return;
    }
    const std::string_view letter = kTagLetters[m_frameTag];
    if (letter.empty()) {
        return;
    }
    LOGFONT font;
    font.lfHeight = Zoom(view, kTagFontHeight);
    font.lfCharSet = m_font.lfCharSet;
    font.SetFaceName(m_font.FaceName());
    DrawStyledText(&dc, corner.x - kTagOffset, corner.y - kTagOffset, &font, kTagColor, letter,
                   TA_RIGHT | TA_TOP, R2_COPYPEN, TRANSPARENT);
}

void CZukeiString::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    if (!IsFramed()) {
        DrawPlain(view, dc);
        return;
    }
    const CRect rect = GetDeviceRect(view);
    if (rect.IsRectNull()) {
        return; // fixed on another page
    }
    CRect corners = rect;
    NormalizeLogRect(corners);
    const CPageLayout& layout = view.GetPageLayout();
    if (m_editState != 0 && IsSelected() != 0) {
        // The edit window shows the text; the box behind it stays white.
        ZukeiPen pen = GetPenBrushAttr(layout, mode);
        pen.hatch = kHatchWhite;
        DrawFrame(view, dc, rect, pen);
        if (!view.IsTextSuppressed()) {
            DrawTag(view, dc, corners.TopLeft());
        }
        return;
    }
    if (view.GetEditingZukei() == this) {
        return;
    }
    DrawFrame(view, dc, rect, GetPenBrushAttr(layout, mode));
    if (view.IsTextSuppressed()) {
        return;
    }
    if (OnScreen(view)) {
        DrawTag(view, dc, corners.TopLeft());
    }
    if (rect.Width() != 0 && rect.Height() != 0 && !m_text.empty()) {
        DrawLines(view, dc, rect);
    }
}

void CZukeiString::DrawPlain(const IZukeiView& view, CDC& dc) const {
    const CRect rect = GetDeviceRect(view);
    if (rect.Width() == 0 || rect.Height() == 0) {
        return;
    }
    LOGFONT font = m_font;
    font.lfHeight = Zoom(view, font.lfHeight);
    font.lfWidth = Zoom(view, font.lfWidth);
    if ((m_textAttr.m_attrb & kAttrBold) != 0) {
        font.lfWeight = FW_BOLD;
    }
    // Signed arithmetic: y grows upwards and a character height is negative.
    const LONG height = rect.Height();
    LONG y = rect.top;
    if ((m_textAttr.m_attrb & kAttrBottom) != 0) {
        y += height - font.lfHeight;
    } else if ((m_textAttr.m_attrb & kAttrTop) == 0) {
        y += (height - font.lfHeight) / 2;
    }
    const LONG width = rect.Width();
    const LONG textWidth = font.lfWidth * static_cast<LONG>(m_text.size());
    LONG x = rect.left;
    if (m_textAttr.m_form == 1) {
        x += (width - textWidth) / 2;
    } else if (m_textAttr.m_form == 2) {
        x += width - textWidth;
    }
    DrawStyledText(&dc, x, y, &font, m_textAttr.m_color, m_text, TA_LEFT | TA_TOP, R2_COPYPEN,
                   TRANSPARENT);
}

void CZukeiString::DrawLines(const IZukeiView& view, CDC& dc, const CRect& rect) const {
    const CPageLayout& layout = view.GetPageLayout();
    const bool screen = OnScreen(view);
    const int saved = dc.SaveDC();
    CRect box = GetTextRect(view, rect);
    LOGFONT font = m_font;
    font.lfWidth = layout.Zoom(font.lfWidth);
    if ((m_textAttr.m_attrb & kAttrBold) != 0) {
        font.lfWeight = FW_BOLD;
    }

    CPoint origin;
    CFont shown;
    if (screen) {
        // Device pixels from here on, measured from the page's top-left corner.
        origin = CPoint(layout.GetPageRect().left, layout.GetHeader() != nullptr
                                                       ? layout.GetHeaderRect().top
                                                       : layout.GetBodyRect().top);
        dc.LPtoDP(&origin);
        dc.LPtoDP(&box);
        font.lfHeight = static_cast<LONG>(
            std::lround(LogicalToPoints(&dc, layout.Zoom(m_font.lfHeight)) * 10.0));
        dc.SetMapMode(MM_TEXT);
        if (m_update) {
            LayoutLines(view, dc, std::abs(box.Width()), font);
            m_update = FALSE;
        }
        shown.CreatePointFontIndirect(&font, &dc);
    } else {
        font.lfHeight = layout.Zoom(font.lfHeight);
        LayoutLines(view, dc, std::abs(box.Width()), font);
        m_update = TRUE;
        shown.CreateFontIndirect(&font);
    }
    CFont* old = dc.SelectObject(&shown);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    // Down the box: positive on the device, negative where y grows upwards.
    const int step = screen ? metrics.tmHeight : -metrics.tmHeight;
    const int height = box.bottom - box.top;
    const int count = static_cast<int>(m_lines.size());
    int y = box.top - origin.y;
    int shownLines = count;
    if (std::abs(height) < std::abs(step)) {
        shownLines = 0;
    } else if (std::abs(height) < std::abs(step) * count) {
        // The lines that fit, with a tenth of a line to spare.
        shownLines = std::min(count, Trunc(static_cast<double>(height) / step + 0.1));
    } else if ((m_textAttr.m_attrb & kAttrBottom) != 0) {
        y += height - step * count;
    } else if ((m_textAttr.m_attrb & kAttrTop) == 0) {
        y += (height - step * count) / 2;
    }

    const bool variablePitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
    const int boxWidth = std::abs(box.Width());
    for (int i = 0; i < shownLines; ++i) {
        const std::string& line = m_lines[static_cast<std::size_t>(i)];
        if (line.empty()) {
            y += step;
            continue;
        }
        const int lineWidth = std::abs(dc.GetTextExtent(line).cx);
        int x = box.left - origin.x;
        if (m_textAttr.m_form == 1) {
            x += (boxWidth - lineWidth) / 2;
        } else if (m_textAttr.m_form == 2) {
            x += boxWidth - lineWidth;
        }
        if (layout.GetOutputMode() == 2 && variablePitch) {
            // A metafile keeps the measured width only with a fixed pitch of it.
            LOGFONT fixed = font;
            fixed.lfWidth =
                static_cast<LONG>(std::lround(static_cast<double>(lineWidth) / line.size()));
            fixed.lfPitchAndFamily =
                static_cast<BYTE>((font.lfPitchAndFamily & 0xF0) | FIXED_PITCH);
            DrawStyledText(&dc, x, y, &fixed, m_textAttr.m_color, line, TA_LEFT | TA_TOP,
                           R2_COPYPEN, TRANSPARENT);
        } else if (screen) {
            dc.SetTextAlign(TA_LEFT | TA_TOP);
            dc.SetBkMode(TRANSPARENT);
            // Matched as every other chart colour is: black text on the black background would
            // vanish inside its box.
            dc.SetTextColor(styled::MatchColor(&dc, m_textAttr.m_color));
            dc.TextOut(x, y, line);
        } else {
            DrawStyledText(&dc, x, y, &font, m_textAttr.m_color, line, TA_LEFT | TA_TOP, R2_COPYPEN,
                           TRANSPARENT);
        }
        y += step;
    }
    dc.SelectObject(old);
    dc.RestoreDC(saved);
}

void CZukeiString::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    if (!IsFramed()) {
        return;
    }
    CRect rect = GetDeviceRect(view);
    if (rect.IsRectNull()) {
        return;
    }
    rect.OffsetRect(delta.x, delta.y);
    DrawFrame(view, dc, rect, GetPenBrushAttr(view.GetPageLayout(), kDrawFeedback));
}

void CZukeiString::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                                const CRect& ref) const {
    if (!IsFramed()) {
        return;
    }
    CRect rect = GetDeviceRect(view);
    if (rect.IsRectNull()) {
        return;
    }
    ResizeRect(view, delta, handle, ref, rect);
    DrawFrame(view, dc, rect, GetPenBrushAttr(view.GetPageLayout(), kDrawFeedback));
    m_update = TRUE;
}

std::unique_ptr<CZukei> CZukeiString::Clone() const {
    try {
        auto copy = std::make_unique<CZukeiString>();
        if (m_edit != nullptr) {
            if (const CZukeiEditWnd* wnd = m_edit->GetWnd()) {
                m_text = wnd->GetWindowText(); // the edit in progress goes with the copy
            }
            if (copy->m_edit != nullptr) {
                m_edit->CopyTo(*copy->m_edit);
            }
        }
        static_cast<CDataHeader&>(*copy) = *this;
        CopyAttrTo(*copy);
        copy->CopyAnchorsFrom(*this);
        copy->m_textAttr = m_textAttr;
        copy->m_text = m_text;
        copy->m_font = m_font;
        copy->m_styleNo = m_styleNo;
        copy->m_frameKind = m_frameKind;
        copy->m_update = TRUE;
        copy->m_editState = 0;
        copy->m_frameTag = m_frameTag;
        copy->m_lines = m_lines;
        return copy;
    } catch (const std::bad_alloc&) {
        ReportNoShapeData();
        return nullptr;
    }
}

CRect CZukeiString::GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                                   const CRect& ref) const {
    if (IsFramed()) {
        return CZukei2::GetResizedRect(view, delta, handle, ref);
    }
    CRect rect;
    ResizeRect(view, delta, handle, ref, rect);
    return rect;
}

BOOL CZukeiString::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    // Both rectangles as the device has them: y made absolute, normalised.
    const auto onDevice = [](const CRect& r) {
        CRect d(r.left, std::abs(r.top), r.right, std::abs(r.bottom));
        NormalizeRect(d);
        return d;
    };
    const CRect rect = GetDeviceRect(view);
    if (rect.IsRectNull()) {
        return FALSE; // fixed on another page
    }
    const CRect shape = onDevice(rect);
    const CRect test = onDevice(probe);
    switch (mode) {
    case kHitTouch:
    case kHitDrag:
        return shape.left < shape.right && shape.top < shape.bottom && test.left < test.right &&
                       test.top < test.bottom && shape.left < test.right &&
                       test.left < shape.right && shape.top < test.bottom && test.top < shape.bottom
                   ? TRUE
                   : FALSE;
    case kHitInside:
        return test.left <= shape.left && shape.right <= test.right && test.top <= shape.top &&
                       shape.bottom <= test.bottom
                   ? TRUE
                   : FALSE;
    default:
        return FALSE;
    }
}

} // namespace tembra
