// The commands of the shape menu 属性 > 線画 that other parts of the program run besides the menu
// table: the value commands with their menu state, and grouping.
#pragma once

#include "platform/CmdUI.h"
#include "platform/Types.h"

namespace tembra {

class CTembraDoc;

// With a shape selected a value command changes every selected shape (one undo step); without,
// it changes the drawing defaults that the next shape takes. The commands run through their table
// (ZukeiAttrCommands.h); FALSE for an id that is none of them.
BOOL OnZukeiAttrCommand(CTembraDoc& doc, UINT id);
void UpdateZukeiAttrUI(CTembraDoc& doc, CCmdUI* cmdUI);
// Binds the selected shapes into a new group on the current layer with the settings' shape
// attributes (style 17): the selection is taken from its tail, so the last selected shape is the
// group's first member. The group goes to the end of the shape list and every shape is
// deselected. Cannot be undone (the history is emptied). Nothing selected: nothing happens; a
// group that would nest deeper than a file may hold is refused with a beep.
void OnZukeiGroup(CTembraDoc& doc);
// Dissolves every selected group one level: its members go to the end of the shape list in
// member order, deselected, and the group is deleted; then every shape is deselected. Cannot be
// undone (the history is emptied).
void OnZukeiUngroup(CTembraDoc& doc);

} // namespace tembra
