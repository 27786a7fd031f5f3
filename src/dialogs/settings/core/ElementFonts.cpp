#include "dialogs/settings/core/ElementFonts.h"

#include <cstdlib>

namespace tembra {

namespace {

// The header font's height word while the font selection dialog shows it.
constexpr LONG kHeaderChoiceHeight = 24;
// "×0.1mm" in CP932.
constexpr const char* kUnit = "\x81\x7E"
                              "0.1mm";

} // namespace

const std::array<int, kFontKindCount>& ElementFontOrder() {
    static constexpr std::array<int, kFontKindCount> kOrder{kFontDate,  kFontKoumoku, kFontYogo,
                                                            kFontEvent, kFontShigen,  kFontZukei,
                                                            kFontShin,  kFontHeader};
    return kOrder;
}

std::string ElementFontLabel(int kind, const LOGFONT& font) {
    std::string text(font.FaceName());
    if (kind == kFontHeader) {
        return text;
    }
    text += "\n  [ ";
    text += std::to_string(std::llabs(static_cast<long long>(font.lfHeight)));
    text += " ] ";
    text += kUnit;
    return text;
}

LOGFONT HeaderFontForChoice(const LOGFONT& header) {
    LOGFONT font = header;
    font.lfHeight = kHeaderChoiceHeight;
    font.lfWidth = 0;
    return font;
}

LOGFONT HeaderFontChosen(const LOGFONT& chosen, const LOGFONT& header) {
    LOGFONT font = chosen;
    font.lfHeight = header.lfHeight;
    font.lfWidth = header.lfWidth;
    return font;
}

bool IsHeaderFontEnabled(const LOGFONT& header) {
    return header.lfHeight != 0;
}

void SetHeaderFontEnabled(LOGFONT& header, bool enabled) {
    header.lfHeight = enabled ? 1 : 0;
}

} // namespace tembra
