// The layout editor's number fields: they show the framework's own two messages (an integer
// wanted; the range) where Tembra's dialogs show one range message. The fields themselves are
// the dialog base's (platform/qt).
#pragma once

#include "platform/qt/IntField.h"

namespace marquell {

inline constexpr tembra::IntFieldMessages kIntFieldMessages{61712, 61715};

} // namespace marquell
