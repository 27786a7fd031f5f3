// A colour list's state in the attribute dialogs: the entry shown (0 黒 to 5 黄色, 6 その他) and
// the RGB value kept beside it. A colour that is none of the six opens as その他 with its value
// kept, so OK writes it back unchanged; choosing その他 asks for a colour starting from the kept
// value, and only a colour chosen there replaces it.
#pragma once

#include "platform/Types.h"

namespace tembra {

struct ColorChoice {
    int position = 0;
    COLORREF kept = 0;

    static ColorChoice From(COLORREF color);
    // The colour to store: the kept value for その他, else the named colour.
    COLORREF Color() const;
    bool operator==(const ColorChoice&) const = default;
};

} // namespace tembra
