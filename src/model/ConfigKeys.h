// The key tables of the settings parts. A part lists each of its profile keys once, in reading
// order (which is also its writing order): the key, the field of the object it belongs to, the
// field's built-in default and how the value is encoded. The same table resets the fields, reads
// them from a section of the user profile and writes them back.
//
// Common rules: reading takes the field's current value as the fallback, so a missing key keeps
// the default. The encodings:
// - Int, Word, Short: profile integers; a field narrower than 32 bits takes the low bits of the
//   value read; unsigned fields are written zero-extended, signed ones sign-extended.
// - Color: the text "%d,%d,%d" of red, green and blue; only a value that scans as three numbers
//   replaces the colour, each number cut to its low 8 bits (300 reads as 44).
// - Text: the profile string, cut to a capacity on a character boundary where the row has one.
// - Size: the two text-size words of a block under "FontHeigh" and "FontWidth", packed as
//   (height << 8) | (width & 0xFF) when read, so that each keeps its low byte ("FontHeigh" 300
//   becomes 44, "FontWidth" -1 becomes 255); written as the two integers.
// A row without a key holds only a default: the reset sets it, reading and writing pass it by.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tembra {

struct CWidthSet;

// "%d,%d,%d" of the colour's red, green and blue.
std::string FormatProfileColor(COLORREF color);
// Scans "%d,%d,%d"; only when three numbers are there does color become their RGB, each cut to
// its low 8 bits (300 reads as 44). FALSE, color unchanged, otherwise.
BOOL ScanProfileColor(std::string_view text, COLORREF& color);

// The keys of indexed values: "%s%d" (name and index) and "%s%d-%d" (name and two indexes).
std::string IndexedKey(std::string_view name, int i);
std::string IndexedKey(std::string_view name, int i, int j);

// One row of a key table, bound to the field of one object.
class ConfigKey {
public:
    static ConfigKey Int(const char* key, LONG& field, LONG builtIn);
    static ConfigKey Word(const char* key, WORD& field, WORD builtIn);
    static ConfigKey Short(const char* key, short& field, short builtIn);
    static ConfigKey Color(const char* key, COLORREF& field, COLORREF builtIn);
    static ConfigKey Text(const char* key, std::string& field, std::string builtIn);
    // The size words of a text block ("FontHeigh", "FontWidth").
    static ConfigKey Size(WORD& height, WORD& width, WORD builtInHeight, WORD builtInWidth);

    // Options, applied to a value read from the profile (never to the default).
    // An integer below min becomes min, or the replacement where one is given.
    ConfigKey&& AtLeast(long long min) && { return std::move(*this).AtLeast(min, min); }
    ConfigKey&& AtLeast(long long min, long long replacement) &&;
    // An integer above max becomes max.
    ConfigKey&& AtMost(long long max) &&;
    // A text longer than this many bytes is cut on a character boundary.
    ConfigKey&& Capacity(std::size_t bytes) &&;
    // A colour, once read, is also kept in the application's table of current colours.
    ConfigKey&& AppColor(int slot) &&;
    // The part reads this key with a step of its own (it checks the value read); the table
    // calls it in the key's place.
    ConfigKey&& ReadBy(std::function<void()> read) &&;

    void Reset() const;
    void Read(std::string_view section) const;
    // False when the profile could not be written.
    bool Write(std::string_view section) const;

private:
    struct SizeWords {
        WORD* height;
        WORD* width;
    };
    using Field = std::variant<LONG*, WORD*, short*, COLORREF*, std::string*, SizeWords>;

    ConfigKey(const char* key, Field field, long long builtIn, long long builtIn2 = 0)
        : m_key(key), m_field(field), m_builtIn(builtIn), m_builtIn2(builtIn2) {}

    // The integer value read, after the row's limits.
    long long Limit(long long value) const;

    const char* m_key; // nullptr: a row that only holds a default
    Field m_field;
    long long m_builtIn;
    long long m_builtIn2; // Size: the width
    std::string m_builtInText;
    std::optional<long long> m_min;
    long long m_belowMin = 0;
    std::optional<long long> m_max;
    std::size_t m_capacity = 0; // 0: none
    int m_appColor = -1;
    std::function<void()> m_readBy;
};

using ConfigKeyTable = std::vector<ConfigKey>;

// The keys of one profile section and the write-mask bit that selects the section.
struct ConfigKeySection {
    std::string_view section;
    UINT mask;
    ConfigKeyTable keys;
};

// Sets every field of the table to its built-in default.
void ResetKeys(const ConfigKeyTable& keys);
// Reads every key of the table from the section, in table order.
void ReadKeys(std::string_view section, const ConfigKeyTable& keys);
// Writes every key of the table to the section, in table order; false when a write failed (the
// others are still written).
bool WriteKeys(std::string_view section, const ConfigKeyTable& keys);

// The Read of a part kept in one section: resets every field of the table, then, when
// fromProfile is non-zero, reads every key. Returns TRUE.
BOOL ReadPartKeys(std::string_view section, const ConfigKeyTable& keys, BOOL fromProfile);
// The Write of such a part: TRUE when every key was written.
BOOL WritePartKeys(std::string_view section, const ConfigKeyTable& keys);

// The rows of a three-entry width table: "NormalWidth", "ThinWidth", "BoldWidth" with their
// built-in widths.
ConfigKeyTable WidthKeys(CWidthSet& widths);

} // namespace tembra
