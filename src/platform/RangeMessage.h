// The range check of the dialogs' number fields: reading a field's text as an integer within
// its limits, and the one message every dialog shows when a value lies outside them.
#pragma once

#include "platform/Types.h"

#include <optional>
#include <string_view>

namespace tembra {

// "%1 から %2 までの整数を入力してください。"
constexpr UINT IDS_VALUE_RANGE = 5900;

// The integer a field holds (blanks around it and a sign allowed), when it lies in min..max;
// nothing for any other text.
std::optional<long> ParseIntInRange(std::string_view text, long min, long max);

// Tells the user that a field takes the integers from min to max; returns the answer.
int ShowRangeMessage(long min, long max);

} // namespace tembra
