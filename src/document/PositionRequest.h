// The position dialogs: the date and row typed in for a point of the chart instead of clicking
// it. One request for the four forms: the start of a new process in a calendar-day chart
// (template 128) or an elapsed-day chart (220), the target of a drag or of the Edit menu's
// position move in a calendar-day chart (169) or an elapsed-day chart (219). The span comes in as
// tracked (its start the anchor, its end the proposal) and goes out with the chosen end date and
// row on OK; noTimeOfDay keeps the time of day out of the entry.
#pragma once

#include "model/ChartPos.h"
#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class CTembraDoc;

class PositionRequest : public DialogRequest {
public:
    enum : int {
        kStartCalendar = 128,
        kTargetCalendar = 169,
        kTargetElapsed = 219,
        kStartElapsed = 220,
    };

    const char* Name() const override { return "Position"; }
    // The template for the start or the target in a calendar-day or elapsed-day chart.
    static int TemplateFor(bool start, bool elapsed) {
        if (start) {
            return elapsed ? kStartElapsed : kStartCalendar;
        }
        return elapsed ? kTargetElapsed : kTargetCalendar;
    }

    int templateId = kTargetCalendar;
    bool noTimeOfDay = true;
    CTembraDoc* document = nullptr;
    CChartPos span;
};

} // namespace tembra
