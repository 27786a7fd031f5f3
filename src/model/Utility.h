// Free functions shared by the whole program: coordinate clamping and rectangles in the chart's
// upward-growing logical units, the supported date range, calendar arithmetic, CP932 string
// editing, the parsers of comma-separated setting lines, date-format tokens, character runs for
// vertical text, the default font, the six-colour palette of the bars, exact search in list
// entries, opening a web address and a few message helpers.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace tembra {

class CFile;

// ---- Coordinates and rectangles -------------------------------------------------------------

// Every coordinate handed to drawing lies in this range.
constexpr int kMinCoord = -30000;
constexpr int kMaxCoord = 30000;
int ClampCoord(std::int64_t v);

// In place: left <= right and top >= bottom (logical units, y upwards).
void NormalizeLogRect(CRect& rect);
// In place: left <= right and top <= bottom (device units, y downwards).
void NormalizeRect(CRect& rect);
// left <= x < right and bottom < y <= top: the left and top edges belong to the rectangle.
BOOL PtInLogRect(int x, int y, int left, int top, int right, int bottom);
BOOL PtInLogRect(const CPoint& point, const CRect& rect);
// The union of two logical rectangles; an empty one is ignored (both empty: the first).
// The result has top >= bottom.
CRect UnionLogRect(const CRect& a, const CRect& b);

void SwapInt(int& a, int& b);
void SwapPoint(CPoint& a, CPoint& b);

constexpr BYTE LowByteOf(WORD v) {
    return static_cast<BYTE>(v & 0xFF);
}
constexpr BYTE HighByteOf(WORD v) {
    return static_cast<BYTE>((v >> 8) & 0xFF);
}
// high * 256 + low (note the order: the high byte comes first).
constexpr WORD MakeWordOf(BYTE high, BYTE low) {
    return static_cast<WORD>((static_cast<unsigned>(high) << 8) | low);
}

// ---- Dates ----------------------------------------------------------------------------------

// The years of the supported dates: every date a chart holds lies in them. The last is the last
// whole year whose dates the files' 32-bit signed time fields can hold.
constexpr int kMinDateYear = 1991;
constexpr int kMaxDateYear = 2037;
// 1 January of the first and 31 December of the last supported year, 00:00 in the chart zone,
// built once.
const CTime& GetMinDate();
const CTime& GetMaxDate();
BOOL IsLeapYear(int year);
// 28 or 29 for February; 30 for April, June, September and November; 31 for any other month.
int GetDaysInMonth(int year, int month);
// span * factor in whole seconds (truncated toward zero). With roundUp, a result whose hours
// part is 12 or more becomes the next whole day.
CTimeSpan ScaleSpan(CTimeSpan span, double factor, BOOL roundUp);

// ---- Strings (CP932; every operation works on character boundaries) -------------------------

// Deletes every ASCII blank.
void RemoveSpaces(std::string& text);
// Cuts trailing ASCII blanks; returns the new length.
int TrimTrailingSpaces(std::string& text);
// Replaces every occurrence of what, left to right; inserted text is not searched again.
// Returns TRUE when something was replaced. An empty what replaces nothing.
BOOL ReplaceAll(std::string& text, std::string_view what, std::string_view with);
// CR LF -> backslash n; then trailing backslash-n pairs are cut.
void EscapeNewlines(std::string& text);
// backslash n -> CR LF.
void UnescapeNewlines(std::string& text);
// out = the absolute, normalised path of name, upper-cased (ASCII letters only). When the path
// cannot be formed, out = name upper-cased and the result is FALSE.
BOOL NormalizePath(std::string& out, const std::string& name);
// Turns the date tokens of a user's format (yyyy yy mm m dd d hh h MM M) into codes of
// CTime::Format; a '%' of the user's own shows as '%' in the formatted result.
std::string FormatDateTokens(std::string_view format);

// Character classes of a CP932 byte.
enum : int {
    kCharOther = 0,
    kCharSingle = 1, // single-byte graphic character
    kCharDouble = 2, // lead byte of a double-byte character
    kCharBlank = 3,  // white space
};
int GetCharClass(unsigned char byte);
// From index, the longest run of characters of one class (a double-byte character counts as
// its two bytes); returns the run's bytes. index is left on the last byte of the run. Class 0
// (or an index at or past the end) gives an empty run and leaves index where it was.
std::string NextCharRun(std::string_view text, std::size_t& index, int& charClass);

// ---- Setting lines --------------------------------------------------------------------------
// Each parser takes the rest of a line and answers the rest after what it used (always just after
// a comma, or the separator for ParseToken), or nullopt when the line is absent, holds nothing
// more, or runs out of commas; the answers chain:
//     auto rest = ParseQuotedString(line, text, 511);
//     rest = ParseIntList(rest, rect);
// Blanks and tabs are skipped before values; ';' and a line feed end the line. The answers view
// the caller's line, which must outlive them.
using ParsePos = std::optional<std::string_view>;

// Up to values.size() integers, starting after the first '=' of the line (or at its start when
// there is none). Values are read as the C library's atoi reads them (clamped to the type's
// range); the values not reached are left as they were.
ParsePos ParseIntList(ParsePos line, std::span<int> values);
ParsePos ParseLongList(ParsePos line, std::span<LONG> values);
ParsePos ParseDoubleList(ParsePos line, std::span<double> values);
// The text between the first double quote and the next one, cut to maxBytes on a character
// boundary; a missing closing quote takes the text to the end of the line.
ParsePos ParseQuotedString(ParsePos line, std::string& out, std::size_t maxBytes);
// The text up to separator, cut to size - 1 bytes (the buffer size of a C string) on a
// character boundary; the separator is found only at a character start.
ParsePos ParseToken(ParsePos text, std::string& out, std::size_t size, char separator);

// ---- Fonts ----------------------------------------------------------------------------------

// "ＭＳ 明朝" in CP932.
extern const char* const kDefaultFaceName;
// The program's font description for a face (the default face without one), completed from the
// installed font of that face when there is one; height and width stay as given.
void EnumFontFaces(LOGFONT& font, std::optional<std::string_view> face, LONG height, LONG width);

// ---- User interface -------------------------------------------------------------------------

// Formats with up to two printf arguments (numbers, C strings or std::strings) and shows the
// text, cut to 255 bytes on a character boundary, in a message box with default buttons;
// returns the answer.
template <typename... Args>
requires(sizeof...(Args) <= 2) int MessageBoxF(const char* format, const Args&... args);
// The exclamation sound of a refused edit.
void BeepWarning();

// The palette of the bars: 0 black, 1 red, 2 green, 3 magenta, 4 cyan, 5 yellow; 6 any other.
constexpr int kOtherColorIndex = 6;
COLORREF ColorFromIndex(int index);
int IndexFromColor(COLORREF color);

// Index of the first entry equal to text, found as a list or combo box finds it: its own
// prefix search (ASCII letters folded) gives a candidate, from which entries are compared in
// full. -1 when there is none.
int FindListBoxExact(const std::vector<std::string>& entries, std::string_view text);
int FindComboExact(const std::vector<std::string>& entries, std::string_view text);

// Opens an http, https or mailto address with the desktop. 0 for an empty address, one with
// control characters or another scheme, or when the desktop could not open it; else 1.
int OpenUrlShortcut(const std::string& address);

// Positions a file at its end; returns that position (the file's length).
std::uint64_t SeekToEnd(CFile& file);

// ---- Template definitions -------------------------------------------------------------------

namespace detail {
template <typename T> auto PrintfArg(const T& v) {
    if constexpr (std::is_same_v<T, std::string>) {
        return v.c_str();
    } else {
        static_assert(std::is_arithmetic_v<T> || std::is_pointer_v<T> || std::is_array_v<T>,
                      "printf-style formatting takes numbers and strings");
        return v;
    }
}
// Cuts the text to the message limit and shows it.
int ShowCutMessage(std::string text);
} // namespace detail

// A printf-style format (ASCII codes; the text between them copied as it is) into a string of
// whatever length it needs; std::string arguments are taken as their text.
template <typename... Args> std::string StringPrintf(const char* format, const Args&... args) {
    std::string text;
    const int needed = std::snprintf(nullptr, 0, format, detail::PrintfArg(args)...);
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::snprintf(text.data(), text.size(), format, detail::PrintfArg(args)...);
        text.resize(static_cast<std::size_t>(needed));
    }
    return text;
}

template <typename... Args>
requires(sizeof...(Args) <= 2) int MessageBoxF(const char* format, const Args&... args) {
    if (format == nullptr) {
        return detail::ShowCutMessage({});
    }
    if constexpr (sizeof...(Args) == 0) {
        // Formatted all the same, so that "%%" shows one '%'; the empty argument is unused.
        return MessageBoxF(format, "");
    } else {
        return detail::ShowCutMessage(StringPrintf(format, args...));
    }
}

} // namespace tembra
