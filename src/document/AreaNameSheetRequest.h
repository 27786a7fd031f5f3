// The area-name settings sheet (caption 5148 "列数と欄名称設定") raised on a chart settings
// part: what the sheet changes is kept in that part.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CConfigChart;

class AreaNameSheetRequest : public DialogRequest {
public:
    const char* Name() const override { return "AreaNameSheet"; }
    CConfigChart* chart = nullptr;
};

} // namespace tembra
