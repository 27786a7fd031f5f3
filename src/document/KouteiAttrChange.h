// The change of process line attributes that CTembraDoc::SetKouteiAttr makes: each field that
// holds a value is given, an empty one leaves its attribute as it is.
#pragma once

#include "platform/Types.h"

#include <optional>

namespace tembra {

struct KouteiAttrChange {
    std::optional<WORD> style{};
    // The flag code: 0 clears the flags, bit 15 gives the whole word, other bits toggle.
    std::optional<WORD> subStyle{};
    std::optional<WORD> type{};
    std::optional<short> width{};
    std::optional<WORD> holiday{};
    std::optional<WORD> hatch{};
    std::optional<COLORREF> color{};
    // Turns vertical processes upside down (never the defaults of new processes).
    bool reverse = false;
};

} // namespace tembra
