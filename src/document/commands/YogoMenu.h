// The commands of 属性 > 用語 and of the term bar that other parts of the program run besides the
// menu table.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CTembraDoc;

// A command of the term menu that carries its value; FALSE for any other id.
BOOL OnYogoAttrCommand(CTembraDoc& doc, UINT id);
// The term bar's colour list: its colour (entry 6 asks for one, from the colour remembered for
// the mode's kind; Cancel changes nothing) goes to the events, the item cells or the terms by
// mode; the focus goes back to the input. Cancelled, only the focus goes back.
void OnYogoBarColor(CTembraDoc& doc);
void OnYogoBarColorCancel(CTembraDoc& doc);
// The term bar's input changed: term input may begin (CYogoBarInput::BeginTermInput).
void OnYogoComboEdit(CTembraDoc& doc);

} // namespace tembra
