// The processes of the document: their spans and the holiday classes of a selection.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tembra {

namespace {

bool CountsHolidays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

} // namespace

void CTembraDoc::RecalcSelectedDurations(const CTime& baseDate, BOOL holidayFlag) {
    for (POSITION pos = GetSelList().GetHeadPosition(); pos != nullptr;) {
        if (CKoutei* process = AsKoutei(GetSelList().GetNext(pos))) {
            process->RecalcDuration(&m_seams.Koutei(), baseDate, holidayFlag);
        }
    }
}

// ---- Holiday classes ----------------------------------------------------------------------------

HolidayUse CTembraDoc::ClassifyHolidayUse(KouteiList* out) {
    return ClassifyHolidayUseInList(GetSelList(), out);
}

HolidayUse CTembraDoc::ClassifyHolidayUseInList(const ObList<CDataHeader>& list, KouteiList* out) {
    int seen = 0;
    // The calendar-day processes with their end dates, sorted once: those that end together
    // keep the order of the list.
    std::vector<std::pair<CTime, CKoutei*>> byEnd;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(list.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        if (CountsHolidays(*process)) {
            seen |= 0x10;
        } else {
            seen |= 0x01;
            if (out != nullptr) {
                byEnd.emplace_back(process->GetEndTime(), process);
            }
        }
    }
    if (out != nullptr) {
        std::stable_sort(byEnd.begin(), byEnd.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        out->reserve(out->size() + byEnd.size());
        for (const auto& [end, process] : byEnd) {
            out->push_back(process);
        }
    }
    if (seen == 0x11) {
        return HolidayUse::Mixed;
    }
    return seen == 0x10 ? HolidayUse::WorkingDays : HolidayUse::CalendarDays;
}

} // namespace tembra
