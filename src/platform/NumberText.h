// Numbers and list fields in the texts the program reads: setting lines, profile values, layout
// files. Every number reader takes the number at the start of a text, the way the C library and
// the profile functions take it: blanks, an optional sign, decimal digits. Whatever follows the
// digits is not looked at, and a text without digits reads as 0. The readers differ only in the
// blanks they pass over and in what a number too large for the result becomes:
//
//   reader      blanks passed over                  a number beyond the result's range
//   AtoI        space, tab, LF, VT, FF, CR          saturates to INT_MIN / INT_MAX
//   ProfileInt  space, tab, VT                      wraps modulo 2^32, then the sign negates it
//   StrToUL     space, tab, LF, VT, FF, CR          0xFFFFFFFF whatever the sign; else the sign
//                                                   negates modulo 2^32
//   StrToD      space, tab, LF, VT, FF, CR          infinity, or 0 for one too small
//
// No byte of a double-byte character is a blank, a sign or a digit, so CP932 text before the
// number ends it at once and CP932 text after it is never read into it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tembra::NumberText {

// The C library's atoi without its undefined overflow.
int AtoI(std::string_view text);
// One "%d" of the C library's scanner, at pos: blanks, a sign, at least one digit, saturated as
// AtoI does. pos moves past the digits; nothing (and pos unchanged) without a digit.
std::optional<int> ScanInt(std::string_view text, std::size_t& pos);
// The number of a profile value as GetPrivateProfileInt reads it.
std::uint32_t ProfileInt(std::string_view text);
// The C library's strtoul on a 32-bit unsigned long.
std::uint32_t StrToUL(std::string_view text);
// The C library's strtod in the "C" locale, so that the decimal point is '.' whatever the user's
// locale: decimal digits with an optional point and exponent, or "inf" and "nan" (no hexadecimal
// form); a second sign gives 0.
double StrToD(std::string_view text);

// ---- Lists ----------------------------------------------------------------------------------
// A list is the rest of a setting line: fields separated by commas, blanks and tabs before a
// field passed over, ';' or a line feed ending the list. The separators are found only at
// character starts, never as the trail byte of a double-byte character. A position in a list
// is the text from there to the list's end, or nothing when the list has ended.
using ListPos = std::optional<std::string_view>;

// The text just after the first comma at or after from; nothing when ';', a line feed or the
// end comes first.
ListPos AfterComma(std::string_view list, std::size_t from);

// The index of the first character of the field at the start of the list (after its blanks),
// or npos when the list ends there (its end, ';' or a line feed).
std::size_t FieldStart(std::string_view list);

// Reads up to values.size() fields, each with read(field), where field runs from the field's
// first character to the end of the list, so that a reader of one number stops at its own end.
// Returns the position after the comma of the last field read. Nothing when the list ends
// before a field (the values from there on keep what they held) or when a field read has no
// comma after it (the field itself is still read).
template <typename T, typename Read>
ListPos ReadList(ListPos list, std::span<T> values, Read read) {
    for (T& value : values) {
        if (!list)
            return std::nullopt;
        const std::size_t start = FieldStart(*list);
        if (start == std::string_view::npos)
            return std::nullopt;
        value = read(list->substr(start));
        list = AfterComma(*list, start);
    }
    return list;
}

} // namespace tembra::NumberText
