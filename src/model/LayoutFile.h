// The print layout file (*.LYT): one definition for the main program and the layout editor.
//
// A plain sectioned text file in CP932 with CR LF line ends:
//
//   [ファイル情報]                      file information: "Vertion", "MasterFlag", "CurrentPaper",
//   Vertion=10000                       "LayoutName", "hWnd_Tembra", "LayoutDiscernmentFlag"
//   ...
//                                       an empty line ends a section
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
// An entry is a key, "=" and the value: everything after the first "=" up to the line end,
// verbatim. Positions are 0.1 mm from the paper's top-left corner with y downward, so every y in
// the file is non-negative; the program keeps y upward and negates it on reading.
//
// Sections are found by their header wherever they stand, so a full file and the one-paper
// temporary copy for the layout editor read alike, and sections in another order or unknown
// sections do not disturb the search. A section ends at an empty line, at a line beginning with
// "[" (the next header, when a writer left out the empty line) or at the end of the file: a key
// that its own section lacks is never taken from the section after it.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// ---- Names of the format ------------------------------------------------------------------------

// "[ファイル情報]" and its bare name, in CP932.
const std::string& LayoutInfoSectionHeader();
const std::string& LayoutInfoSectionName();
// The bare layout section name of paper 0..5 ("_A4_" ... "A3縦" ... "_A1_"), empty otherwise.
std::string LayoutPaperSectionName(int paper);
// The same with its brackets ("[_A4_]"), empty for a paper outside 0..5.
std::string LayoutPaperSectionHeader(int paper);
constexpr const char* kLayoutEndOfFile = "[EOS]";

// The area keys by area index: 0 "HeaderArea", 1 "EditArea", 2 "DateArea", 3 "FooterArea";
// nullptr for any other index.
const char* LayoutAreaKey(int area);
constexpr int kLayoutAreaCount = 4;

// The "PaperArea" extent of paper 0..5 (A4 2970 x 2100, B4 3640 x 2570, A3 4200 x 2970, A3
// upright 2970 x 4200, A2 5940 x 4200, A1 8400 x 5940); (0, 0) for any other paper.
CSize LayoutPaperExtent(int paper);

// The element families of a paper section, numbered from 1 in each.
constexpr const char* kLayoutTextKey = "MojiData";
constexpr const char* kLayoutInputKey = "InputArea";
constexpr const char* kLayoutLineKey = "LineData";

// The largest magnitude a position or size read from a layout file keeps (0.1 mm: 100 m, far
// beyond any paper). A damaged file's larger numbers are cut to it, so that the negations,
// differences and shifts the readers and the page areas apply to them cannot overflow.
constexpr int kLayoutNumberLimit = 1000000;

// Field limits of the quoted element texts (bytes; a cut never splits a character).
constexpr std::size_t kLayoutTextLimit = 511; // fixed texts and input-area contents
constexpr std::size_t kLayoutNameLimit = 127; // input-area names and face names

// ---- Reading --------------------------------------------------------------------------------

// The lines of an opened layout file, without their line ends.
using LayoutLines = std::vector<std::string>;

// Reads every line of a file (a line ends at LF; a CR before it is dropped). Nothing when the
// file cannot be opened.
std::optional<LayoutLines> ReadLayoutLines(const std::filesystem::path& path);

// One value of one section: searches each section whose header line equals sectionHeader
// (brackets included) for a line that begins with key followed by "=", and gives the rest of
// that line verbatim. FALSE, value untouched, when no such section holds the key.
BOOL GetLayoutValue(const LayoutLines& file, std::string_view sectionHeader, std::string_view key,
                    std::string& value);

// The body of the first section with that header: the lines after it up to the end of the
// section. Nothing when the file has no such header.
std::optional<LayoutLines> GetLayoutSection(const LayoutLines& file,
                                            std::string_view sectionHeader);

// Forward search in the lines of one section. A cursor that is negative or lies after the last
// line is first set to 0. From the cursor on, the first line beginning with key followed by "="
// gives the value (the rest of the line, verbatim) and the cursor moves to the line after it.
// FALSE when no such line follows; the cursor keeps its value then (0 after the reset).
BOOL FindLayoutLine(const LayoutLines& lines, std::string_view key, std::string& value,
                    int& cursor);

// The "MasterFlag" of a file: 1 a master layout, -1 a temporary copy for the layout editor, -2
// a temporary copy the layout editor saved with changes. 0 when the file cannot be opened or
// has no such key.
int ReadLayoutMasterFlag(const std::filesystem::path& path);

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

// ---- Elements -------------------------------------------------------------------------------

// One "MojiData" or "InputArea" line in file terms: positions with y downward, the font as face
// name, height and width.
struct LayoutTextEntry {
    std::string name;     // input areas only: the key of the area, e.g. "010001"
    std::string contents; // the text (fixed text) or the current text (input area)
    CRect rect;           // l, t, r, b
    std::string faceName;
    int fontHeight = 0;
    int fontWidth = 0;
    int vCenter = 0;
    int hCenter = 0;
    COLORREF color = 0;
    int kind = 0; // input areas: the element kind 0..4 of the file; fixed texts: 0x100
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

// Parses the value of an element line. A quoted field is the text between its first double quote
// and the next one, cut to its limit; after it the parser moves past the next comma, so a text
// cut at its limit continues at the field after its closing quote. Numbers are decimal integers
// separated by commas; blanks and tabs are skipped; ";" or the line end ends the list; a number
// beyond kLayoutNumberLimit is cut to it. The area number at the end is optional (0 when
// absent). Fields the value does not reach keep their defaults; malformed numbers parse as far
// as their digits reach.
LayoutTextEntry ParseLayoutTextEntry(std::string_view value);
LayoutTextEntry ParseLayoutInputEntry(std::string_view value);
LayoutLineEntry ParseLayoutLineEntry(std::string_view value);

// The elements of one paper as the main program reads them: "LayoutName" and then
// "LayoutDiscernmentFlag" from "[ファイル情報]" (one forward cursor), then from the paper's section
// with one forward cursor "OffsetLTop" and the families "MojiData", "InputArea" and "LineData",
// each numbered from 1; the first missing number ends its family. So the keys of a paper section
// must stand in the written order.
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
// Quoted texts are written so that they stay inside their field and line: a line end (CR LF or
// a lone LF) as backslash and n, the format's line break; a double quote as a single quote.

// "key=value" ("%s=%s": info keys, and entries taken over verbatim).
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
