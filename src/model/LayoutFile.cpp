#include "model/LayoutFile.h"

#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <ios>
#include <iterator>
#include <limits>

namespace tembra {

namespace {

// "[ファイル情報]" and "A3縦" in CP932.
const std::string kInfoName = "\x83\x74\x83\x40\x83\x43\x83\x8B\x8F\xEE\x95\xF1";
const std::string kA3TateName = "A3\x8F\x63";
// The full-width double quote "＂" that stands for a double quote in a quoted field.
constexpr std::string_view kWideQuote = "\xFA\x57";

constexpr const char* kRectKeys[kLayoutRectCount] = {
    "PaperArea", "HeaderArea",   "FooterArea", "FooterAreaOld", "LeftArea",   "LeftAreaOld",
    "RightArea", "RightAreaOld", "DateArea",   "EditArea",      "OffsetLTop", "OffsetRBottom"};

struct Partition {
    const char* key;
    int defaultValue;
};
constexpr Partition kPartitions[kLayoutPartitionCount] = {
    {"Vpartition", 50}, {"Hpartition", 6},   {"VpartitionB", 50}, {"HpartitionB", 6},
    {"VpartitionL", 6}, {"HpartitionL", 50}, {"VpartitionR", 6},  {"HpartitionR", 50}};

// A number of a layout file within kLayoutNumberLimit.
int CutLayoutNumber(int v) {
    return std::clamp(v, -kLayoutNumberLimit, kLayoutNumberLimit);
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

// The colour field and the rest of the value after its comma: an unsigned long as the C
// library's strtoul reads it, with the rules of the integer lists.
ParsePos ParseColor(ParsePos rest, COLORREF& color) {
    return NumberText::ReadList(rest, std::span<COLORREF>(&color, 1), NumberText::StrToUL);
}

ParsePos ParseRect(ParsePos rest, CRect& rect) {
    std::array<int, 4> v{};
    ParsePos next = ParseInts(rest, v);
    rect = CRect(v[0], v[1], v[2], v[3]);
    return next;
}

ParsePos ParseFont(ParsePos rest, LayoutTextEntry& e) {
    rest = ParseLayoutQuoted(rest, e.faceName, kLayoutNameLimit, false);
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

// The first integer of a value, 0 when absent.
int IntValue(const LayoutSection* section, std::string_view key) {
    const std::string* value = section != nullptr ? section->Find(key) : nullptr;
    std::array<int, 1> v{};
    if (value != nullptr) {
        ParseIntList(std::string_view(*value), v);
    }
    return v[0];
}

// The margin corner of "OffsetLTop" (x1, y1, x2, y2): (x2 - x1, -(y2 - y1)).
CPoint MarginCorner(const CRect& r) {
    return CPoint(r.right - r.left, -(r.bottom - r.top));
}

CRect RectValue(const std::string& value) {
    CRect rect;
    ParseRect(std::string_view(value), rect);
    return rect;
}

// Each line end as the format's line break: the text keeps its line, and a double quote,
// which no field can hold, becomes the full-width quote. An unfinished double-byte character at
// the end would take the closing quote as its trail byte: it is left out.
std::string Quoted(std::string_view text) {
    return "\"" + EscapeLayoutText(text) + "\"";
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

// Cuts a text to maxBytes on a character boundary, never between a CR and its LF.
void CutText(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return;
    }
    std::size_t length = Sjis::CutLength(text, maxBytes);
    if (length > 0 && text[length - 1] == '\r' && text[length] == '\n') {
        --length;
    }
    text.resize(length);
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
    static const std::string names[kLayoutPaperCount] = {"_A4_",      "_B4_", "_A3_",
                                                         kA3TateName, "_A2_", "_A1_"};
    return paper >= 0 && paper < kLayoutPaperCount ? names[paper] : std::string();
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

const char* LayoutRectKey(int rect) {
    return rect >= 0 && rect < kLayoutRectCount ? kRectKeys[rect] : nullptr;
}

const char* LayoutPartitionKey(int partition) {
    return partition >= 0 && partition < kLayoutPartitionCount ? kPartitions[partition].key
                                                               : nullptr;
}

int LayoutPartitionDefault(int partition) {
    return partition >= 0 && partition < kLayoutPartitionCount ? kPartitions[partition].defaultValue
                                                               : 0;
}

CSize LayoutPaperExtent(int paper) {
    static constexpr CSize extents[kLayoutPaperCount] = {{2970, 2100}, {3640, 2570}, {4200, 2970},
                                                         {2970, 4200}, {5940, 4200}, {8400, 5940}};
    return paper >= 0 && paper < kLayoutPaperCount ? extents[paper] : CSize();
}

std::string LayoutElementKey(const char* family, int n) {
    return std::string(family) + std::to_string(n);
}

// ---- Lines and sections ---------------------------------------------------------------------

LayoutLines SplitLayoutLines(std::string_view bytes) {
    LayoutLines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') {
            --stop;
        }
        lines.emplace_back(bytes.substr(start, stop - start));
        start = next;
    }
    return lines;
}

std::optional<LayoutLines> ReadLayoutLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return SplitLayoutLines(bytes);
}

const std::string* LayoutSection::Find(std::string_view key) const {
    const auto it = m_values.find(key);
    return it == m_values.end() ? nullptr : &it->second;
}

void LayoutSection::Add(std::string line) {
    // "=" is never the trail byte of a double-byte character, so the first one ends the key.
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) {
        // The first line of a key counts.
        m_values.try_emplace(line.substr(0, equals), line.substr(equals + 1));
    }
    m_lines.push_back(std::move(line));
}

LayoutFileIndex::LayoutFileIndex(const LayoutLines& lines) {
    LayoutSection* current = nullptr;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[') {
            if (line == kLayoutEndOfFile) {
                break;
            }
            // A repeated header opens nothing: its lines are ignored.
            const auto [it, added] = m_sections.try_emplace(line);
            current = added ? &it->second : nullptr;
            continue;
        }
        if (current != nullptr && !line.empty()) {
            current->Add(line);
        }
    }
}

std::optional<LayoutFileIndex> LayoutFileIndex::Read(const std::filesystem::path& path) {
    const std::optional<LayoutLines> lines = ReadLayoutLines(path);
    if (!lines) {
        return std::nullopt;
    }
    return LayoutFileIndex(*lines);
}

const LayoutSection* LayoutFileIndex::Find(std::string_view header) const {
    const auto it = m_sections.find(header);
    return it == m_sections.end() ? nullptr : &it->second;
}

const LayoutSection* LayoutFileIndex::Paper(int paper) const {
    const std::string header = LayoutPaperSectionHeader(paper);
    return header.empty() ? nullptr : Find(header);
}

BOOL GetLayoutValue(const LayoutLines& file, std::string_view sectionHeader, std::string_view key,
                    std::string& value) {
    const LayoutFileIndex index(file);
    const LayoutSection* section = index.Find(sectionHeader);
    const std::string* found = section != nullptr ? section->Find(key) : nullptr;
    if (found == nullptr) {
        return FALSE;
    }
    value = *found;
    return TRUE;
}

// ---- Single values --------------------------------------------------------------------------

int ReadLayoutMasterFlag(const std::filesystem::path& path) {
    const std::optional<LayoutFileIndex> index = LayoutFileIndex::Read(path);
    return index ? IntValue(index->Info(), "MasterFlag") : 0;
}

std::string ReadLayoutName(const std::filesystem::path& path) {
    const std::optional<LayoutFileIndex> index = LayoutFileIndex::Read(path);
    const LayoutSection* info = index ? index->Info() : nullptr;
    const std::string* name = info != nullptr ? info->Find("LayoutName") : nullptr;
    return name != nullptr ? *name : std::string();
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
    const std::optional<LayoutFileIndex> index = LayoutFileIndex::Read(path);
    return index ? IntValue(index->Info(), "LayoutDiscernmentFlag") : 0;
}

BOOL GetLayoutOffset(int paper, CPoint& offset, const std::filesystem::path& path) {
    const std::string section = LayoutPaperSectionName(paper);
    std::array<int, 4> v{};
    if (section.empty() || !ReadLayoutInts(section, "OffsetLTop", v, LayoutValueSource(path))) {
        return FALSE;
    }
    for (int& n : v) {
        n = CutLayoutNumber(n);
    }
    offset = MarginCorner(CRect(v[0], v[1], v[2], v[3]));
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
    for (int& n : v) {
        n = CutLayoutNumber(n);
    }
    rect = CRect(v[0], -v[1], v[2], -v[3]);
    return TRUE;
}

// ---- Fields ---------------------------------------------------------------------------------

ParsePos ParseLayoutQuoted(ParsePos rest, std::string& out, std::size_t maxBytes, bool unescape) {
    out.clear();
    const ParsePos next = ParseQuotedString(rest, out, std::numeric_limits<std::size_t>::max());
    if (unescape) {
        UnescapeNewlines(out);
    }
    CutText(out, maxBytes);
    return next;
}

std::string EscapeLayoutText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Sjis::CharLength(text, i);
        if (length == 1 && i + 1 == text.size() && Sjis::IsLeadByte(text[i])) {
            break; // a lead byte without its trail byte
        }
        // A lead byte before a line end (in a damaged text) would take the line feed as its
        // trail byte and split the entry's line: it is left out, the line end is kept.
        if (length == 2 && (text[i + 1] == '\n' || text.substr(i + 1, 2) == "\r\n")) {
            ++i;
            continue;
        }
        const char c = text[i];
        if (length == 1 && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            i += 2;
            continue;
        }
        if (length == 1 && c == '\n') {
            out += "\\n";
        } else if (length == 1 && c == '"') {
            out += kWideQuote;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

// ---- Elements -------------------------------------------------------------------------------

LayoutTextEntry ParseLayoutTextEntry(std::string_view value) {
    LayoutTextEntry e;
    e.kind = 0x100;
    ParsePos rest = ParseLayoutQuoted(value, e.contents, kLayoutTextLimit, true);
    rest = ParseRect(rest, e.rect);
    rest = ParseFont(rest, e);
    rest = ParseColor(rest, e.color);
    ParseOne(rest, e.area);
    return e;
}

LayoutTextEntry ParseLayoutInputEntry(std::string_view value) {
    LayoutTextEntry e;
    ParsePos rest = ParseLayoutQuoted(value, e.name, kLayoutNameLimit, false);
    rest = ParseRect(rest, e.rect);
    rest = ParseFont(rest, e);
    rest = ParseColor(rest, e.color);
    rest = ParseLayoutQuoted(rest, e.contents, kLayoutTextLimit, true);
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

// ---- Whole files ----------------------------------------------------------------------------

LayoutFileInfo ParseLayoutFileInfo(const LayoutSection* info) {
    LayoutFileInfo out;
    if (info == nullptr) {
        return out;
    }
    if (const std::string* v = info->Find("Vertion")) {
        out.version = NumberText::StrToUL(*v);
    }
    out.masterFlag = IntValue(info, "MasterFlag");
    out.currentPaper = IntValue(info, "CurrentPaper");
    if (const std::string* v = info->Find("LayoutName")) {
        out.layoutName = *v;
    }
    if (info->Find("hWnd_Tembra") != nullptr) {
        out.windowHandle = IntValue(info, "hWnd_Tembra");
    }
    out.discernmentFlag = IntValue(info, "LayoutDiscernmentFlag");
    return out;
}

LayoutPaperSection ParseLayoutPaperSection(const LayoutSection& section) {
    LayoutPaperSection out;
    for (int i = 0; i < kLayoutRectCount; ++i) {
        if (const std::string* v = section.Find(kRectKeys[i])) {
            out.rects[static_cast<std::size_t>(i)] = RectValue(*v);
        }
    }
    for (int i = 0; i < kLayoutPartitionCount; ++i) {
        out.partitions[static_cast<std::size_t>(i)] = IntValue(&section, kPartitions[i].key);
    }
    for (int n = 1;; ++n) {
        const std::string* v = section.Find(LayoutElementKey(kLayoutTextKey, n));
        if (v == nullptr) {
            break;
        }
        out.texts.push_back(ParseLayoutTextEntry(*v));
    }
    for (int n = 1;; ++n) {
        const std::string* v = section.Find(LayoutElementKey(kLayoutInputKey, n));
        if (v == nullptr) {
            break;
        }
        out.inputs.push_back(ParseLayoutInputEntry(*v));
    }
    for (int n = 1;; ++n) {
        const std::string* v = section.Find(LayoutElementKey(kLayoutLineKey, n));
        if (v == nullptr) {
            break;
        }
        out.lines.push_back(ParseLayoutLineEntry(*v));
    }
    return out;
}

LayoutFileContents ParseLayoutFile(const LayoutFileIndex& index) {
    LayoutFileContents out;
    out.info = ParseLayoutFileInfo(index.Info());
    for (int paper = 0; paper < kLayoutPaperCount; ++paper) {
        if (const LayoutSection* section = index.Paper(paper)) {
            out.papers[static_cast<std::size_t>(paper)] = ParseLayoutPaperSection(*section);
        }
    }
    return out;
}

BOOL WriteLayoutFileContents(std::ostream& out, const LayoutFileContents& contents) {
    std::vector<std::string> lines;
    const LayoutFileInfo& info = contents.info;
    lines.push_back(LayoutInfoSectionHeader());
    lines.push_back(FormatLayoutEntry("Vertion", std::to_string(info.version)));
    lines.push_back(FormatLayoutInfoInt("MasterFlag", info.masterFlag));
    lines.push_back(FormatLayoutInfoInt("CurrentPaper", info.currentPaper));
    lines.push_back(FormatLayoutEntry("LayoutName", info.layoutName));
    if (info.windowHandle) {
        lines.push_back(FormatLayoutInfoInt("hWnd_Tembra", *info.windowHandle));
    }
    lines.push_back(FormatLayoutInfoInt("LayoutDiscernmentFlag", info.discernmentFlag));
    for (int paper = 0; paper < kLayoutPaperCount; ++paper) {
        const auto& section = contents.papers[static_cast<std::size_t>(paper)];
        if (!section) {
            continue;
        }
        lines.emplace_back();
        lines.push_back(LayoutPaperSectionHeader(paper));
        for (int i = 0; i < kLayoutRectCount; ++i) {
            lines.push_back(
                FormatLayoutRect(kRectKeys[i], section->rects[static_cast<std::size_t>(i)]));
        }
        for (int i = 0; i < kLayoutPartitionCount; ++i) {
            lines.push_back(FormatLayoutNumber(kPartitions[i].key,
                                               section->partitions[static_cast<std::size_t>(i)]));
        }
        int n = 0;
        for (const LayoutTextEntry& e : section->texts) {
            lines.push_back(FormatLayoutTextEntry(++n, e));
        }
        n = 0;
        for (const LayoutTextEntry& e : section->inputs) {
            lines.push_back(FormatLayoutInputEntry(++n, e));
        }
        n = 0;
        for (const LayoutLineEntry& e : section->lines) {
            lines.push_back(FormatLayoutLineEntry(++n, e));
        }
    }
    lines.emplace_back();
    lines.emplace_back(kLayoutEndOfFile);
    for (const std::string& line : lines) {
        if (!WriteLayoutLine(out, line)) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL ReadLayoutPaperElements(const std::filesystem::path& path, int paper,
                             LayoutPaperElements& out) {
    const std::optional<LayoutFileIndex> index = LayoutFileIndex::Read(path);
    if (!index) {
        return FALSE;
    }
    out = LayoutPaperElements();
    const LayoutFileInfo info = ParseLayoutFileInfo(index->Info());
    out.layoutName = info.layoutName;
    out.discernmentFlag = static_cast<short>(info.discernmentFlag);

    const LayoutSection* section = index->Paper(paper);
    if (section == nullptr) {
        return TRUE;
    }
    out.hasPaperSection = true;
    LayoutPaperSection read = ParseLayoutPaperSection(*section);
    if (section->Find("OffsetLTop") != nullptr) {
        out.offset = MarginCorner(read.rects[kLayoutOffsetLTop]);
    }
    out.texts = std::move(read.texts);
    out.inputs = std::move(read.inputs);
    out.lines = std::move(read.lines);
    return TRUE;
}

// ---- Writing --------------------------------------------------------------------------------

BOOL WriteLayoutLine(std::ostream& out, std::string_view text) {
    try {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.write("\r\n", 2);
        out.flush();
    } catch (const std::ios_base::failure&) {
        return FALSE;
    }
    return out.good() ? TRUE : FALSE;
}

std::string FormatLayoutEntry(std::string_view key, std::string_view value) {
    std::string out(key);
    out += '=';
    std::string_view line = value.substr(0, value.find('\n'));
    if (line.size() < value.size() && !line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    out += line;
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
    return FormatLayoutEntry(LayoutElementKey(kLayoutTextKey, n),
                             Quoted(e.contents) + ", " +
                                 Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom}) +
                                 ", " + Quoted(e.faceName) + ", " +
                                 Numbers({e.fontHeight, e.fontWidth, e.vCenter, e.hCenter,
                                          static_cast<long long>(e.color), e.area}));
}

std::string FormatLayoutInputEntry(int n, const LayoutTextEntry& e) {
    return FormatLayoutEntry(LayoutElementKey(kLayoutInputKey, n),
                             Quoted(e.name) + ", " +
                                 Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom}) +
                                 ", " + Quoted(e.faceName) + ", " +
                                 Numbers({e.fontHeight, e.fontWidth, e.vCenter, e.hCenter,
                                          static_cast<long long>(e.color)}) +
                                 ", " + Quoted(e.contents) + ", " + Numbers({e.kind, e.area}));
}

std::string FormatLayoutLineEntry(int n, const LayoutLineEntry& e) {
    return FormatLayoutEntry(
        LayoutElementKey(kLayoutLineKey, n),
        " " + Numbers({e.rect.left, e.rect.top, e.rect.right, e.rect.bottom, e.style, e.width,
                       static_cast<long long>(e.color), e.area}));
}

} // namespace tembra
