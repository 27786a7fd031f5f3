// The dialogs of the resource charts, run through the UI services (DialogRequest): the settings
// sheet of a resource-loading chart (title 5164 "山積表設定") and of an earned-value chart (title
// 5165 "出来高表設定"), each on a chart it writes into on OK. The sheets show the resources of the
// chart's document: names is its resource master table (entry i resource number i + 1), null for
// none.
#pragma once

#include "model/Shigen.h"
#include "platform/Ui.h"

namespace tembra {

class CChart;

// The settings of a resource-loading chart: on OK the sheet's values are in chart.
class ChartSettingsRequest : public DialogRequest {
public:
    const char* Name() const override { return "ChartSettings"; }
    CChart* chart = nullptr;
    const CShigenNameTable* names = nullptr;
};

// The settings of an earned-value chart: on OK the sheet's values are in chart.
class PieceSettingsRequest : public DialogRequest {
public:
    const char* Name() const override { return "PieceSettings"; }
    CChart* chart = nullptr;
    const CShigenNameTable* names = nullptr;
};

} // namespace tembra
