// The answers a test of the day-counting switch gives its dialogs: both conversion dialogs put the
// first elapsed day at the date, holidays counted as chosen (0 "有効"), and both initial-settings
// dialogs are closed with OK as they open.
#pragma once

#include "document/ModeChangeRequests.h"
#include "support/ScriptedUi.h"

namespace tembra::test {

inline void AnswerConversion(ScriptedUi& ui, const CTime& date, int holidayChoice = 0) {
    const auto answer = [date, holidayChoice](DayConversion& conversion) {
        conversion.date = date;
        conversion.offset = CTimeSpan();
        conversion.holidayChoice = holidayChoice;
        return IDOK;
    };
    ui.OnDialog("CalDateToDayDlg", [answer](DialogRequest& r) {
        return answer(static_cast<CalDateToDayDlgRequest&>(r).conversion);
    });
    ui.OnDialog("DayToCalDateDlg", [answer](DialogRequest& r) {
        return answer(static_cast<DayToCalDateDlgRequest&>(r).conversion);
    });
    ui.OnDialog("SyokiSetNobeDlg", [](DialogRequest&) { return IDOK; });
    ui.OnDialog("SyokiSetRekiDlg", [](DialogRequest&) { return IDOK; });
}

} // namespace tembra::test
