#include "platform/Sjis.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tembra::Sjis {

namespace {

// Bytes that are not CP932 travel through UTF-8 as U+F700 + byte. CP932 itself never maps
// anything there (its user-defined area is U+E000..U+E757), so the way back is unambiguous.
constexpr char32_t kRawBase = 0xF700;
constexpr char32_t kNone = 0xFFFFFFFF;

bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

int LeadIndex(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}
constexpr int kLeadCount = 31 + 29;

// Opens a converter; glibc knows the code page under both names.
iconv_t OpenIconv(const char* to, bool toCp932) {
    const char* names[] = {"CP932", "WINDOWS-31J"};
    for (const char* name : names) {
        iconv_t cd = toCp932 ? iconv_open(name, to) : iconv_open(to, name);
        if (cd != reinterpret_cast<iconv_t>(-1))
            return cd;
    }
    return reinterpret_cast<iconv_t>(-1);
}

struct IconvCloser {
    void operator()(void* cd) const {
        if (cd != reinterpret_cast<void*>(-1))
            iconv_close(static_cast<iconv_t>(cd));
    }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

bool Valid(const IconvHandle& h) {
    return h.get() != reinterpret_cast<void*>(-1);
}

// One complete conversion of a short input; nullopt when the converter refuses any of it.
std::optional<std::string> Run(const IconvHandle& h, const char* data, std::size_t size) {
    if (!Valid(h))
        return std::nullopt;
    iconv_t cd = static_cast<iconv_t>(h.get());
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[32];
    char* in = const_cast<char*>(data);
    std::size_t inLeft = size;
    char* out = buffer;
    std::size_t outLeft = sizeof(buffer);
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(out - buffer));
}

char32_t DecodeUtf32(const std::string& bytes) {
    if (bytes.size() != 4)
        return kNone;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    return static_cast<char32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                 (static_cast<char32_t>(b[3]) << 24));
}

std::string EncodeUtf32(char32_t cp) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>((cp >> (8 * i)) & 0xFF);
    return s;
}

// The code page as lookup tables, built once from iconv. Only characters whose bytes come back
// unchanged are taken: CP932 has duplicate codes (NEC and IBM extensions) that map to the same
// character, and a duplicate must not be rewritten to its twin on the way back.
struct Tables {
    std::array<char32_t, 256> single{};
    std::vector<char16_t> dbl = std::vector<char16_t>(kLeadCount * 256, 0);
    // Unicode (BMP) -> CP932 code: below 0x100 one byte, else lead << 8 | trail; 0 = none.
    std::vector<std::uint16_t> rev = std::vector<std::uint16_t>(0x10000, 0);
};

Tables Build() {
    Tables t;
    t.single.fill(kNone);
    for (unsigned b = 0; b < 0x80; ++b)
        t.single[b] = b;
    IconvHandle decode(OpenIconv("UTF-32LE", false));
    IconvHandle encode(OpenIconv("UTF-32LE", true));
    if (!Valid(decode) || !Valid(encode))
        return t;

    auto take = [&](const std::string& bytes) -> char32_t {
        auto u = Run(decode, bytes.data(), bytes.size());
        if (!u)
            return kNone;
        char32_t cp = DecodeUtf32(*u);
        if (cp == kNone || cp > 0xFFFF || cp < 0x80 || (cp >= kRawBase && cp <= kRawBase + 0xFF))
            return kNone;
        auto back = Run(encode, EncodeUtf32(cp).data(), 4);
        return back && *back == bytes ? cp : kNone;
    };

    for (unsigned b = 0x80; b < 0x100; ++b) {
        if (IsLeadByte(static_cast<unsigned char>(b)))
            continue;
        char32_t cp = take(std::string(1, static_cast<char>(b)));
        if (cp != kNone) {
            t.single[b] = cp;
            t.rev[cp] = static_cast<std::uint16_t>(b);
        }
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsTrailByte(static_cast<unsigned char>(trail)))
                continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char32_t cp = take(std::string(pair, 2));
            if (cp == kNone)
                continue;
            t.dbl[static_cast<std::size_t>(LeadIndex(static_cast<unsigned char>(lead)) * 256) +
                  trail] = static_cast<char16_t>(cp);
            t.rev[cp] = static_cast<std::uint16_t>((lead << 8) | trail);
        }
    }
    return t;
}

const Tables& GetTables() {
    static const Tables tables = Build();
    return tables;
}

// Decodes one UTF-8 sequence at pos; advances pos. Malformed input (overlong forms,
// surrogates, truncated sequences) gives kNone and advances by one byte.
char32_t NextUtf8(std::string_view s, std::size_t& pos) {
    auto b0 = static_cast<unsigned char>(s[pos]);
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        ++pos;
        return kNone;
    }
    if (pos + static_cast<std::size_t>(len) > s.size()) {
        ++pos;
        return kNone;
    }
    for (int i = 1; i < len; ++i) {
        auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kNone;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kNone;
    }
    pos += static_cast<std::size_t>(len);
    return cp;
}

// Characters outside the decoding tables that iconv still maps one way (the yen sign to
// 0x5C, the fullwidth tilde to 0x8160, ...). Rare, so one converter per thread is enough.
bool EncodeByIconv(char32_t cp, std::string& out) {
    thread_local IconvHandle encode(OpenIconv("UTF-32LE", true));
    auto bytes = Run(encode, EncodeUtf32(cp).data(), 4);
    if (!bytes || bytes->empty())
        return false;
    out += *bytes;
    return true;
}

int FoldLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

template <typename Fold> std::string FoldAscii(std::string_view text, Fold fold) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        std::size_t len = CharLength(out, i);
        if (len == 1)
            out[i] = static_cast<char>(fold(static_cast<unsigned char>(out[i])));
        i += len;
    }
    return out;
}

} // namespace

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsCharStart(std::string_view text, std::size_t pos) {
    if (pos > text.size())
        return false;
    std::size_t i = 0;
    while (i < pos)
        i += CharLength(text, i);
    return i == pos;
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return 0;
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::string ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    std::size_t i = 0;
    const std::size_t n = cp932.size();
    // Plain ASCII needs no table.
    while (i < n && static_cast<unsigned char>(cp932[i]) < 0x80)
        ++i;
    out.append(cp932.data(), i);
    if (i == n)
        return out;

    const Tables& t = GetTables();
    while (i < n) {
        auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (IsLeadByte(b) && i + 1 < n) {
            auto trail = static_cast<unsigned char>(cp932[i + 1]);
            char16_t cp = t.dbl[static_cast<std::size_t>(LeadIndex(b) * 256) + trail];
            if (cp != 0) {
                AppendUtf8(out, cp);
                i += 2;
                continue;
            }
            // A pair the code page does not hold stays one (broken) character, as the
            // character-boundary functions see it; a control or blank after a lone lead byte
            // keeps its own meaning.
            AppendUtf8(out, kRawBase + b);
            if (IsTrailByte(trail)) {
                AppendUtf8(out, kRawBase + trail);
                i += 2;
            } else {
                ++i;
            }
            continue;
        }
        char32_t cp = t.single[b];
        AppendUtf8(out, cp != kNone ? cp : kRawBase + b);
        ++i;
    }
    return out;
}

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n && static_cast<unsigned char>(utf8[i]) < 0x80)
        ++i;
    out.append(utf8.data(), i);
    if (i == n)
        return out;

    const Tables& t = GetTables();
    while (i < n) {
        char32_t cp = NextUtf8(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp >= kRawBase && cp <= kRawBase + 0xFF) {
            out += static_cast<char>(cp - kRawBase);
        } else if (cp == kNone) {
            out += '?';
        } else if (cp <= 0xFFFF && t.rev[cp] != 0) {
            std::uint16_t code = t.rev[cp];
            if (code > 0xFF)
                out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else if (!EncodeByIconv(cp, out)) {
            out += '?';
        }
    }
    return out;
}

bool CanEncode(char32_t codePoint) {
    if (codePoint == '?') {
        return true;
    }
    std::string utf8;
    AppendUtf8(utf8, codePoint);
    return FromUtf8(utf8) != "?";
}

std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextUtf8(utf8, i);
        out += cp == kNone ? char32_t{0xFFFD} : cp;
    }
    return out;
}

std::size_t CutLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t len = CharLength(text, i);
        if (i + len > maxBytes)
            break;
        i += len;
    }
    return i;
}

std::string Cut(std::string_view text, std::size_t maxBytes) {
    return std::string(text.substr(0, CutLength(text, maxBytes)));
}

std::size_t Find(std::string_view text, std::string_view what, std::size_t from) {
    for (std::size_t i = 0; i <= text.size();) {
        if (i >= from && text.compare(i, what.size(), what) == 0 &&
            i + what.size() <= text.size() && IsCharStart(text.substr(i), what.size()))
            return i;
        if (i == text.size())
            break;
        i += CharLength(text, i);
    }
    return std::string_view::npos;
}

std::size_t FindByte(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (i >= from && text[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindLastByte(std::string_view text, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c)
            found = i;
    }
    return found;
}

std::string ToUpperAscii(std::string_view text) {
    return FoldAscii(text,
                     [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
}

std::string ToLowerAscii(std::string_view text) {
    return FoldAscii(text, FoldLower);
}

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        std::size_t la = CharLength(a, i);
        std::size_t lb = CharLength(b, j);
        int ca = la == 1 ? FoldLower(static_cast<unsigned char>(a[i]))
                         : static_cast<unsigned char>(a[i]);
        int cb = lb == 1 ? FoldLower(static_cast<unsigned char>(b[j]))
                         : static_cast<unsigned char>(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (la == 2 && lb == 2 && a[i + 1] != b[j + 1])
            return static_cast<unsigned char>(a[i + 1]) < static_cast<unsigned char>(b[j + 1]) ? -1
                                                                                               : 1;
        if (la != lb)
            return la < lb ? -1 : 1;
        i += la;
        j += lb;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        ++count;
    return count;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace tembra::Sjis
