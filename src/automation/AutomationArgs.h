// What a client of the automation interface passes and gets back. A client sends each argument
// as a value that is a string or is not (a number, a list, …); the members read only strings.
// Answers are a 16-bit number (0 failure, -1 success unless a member says otherwise), a 32-bit
// number, a text, or nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tembra {

// An argument: its text (UTF-8, as clients send it) when it is a string, else nothing.
using AutoArg = std::optional<std::string>;

struct AutoResult {
    enum class Kind { None, I2, I4, Text };
    Kind kind = Kind::None;
    int number = 0;
    // UTF-8.
    std::string text;

    static AutoResult I2(int value) { return {Kind::I2, static_cast<short>(value), {}}; }
    static AutoResult I4(int value) { return {Kind::I4, value, {}}; }
    static AutoResult Text(std::string utf8) { return {Kind::Text, 0, std::move(utf8)}; }
    static AutoResult Void() { return {}; }
    bool operator==(const AutoResult&) const = default;
};

// A string argument in the program's code page (CP932) into out: TRUE. Anything else: FALSE and
// out as it was.
bool VariantToString(const AutoArg& arg, std::string& out);

// A date text of exactly 10 characters cut at the separator into a year of at most 4
// characters, a month and a day of at most 2 each (each part runs to the separator or the end,
// the next starts after the next separator). An empty text or one of another length: FALSE and
// the parts as they were.
bool SplitDate(std::string_view text, std::string& year, std::string& month, std::string& day,
               char separator);

// A date argument "yyyy<sep>mm<sep>dd" that names a day of the calendar into its numbers.
bool CalendarDateArg(const AutoArg& arg, char separator, int& year, int& month, int& day);

// The C library's reading of a number: leading blanks, a sign and the leading digits; anything
// else gives 0.
int AutoNumber(std::string_view text);

} // namespace tembra
