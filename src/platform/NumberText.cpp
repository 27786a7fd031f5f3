#include "platform/NumberText.h"

#include "platform/Sjis.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace tembra::NumberText {

namespace {

// The white space of the C library in the "C" locale.
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The blanks the profile functions pass over before a number.
bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// The sign and digits of the number at the start of a text, after its blanks.
struct LeadingNumber {
    bool negative = false;
    // The value of the digits, held at kSaturated once it passes every 32-bit range.
    std::uint64_t magnitude = 0;
    // The value of the digits modulo 2^32.
    std::uint32_t low32 = 0;
    // How many digits there were, and where the text goes on after them.
    std::size_t digits = 0;
    std::size_t end = 0;
};

constexpr std::uint64_t kSaturated = std::uint64_t{1} << 33;

template <typename IsBlank> LeadingNumber Scan(std::string_view s, IsBlank isBlank) {
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    LeadingNumber n;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        n.negative = s[i] == '-';
        ++i;
    }
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        const auto digit = static_cast<unsigned>(s[i] - '0');
        n.magnitude = std::min(n.magnitude * 10 + digit, kSaturated);
        n.low32 = n.low32 * 10u + digit;
        ++n.digits;
    }
    n.end = i;
    return n;
}

bool IsListEnd(char c) {
    return c == ';' || c == '\n';
}

int Saturated(const LeadingNumber& n) {
    const auto v = static_cast<std::int64_t>(n.magnitude);
    return static_cast<int>(std::clamp<std::int64_t>(
        n.negative ? -v : v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

int AtoI(std::string_view text) {
    return Saturated(Scan(text, IsCSpace));
}

std::optional<int> ScanInt(std::string_view text, std::size_t& pos) {
    if (pos > text.size())
        return std::nullopt;
    const LeadingNumber n = Scan(text.substr(pos), IsCSpace);
    if (n.digits == 0)
        return std::nullopt;
    pos += n.end;
    return Saturated(n);
}

std::uint32_t ProfileInt(std::string_view text) {
    const LeadingNumber n = Scan(text, IsProfileBlank);
    return n.negative ? 0u - n.low32 : n.low32;
}

std::uint32_t StrToUL(std::string_view text) {
    const LeadingNumber n = Scan(text, IsCSpace);
    if (n.magnitude > 0xFFFFFFFFu)
        return 0xFFFFFFFFu;
    const auto v = static_cast<std::uint32_t>(n.magnitude);
    return n.negative ? 0u - v : v;
}

double StrToD(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        return 0.0; // a second sign: no number
    double value = 0.0;
    const char* first = s.data() + i;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // As strtod: too large gives infinity, too small gives zero. The number is too small
        // when its exponent is negative or, without one, when its integer part is zero.
        const std::string_view number(first, static_cast<std::size_t>(ptr - first));
        const std::size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos
                              ? e + 1 < number.size() && number[e + 1] == '-'
                              : number.find_first_not_of("0.") != std::string_view::npos &&
                                    number.substr(0, number.find('.')).find_first_not_of('0') ==
                                        std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

ListPos AfterComma(std::string_view list, std::size_t from) {
    for (std::size_t i = from; i < list.size(); i += Sjis::CharLength(list, i)) {
        if (IsListEnd(list[i]))
            return std::nullopt;
        if (list[i] == ',')
            return list.substr(i + 1);
    }
    return std::nullopt;
}

std::size_t FieldStart(std::string_view list) {
    std::size_t i = 0;
    while (i < list.size() && (list[i] == ' ' || list[i] == '\t'))
        ++i;
    if (i >= list.size() || IsListEnd(list[i]))
        return std::string_view::npos;
    return i;
}

} // namespace tembra::NumberText
