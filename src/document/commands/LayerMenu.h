// The layer commands of 属性 > レイヤー and the layer bar, which the program runs besides the
// menu table.
#pragma once

#include "platform/CmdUI.h"
#include "platform/Types.h"

namespace tembra {

class CTembraDoc;

// The layer bar's choice: moves the selection (shapes in the shape mode, any selection in the
// process and event modes) or becomes the layer of new objects; a reference layer is shown; the
// term combo takes the focus back.
void OnLayerComboSelect(CTembraDoc& doc);
void OnLayerComboCancel(CTembraDoc& doc);
// The menu's layer commands (from ID_LAYER_0 on) put their layer into the
// combo and choose it; FALSE for another id.
BOOL OnLayerCommand(CTembraDoc& doc, UINT id);
void OnUpdateLayerCommand(CTembraDoc& doc, CCmdUI* cmdUI);
// The combo shows the first selected object's layer (or the current layer), not while it has
// the focus.
void OnUpdateLayerCombo(CTembraDoc& doc);

} // namespace tembra
