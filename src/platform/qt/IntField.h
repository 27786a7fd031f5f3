// Number fields read as the framework's field exchange reads them: the integer of a field's text
// within a range, else a message, and the focus back on the field with its text selected so the
// user types the value again. Each program keeps its own messages: Tembra shows one range
// message for every wrong text (IDS_VALUE_RANGE), the layout editor the framework's two.
#pragma once

#include "platform/RangeMessage.h"
#include "platform/Types.h"

class QLineEdit;

namespace tembra {

// The messages of a number field. Both are formatted with the limits as %1 and %2.
struct IntFieldMessages {
    UINT notInteger = 0; // the text holds no integer
    UINT outOfRange = 0; // the integer lies outside the limits
};

// Tembra's number fields: the one range message for any wrong text.
inline constexpr IntFieldMessages kRangeMessages{IDS_VALUE_RANGE, IDS_VALUE_RANGE};

// The integer of a field's text (blanks around it allowed) within [min, max]. Otherwise the
// matching message is shown, an enabled field takes the focus with its text selected, and the
// result is false; value is then left as it was.
bool ReadIntField(QLineEdit* field, int min, int max, int& value, IntFieldMessages messages);

} // namespace tembra
