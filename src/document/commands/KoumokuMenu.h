// The command of 属性 > 項目 that the term bar's own text edit runs besides the menu.
#pragma once

namespace tembra {

class CTembraDoc;

// "文字修正": the term bar's text to the selected cells; then, entering texts one cell after
// the other, the view is told to click the next shown cell.
void OnKoumokuTextEdit(CTembraDoc& doc);

} // namespace tembra
