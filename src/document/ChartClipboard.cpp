// Copy and cut of the selection to the application's clipboard, the link records of the copied
// processes and the relation lines of pasted objects.
#include "document/ChartClipboard.h"
#include "document/AppState.h"
#include "document/ChartUndo.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"

namespace tembra {

namespace {

bool CountsHolidays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

// Relation lines waiting to be attached again carry this flag.
constexpr WORD kRelationToReattach = 0xFFFF;

} // namespace

// ---- Copy and cut -------------------------------------------------------------------------------

int CChartClipboard::CopySelectedObjects() {
    m_doc.FilterSelectedKoutei(3);
    CAppState* app = GetAppState();
    app->ClearObjectClipboard();
    app->ClearShigenNameClipboard();
    m_doc.RecalcSelectedDurations(CTime(), FALSE);

    int copied = 0;
    bool anyProcess = false;
    m_doc.ForEachSelected([&](POSITION, CDataHeader* object) {
        if (const CKoutei* process = AsKoutei(object)) {
            std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
            if (copy == nullptr) {
                return; // the copy has said why; the others go on
            }
            copy->Select();
            app->GetObjectClipboard().AddTail(copy.get());
            copy.release();
            anyProcess = true;
            ++copied;
        }
        if (const CZukei* shape = AsZukei(object)) {
            // Each clone goes to the head: the first copied ends at the tail.
            std::unique_ptr<CZukei> copy = shape->Clone();
            if (copy == nullptr) {
                return; // no copy: a failed one has said why
            }
            app->GetZukeiClipboard().AddHead(copy.get());
            copy.release();
            ++copied;
        }
        if (const CEvent* event = AsEvent(object)) {
            std::unique_ptr<CEvent> copy = m_doc.GetEvents().CopyEvent(*event);
            if (copy == nullptr) {
                return;
            }
            app->GetObjectClipboard().AddTail(copy.get());
            copy.release();
            ++copied;
        }
    });
    if (anyProcess) {
        CShigenNameTable& names = app->GetShigenNameClipboard();
        for (const auto& entry : m_doc.GetShigenNames()) {
            names.push_back(std::make_unique<CShigenName>(*entry));
        }
        BuildKouteiLinks(m_doc.GetWorkCalendar());
    }
    return copied;
}

int CChartClipboard::CutSelectedObjects() {
    CWaitCursor wait;
    CopySelectedObjects();
    m_undo.Reset();
    m_undo.BeginGroup();
    m_doc.DeleteSelection();
    m_doc.GetKouteiChains().PropagateKankei();
    m_undo.EndGroup();
    return 0;
}

void CChartClipboard::BuildKouteiLinks(const CCalendar& calendar) {
    CAppState* app = GetAppState();
    app->ClearProcessInfoList();
    const ObList<CDataHeader>& clipboard = app->GetObjectClipboard();
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(clipboard.GetNext(pos));
        if (process == nullptr || (CountsHolidays(*process) && process->IsRelationLine() == 0)) {
            continue;
        }
        app->GetProcessInfoList().push_back(std::make_unique<CKouteiLink>(process));
        // Its duration becomes the working time of the calendar it is pasted from.
        const CTimeSpan holidays =
            calendar.GetHolidayTime(process->GetStartTime(), process->GetEndTime());
        if (process->GetDuration() > holidays) {
            process->SetDuration(process->GetDuration() - holidays);
        } else if (process->GetStartRow() != process->GetEndRow()) {
            process->SetDuration(CTimeSpan());
        }
    }
}

// ---- Pasted relation lines ------------------------------------------------------------------

int CChartClipboard::MarkPastedRelationLines(ObList<CDataHeader>& pasted) {
    const auto pastedWhole = [&pasted](const CObSeqNumber& number) {
        if (number.IsNull()) {
            return false;
        }
        for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(pasted.GetNext(pos));
            if (process != nullptr && process->GetSeqNumber() == number &&
                process->IsStartLandSelected() != 0 && process->IsEndLandSelected() != 0) {
                return true;
            }
        }
        return false;
    };
    for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(pasted.GetNext(pos));
        if (process != nullptr && process->IsRelationLine() != 0 &&
            (!pastedWhole(process->GetStartLandNo()) || !pastedWhole(process->GetEndLandNo()))) {
            process->SetRelationLine(kRelationToReattach);
        }
    }
    bool relationLeft = false;
    for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CKoutei* process = AsKoutei(pasted.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        if (process->IsRelationLine() == 0) {
            pasted.RemoveAt(current);
        } else {
            relationLeft = true;
        }
    }
    return relationLeft ? 1 : 0;
}

void CChartClipboard::ReattachPastedRelationLines(const CKoutei* oldProcess,
                                                  const CKoutei* newProcess) {
    if (oldProcess == nullptr || newProcess == nullptr || newProcess->IsRelationLine() != 0) {
        return;
    }
    const CObSeqNumber oldNumber = oldProcess->GetSeqNumber();
    const CObSeqNumber& newNumber = newProcess->GetSeqNumber();
    for (POSITION pos = m_doc.GetSelList().GetHeadPosition(); pos != nullptr;) {
        CKoutei* line = AsKoutei(m_doc.GetSelList().GetNext(pos));
        if (line == nullptr || line->IsRelationLine() == 0) {
            continue;
        }
        if (line->GetStartLandNo() == oldNumber) {
            line->SetStartLandNo(newNumber.GetHigh(), newNumber.GetLow());
        }
        if (line->GetEndLandNo() == oldNumber) {
            line->SetEndLandNo(newNumber.GetHigh(), newNumber.GetLow());
        }
    }
}

} // namespace tembra
