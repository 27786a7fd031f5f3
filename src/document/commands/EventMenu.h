// The command of 属性 > 行事 that the term bar's own text edit runs besides the menu.
#pragma once

namespace tembra {

class CTembraDoc;

// "文字修正": the term bar's text to the selected events.
void OnEventTextEdit(CTembraDoc& doc);

} // namespace tembra
