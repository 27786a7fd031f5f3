#include "dialogs/settings/core/ColorChoice.h"

#include "dialogs/attributes/core/AttrCodeTables.h"

namespace tembra {

ColorChoice ColorChoice::From(COLORREF color) {
    return {ColorPosition(color), color};
}

COLORREF ColorChoice::Color() const {
    return ColorAtPosition(position, kept);
}

} // namespace tembra
