#include "fuzz/ExchangeChecks.h"

#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "fuzz/FuzzSupport.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"
#include "shapes/Zukei.h"

namespace tembra::fuzz {

namespace {

bool InCalendar(const CTime& date) {
    return date >= GetMinDate() && date < GetMaxDate() + CTimeSpan(1, 0, 0, 0);
}

constexpr int kLastRow = 9999;

} // namespace

void CheckImportedChart(CTembraDoc& document) {
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = document.GetNextObj(pos);
        if (const CKoutei* process = AsKoutei(object)) {
            if (!InCalendar(process->GetStartTime()) || !InCalendar(process->GetEndTime()) ||
                process->GetStartRow() > kLastRow || process->GetEndRow() > kLastRow) {
                Fail("a process off the calendar or the rows");
            }
            if (process->GetYogoCount() > CKoutei::kMaxYogo) {
                Fail("a process with more terms than it holds");
            }
        } else if (const CEvent* event = AsEvent(object)) {
            if (!InCalendar(event->GetStartDate()) || event->GetStartRow() > kLastRow) {
                Fail("an event off the calendar or the rows");
            }
            if (event->GetText().size() > CEvent::kTextCapacity) {
                Fail("an event text beyond its capacity");
            }
        }
    }
    if (document.GetKoumokuCells().GetKoumokuRowCount(-1) > kLastRow + 1) {
        Fail("an item cell below the last row");
    }
    for (POSITION pos = document.GetProgressLines().GetHeadShincyokuPosition(); pos != nullptr;) {
        const CShincyoku* line = document.GetProgressLines().GetNextShincyoku(pos);
        if (line != nullptr && !InCalendar(line->GetDate())) {
            Fail("a progress line off the calendar");
        }
    }
    for (POSITION pos = document.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        const CZukei* shape = document.GetShapes().GetNextZukei(pos);
        if (shape != nullptr &&
            (!InCalendar(shape->GetStartDate(0)) || !InCalendar(shape->GetEndDate(0)))) {
            Fail("a shape off the calendar");
        }
    }

    // Written out again: the DOS export refuses only an elapsed-day chart it cannot hold.
    CDosConvert convert;
    CMemFile data;
    CMemFile header;
    try {
        CArchive dataArchive(&data, CArchive::store);
        dataArchive.m_pDocument = &document;
        convert.WinToDosData(dataArchive);
        dataArchive.Close();
        CArchive headerArchive(&header, CArchive::store);
        headerArchive.m_pDocument = &document;
        convert.WinToDos(headerArchive);
        headerArchive.Close();
        if (header.Data().size() != Dos::kBlock1Size + Dos::kBlock2Size) {
            Fail("a DOS header of another size");
        }
    } catch (const CUserException&) {
        if (document.GetSyokiSet().GetNobeMode() == 0) {
            Fail("a calendar-date chart refused by the DOS export");
        }
    }
    // And in its own form (the stream follows the file's name); only a chart whose dates span
    // more than the file's calendar window is refused.
    document.SetFilePath("check.tbr");
    CMemFile own;
    try {
        CArchive ownArchive(&own, CArchive::store);
        ownArchive.m_pDocument = &document;
        document.Serialize(ownArchive);
        ownArchive.Close();
    } catch (const CUserException&) {
        if (document.FitCalendarWindow(FALSE)) {
            Fail("a chart the calendar window holds refused by its own form");
        }
    }
}

} // namespace tembra::fuzz
