// The sheet of the item columns and their names (title 5148 "列数と欄名称設定") as a request:
// the area names, the number of date rows and the number of item columns, in and, on OK, out.
#pragma once

#include "model/AreaNameData.h"
#include "model/AreaNameSet.h"
#include "platform/Ui.h"

namespace tembra {

class AreaNameSheetRequest : public DialogRequest {
public:
    const char* Name() const override { return "AreaNameSheet"; }
    CAreaNameSet areaNames;
    int dateRows = 0;
    // The chart's item columns; 0 for the user defaults, whose count is the set's own word.
    int itemColumns = 0;
    // The item area's font, which a cell without a font of its own is drawn in.
    LOGFONT koumokuFont = CAreaNameData().GetLogFont();
};

} // namespace tembra
