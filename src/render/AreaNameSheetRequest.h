// The sheet of the item columns and their names (title 5148 "列数と欄名称設定") as a request:
// the area names, the number of date rows and the number of item columns, in and, on OK, out.
#pragma once

#include "model/AreaNameSet.h"
#include "platform/Ui.h"

namespace tembra {

class AreaNameSheetRequest : public DialogRequest {
public:
    const char* Name() const override { return "AreaNameSheet"; }
    CAreaNameSet areaNames;
    int dateRows = 0;
    int itemColumns = 0;
};

} // namespace tembra
