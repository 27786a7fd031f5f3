// What the font selection dialog (159 "フォント選択") works out without widgets: the heights it
// offers, how a typed height is read, and the font record a chosen face and height give.
#pragma once

#include "platform/Types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// The heights of the size box, in 0.1 mm ("10" ... "100"); any other whole number from 1 up
// can be typed.
const std::vector<std::string>& FontSelHeightTexts();

// A typed height: a signed whole number of at least 1 (blanks around it allowed), else none.
std::optional<int> ReadFontHeight(std::string_view text);

// The height a record shows: |lfHeight|, at least 1.
int FontHeightOf(const LOGFONT& font);

// The chosen face's record with the height: lfHeight -height, lfWidth height / 2.
LOGFONT FontOfChoice(const LOGFONT& face, int height);

} // namespace tembra
