#include "automation/AutomationArgs.h"

#include "platform/Sjis.h"

#include <cstdlib>

namespace tembra {

bool VariantToString(const AutoArg& arg, std::string& out) {
    if (!arg.has_value()) {
        return false;
    }
    out = Sjis::FromUtf8(*arg);
    return true;
}

namespace {

// The part from pos up to the separator (or the end), cut to bound characters; pos ends after
// the separator.
std::string TakePart(std::string_view text, std::size_t& pos, char separator, std::size_t bound) {
    const std::size_t stop = std::min(text.find(separator, pos), text.size());
    std::string part(text.substr(pos, std::min(stop - pos, bound)));
    pos = stop < text.size() ? stop + 1 : text.size();
    return part;
}

} // namespace

bool SplitDate(std::string_view text, std::string& year, std::string& month, std::string& day,
               char separator) {
    constexpr std::size_t kLength = 10;
    if (text.size() != kLength) {
        return false;
    }
    std::size_t pos = 0;
    year = TakePart(text, pos, separator, 4);
    month = TakePart(text, pos, separator, 2);
    day = TakePart(text, pos, separator, 2);
    return true;
}

int AutoNumber(std::string_view text) {
    const std::string copy(text);
    return std::atoi(copy.c_str());
}

} // namespace tembra

namespace tembra {

bool CalendarDateArg(const AutoArg& arg, char separator, int& year, int& month, int& day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string text;
    std::string y;
    std::string m;
    std::string d;
    if (!VariantToString(arg, text) || !SplitDate(text, y, m, d, separator)) {
        return false;
    }
    year = AutoNumber(y);
    month = AutoNumber(m);
    day = AutoNumber(d);
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

} // namespace tembra
