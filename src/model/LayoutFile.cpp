#include "model/LayoutFile.h"

#include "model/Utility.h"
#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace tembra {

namespace {

// "[ファイル情報]" and "A3縦" in CP932.
const std::string kInfoName = "\x83\x74\x83\x40\x83\x43\x83\x8B\x8F\xEE\x95\xF1";
const std::string kA3TateName = "A3\x8F\x63";

bool IsSectionEnd(const std::string& line) {
    return line.empty() || line.front() == '[';
}

// The rest of the line after key and "=", when the line begins with them.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0 ||
        line[key.size()] != '=') {
        return std::nullopt;
    }
    return line.substr(key.size() + 1);
}

// The colour field and the rest of the value after its comma: an unsigned long as the C
// library's strtoul reads it, with the rules of the integer lists.
ParsePos ParseColor(ParsePos rest, COLORREF& color) {
    return NumberText::ReadList(rest, std::span<COLORREF>(&color, 1), NumberText::StrToUL);
}

// A number of a layout file within kLayoutNumberLimit.
int CutLayoutNumber(int v) {
    return std::clamp(v, -kLayoutNumberLimit, kLayoutNumberLimit);
}

// The four numbers of a rectangle value, each cut to kLayoutNumberLimit.
void CutLayoutNumbers(std::span<int> values) {
    for (int& v : values) {
        v = CutLayoutNumber(v);
    }
}

// The margin corner of "OffsetLTop" (x1, y1, x2, y2): (x2 - x1, -(y2 - y1)).
CPoint MarginCorner(std::array<int, 4> v) {
    CutLayoutNumbers(v);
    return CPoint(v[2] - v[0], -(v[3] - v[1]));
}

// Up to values.size() comma-separated integers from the start of rest (read as atoi reads
// them, then cut to kLayoutNumberLimit), with the rules of the setting lines: blanks and tabs
// skipped, ";" or a line end ends the list. Unlike a whole setting line, an element's rest is not
// searched for "=": a text after the numbers may hold one.
ParsePos ParseInts(ParsePos rest, std::span<int> values) {
    return NumberText::ReadList(rest, values, [](std::string_view field) {
        return CutLayoutNumber(NumberText::AtoI(field));
    });
}

ParsePos ParseRect(ParsePos rest, CRect& rect) {
    std::array<int, 4> v{};
    ParsePos next = ParseInts(rest, v);
    rect = CRect(v[0], v[1], v[2], v[3]);
    return next;
}

ParsePos ParseFont(ParsePos rest, LayoutTextEntry& e) {
    rest = ParseQuotedString(rest, e.faceName, kLayoutNameLimit);
    std::array<int, 4> v{};
    rest = ParseInts(rest, v);
    e.fontHeight = v[0];
    e.fontWidth = v[1];
    e.vCenter = v[2];
    e.hCenter = v[3];
    return rest;
}

ParsePos ParseOne(ParsePos rest, int& value) {
    std::array<int, 1> v{value};
    ParsePos next = ParseInts(rest, v);
    value = v[0];
    return next;
}

std::string Join(std::string_view key, int n) {
    return std::string(key) + std::to_string(n);
}

// A text in double quotes. The format has no escape: a double quote ends the field and a line
// feed the entry's line (an empty line or a "[" after it even the section, with every element
// below). So a line end (CR LF or a lone LF) is written as the format's line break, backslash
// and n, which the drawing and the layout editor take as one; a double quote, which no field can
// hold, as a single quote. The text is walked by characters, as the reader walks it: a lead byte
// takes the byte after it whatever it is, so in a damaged text a double quote after a lead byte
// belongs to that character and stays; a lead byte without a trail byte it could keep (at the
// end, or before a line end) would take the closing quote or the line break, and is dropped.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    const auto lineEndAt = [&](std::size_t at) {
        return text.substr(at, 1) == "\n" || text.substr(at, 2) == "\r\n";
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (Sjis::IsLeadByte(static_cast<unsigned char>(c))) {
            if (i + 1 < text.size() && !lineEndAt(i + 1)) {
                out.append(text.substr(i, 2));
                i += 2;
            } else {
                ++i;
            }
            continue;
        }
        if (c == '\r' && lineEndAt(i)) {
            // the LF writes the break
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '"') {
            out += '\'';
        } else {
            out += c;
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string Numbers(std::initializer_list<long long> values) {
    std::string out;
    for (long long v : values) {
        if (!out.empty()) {
            out += ", ";
        }
        out += std::to_string(v);
    }
    return out;
}

} // namespace

// ---- Names ----------------------------------------------------------------------------------

const std::string& LayoutInfoSectionName() {
    return kInfoName;
}

const std::string& LayoutInfoSectionHeader() {
    static const std::string header = "[" + kInfoName + "]";
    return header;
}

std::string LayoutPaperSectionName(int paper) {
    switch (paper) {
    case 0:
        return "_A4_";
    case 1:
        return "_B4_";
    case 2:
        return "_A3_";
    case 3:
        return kA3TateName;
    case 4:
        return "_A2_";
    case 5:
        return "_A1_";
    default:
        return {};
    }
}

std::string LayoutPaperSectionHeader(int paper) {
    std::string name = LayoutPaperSectionName(paper);
    return name.empty() ? name : "[" + name + "]";
}

const char* LayoutAreaKey(int area) {
    static constexpr const char* keys[kLayoutAreaCount] = {"HeaderArea", "EditArea", "DateArea",
                                                           "FooterArea"};
    return area >= 0 && area < kLayoutAreaCount ? keys[area] : nullptr;
}

CSize LayoutPaperExtent(int paper) {
    static constexpr CSize extents[] = {{2970, 2100}, {3640, 2570}, {4200, 2970},
                                        {2970, 4200}, {5940, 4200}, {8400, 5940}};
    return paper >= 0 && paper < static_cast<int>(std::size(extents)) ? extents[paper] : CSize();
}

// ---- Reading --------------------------------------------------------------------------------

std::optional<LayoutLines> ReadLayoutLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    LayoutLines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') {
            --stop;
        }
        lines.emplace_back(bytes, start, stop - start);
        start = next;
    }
    return lines;
}

BOOL GetLayoutValue(const LayoutLines& file, std::string_view sectionHeader, std::string_view key,
                    std::string& value) {
    bool inSection = false;
    for (const std::string& line : file) {
        if (!inSection) {
            inSection = line == sectionHeader;
            continue;
        }
        if (IsSectionEnd(line)) {
            // Another appearance of the same section is searched as well.
            inSection = line == sectionHeader;
            continue;
        }
        if (auto v = ValueOf(line, key)) {
            value.assign(*v);
            return TRUE;
        }
    }
    return FALSE;
}

std::optional<LayoutLines> GetLayoutSection(const LayoutLines& file,
                                            std::string_view sectionHeader) {
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] != sectionHeader) {
            continue;
        }
        LayoutLines body;
        for (std::size_t j = i + 1; j < file.size() && !IsSectionEnd(file[j]); ++j) {
            body.push_back(file[j]);
        }
        return body;
    }
    return std::nullopt;
}

BOOL FindLayoutLine(const LayoutLines& lines, std::string_view key, std::string& value,
                    int& cursor) {
    if (cursor < 0 || static_cast<std::size_t>(cursor) >= lines.size()) {
        cursor = 0;
    }
    for (std::size_t i = static_cast<std::size_t>(cursor); i < lines.size(); ++i) {
        if (auto v = ValueOf(lines[i], key)) {
            value.assign(*v);
            cursor = static_cast<int>(i + 1);
            return TRUE;
        }
    }
    return FALSE;
}

int ReadLayoutMasterFlag(const std::filesystem::path& path) {
    std::array<int, 1> v{};
    if (!ReadLayoutInts(kInfoName, "MasterFlag", v, LayoutValueSource(path))) {
        return 0;
    }
    return v[0];
}

const LayoutValueSource& LayoutValueSource::Profile() {
    static const LayoutValueSource profile;
    return profile;
}

BOOL ReadLayoutInts(std::string_view section, std::string_view key, std::span<int> values,
                    const LayoutValueSource& source) {
    std::string value;
    if (source.IsProfile()) {
        value = GetProfileString(section, key, "");
    } else {
        const std::optional<LayoutLines> file = ReadLayoutLines(source.File());
        if (!file) {
            return FALSE;
        }
        const std::string header = "[" + std::string(section) + "]";
        if (!GetLayoutValue(*file, header, key, value)) {
            return FALSE;
        }
    }
    if (value.empty()) {
        return FALSE;
    }
    ParseIntList(std::string_view(value), values);
    return TRUE;
}

int GetLayoutDiscernmentFlag(const std::filesystem::path& path) {
    std::array<int, 1> v{};
    if (!ReadLayoutInts(kInfoName, "LayoutDiscernmentFlag", v, LayoutValueSource(path))) {
        return 0;
    }
    return v[0];
}

BOOL GetLayoutOffset(int paper, CPoint& offset, const std::filesystem::path& path) {
    const std::string section = LayoutPaperSectionName(paper);
    std::array<int, 4> v{};
    if (section.empty() || !ReadLayoutInts(section, "OffsetLTop", v, LayoutValueSource(path))) {
        return FALSE;
    }
    offset = MarginCorner(v);
    return TRUE;
}

BOOL GetLayoutArea(int paper, int area, CRect& rect, const std::filesystem::path& path) {
    const char* key = LayoutAreaKey(area);
    const std::string section = LayoutPaperSectionName(paper);
    std::array<int, 4> v{};
    if (key == nullptr || section.empty() ||
        !ReadLayoutInts(section, key, v, LayoutValueSource(path))) {
        return FALSE;
    }
    CutLayoutNumbers(v);
    rect = CRect(v[0], -v[1], v[2], -v[3]);
    return TRUE;
}

// ---- Elements -------------------------------------------------------------------------------

LayoutTextEntry ParseLayoutTextEntry(std::string_view value) {
    LayoutTextEntry e;
    e.kind = 0x100;
    ParsePos rest = ParseQuotedString(value, e.contents, kLayoutTextLimit);
    rest = ParseRect(rest, e.rect);
    rest = ParseFont(rest, e);
    rest = ParseColor(rest, e.color);
    ParseOne(rest, e.area);
    return e;
}

LayoutTextEntry ParseLayoutInputEntry(std::string_view value) {
    LayoutTextEntry e;
    ParsePos rest = ParseQuotedString(value, e.name, kLayoutNameLimit);
    rest = ParseRect(rest, e.rect);
    rest = ParseFont(rest, e);
    rest = ParseColor(rest, e.color);
    rest = ParseQuotedString(rest, e.contents, kLayoutTextLimit);
    rest = ParseOne(rest, e.kind);
    ParseOne(rest, e.area);
    return e;
}

LayoutLineEntry ParseLayoutLineEntry(std::string_view value) {
    LayoutLineEntry e;
    ParsePos rest = ParseRect(value, e.rect);
    std::array<int, 2> v{};
    rest = ParseInts(rest, v);
    e.style = v[0];
    e.width = v[1];
    rest = ParseColor(rest, e.color);
    ParseOne(rest, e.area);
    return e;
}

BOOL ReadLayoutPaperElements(const std::filesystem::path& path, int paper,
                             LayoutPaperElements& out) {
    const std::optional<LayoutLines> file = ReadLayoutLines(path);
    if (!file) {
        return FALSE;
    }
    out = LayoutPaperElements();
    const LayoutLines info =
        GetLayoutSection(*file, LayoutInfoSectionHeader()).value_or(LayoutLines());
    std::string value;
    int cursor = 0;
    if (FindLayoutLine(info, "LayoutName", value, cursor)) {
        out.layoutName = value;
    }
    if (FindLayoutLine(info, "LayoutDiscernmentFlag", value, cursor)) {
        std::array<int, 1> v{};
        ParseIntList(std::string_view(value), v);
        out.discernmentFlag = static_cast<short>(v[0]);
    }

    const std::string header = LayoutPaperSectionHeader(paper);
    const std::optional<LayoutLines> section =
        header.empty() ? std::nullopt : GetLayoutSection(*file, header);
    if (!section) {
        return TRUE;
    }
    out.hasPaperSection = true;
    cursor = 0;
    if (FindLayoutLine(*section, "OffsetLTop", value, cursor)) {
        std::array<int, 4> v{};
        ParseIntList(std::string_view(value), v);
        out.offset = MarginCorner(v);
    }
    for (int n = 1; FindLayoutLine(*section, Join(kLayoutTextKey, n), value, cursor); ++n) {
        out.texts.push_back(ParseLayoutTextEntry(value));
    }
    for (int n = 1; FindLayoutLine(*section, Join(kLayoutInputKey, n), value, cursor); ++n) {
        out.inputs.push_back(ParseLayoutInputEntry(value));
    }
    for (int n = 1; FindLayoutLine(*section, Join(kLayoutLineKey, n), value, cursor); ++n) {
        out.lines.push_back(ParseLayoutLineEntry(value));
    }
    return TRUE;
}

// ---- Writing --------------------------------------------------------------------------------

std::string FormatLayoutEntry(std::string_view key, std::string_view value) {
    std::string out(key);
    out += '=';
    out += value;
    return out;
}

std::string FormatLayoutInfoInt(std::string_view key, long long value) {
    return FormatLayoutEntry(key, std::to_string(value));
}

std::string FormatLayoutRect(std::string_view key, const CRect& rect) {
    return FormatLayoutEntry(key, " " + Numbers({rect.left, rect.top, rect.right, rect.bottom}));
}

std::string FormatLayoutNumber(std::string_view key, int value) {
    return FormatLayoutEntry(key, " " + std::to_string(value));
}

std::string FormatLayoutTextEntry(int n, const LayoutTextEntry& e) {
    return FormatLayoutEntry(Join(kLayoutTextKey, n),
                             Quoted(e.contents) + ", " +
                                 Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom}) +
                                 ", " + Quoted(e.faceName) + ", " +
                                 Numbers({e.fontHeight, e.fontWidth, e.vCenter, e.hCenter,
                                          static_cast<long long>(e.color), e.area}));
}

std::string FormatLayoutInputEntry(int n, const LayoutTextEntry& e) {
    return FormatLayoutEntry(Join(kLayoutInputKey, n),
                             Quoted(e.name) + ", " +
                                 Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom}) +
                                 ", " + Quoted(e.faceName) + ", " +
                                 Numbers({e.fontHeight, e.fontWidth, e.vCenter, e.hCenter,
                                          static_cast<long long>(e.color)}) +
                                 ", " + Quoted(e.contents) + ", " + Numbers({e.kind, e.area}));
}

std::string FormatLayoutLineEntry(int n, const LayoutLineEntry& e) {
    return FormatLayoutEntry(
        Join(kLayoutLineKey, n),
        " " + Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom, e.style, e.width,
                       static_cast<long long>(e.color), e.area}));
}

} // namespace tembra
