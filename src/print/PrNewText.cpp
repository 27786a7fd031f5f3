#include "print/PrNewText.h"

#include "model/DataHeader.h"
#include "model/Utility.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrStoredFields.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CPrNewText, CPrNewElement, 1)

using namespace prfields;

namespace {

// The period and creation-date items read their format from the profile. The stored value (and
// the default) is enclosed in double quotes, which are dropped.
std::string ItemFormat(const char* key, const char* defaultUtf8) {
    constexpr std::size_t kFormatLimit = 127;
    std::string format = GetProfileString("PrintForm", key, Sjis::FromUtf8(defaultUtf8));
    if (!format.empty() && format.front() == '"') {
        format.erase(0, 1);
    }
    if (!format.empty() && format.back() == '"' && Sjis::IsCharStart(format, format.size() - 1)) {
        format.pop_back();
    }
    return Sjis::Cut(format, kFormatLimit);
}

} // namespace

CPrNewText::CPrNewText(int kind, int area, const CRect& rect, const LOGFONT& font, COLORREF color,
                       std::string name, std::string contents, int vCenter, int hCenter)
    : CPrNewElement(kind, area), m_rect(rect), m_font(font), m_color(color),
      m_name(std::move(name)), m_contents(std::move(contents)), m_vCenter(vCenter),
      m_hCenter(hCenter) {}

void CPrNewText::Serialize(CArchive& ar) {
    CPrNewElement::Serialize(ar);
    if (ar.IsStoring()) {
        StoreRect16(ar, m_rect);
        LogFont16::Store(ar, m_font);
        ar << static_cast<DWORD>(m_color) << m_name << m_contents << static_cast<short>(m_vCenter)
           << static_cast<short>(m_hCenter);
    } else {
        m_rect = LoadRect16(ar);
        m_font = LogFont16::Load(ar);
        m_color = LoadColor(ar);
        ar >> m_name >> m_contents;
        m_vCenter = LoadShort(ar);
        m_hCenter = LoadShort(ar);
    }
}

std::unique_ptr<CPrNewElement> CPrNewText::Clone() const {
    return std::make_unique<CPrNewText>(*this);
}

std::string CPrNewText::TextToPrint(const CPrHeader& header) const {
    constexpr std::size_t kItemLimit = 256;
    if (m_kind == kPrKindPeriod) {
        if (header.GetKikan() == 0) {
            return {};
        }
        const std::string format =
            ItemFormat("Kikan", "\"期間：%4s年 %2s月 %2s日　～　%4s年 %2s月 %2s日\"");
        if (format.empty()) {
            return {};
        }
        const auto& t = header.GetHeaderTexts();
        return Sjis::Cut(FormatPrItemText(format, {t.begin(), t.end()}), kItemLimit);
    }
    if (m_kind == kPrKindDate) {
        if (header.GetToDay() == 0) {
            return {};
        }
        const std::string format = ItemFormat("Date", "\"（%4s年 %2s月 %2s日作成）\"");
        if (format.empty()) {
            return {};
        }
        const auto& t = header.GetHeaderTexts2();
        return Sjis::Cut(FormatPrItemText(format, {t.begin(), t.end()}), kItemLimit);
    }
    return m_contents;
}

void CPrNewText::Draw(CDC* dc, const IPrLayout& layout, const CPrHeader& header) const {
    if (m_rect.IsRectNull()) {
        return;
    }
    const std::string text = TextToPrint(header);
    if (text.empty()) {
        return;
    }
    const CRect rect = PlaceRect(m_rect, layout);

    const LOGFONT& printFont = layout.GetPrintFont();
    LOGFONT font = printFont.lfHeight != 0 ? printFont : m_font;
    const std::int64_t charWidth = layout.Zoom(m_font.lfWidth);
    const std::int64_t lineHeight = layout.Zoom(m_font.lfHeight);
    font.lfWidth = static_cast<LONG>(charWidth);
    font.lfHeight = static_cast<LONG>(lineHeight);

    const std::vector<std::string_view> lines = SplitPrTextLines(text);
    const auto count = static_cast<std::int64_t>(lines.size());
    // Logical units with y upward: the height and the line height are negative, so the first
    // line moves down by half of what the lines leave free, and each line steps down.
    std::int64_t y = rect.top;
    if (m_vCenter != 0) {
        y += (static_cast<std::int64_t>(rect.Height()) - lineHeight * count) / 2;
    }
    for (std::string_view line : lines) {
        std::int64_t x = rect.left;
        if (m_hCenter != 0) {
            x += (static_cast<std::int64_t>(rect.Width()) -
                  charWidth * static_cast<std::int64_t>(line.size())) /
                 2;
        }
        if (!line.empty()) {
            DrawStyledText(dc, ClampCoord(x), ClampCoord(y), &font, m_color, line, 0, kCopyPen,
                           kTransparent);
        }
        y += lineHeight;
    }
}

// ---- Texts ----------------------------------------------------------------------------------

std::vector<std::string_view> SplitPrTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len = Sjis::CharLength(text, i);
        const bool escape =
            text[i] == '\\' && len == 1 && i + 1 < text.size() && text[i + 1] == 'n';
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (escape || crlf) {
            lines.push_back(text.substr(start, i - start));
            i += 2;
            start = i;
            continue;
        }
        i += len;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string FormatPrItemText(std::string_view format, const std::vector<std::string>& texts) {
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            const std::size_t len = Sjis::CharLength(format, i);
            out.append(format.substr(i, len));
            i += len;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out.push_back('%');
            i += 2;
            continue;
        }
        // %[-][width][.precision]s
        std::size_t j = i + 1;
        bool left = false;
        while (j < format.size() && (format[j] == '-' || format[j] == ' ' || format[j] == '0' ||
                                     format[j] == '+' || format[j] == '#')) {
            left = left || format[j] == '-';
            ++j;
        }
        std::size_t width = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
            width =
                std::min<std::size_t>(width * 10 + static_cast<std::size_t>(format[j] - '0'), 1024);
            ++j;
        }
        std::size_t precision = std::string::npos;
        if (j < format.size() && format[j] == '.') {
            precision = 0;
            ++j;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
                precision = std::min<std::size_t>(
                    precision * 10 + static_cast<std::size_t>(format[j] - '0'), 1024);
                ++j;
            }
        }
        if (j >= format.size() || format[j] != 's') {
            // Not a text conversion: copied as it stands.
            out.append(format.substr(i, j - i));
            i = j;
            continue;
        }
        std::string value = next < texts.size() ? texts[next] : std::string();
        ++next;
        if (precision != std::string::npos && value.size() > precision) {
            value = Sjis::Cut(value, precision);
        }
        const std::string pad(width > value.size() ? width - value.size() : 0, ' ');
        out += left ? value + pad : pad + value;
        i = j + 1;
    }
    return out;
}

} // namespace tembra
