// The working copy of the font settings dialog (413 "フォント設定"): the eight element fonts of
// each of the six papers. The header's record keeps its "有効" flag in the height.
#pragma once

#include "model/ConfigBase.h"
#include "platform/Types.h"

#include <array>
#include <string>

namespace tembra {

class FontSetTable {
public:
    using Papers = std::array<LOGFONT, CConfigBase::kPaperCount>;

    explicit FontSetTable(const CConfigBase& config);

    // Back into the settings.
    void Store(CConfigBase& config) const;
    // 初期化: every font as a fresh settings object has it.
    void Reset();

    const LOGFONT& Font(int kind, int paper) const;
    // The font chosen for an element: the date's width is half its height; the header keeps
    // its flag (only the face and its kin change).
    void SetChosen(int kind, int paper, const LOGFONT& font);
    // The record the font selection starts from: the header's with height 24 and width 0.
    LOGFONT ForSelection(int kind, int paper) const;

    bool HeaderEnabled(int paper) const;
    void SetHeaderEnabled(int paper, bool enabled);

    // The text beside an element's button (CP932): face and absolute height, the header's face.
    std::string Text(int kind, int paper) const;

private:
    LOGFONT& At(int kind, int paper);
    std::array<Papers, kFontKindCount> m_fonts{};
};

} // namespace tembra
