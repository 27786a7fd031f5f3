// The commands of the Edit menu (編集) that other parts of the program run besides the menu.
#pragma once

#include "platform/CmdUI.h"

namespace tembra {

class CTembraDoc;

// Edit > Select > "全選択／解除": with nothing selected, every object of the mode (and in the
// shape mode the shapes on shown layers) is selected and the undo history emptied; with a
// selection, everything is deselected. The update: enabled while objects or shapes or a
// selection exist in the process, term, resource, event or shape mode.
void OnEditSelectAll(CTembraDoc& doc);
void OnUpdateEditSelectAll(CTembraDoc& doc, CCmdUI* cmdUI);
// "消　去": refused while an edit is in progress; one undo step. Item cells and a date range go
// first, else what the mode names.
void OnEditDelete(CTembraDoc& doc);

} // namespace tembra
