#include "platform/RangeMessage.h"

#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <charconv>
#include <string>

namespace tembra {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<long> ParseIntInRange(std::string_view text, long min, long max) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    // from_chars takes a minus sign only; a plus sign stands before digits alone.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

int ShowRangeMessage(long min, long max) {
    const std::string text =
        FormatString(LoadString(IDS_VALUE_RANGE), {std::to_string(min), std::to_string(max)});
    return Ui().MessageBox(text, MB_OK | MB_ICONEXCLAMATION, IDS_VALUE_RANGE);
}

} // namespace tembra
