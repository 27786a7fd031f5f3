// Inserting what the application's clipboards hold as one block of processes, events and shapes at
// a target place, the re-dating of processes from their stored spans, and the boxes that objects
// cover on the chart.
#include "document/AppState.h"
#include "document/KouteiRenumbering.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/OperationState.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tembra {

namespace {

constexpr UINT IDS_INSERT_NOT_SET_UP = 5125; // 差込み用紙サイズが違っています。…
constexpr UINT IDS_INSERT_OLD_PLACE = 5127; // 初期設定が読み込まれず、元の位置に差し込み指定…
constexpr int kInsertModeOldPlace = 1;   // the initial settings were not read
constexpr int kInsertModeOtherPaper = 2; // the same, with another paper size
constexpr int kInsertModeSettings = -1;  // the settings were inserted with the file
constexpr int kMaxAdjustPasses = 10;
constexpr int kMaxRow = 9999;

bool IsPoint(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

WORD ClampRow(double row) {
    return static_cast<WORD>(std::clamp(row, 0.0, static_cast<double>(kMaxRow)));
}

// A shape's row as a whole row of the box: its integer part, one more when it has a fraction.
WORD WholeRow(double row) {
    const double whole = std::floor(row);
    return ClampRow(row > whole ? whole + 1 : whole);
}

CChartPos EmptyExtent() {
    CChartPos extent;
    extent.SetStartDate(GetMaxDate());
    extent.SetEndDate(GetMinDate());
    extent.SetStartRow(kMaxRow);
    extent.SetEndRow(0);
    return extent;
}

CObjectBox BoxOf(const CTime& first, const CTime& last, int rowA, int rowB, int third) {
    CObjectBox box;
    box.span.SetStartDate(std::min(first, last));
    box.span.SetEndDate(std::max(first, last));
    box.span.SetStartRow(static_cast<WORD>(std::min(rowA, rowB)));
    box.span.SetEndRow(static_cast<WORD>(std::max(rowA, rowB)));
    box.thirdRow = static_cast<WORD>(third);
    return box;
}

void Widen(CChartPos& extent, const CObjectBox& object) {
    const CChartPos& box = object.span;
    extent.SetStartDate(std::min(extent.GetStartDate(), box.GetStartDate()));
    extent.SetEndDate(std::max(extent.GetEndDate(), box.GetEndDate()));
    extent.SetStartRow(std::min(extent.GetStartRow(), box.GetStartRow()));
    extent.SetEndRow(std::max(extent.GetEndRow(), box.GetEndRow()));
}

bool IsMeasured(const CDataHeader* object) {
    if (object == nullptr) {
        return false;
    }
    switch (object->GetType()) {
    case kTypeKoutei:
        return object->GetKind() == kKindKoutei || object->GetKind() == kKindKouteiLines ||
               object->GetKind() == kKindLand;
    case kTypeZukei:
        return true;
    case kTypeEvent:
        return object->GetKind() == kKindEvent;
    default:
        return false;
    }
}

bool IsNoTarget(const CChartPos& target) {
    return target.GetStartDateValue() == 0 && target.GetEndDateValue() == 0 &&
           target.GetStartRow() == 0 && target.GetEndRow() == 0;
}

// How far a kind of object moves so that the block's first date lies in the target period and
// its top row in the target rows; nothing for a first date (top row) that lies there already.
CTimeSpan DateOffset(const CChartPos& target, const CChartPos& extent) {
    const CTime first = extent.GetStartDate();
    if (first < target.GetStartDate() || first > target.GetEndDate()) {
        return target.GetStartDate() - first;
    }
    return CTimeSpan();
}

int RowOffset(const CChartPos& target, const CChartPos& extent) {
    const int top = extent.GetStartRow();
    if (top < target.GetStartRow() || top > target.GetEndRow()) {
        return target.GetStartRow() - top;
    }
    return 0;
}

// Walks the two clipboards as one: the objects, then the shapes.
template <class Fn> void ForEachClipboardObject(const CAppState& app, Fn fn) {
    for (const ObList<CDataHeader>* list : {&app.GetObjectClipboard(), &app.GetZukeiClipboard()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            fn(list->GetNext(pos));
        }
    }
}

using SourceMap = std::unordered_map<const CKoutei*, CKoutei*>;
// The copy of each source that is inserted, with its place in the list of copies.
using CopyMap = std::unordered_map<const CKoutei*, std::pair<CKoutei*, POSITION>>;

// The copies of the clipboard's processes, in clipboard order, and the source of each. Everything
// that changes a process on its way in (re-dating, numbers, moves) happens to the copies: the
// clipboard stays as it was, for the next paste.
void CopyClipboardKoutei(CTembraDoc& doc, const ObList<CDataHeader>& clipboard,
                         OwnedObList<CDataHeader>& copies, SourceMap& sourceOf) {
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        CKoutei* source = AsKoutei(clipboard.GetNext(pos));
        if (source == nullptr) {
            continue;
        }
        std::unique_ptr<CKoutei> copy = doc.CopyKoutei(source, TRUE);
        if (copy == nullptr) {
            continue; // the copy has said why
        }
        copies.AddTail(copy.get());
        sourceOf[copy.get()] = source;
        copy.release();
    }
}

// Numbers the copies; points and copies that get no number are left out.
CopyMap NumberCopies(CTembraDoc& doc, OwnedObList<CDataHeader>& copies, const SourceMap& sourceOf) {
    CopyMap copyOf;
    for (POSITION pos = copies.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKoutei* copy = AsKoutei(copies.GetNext(pos));
        if (IsPoint(*copy) || !doc.AssignSeqNumber(copy)) {
            copies.RemoveAt(current);
            delete copy;
            continue;
        }
        copyOf[sourceOf.at(copy)] = {copy, current};
    }
    return copyOf;
}

// The link records of the calendar-day copies, with the spans their sources had when they
// were copied (the application's saved record, else the source itself).
CTembraDoc::KouteiLinkList CalendarDayRecords(const CAppState& app,
                                              const CTembraDoc::KouteiList& calendarDays,
                                              const SourceMap& sourceOf) {
    CTembraDoc::KouteiLinkList records;
    std::unordered_map<const CKoutei*, const CKouteiLink*> saved;
    for (const auto& record : app.GetProcessInfoList()) {
        saved.emplace(record->GetKoutei(), record.get());
    }
    for (CKoutei* copy : calendarDays) {
        CKoutei* source = sourceOf.at(copy);
        auto record = std::make_unique<CKouteiLink>();
        if (const auto it = saved.find(source); it != saved.end()) {
            record->CopyFrom(*it->second);
        } else {
            record->SetFrom(source);
        }
        record->SetKoutei(copy);
        records.push_back(std::move(record));
    }
    return records;
}

// How far each kind of the block moves: each kind of object is placed by its own box (the
// shapes also by their top row), moved so that its first date and top row lie in the target.
struct BlockMove {
    CChartPos kouteiExtent = EmptyExtent();
    CChartPos eventExtent = EmptyExtent();
    CChartPos zukeiExtent = EmptyExtent();
    double zukeiTop = kMaxRow;
    CTimeSpan kouteiDays;
    CTimeSpan eventDays;
    CTimeSpan zukeiDays;
    int kouteiRows = 0;
    int eventRows = 0;
    double zukeiRows = 0;
};

// The boxes of the copies of the processes and of the clipboards' events and shapes.
BlockMove MeasureBlock(const CTembraDoc& doc, const CAppState& app,
                       const ObList<CDataHeader>& copies) {
    BlockMove move;
    for (POSITION pos = copies.GetHeadPosition(); pos != nullptr;) {
        Widen(move.kouteiExtent, doc.GetObjectExtent(copies.GetNext(pos)));
    }
    ForEachClipboardObject(app, [&](const CDataHeader* object) {
        if (AsEvent(const_cast<CDataHeader*>(object)) != nullptr) {
            Widen(move.eventExtent, doc.GetObjectExtent(object));
        } else if (const CZukei* shape = AsZukei(object)) {
            Widen(move.zukeiExtent, doc.GetObjectExtent(object));
            move.zukeiTop = std::min(move.zukeiTop, shape->GetTopRow(0));
        }
    });
    return move;
}

// The offsets of each kind for the target; with no target nothing moves and the placement of
// the inserted settings may be told. No shape is pasted above row 0; the shapes stay together.
void AimBlock(BlockMove& move, const CChartPos& target, int zukeiPlacement) {
    if (IsNoTarget(target)) {
        if (zukeiPlacement == kInsertModeOldPlace) {
            AfxMessageBox(IDS_INSERT_OLD_PLACE, MB_ICONINFORMATION);
        } else if (zukeiPlacement == kInsertModeOtherPaper) {
            AfxMessageBox(IDS_INSERT_NOT_SET_UP, MB_ICONINFORMATION);
        }
    } else {
        move.kouteiDays = DateOffset(target, move.kouteiExtent);
        move.kouteiRows = RowOffset(target, move.kouteiExtent);
        move.eventDays = DateOffset(target, move.eventExtent);
        move.eventRows = RowOffset(target, move.eventExtent);
        move.zukeiDays = DateOffset(target, move.zukeiExtent);
        move.zukeiRows = RowOffset(target, move.zukeiExtent);
    }
    if (move.zukeiTop + move.zukeiRows < 0) {
        move.zukeiRows = -move.zukeiTop;
    }
}

// The processes move with their first date at the target's start by plain time, the rest
// by working time where "HolidayAuto" asks for it (a calendar is given). The block's offset is
// calendar time; as working time from every other date it would stretch the first process and
// carry the rest past the first by the holidays it spans. So they move by the working time from
// the block's first date to the target's start: each process keeps its working days and so do
// the spans between them (calendar-day processes get their calendar days back from their link
// records).
class KouteiBlockMover {
public:
    KouteiBlockMover(IKouteiDocument& seam, const CCalendar* calendar, const BlockMove& move,
                     bool hasKoutei)
        : m_seam(seam), m_calendar(calendar), m_move(move) {
        m_firstDate = m_move.kouteiExtent.GetStartDate();
        m_firstPinned.startDate = m_firstDate;
        m_firstPinned.endDate = m_move.kouteiExtent.GetEndDate();
        m_firstPinned.startRow = m_move.kouteiExtent.GetStartRow();
        m_firstPinned.endRow = m_move.kouteiExtent.GetEndRow();
        m_firstPinned.startPinned = true;
        m_firstDateThere = m_firstDate + m_move.kouteiDays;
        m_work = calendar != nullptr && hasKoutei
                     ? m_move.kouteiDays - calendar->GetHolidayTime(m_firstDate, m_firstDateThere)
                     : m_move.kouteiDays;
    }

    void Move(CKoutei& copy) const {
        if (m_calendar == nullptr) {
            copy.MoveBy(&m_seam, m_move.kouteiDays, m_move.kouteiRows, &m_firstPinned,
                        KouteiMoveFlags::None);
            return;
        }
        // The first date lands on the target's start even when that is a holiday (working
        // time would carry it past).
        const bool startFirst = copy.GetStartTime() == m_firstDate;
        const bool endFirst = copy.GetEndTime() == m_firstDate;
        copy.MoveBy(&m_seam, m_work, m_move.kouteiRows, nullptr, KouteiMoveFlags::None);
        if (startFirst) {
            copy.SetStartDate(m_firstDateThere);
        }
        if (endFirst) {
            copy.SetEndDate(m_firstDateThere);
        }
    }

private:
    IKouteiDocument& m_seam;
    const CCalendar* m_calendar;
    const BlockMove& m_move;
    CTime m_firstDate;
    CTime m_firstDateThere;
    CTimeSpan m_work;
    // The block's box with its first date pinned, for the plain move without a calendar.
    CKouteiDrag m_firstPinned;
};

// The clipboard's objects in the order they are pasted: relation lines come after the
// processes they join (in an order of its own: the clipboard keeps its order).
void PasteOrder(const ObList<CDataHeader>& clipboard, ObList<CDataHeader>& order) {
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        order.AddTail(clipboard.GetNext(pos));
    }
    CTembraDoc::MoveRelationLinesLast(order);
}

// The calendar-day processes get their calendar days back from their link records.
void AdjustCalendarDays(CTembraDoc& doc, CTembraDoc::KouteiLinkList& records) {
    if (records.empty()) {
        return;
    }
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        if (doc.AdjustKoutei(records, FALSE, FALSE, KouteiMoveCaller::Drag) != 0) {
            break;
        }
    }
}

// Re-dated from spans of their own and moved through the calendar, the relation lines need
// not meet their processes any more: each one pasted with both of its processes runs again
// from the end of the one to the start of the other.
void RejoinRelationLines(const std::vector<CKoutei*>& relationLines,
                         const std::unordered_set<std::uint64_t>& pastedNumbers,
                         IKouteiDocument& seam) {
    for (CKoutei* line : relationLines) {
        if (pastedNumbers.contains(line->GetStartLandNo().Key()) &&
            pastedNumbers.contains(line->GetEndLandNo().Key())) {
            line->ResolveRelation(seam);
        }
    }
}

} // namespace

// ---- Insert -------------------------------------------------------------------------------------

POSITION CTembraDoc::InsertKouteiBlock(CChartPos target, CTime baseDate, BOOL recordUndo) {
    UnselectAll(TRUE);
    CAppState& app = *GetAppState();
    const OwnedObList<CDataHeader>& clipboard = app.GetObjectClipboard();
    if (baseDate.GetTime() == 0) {
        baseDate = m_syokiSet.GetNobeBaseDate();
    }
    IKouteiDocument& seam = m_seams.Koutei();

    // Points are left out of the copies.
    OwnedObList<CDataHeader> copies;
    SourceMap sourceOf;
    CopyClipboardKoutei(*this, clipboard, copies, sourceOf);
    if (m_operation.GetHolidayAuto() != 0) {
        RedateKoutei(copies, baseDate, FALSE, -1.0);
    }
    CopyMap copyOf = NumberCopies(*this, copies, sourceOf);

    KouteiList calendarDays;
    const HolidayUse linkMode = ClassifyHolidayUseInList(copies, &calendarDays);
    KouteiLinkList records;
    if (linkMode != HolidayUse::WorkingDays) {
        records = CalendarDayRecords(app, calendarDays, sourceOf);
    }

    BlockMove move = MeasureBlock(*this, app, copies);
    AimBlock(move, target, GetZukeiPlacement());
    const CCalendar* calendar = m_operation.GetHolidayAuto() != 0 ? seam.GetCalendar() : nullptr;
    const KouteiBlockMover mover(seam, calendar, move, !copies.IsEmpty());

    const bool remap = !copies.IsEmpty() && GetResources().MergeShigenNames() != 0;
    POSITION last = nullptr;
    const auto select = [&](CDataHeader* object) {
        last = AddSel(object);
        if (recordUndo) {
            m_undo.AddNew(object);
        }
    };
    KouteiRenumbering renumbering;
    std::vector<CKoutei*> relationLines;
    std::unordered_set<std::uint64_t> pastedNumbers;
    const auto insertKoutei = [&](const CKoutei* source) {
        const auto it = copyOf.find(source);
        if (it == copyOf.end()) {
            return; // a point, or no copy could be made
        }
        auto [copy, place] = it->second;
        copies.RemoveAt(place);
        copy->RecalcDuration(&seam, CTime(), FALSE);
        mover.Move(*copy);
        if (copy->IsRelationLine() != 0) {
            renumbering.AddRelationLine(copy);
            relationLines.push_back(copy);
        } else {
            renumbering.Add(*source, *copy);
            pastedNumbers.insert(copy->GetSeqNumber().Key());
        }
        if (remap) {
            copy->GetShigen()->RemapNumbers(app.GetShigenNameClipboard());
        }
        copy->Select();
        select(copy);
    };
    const auto insertEvent = [&](const CEvent& source) {
        std::unique_ptr<CEvent> copy = GetEvents().CopyEvent(source);
        if (copy == nullptr) {
            return;
        }
        copy->Offset(move.eventDays, move.eventRows);
        copy->Select();
        select(copy.release());
    };
    const auto insertZukei = [&](const CZukei& source) {
        std::unique_ptr<CZukei> copy = source.Clone();
        if (copy == nullptr) {
            return; // a failed clone has said why
        }
        if (GetZukeiPlacement() != kInsertModeSettings) {
            // Inserted in move mode: it follows the chart's dates and rows.
            copy->SetPointMode(0);
            copy->ResetOffsets();
        }
        copy->Deselect();
        copy->MoveBy(move.zukeiDays, move.zukeiRows);
        CZukei* shape = copy.release();
        m_shapes.SelectZukeiAt(m_shapes.AddZukei(shape, TRUE));
        last = GetTailSelPosition();
        if (recordUndo) {
            m_undo.AddNew(shape);
        }
    };

    ObList<CDataHeader> order;
    PasteOrder(clipboard, order);
    for (POSITION pos = order.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = order.GetNext(pos);
        if (const CKoutei* source = AsKoutei(object)) {
            insertKoutei(source);
        } else if (const CEvent* event = AsEvent(object)) {
            insertEvent(*event);
        } else if (const CZukei* shape = AsZukei(object)) {
            insertZukei(*shape);
        }
    }
    const ObList<CDataHeader>& shapes = app.GetZukeiClipboard();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        if (const CZukei* shape = AsZukei(shapes.GetNext(pos))) {
            insertZukei(*shape);
        }
    }
    renumbering.Apply();

    AdjustCalendarDays(*this, records);
    if (calendar != nullptr) {
        RejoinRelationLines(relationLines, pastedNumbers, seam);
    }
    return last;
}

void CTembraDoc::RedateKoutei(OwnedObList<CDataHeader>& list, CTime baseDate, BOOL noHoliday,
                              double factor) {
    if (baseDate.GetTime() == 0) {
        baseDate = m_syokiSet.GetNobeBaseDate();
    }
    IKouteiDocument& seam = m_seams.Koutei();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKoutei* process = AsKoutei(list.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        process->RedateFromSpans(&seam, baseDate, noHoliday, factor);
        if (IsPoint(*process)) {
            list.RemoveAt(current);
            if (list.Owns(process)) {
                delete process;
            }
        }
    }
}

// ---- Extents ------------------------------------------------------------------------------------

CObjectBox CTembraDoc::GetObjectExtent(const CDataHeader* object) const {
    if (const CKoutei* process = AsKoutei(object)) {
        // A gate's crossbar belongs to the box; other lines turn between their nodes.
        const bool gate = process->GetLineShape() == kLineShapeGate;
        const int bend =
            gate ? process->CalcGateRow() : std::clamp(process->GetBendRow(), 0, kMaxRow);
        CObjectBox box = BoxOf(process->GetStartTime(), process->GetEndTime(),
                               process->GetStartRow(), process->GetEndRow(), bend);
        if (gate) {
            CChartPos& span = box.span;
            span.SetStartRow(static_cast<WORD>(std::min<int>(span.GetStartRow(), bend)));
            span.SetEndRow(static_cast<WORD>(std::max<int>(span.GetEndRow(), bend)));
        }
        return box;
    }
    if (const auto* lines = DynamicDowncast<CKouteiLines>(const_cast<CDataHeader*>(object))) {
        const CChartPos& pos = lines->GetPos();
        return BoxOf(pos.GetStartDate(), pos.GetEndDate(), pos.GetStartRow(), pos.GetEndRow(),
                     pos.GetEndRow());
    }
    if (const auto* land = DynamicDowncast<CLand>(const_cast<CDataHeader*>(object))) {
        const CChartPos& pos = land->GetPos();
        return BoxOf(pos.GetStartDate(), pos.GetStartDate(), pos.GetStartRow(), pos.GetStartRow(),
                     pos.GetStartRow());
    }
    if (const CZukei* shape = AsZukei(object)) {
        const WORD bottom = WholeRow(shape->GetBottomRow(0));
        return BoxOf(shape->GetStartDate(0), shape->GetEndDate(0), WholeRow(shape->GetTopRow(0)),
                     bottom, bottom);
    }
    if (const CEvent* event = AsEvent(const_cast<CDataHeader*>(object))) {
        return BoxOf(event->GetStartDate(), event->GetStartDate(), event->GetStartRow(),
                     event->GetStartRow(), event->GetStartRow());
    }
    return CObjectBox();
}

CChartPos CTembraDoc::GetObjectsExtent(ObjectSets sets, BOOL linesOnly) const {
    CChartPos extent = EmptyExtent();
    const auto add = [&](const CDataHeader* object) {
        if (IsMeasured(object)) {
            Widen(extent, GetObjectExtent(object));
        }
    };
    if (Holds(sets, ObjectSets::Clipboards)) {
        ForEachClipboardObject(*GetAppState(), add);
    }
    if (Holds(sets, ObjectSets::Selection)) {
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
            const CDataHeader* object = GetNextSel(pos);
            const CKoutei* process = AsKoutei(object);
            if (linesOnly && process != nullptr && process->IsLinesSelected() == 0) {
                continue;
            }
            add(object);
        }
    }
    if (Holds(sets, ObjectSets::Unselected)) {
        for (POSITION pos = GetHeadObjPosition(); pos != nullptr;) {
            add(GetNextObj(pos));
        }
        const ObList<CDataHeader>& shapes = m_objects.GetZukeiList();
        for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
            const CDataHeader* shape = shapes.GetNext(pos);
            if (shape->IsSelected() == 0) {
                add(shape);
            }
        }
    }
    return extent;
}

WORD CTembraDoc::CanPasteObjects() const {
    WORD accepted = 0;
    switch (m_operation.GetMode()) {
    case COperationState::kModeKoutei:
        accepted = kTypeKoutei;
        break;
    case COperationState::kModeZukei:
        accepted = kTypeZukei;
        break;
    case COperationState::kModeEvent:
        accepted = kTypeEvent;
        break;
    default:
        break;
    }
    std::optional<WORD> first;
    WORD lastType = 0;
    ForEachClipboardObject(*GetAppState(), [&](const CDataHeader* object) {
        lastType = object->GetType();
        if (!first && accepted != 0 && lastType == accepted) {
            first = lastType;
        }
    });
    return first.value_or(lastType);
}

} // namespace tembra
