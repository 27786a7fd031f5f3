#include "dialogs/attributes/core/FontSetTable.h"

#include <cstdio>
#include <cstdlib>

namespace tembra {

FontSetTable::FontSetTable(const CConfigBase& config) {
    for (int kind = 0; kind < kFontKindCount; ++kind) {
        for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
            At(kind, paper) = config.GetFont(kind, paper);
        }
    }
}

void FontSetTable::Store(CConfigBase& config) const {
    for (int kind = 0; kind < kFontKindCount; ++kind) {
        for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
            config.SetFont(kind, paper, Font(kind, paper));
        }
    }
}

void FontSetTable::Reset() {
    CConfigBase fresh;
    fresh.Read(FALSE);
    *this = FontSetTable(fresh);
}

LOGFONT& FontSetTable::At(int kind, int paper) {
    return m_fonts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(paper)];
}

const LOGFONT& FontSetTable::Font(int kind, int paper) const {
    return m_fonts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(paper)];
}

void FontSetTable::SetChosen(int kind, int paper, const LOGFONT& font) {
    LOGFONT& target = At(kind, paper);
    const LONG flag = target.lfHeight;
    target = font;
    if (kind == kFontDate) {
        target.lfWidth = std::labs(font.lfHeight) / 2;
    } else if (kind == kFontHeader) {
        target.lfHeight = flag;
    }
}

LOGFONT FontSetTable::ForSelection(int kind, int paper) const {
    LOGFONT font = Font(kind, paper);
    if (kind == kFontHeader) {
        font.lfHeight = 24;
        font.lfWidth = 0;
    }
    return font;
}

bool FontSetTable::HeaderEnabled(int paper) const {
    return Font(kFontHeader, paper).lfHeight != 0;
}

void FontSetTable::SetHeaderEnabled(int paper, bool enabled) {
    At(kFontHeader, paper).lfHeight = enabled ? 1 : 0;
}

std::string FontSetTable::Text(int kind, int paper) const {
    const LOGFONT& font = Font(kind, paper);
    if (kind == kFontHeader) {
        return font.lfFaceName;
    }
    char text[LF_FACESIZE + 40];
    std::snprintf(text, sizeof text,
                  "%s\n  [ %ld ] \x81\x7e"
                  "0.1mm",
                  font.lfFaceName, static_cast<long>(std::labs(font.lfHeight)));
    return text;
}

} // namespace tembra
