// The eight element fonts of the initial settings as the element fonts dialog (194
// "フォント設定") shows and edits them. The print header's font is chosen by its face only: its
// height word is not a size but the switch "有効" (1 on, 0 off), and its width word is kept.
#pragma once

#include "model/ConfigBase.h"
#include "platform/Types.h"

#include <array>
#include <string>

namespace tembra {

// The fonts indexed by the font kinds of the per-paper font table (kFontDate ... kFontShin of
// ConfigBase.h), so that a caller hands its table over as it is.
using ElementFontSet = std::array<LOGFONT, kFontKindCount>;

// The kinds in the order of the dialog's buttons: 日付, 項目, 用語, 行事, 資源, 線画, 進捗,
// ヘッダー.
const std::array<int, kFontKindCount>& ElementFontOrder();

// What is shown beside an element's button (CP932): the face, a line break and the height in
// 0.1 mm, "%s\n  [ %d ] ×0.1mm" with |lfHeight|. The header font shows its face alone.
std::string ElementFontLabel(int kind, const LOGFONT& font);

// The header font as the font selection dialog gets it: height 24, width 0.
LOGFONT HeaderFontForChoice(const LOGFONT& header);
// The chosen face with the header font's own height and width words put back.
LOGFONT HeaderFontChosen(const LOGFONT& chosen, const LOGFONT& header);
// "有効": the header font's height word not 0.
bool IsHeaderFontEnabled(const LOGFONT& header);
void SetHeaderFontEnabled(LOGFONT& header, bool enabled);

} // namespace tembra
