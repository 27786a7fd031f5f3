#include "dialogs/attributes/core/DotLineFields.h"

namespace tembra {

int FineDotIndex(int storedWidth) {
    return storedWidth >= 1 && storedWidth <= 3 ? storedWidth - 1 : 1;
}

int FineDotWidth(int index) {
    return index + 1;
}

DotLineFields LoadDotLine(bool extended, int width, int dash, int gap) {
    DotLineFields f;
    f.method = extended ? 1 : 0;
    f.width = width >= 0 && width < DotLineFields::kWidthCount ? width : 1;
    const auto length = [](int stored) {
        return stored >= 1 && stored <= DotLineFields::kLengthCount ? stored - 1 : 9;
    };
    f.dash = length(dash);
    f.gap = length(gap);
    return f;
}

} // namespace tembra
