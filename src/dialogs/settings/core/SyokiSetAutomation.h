// The initial settings applied without showing the dialog, for the automation calls that change
// the rows, the paper, the period or the counting of a chart: each drives a calendar-day
// settings model (no widgets) through load, the change, the check and the store, so that every
// value that depends on the change is recomputed by the dialog's own rules.
//
// Each answers 1 when the change was applied and 0 when it was refused; a refused call changes
// nothing of the document (a failed check or a refused field stores nothing). The view update
// and the modified flag are the caller's.
#pragma once

#include "dialogs/attributes/core/DayConversionCheck.h"
#include "dialogs/settings/core/SyokiSetRekiModel.h"
#include "document/ModeChangeRequests.h"

namespace tembra {

class CTembraDoc;

// A calendar date as the caller parsed it.
struct SyokiSetDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The rows of the chart (below 1 refused, above 150 taken as 150).
int LineChange(CTembraDoc& document, int rows);
// The paper (0 A4, 1 B4, 2 A3, 3 A3 portrait, 4 A2, 5 A1). The plan-sheet and temporary-layout
// questions are not asked while the document's automation flag is set.
int PaperChange(CTembraDoc& document, int paper);
// The displayed period from start to end; a date that does not exist or lies outside the
// supported dates is refused.
int KikanChange(CTembraDoc& document, const SyokiSetDate& start, const SyokiSetDate& end);
// An elapsed-day chart to calendar days with the values of the elapsed-to-calendar conversion;
// values its checks refuse are refused.
int ChangeNobeToReki(CTembraDoc& document, const DayConversionValues& values);

// The conversion record of a settings model from what a conversion dialog gave, for the chart's
// settings before the change.
SyokiSetConversion MakeSyokiSetConversion(const DayConversion& conversion,
                                          const CSyokiSet& settings, bool toElapsed);

} // namespace tembra
