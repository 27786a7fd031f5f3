// The print layout file (*.LYT): one definition, one reader and one writer for the main program
// and the layout editor.
//
// A plain sectioned text file in CP932 with CR LF line ends:
//
//   [ファイル情報]                      file information: "Vertion", "MasterFlag", "CurrentPaper",
//   Vertion=10000                       "LayoutName", "hWnd_Tembra", "LayoutDiscernmentFlag"
//   ...
//
//   [_A4_]                              one section per paper: "[_A4_]", "[_B4_]", "[_A3_]",
//   PaperArea= 0, 0, 2970, 2100         "[A3縦]" (no underscores), "[_A2_]", "[_A1_]"
//   ...
//   MojiData1="text", l, t, r, b, "face", height, width, vcenter, hcenter, colour, area
//   InputArea1="name", l, t, r, b, "face", height, width, vcenter, hcenter, colour,
//              "contents", kind, area
//   LineData1= x1, y1, x2, y2, style, width, colour, area
//
//   [EOS]                               ends a full file
//
// The rules both programs read by, whichever of them (or which Windows program) wrote the file:
//   - A section runs from its header (a line beginning with "[") to the next such line or the
//     end of the file; empty lines are skipped. Sections are known by their header text; a
//     header's later repeats are ignored with their lines, and so is anything before the first
//     header. "[EOS]" ends the file: nothing after it is read, and a file without it reads
//     alike (the main program's one-paper copy has none).
//   - An entry is a key, "=" and the value: everything after the first "=", verbatim. A key
//     counts wherever it stands in its section (its first line counts); an element family runs
//     from number 1 to the first missing number, wherever the lines stand. An absent key reads
//     as 0 or empty.
//   - Positions are 0.1 mm from the paper's top-left corner with y downward, so every y in the
//     file is non-negative; both programs keep y upward and negate it on reading.
//   - Texts and contents hold line breaks as CR LF in memory and as backslash and n in the file,
//     converted at character starts only (the trail byte 0x5C of a double-byte character is no
//     backslash). Names and faces are never converted. Quoted fields keep 1024 bytes (texts and
//     contents) or 127 bytes (names and faces), cut on a character boundary; reading goes on
//     after the closing quote. The format has no escape for a double quote: a writer writes
//     it as the full-width "＂".
#pragma once

#include "model/Utility.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// ---- Names of the format ------------------------------------------------------------------------

// "[ファイル情報]" and its bare name, in CP932.
const std::string& LayoutInfoSectionHeader();
const std::string& LayoutInfoSectionName();
// The number of papers of a full file.
constexpr int kLayoutPaperCount = 6;
// The bare layout section name of paper 0..5 ("_A4_" ... "A3縦" ... "_A1_"), empty otherwise.
std::string LayoutPaperSectionName(int paper);
// The same with its brackets ("[_A4_]"), empty for a paper outside 0..5.
std::string LayoutPaperSectionHeader(int paper);
constexpr const char* kLayoutEndOfFile = "[EOS]";

// The area keys by area index: 0 "HeaderArea", 1 "EditArea", 2 "DateArea", 3 "FooterArea";
// nullptr for any other index.
const char* LayoutAreaKey(int area);
constexpr int kLayoutAreaCount = 4;

// The rectangles of a paper section, in the order written.
enum LayoutRect : int {
    kLayoutPaperArea,
    kLayoutHeaderArea,
    kLayoutFooterArea,
    kLayoutFooterAreaOld,
    kLayoutLeftArea,
    kLayoutLeftAreaOld,
    kLayoutRightArea,
    kLayoutRightAreaOld,
    kLayoutDateArea,
    kLayoutEditArea,
    kLayoutOffsetLTop,
    kLayoutOffsetRBottom,
    kLayoutRectCount
};
// The key of a rectangle ("PaperArea" ... "OffsetRBottom"), nullptr outside the table.
const char* LayoutRectKey(int rect);

// The grid divisions of a paper section, vertical and horizontal for the header, footer, left
// and right areas, in the order written.
enum LayoutPartition : int {
    kLayoutVpartition,
    kLayoutHpartition,
    kLayoutVpartitionB,
    kLayoutHpartitionB,
    kLayoutVpartitionL,
    kLayoutHpartitionL,
    kLayoutVpartitionR,
    kLayoutHpartitionR,
    kLayoutPartitionCount
};
// The key ("Vpartition" ... "HpartitionR") and the count a new section gets (header and footer
// 50 across and 6 down, the side areas 6 and 50); nullptr and 0 outside the table.
const char* LayoutPartitionKey(int partition);
int LayoutPartitionDefault(int partition);

// The "PaperArea" extent of paper 0..5 (A4 2970 x 2100, B4 3640 x 2570, A3 4200 x 2970, A3
// upright 2970 x 4200, A2 5940 x 4200, A1 8400 x 5940); (0, 0) for any other paper.
CSize LayoutPaperExtent(int paper);

// The element families of a paper section, numbered from 1 in each.
constexpr const char* kLayoutTextKey = "MojiData";
constexpr const char* kLayoutInputKey = "InputArea";
constexpr const char* kLayoutLineKey = "LineData";
// "MojiData" + n and so on.
std::string LayoutElementKey(const char* family, int n);

// The largest magnitude a position or size read from a layout file keeps (0.1 mm: 100 m, far
// beyond any paper). A damaged file's larger numbers are cut to it, so that the negations,
// differences and shifts the readers and the page areas apply to them cannot overflow.
constexpr int kLayoutNumberLimit = 1000000;

// Field limits of the quoted element texts (bytes; a cut never splits a character).
constexpr std::size_t kLayoutTextLimit = 1024; // fixed texts and input-area contents
constexpr std::size_t kLayoutNameLimit = 127;  // input-area names and face names

// ---- Lines and sections ---------------------------------------------------------------------

// The lines of an opened layout file, without their line ends.
using LayoutLines = std::vector<std::string>;

// The lines of a file's bytes: a line ends at LF; a CR before it is dropped.
LayoutLines SplitLayoutLines(std::string_view bytes);
// Reads every line of a file. Nothing when the file cannot be opened.
std::optional<LayoutLines> ReadLayoutLines(const std::filesystem::path& path);

// One section of a layout file: its entries by key.
class LayoutSection {
public:
    // The value of a key (the rest of its first line after "="), or nullptr.
    const std::string* Find(std::string_view key) const;
    // The section's lines as they stood (empty lines left out).
    const LayoutLines& Lines() const { return m_lines; }

private:
    friend class LayoutFileIndex;
    void Add(std::string line);

    LayoutLines m_lines;
    std::map<std::string, std::string, std::less<>> m_values;
};

// A layout file's sections, found by their header.
class LayoutFileIndex {
public:
    explicit LayoutFileIndex(const LayoutLines& lines);
    // The file read and indexed; nothing when it cannot be opened.
    static std::optional<LayoutFileIndex> Read(const std::filesystem::path& path);

    // The section of a header (brackets included), or nullptr when the file has none.
    const LayoutSection* Find(std::string_view header) const;
    const LayoutSection* Info() const { return Find(LayoutInfoSectionHeader()); }
    // The section of paper 0..5, or nullptr.
    const LayoutSection* Paper(int paper) const;

private:
    std::map<std::string, LayoutSection, std::less<>> m_sections;
};

// One value of one section: the rest of the key's line after "=", verbatim. FALSE, value
// untouched, when the file has no such section or the section no such key.
BOOL GetLayoutValue(const LayoutLines& file, std::string_view sectionHeader, std::string_view key,
                    std::string& value);

// ---- Single values --------------------------------------------------------------------------

// The "MasterFlag" of a file: 1 a master layout, -1 a temporary copy for the layout editor, -2
// a temporary copy the layout editor saved with changes. 0 when the file cannot be opened or
// has no such key.
int ReadLayoutMasterFlag(const std::filesystem::path& path);
// The "LayoutName" of a file; empty when the file cannot be opened or has no such key.
std::string ReadLayoutName(const std::filesystem::path& path);

// Where a numeric reader takes its value: a layout file, or the user profile through the one
// designated profile source. The profile source is told apart by how it was made, never by a
// path's text.
class LayoutValueSource {
public:
    explicit LayoutValueSource(std::filesystem::path file) : m_file(std::move(file)) {}
    // The application's designated profile source.
    static const LayoutValueSource& Profile();

    bool IsProfile() const { return m_profile; }
    const std::filesystem::path& File() const { return m_file; }

private:
    LayoutValueSource() : m_profile(true) {}

    std::filesystem::path m_file;
    bool m_profile = false;
};

// Fetches the value of key in section (a bare name: a file is searched for "[" section "]", the
// profile for the section itself) and parses up to values.size() comma-separated integers from
// it; values not reached keep what they held. TRUE when a non-empty value was found; FALSE for a
// file that cannot be opened.
BOOL ReadLayoutInts(std::string_view section, std::string_view key, std::span<int> values,
                    const LayoutValueSource& source);

// "LayoutDiscernmentFlag" of "[ファイル情報]": 1 marks the safety-and-health plan form. 0 when
// absent or unreadable.
int GetLayoutDiscernmentFlag(const std::filesystem::path& path);
// "OffsetLTop" (x1, y1, x2, y2) of the paper's section as (x2 - x1, -(y2 - y1)). FALSE, the
// point untouched, when the paper has no section or the section no such key.
BOOL GetLayoutOffset(int paper, CPoint& offset, const std::filesystem::path& path);
// The area key's l, t, r, b as the rectangle (l, -t, r, -b). FALSE, the rectangle untouched,
// when the key is missing or the area index is outside 0..3. Both readers cut each number to
// kLayoutNumberLimit first.
BOOL GetLayoutArea(int paper, int area, CRect& rect, const std::filesystem::path& path);

// ---- Fields ---------------------------------------------------------------------------------

// A quoted field: the text between the first double quote and the next one (or the end of the
// line), with unescape each backslash and n at character starts made CR LF, then cut to
// maxBytes on a character boundary (never between a CR and its LF). Returns the rest after the
// first comma that follows the closing quote, so that a cut text goes on at the next field;
// nothing when there is no quote, no closing quote or no comma after it (out is empty without a
// quote).
ParsePos ParseLayoutQuoted(ParsePos rest, std::string& out, std::size_t maxBytes, bool unescape);
// A text as a quoted field writes it, without the quotes: CR LF (and a lone LF) at character
// starts as backslash and n, a double quote as "＂", an unfinished double-byte character at the
// end left out. A name or face keeps every other byte as it is; a line end in one is written as
// backslash and n as well, so that the entry keeps its line, and is not turned back on reading.
std::string EscapeLayoutText(std::string_view text);

// ---- Elements -------------------------------------------------------------------------------

// One "MojiData" or "InputArea" line in file terms: positions with y downward, the font as face
// name, height and width.
struct LayoutTextEntry {
    std::string name;     // input areas only: the key of the area, e.g. "010001"
    std::string contents; // the text (fixed text) or the current text (input area), CR LF breaks
    CRect rect;           // l, t, r, b
    std::string faceName;
    int fontHeight = 0;
    int fontWidth = 0;
    int vCenter = 0;
    int hCenter = 0;
    COLORREF color = 0;
    // Input areas: field 14, which the main program reads as the element kind 0..4 and the
    // layout editor as the base-name index (4: a named area that is no base area); any other
    // value is kept. Fixed texts: 0x100.
    int kind = 0;
    int area = 0; // 0 header, 1 footer, 2 left strip, 3 right strip

    bool operator==(const LayoutTextEntry&) const = default;
};

// One "LineData" line in file terms.
struct LayoutLineEntry {
    CRect rect; // x1, y1, x2, y2: the two end points
    int style = 0;
    int width = 0;
    COLORREF color = 0;
    int area = 0;

    bool operator==(const LayoutLineEntry&) const = default;
};

// Parses the value of an element line. Numbers are decimal integers separated by commas; blanks
// and tabs are skipped; ";" or the line end ends the list; a number beyond kLayoutNumberLimit is
// cut to it. The area number at the end is optional (0 when absent). Fields the value does not
// reach keep their defaults; malformed numbers parse as far as their digits reach.
LayoutTextEntry ParseLayoutTextEntry(std::string_view value);
LayoutTextEntry ParseLayoutInputEntry(std::string_view value);
LayoutLineEntry ParseLayoutLineEntry(std::string_view value);

// ---- Whole files ----------------------------------------------------------------------------

// "[ファイル情報]" as read or to be written.
struct LayoutFileInfo {
    DWORD version = 0; // "Vertion", written back as read
    int masterFlag = 0;
    int currentPaper = 0;
    std::string layoutName;
    std::optional<int> windowHandle; // "hWnd_Tembra": only when the file holds it
    int discernmentFlag = 0;

    bool operator==(const LayoutFileInfo&) const = default;
};

// One paper section in file terms.
struct LayoutPaperSection {
    std::array<CRect, kLayoutRectCount> rects{};
    std::array<int, kLayoutPartitionCount> partitions{};
    std::vector<LayoutTextEntry> texts;
    std::vector<LayoutTextEntry> inputs;
    std::vector<LayoutLineEntry> lines;

    bool operator==(const LayoutPaperSection&) const = default;
};

// A whole file: the information (its keys read as 0 or empty without the section) and the
// papers whose section the file holds.
struct LayoutFileContents {
    LayoutFileInfo info;
    std::array<std::optional<LayoutPaperSection>, kLayoutPaperCount> papers;

    bool operator==(const LayoutFileContents&) const = default;
};

LayoutFileInfo ParseLayoutFileInfo(const LayoutSection* info);
LayoutPaperSection ParseLayoutPaperSection(const LayoutSection& section);
LayoutFileContents ParseLayoutFile(const LayoutFileIndex& index);

// Writes a full file: the information, each paper present after an empty line, and an empty
// line with "[EOS]". FALSE when a line could not be written (the write stops there).
BOOL WriteLayoutFileContents(std::ostream& out, const LayoutFileContents& contents);

// The elements of one paper as the main program reads them: "LayoutName" and
// "LayoutDiscernmentFlag" from "[ファイル情報]", then from the paper's section "OffsetLTop" and
// the families "MojiData", "InputArea" and "LineData".
struct LayoutPaperElements {
    std::string layoutName;    // empty when absent
    short discernmentFlag = 0; // 0 when absent
    // (x2 - x1, -(y2 - y1)) of "OffsetLTop": the margin corner, (0, 0) when absent.
    CPoint offset;
    bool hasPaperSection = false;
    std::vector<LayoutTextEntry> texts;
    std::vector<LayoutTextEntry> inputs;
    std::vector<LayoutLineEntry> lines;
};
// FALSE when the file cannot be opened. A file without the paper's section gives no elements.
BOOL ReadLayoutPaperElements(const std::filesystem::path& path, int paper,
                             LayoutPaperElements& out);

// ---- Writing (lines without their line end) -------------------------------------------------

// Writes one line and its CR LF; FALSE when the stream failed.
BOOL WriteLayoutLine(std::ostream& out, std::string_view text);
// "key=value" ("%s=%s": info keys, and entries taken over verbatim); the value is cut at a line
// end (a line feed, with a CR before it), which would end the entry.
std::string FormatLayoutEntry(std::string_view key, std::string_view value);
// "key=n" ("%s=%d", info keys).
std::string FormatLayoutInfoInt(std::string_view key, long long value);
// "key= l, t, r, b" ("%s= %d, %d, %d, %d").
std::string FormatLayoutRect(std::string_view key, const CRect& rect);
// "key= n" ("%s= %d", the partition keys).
std::string FormatLayoutNumber(std::string_view key, int value);
// "MojiData<n>=\"text\", l, t, r, b, \"face\", h, w, v, z, colour, area".
std::string FormatLayoutTextEntry(int n, const LayoutTextEntry& entry);
// "InputArea<n>=\"name\", l, t, r, b, \"face\", h, w, v, z, colour, \"contents\", kind, area".
std::string FormatLayoutInputEntry(int n, const LayoutTextEntry& entry);
// "LineData<n>= x1, y1, x2, y2, style, width, colour, area".
std::string FormatLayoutLineEntry(int n, const LayoutLineEntry& entry);

} // namespace tembra
