#include "dialogs/attributes/core/FontChoice.h"

#include <charconv>
#include <cstdlib>

namespace tembra {

const std::vector<std::string>& FontSelHeightTexts() {
    static const std::vector<std::string> heights = {"10", "12", "14", "16", "17", "18", "20", "22",
                                                     "24", "26", "28", "30", "32", "34", "36", "38",
                                                     "40", "50", "60", "70", "80", "90", "100"};
    return heights;
}

std::optional<int> ReadFontHeight(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

int FontHeightOf(const LOGFONT& font) {
    const long height = std::labs(static_cast<long>(font.lfHeight));
    return height < 1 ? 1 : static_cast<int>(height);
}

LOGFONT FontOfChoice(const LOGFONT& face, int height) {
    LOGFONT font = face;
    font.lfHeight = -height;
    font.lfWidth = height / 2;
    return font;
}

} // namespace tembra
