#include "model/Utility.h"

#include "platform/Archive.h"
#include "platform/FontCatalog.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace tembra {

// ---- Coordinates and rectangles -------------------------------------------------------------

int ClampCoord(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, kMinCoord, kMaxCoord));
}

void NormalizeLogRect(CRect& rect) {
    if (rect.left > rect.right) {
        std::swap(rect.left, rect.right);
    }
    if (rect.top < rect.bottom) {
        std::swap(rect.top, rect.bottom);
    }
}

void NormalizeRect(CRect& rect) {
    if (rect.left > rect.right) {
        std::swap(rect.left, rect.right);
    }
    if (rect.top > rect.bottom) {
        std::swap(rect.top, rect.bottom);
    }
}

BOOL PtInLogRect(int x, int y, int left, int top, int right, int bottom) {
    return left <= x && x < right && bottom < y && y <= top;
}

BOOL PtInLogRect(const CPoint& point, const CRect& rect) {
    return PtInLogRect(point.x, point.y, rect.left, rect.top, rect.right, rect.bottom);
}

CRect UnionLogRect(const CRect& a, const CRect& b) {
    CRect na = a;
    CRect nb = b;
    NormalizeRect(na);
    NormalizeRect(nb);
    CRect u;
    if (na.IsRectEmpty()) {
        u = nb.IsRectEmpty() ? na : nb;
    } else if (nb.IsRectEmpty()) {
        u = na;
    } else {
        u = CRect(std::min(na.left, nb.left), std::min(na.top, nb.top),
                  std::max(na.right, nb.right), std::max(na.bottom, nb.bottom));
    }
    return CRect(u.left, u.bottom, u.right, u.top);
}

void SwapInt(int& a, int& b) {
    std::swap(a, b);
}

void SwapPoint(CPoint& a, CPoint& b) {
    std::swap(a, b);
}

// ---- Dates ----------------------------------------------------------------------------------

const CTime& GetMinDate() {
    static const CTime minDate(kMinDateYear, 1, 1);
    return minDate;
}

const CTime& GetMaxDate() {
    static const CTime maxDate(kMaxDateYear, 12, 31);
    return maxDate;
}

BOOL IsLeapYear(int year) {
    return CivilDate::IsLeapYear(year) ? TRUE : FALSE;
}

int GetDaysInMonth(int year, int month) {
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

CTimeSpan ScaleSpan(CTimeSpan span, double factor, BOOL roundUp) {
    // A damaged factor (NaN, huge) must not make the conversion to whole seconds undefined;
    // the limit lies far beyond any span of the supported dates.
    constexpr double kLimit = 4.0e18;
    double seconds = static_cast<double>(span.GetTimeSpan()) * factor;
    if (std::isnan(seconds)) {
        seconds = 0.0;
    }
    seconds = std::clamp(seconds, -kLimit, kLimit);
    CTimeSpan result(static_cast<std::int64_t>(seconds));
    if (roundUp && result.GetHours() >= 12) {
        result = CTimeSpan(result.GetDays() + 1, 0, 0, 0);
    }
    return result;
}

// ---- Strings --------------------------------------------------------------------------------

void RemoveSpaces(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = Sjis::CharLength(text, i);
        if (!(len == 1 && text[i] == ' ')) {
            out.append(text, i, len);
        }
        i += len;
    }
    text = std::move(out);
}

int TrimTrailingSpaces(std::string& text) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = Sjis::CharLength(text, i);
        if (!(len == 1 && text[i] == ' ')) {
            end = i + len;
        }
        i += len;
    }
    text.resize(end);
    return static_cast<int>(end);
}

BOOL ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return FALSE;
    }
    const std::string_view view = text;
    std::string out;
    bool replaced = false;
    for (std::size_t i = 0; i < view.size();) {
        // A match must begin and end on character boundaries.
        if (view.compare(i, what.size(), what) == 0 &&
            Sjis::IsCharStart(view.substr(i), what.size())) {
            out.append(with);
            i += what.size();
            replaced = true;
            continue;
        }
        const std::size_t len = Sjis::CharLength(view, i);
        out.append(view.substr(i, len));
        i += len;
    }
    if (replaced) {
        text = std::move(out);
    }
    return replaced ? TRUE : FALSE;
}

void EscapeNewlines(std::string& text) {
    // One pass over the characters: each CR LF becomes backslash n, and keep follows where the
    // text ends once the backslash-n pairs at its end are cut. Both characters of such a pair
    // must be characters of their own: a trail byte 0x5C ('\\' in ASCII) before an 'n' is part
    // of a double-byte character, not an escape.
    std::string out;
    out.reserve(text.size());
    std::size_t keep = 0;       // the length without the backslash-n pairs at the end
    std::size_t keepBefore = 0; // keep before the last character, when that is a backslash
    bool afterBackslash = false;
    const auto append = [&](std::string_view ch) {
        out.append(ch);
        if (ch == "n" && afterBackslash) {
            keep = keepBefore; // the pair joins the pairs before it
            afterBackslash = false;
            return;
        }
        afterBackslash = ch == "\\";
        if (afterBackslash) {
            keepBefore = keep;
        }
        keep = out.size();
    };
    const std::string_view view = text;
    for (std::size_t i = 0; i < view.size();) {
        if (view.substr(i, 2) == "\r\n") {
            append("\\");
            append("n");
            i += 2;
            continue;
        }
        const std::size_t len = Sjis::CharLength(view, i);
        append(view.substr(i, len));
        i += len;
    }
    out.resize(keep);
    text = std::move(out);
}

void UnescapeNewlines(std::string& text) {
    ReplaceAll(text, "\\n", "\r\n");
}

BOOL NormalizePath(std::string& out, const std::string& name) {
    // Windows compares file names without regard to case, and the callers compare the names
    // this gives. On Linux the upper-cased text names a different file: it is for comparing
    // and showing, not for opening.
    std::error_code ec;
    std::filesystem::path full;
    if (!name.empty()) {
        full = std::filesystem::absolute(std::filesystem::path(name), ec);
    }
    if (name.empty() || ec) {
        out = Sjis::ToUpperAscii(name);
        return FALSE;
    }
    out = Sjis::ToUpperAscii(full.lexically_normal().string());
    return TRUE;
}

std::string FormatDateTokens(std::string_view format) {
    std::string out(format);
    // The user's own '%' must reach the formatted text as it is.
    ReplaceAll(out, "%", "%%");
    struct Token {
        const char* longForm;
        const char* longCode;
        const char* shortForm;
        const char* shortCode;
    };
    static constexpr Token kTokens[] = {
        {"yyyy", "%Y", "yy", "%y"}, {"mm", "%m", "m", "%#m"}, {"dd", "%d", "d", "%#d"},
        {"hh", "%H", "h", "%#H"},   {"MM", "%M", "M", "%#M"},
    };
    for (const Token& t : kTokens) {
        if (!ReplaceAll(out, t.longForm, t.longCode)) {
            ReplaceAll(out, t.shortForm, t.shortCode);
        }
    }
    return out;
}

int GetCharClass(unsigned char byte) {
    if (Sjis::IsLeadByte(byte)) {
        return kCharDouble;
    }
    if (byte == ' ' || (byte >= 0x09 && byte <= 0x0D)) {
        return kCharBlank;
    }
    // ASCII graphic characters and the single-byte (half-width) katakana of CP932.
    if ((byte >= 0x21 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xDF)) {
        return kCharSingle;
    }
    return kCharOther;
}

std::string NextCharRun(std::string_view text, std::size_t& index, int& charClass) {
    if (index >= text.size()) {
        charClass = kCharOther;
        return {};
    }
    charClass = GetCharClass(static_cast<unsigned char>(text[index]));
    if (charClass == kCharOther) {
        return {};
    }
    const std::size_t start = index;
    std::size_t i = index;
    std::size_t last = index;
    while (i < text.size() && GetCharClass(static_cast<unsigned char>(text[i])) == charClass) {
        const std::size_t len = Sjis::CharLength(text, i);
        last = i + len - 1;
        i += len;
    }
    index = last;
    return std::string(text.substr(start, last - start + 1));
}

// ---- Setting lines --------------------------------------------------------------------------

namespace {

// A setting line's list starts after its first '=', or at its start when it has none.
ParsePos ListOf(ParsePos line) {
    if (!line) {
        return std::nullopt;
    }
    const std::size_t eq = Sjis::FindByte(*line, '=');
    return eq == std::string_view::npos ? *line : line->substr(eq + 1);
}

} // namespace

ParsePos ParseIntList(ParsePos line, std::span<int> values) {
    return NumberText::ReadList(ListOf(line), values, NumberText::AtoI);
}

ParsePos ParseLongList(ParsePos line, std::span<LONG> values) {
    static_assert(sizeof(LONG) == sizeof(int), "LONG saturates as int does");
    return NumberText::ReadList(ListOf(line), values,
                                [](std::string_view s) { return LONG{NumberText::AtoI(s)}; });
}

ParsePos ParseDoubleList(ParsePos line, std::span<double> values) {
    return NumberText::ReadList(ListOf(line), values, NumberText::StrToD);
}

ParsePos ParseQuotedString(ParsePos line, std::string& out, std::size_t maxBytes) {
    if (!line) {
        return std::nullopt;
    }
    const std::string_view s = *line;
    const std::size_t open = Sjis::FindByte(s, '"');
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t begin = open + 1;
    // Without a closing quote on the line the text runs to the end of the line.
    const std::size_t lineEnd = std::min(Sjis::FindByte(s, '\n', begin), s.size());
    std::size_t close = Sjis::FindByte(s, '"', begin);
    if (close != std::string_view::npos && close > lineEnd) {
        close = std::string_view::npos;
    }
    const std::size_t end = close == std::string_view::npos ? lineEnd : close;
    const std::string_view text = s.substr(begin, end - begin);
    out = Sjis::Cut(text, maxBytes);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    // The comma is looked for after the closing quote, even when the text was cut, so that a
    // comma inside a long text is not taken for the separator.
    return NumberText::AfterComma(s, close + 1);
}

ParsePos ParseToken(ParsePos text, std::string& out, std::size_t size, char separator) {
    if (!text) {
        return std::nullopt;
    }
    const std::string_view s = *text;
    const std::size_t sep = Sjis::FindByte(s, separator);
    const std::string_view token = sep == std::string_view::npos ? s : s.substr(0, sep);
    out = Sjis::Cut(token, size > 0 ? size - 1 : 0);
    if (sep == std::string_view::npos) {
        return std::nullopt;
    }
    return s.substr(sep + 1);
}

// ---- Fonts ----------------------------------------------------------------------------------

const char* const kDefaultFaceName = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"; // ＭＳ 明朝

void EnumFontFaces(LOGFONT& font, std::optional<std::string_view> face, LONG height, LONG width) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;
    lf.SetFaceName(face ? *face : std::string_view(kDefaultFaceName));
    LOGFONT installed = lf;
    if (FontCatalog().FindFace(lf.FaceName(), installed)) {
        lf = installed;
        lf.lfHeight = height;
        lf.lfWidth = width;
    }
    font = lf;
}

// ---- User interface -------------------------------------------------------------------------

namespace detail {
int ShowCutMessage(std::string text) {
    constexpr std::size_t kMessageLimit = 255;
    return AfxMessageBox(Sjis::Cut(text, kMessageLimit), MB_OK);
}
} // namespace detail

void BeepWarning() {
    Ui().Beep(MB_ICONEXCLAMATION);
}

namespace {
constexpr COLORREF kPalette[] = {
    RGB(0, 0, 0),     RGB(255, 0, 0),   RGB(0, 255, 0),
    RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 0),
};
} // namespace

COLORREF ColorFromIndex(int index) {
    if (index < 1 || index > 5) {
        return kPalette[0];
    }
    return kPalette[index];
}

int IndexFromColor(COLORREF color) {
    for (int i = 0; i < 6; ++i) {
        if (kPalette[i] == color) {
            return i;
        }
    }
    return kOtherColorIndex;
}

int FindListBoxExact(const std::vector<std::string>& entries, std::string_view text) {
    // The box's own search: the first entry that begins with the text, ASCII letters folded.
    std::size_t first = entries.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view entry = entries[i];
        if (entry.size() >= text.size() && Sjis::IsCharStart(entry, text.size()) &&
            Sjis::EqualsNoCase(entry.substr(0, text.size()), text)) {
            first = i;
            break;
        }
    }
    for (std::size_t i = first; i < entries.size(); ++i) {
        if (entries[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FindComboExact(const std::vector<std::string>& entries, std::string_view text) {
    return FindListBoxExact(entries, text);
}

int OpenUrlShortcut(const std::string& address) {
    if (address.empty()) {
        return 0;
    }
    // A line break or other control character could smuggle more into what the desktop is
    // asked to open; such an address is refused.
    for (const char c : address) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            return 0;
        }
    }
    const bool allowed = Sjis::EqualsNoCase(address.substr(0, 7), "http://") ||
                         Sjis::EqualsNoCase(address.substr(0, 8), "https://") ||
                         Sjis::EqualsNoCase(address.substr(0, 7), "mailto:");
    if (!allowed) {
        return 0;
    }
    return Ui().OpenUrl(address) ? 1 : 0;
}

std::uint64_t SeekToEnd(CFile& file) {
    return file.SeekToEnd();
}

} // namespace tembra
