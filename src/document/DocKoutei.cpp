// The processes of the document: their spans and the holiday classes of a selection.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"

#include <algorithm>

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

int CTembraDoc::ClassifyHolidayUse(KouteiList* out) {
    return ClassifyHolidayUseInList(GetSelList(), out);
}

int CTembraDoc::ClassifyHolidayUseInList(const ObList<CDataHeader>& list, KouteiList* out) {
    int seen = 0;
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
                InsertByEndDate(*out, process);
            }
        }
    }
    if (seen == 0x11) {
        return 3;
    }
    return seen == 0x10 ? 2 : 1;
}

void CTembraDoc::InsertByEndDate(KouteiList& sorted, CKoutei* process) {
    const auto later = std::find_if(sorted.begin(), sorted.end(), [process](const CKoutei* other) {
        return other->GetEndTime() > process->GetEndTime();
    });
    sorted.insert(later, process);
}

} // namespace tembra
