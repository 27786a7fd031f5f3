// Feeds arbitrary bytes to the text helpers that take texts from files: the CP932 conversions and
// the byte-wise operations on character boundaries, the number readers, the setting-line parsers,
// the string edits and the date formats.
//
// Input: a byte for the sizes and positions, a text up to the first zero byte, then a second
// text (a pattern, a setting line's rest, a list of entries).
//
// Besides crashes, leaks and undefined behaviour the target checks what the helpers promise:
// the CP932 round trip through UTF-8 keeps every byte, finds and cuts land on character starts,
// case folding keeps lengths and compares symmetrically, parsed texts are cut to their fields on
// a character boundary, and an escaped text holds no line end (at a character start: a lead
// byte takes the CR after it as its trail byte).
#include "fuzz/FuzzSupport.h"

#include "model/Utility.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "platform/Time.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::fuzz {
namespace {

bool IsCut(std::string_view text, std::size_t limit) {
    return text.size() <= limit && Sjis::CutLength(text, text.size()) == text.size();
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

void CheckSjis(const std::string& text, const std::string& pattern, std::size_t n) {
    for (std::size_t i = 0; i <= text.size(); ++i) {
        static_cast<void>(Sjis::IsCharStart(text, i));
        static_cast<void>(Sjis::CharLength(text, i));
    }
    if (Sjis::FromUtf8(Sjis::ToUtf8(text)) != text) {
        Fail("a CP932 text changes through UTF-8");
    }
    static_cast<void>(Sjis::ToUtf8(Sjis::FromUtf8(text)));

    const std::size_t cut = Sjis::CutLength(text, n);
    if (cut > n || cut > text.size() || !Sjis::IsCharStart(text, cut)) {
        Fail("a cut is longer than asked or splits a character");
    }
    if (Sjis::Cut(text, n) != text.substr(0, cut)) {
        Fail("Cut and CutLength disagree");
    }

    const std::size_t at = Sjis::Find(text, pattern, n % (text.size() + 1));
    if (at != std::string::npos &&
        (!Sjis::IsCharStart(text, at) || text.compare(at, pattern.size(), pattern) != 0)) {
        Fail("a find lands inside a character or on other bytes");
    }
    if (!pattern.empty()) {
        for (const std::size_t found :
             {Sjis::FindByte(text, pattern[0]), Sjis::FindLastByte(text, pattern[0])}) {
            if (found != std::string::npos &&
                (!Sjis::IsCharStart(text, found) || text[found] != pattern[0])) {
                Fail("a byte find lands inside a character or on another byte");
            }
        }
    }

    const std::string upper = Sjis::ToUpperAscii(text);
    const std::string lower = Sjis::ToLowerAscii(text);
    if (upper.size() != text.size() || lower.size() != text.size() ||
        !Sjis::EqualsNoCase(upper, lower) || !Sjis::EqualsNoCase(text, upper)) {
        Fail("case folding changes more than the case of letters");
    }
    if (Sign(Sjis::CompareNoCase(text, pattern)) != -Sign(Sjis::CompareNoCase(pattern, text))) {
        Fail("a comparison without case is not symmetric");
    }
    if (Sjis::CharCount(text) > text.size()) {
        Fail("a text counts more characters than bytes");
    }
    std::string utf8;
    for (const char c : pattern) {
        Sjis::AppendUtf8(utf8, static_cast<char32_t>(static_cast<unsigned char>(c)) * 0x1111u);
    }
    static_cast<void>(Sjis::FromUtf8(utf8));
}

void CheckNumbers(const std::string& text) {
    static_cast<void>(NumberText::AtoI(text));
    static_cast<void>(NumberText::ProfileInt(text));
    static_cast<void>(NumberText::StrToUL(text));
    static_cast<void>(NumberText::StrToD(text));
    std::array<int, 6> values{};
    static_cast<void>(NumberText::ReadList<int>(
        std::string_view(text), values, [](std::string_view f) { return NumberText::AtoI(f); }));
}

void CheckSettingLine(const std::string& line, std::size_t n) {
    std::array<int, 4> ints{};
    std::array<LONG, 3> longs{};
    std::array<double, 2> doubles{};
    std::string quoted;
    std::string token;
    ParsePos rest = ParseQuotedString(std::string_view(line), quoted, n);
    if (!IsCut(quoted, n)) {
        Fail("a quoted field is not cut to its size on a character boundary");
    }
    rest = ParseIntList(rest, ints);
    rest = ParseLongList(rest, longs);
    rest = ParseDoubleList(rest, doubles);
    const char separator = line.empty() ? ',' : line.back();
    rest = ParseToken(rest, token, n, separator);
    if (n > 0 && !IsCut(token, n - 1)) {
        Fail("a token is not cut to its buffer on a character boundary");
    }
    static_cast<void>(ParseQuotedString(rest, quoted, n));
}

void CheckEdits(const std::string& text, const std::string& pattern) {
    std::string s = text;
    RemoveSpaces(s);
    s = text;
    static_cast<void>(TrimTrailingSpaces(s));
    s = text;
    static_cast<void>(ReplaceAll(s, pattern, "\\n"));
    s = text;
    static_cast<void>(ReplaceAll(s, pattern, pattern + pattern));
    s = text;
    EscapeNewlines(s);
    if (Sjis::Find(s, "\r\n") != std::string::npos) {
        Fail("an escaped text still holds a line end");
    }
    UnescapeNewlines(s);

    const std::string format = FormatDateTokens(text);
    static_cast<void>(CTime(2010, 4, 1, 13, 5, 9).Format(format));
    static_cast<void>(CTime(2010, 4, 1).Format(text));

    std::size_t index = 0;
    std::size_t steps = 0;
    while (index < text.size()) {
        int charClass = 0;
        const std::size_t before = index;
        const std::string run = NextCharRun(text, index, charClass);
        if (run.empty()) {
            ++index;
        } else if (index < before || run.size() != index - before + 1 ||
                   text.compare(before, run.size(), run) != 0) {
            Fail("a character run is not the bytes from its start to where it leaves the index");
        } else {
            ++index;
        }
        if (++steps > text.size() + 1) {
            Fail("the character runs do not come to an end");
        }
    }

    std::vector<std::string> entries;
    std::string entry;
    for (const char c : pattern) {
        if (c == '\n') {
            entries.push_back(entry);
            entry.clear();
        } else {
            entry.push_back(c);
        }
    }
    entries.push_back(entry);
    for (const int found : {FindListBoxExact(entries, text), FindComboExact(entries, text)}) {
        if (found >= 0 && entries[static_cast<std::size_t>(found)] != text &&
            !Sjis::EqualsNoCase(entries[static_cast<std::size_t>(found)], text)) {
            Fail("an exact search finds another entry");
        }
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const std::size_t n = input.Byte();
    const std::string text = input.TextUntil('\0');
    const std::string pattern = input.RestText();

    CheckSjis(text, pattern, n);
    CheckNumbers(text);
    CheckSettingLine(text, n);
    CheckSettingLine(pattern, n);
    CheckEdits(text, pattern);
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
