// Moving, copying and stretching the selected processes by a time and a row offset; the
// adjustment that gives calendar-day processes moved together with working-day ones their net
// spans back afterwards is KouteiAdjustPass.
#include "document/KouteiAdjustPass.h"
#include "document/KouteiContactIndex.h"
#include "document/KouteiContactKeys.h"
#include "document/KouteiRenumbering.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tembra {

namespace {

// Link modes: how the dates of a selection move.
constexpr int kLinkCalendarDays = 1; // calendar-day processes only: plain time
constexpr int kLinkWorkingDays = 2;  // working-day processes only, or an elapsed-day chart
constexpr int kLinkMixed = 3;        // both: working time, then the calendar-day ones adjusted

// An adjustment that still changes something after this many passes is left where it got.
constexpr int kMaxAdjustPasses = 10;

bool IsPoint(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

bool CountsWorkingDays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

bool IsCopyOperation(int operation) {
    return operation == COperationState::kOpCopy || operation == COperationState::kOpCopyFree;
}

// The duration and spare days of a calendar-day process whose start moves with a mixed
// selection: it keeps them through the move by working time, and the adjustment afterwards
// brings its dates back to them.
class KeptSpans {
public:
    KeptSpans(CKoutei& process, bool keep) : m_process(keep ? &process : nullptr) {
        if (m_process != nullptr) {
            m_duration = process.GetDuration();
            m_spare = process.GetSpareDays();
        }
    }
    KeptSpans(const KeptSpans&) = delete;
    KeptSpans& operator=(const KeptSpans&) = delete;
    ~KeptSpans() {
        if (m_process != nullptr) {
            m_process->SetDuration(m_duration);
            m_process->SetSpareDays(m_spare);
        }
    }
    bool IsKept() const { return m_process != nullptr; }

private:
    CKoutei* m_process;
    CTimeSpan m_duration;
    CTimeSpan m_spare;
};

// Brings the spans of a calendar-day process up to date before it moves; with growFreeEnds, a
// process whose start stays (only its end is selected) is given the move's offset as duration.
void RefreshSpans(CKoutei& process, IKouteiDocument& seam, CTimeSpan offset, bool growFreeEnds) {
    process.RecalcDuration(&seam, CTime(), FALSE);
    if (growFreeEnds && process.IsStartLandSelected() == 0) {
        process.SetDuration(process.GetDuration() + offset);
    }
}

bool KeepsSpans(const CKoutei& process, int linkMode) {
    return linkMode == kLinkMixed && !CountsWorkingDays(process) &&
           process.IsStartLandSelected() != 0;
}

// The records by their process, and the records that list a process as a predecessor, so that
// both follow each process to its copy. One table of the processes and flat arrays: a drag of
// a long chain allocates nothing for each process to tell where it is recorded.
class RecordFollower {
public:
    explicit RecordFollower(const CTembraDoc::KouteiLinkList& records) {
        m_ids.Reset(2 * records.size());
        m_where.reserve(2 * records.size());
        m_listed.reserve(records.size()); // a chain lists one predecessor in each
        for (const auto& record : records) {
            At(record->GetKoutei()).record = record.get();
            for (CKoutei* predecessor : record->GetLinks()) {
                Where& where = At(predecessor);
                m_listed.push_back(Listed{record.get(), where.listed});
                where.listed = static_cast<std::uint32_t>(m_listed.size() - 1);
            }
        }
    }

    // The process old is now now (null: it is gone).
    void Follow(const CKoutei* old, CKoutei* now) {
        const std::uint32_t* id = m_ids.Find(KouteiAddressKey(old));
        if (id == nullptr) {
            return;
        }
        const Where& where = m_where[*id];
        if (where.record != nullptr) {
            where.record->SetKoutei(now);
        }
        for (std::uint32_t at = where.listed; at != kNone; at = m_listed[at].next) {
            m_listed[at].record->ReplaceLink(old, now);
        }
    }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    struct Where {
        CKouteiLink* record = nullptr;
        // The last entry of m_listed for the process, from which the others are linked.
        std::uint32_t listed = kNone;
    };
    struct Listed {
        CKouteiLink* record;
        std::uint32_t next;
    };

    Where& At(const CKoutei* process) {
        const auto [id, added] =
            m_ids.TryEmplace(KouteiAddressKey(process), static_cast<std::uint32_t>(m_where.size()));
        if (added) {
            m_where.emplace_back();
        }
        return m_where[*id];
    }

    KouteiKeyNumbers m_ids;
    std::vector<Where> m_where;
    std::vector<Listed> m_listed;
};

} // namespace

// ---- Link records -------------------------------------------------------------------------------

int CTembraDoc::PrepareMoveLinks(KouteiLinkList& records, CTimeSpan offset, bool growFreeEnds) {
    if (m_syokiSet.GetNobeMode() != 0) {
        return kLinkWorkingDays;
    }
    // A walk over the selection classifies it (as ClassifyHolidayUse does), reading no more of
    // a process than what kind of days it counts, up to the first of the second kind.
    bool calendarDays = false;
    bool workingDays = false;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr && !(calendarDays && workingDays);) {
        ObList<CDataHeader>::PrefetchAhead(pos);
        if (const CKoutei* process = AsKoutei(GetNextSel(pos))) {
            (CountsWorkingDays(*process) ? workingDays : calendarDays) = true;
        }
    }
    const int linkMode = calendarDays && workingDays ? kLinkMixed
                         : workingDays               ? kLinkWorkingDays
                                                     : kLinkCalendarDays;
    // The spans of calendar-day processes alone are brought up to date as the move reaches each
    // one (RefreshSpans), which reads the whole process then: a large chart is not read from
    // memory twice. Only the adjustment of a mixed selection reads the records, which need the
    // spans first.
    if (linkMode != kLinkMixed) {
        return linkMode;
    }
    // The records by their processes' end dates, those that end together in selection order:
    // sorted once rather than inserted one by one into a sorted list, each end date beside its
    // process so that the sort reads no process.
    IKouteiDocument& seam = m_seams.Koutei();
    std::vector<std::pair<CTime, CKoutei*>> byEnd;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        ObList<CDataHeader>::PrefetchAhead(pos);
        if (CKoutei* process = AsKoutei(GetNextSel(pos));
            process != nullptr && !CountsWorkingDays(*process)) {
            RefreshSpans(*process, seam, offset, growFreeEnds);
            byEnd.emplace_back(process->GetEndTime(), process);
        }
    }
    std::stable_sort(byEnd.begin(), byEnd.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const ObList<CDataHeader> none;
    KouteiContactIndex index;
    index.Build(GetSelList(), none);
    std::vector<std::uint32_t> touching;
    records.reserve(byEnd.size());
    for (const auto& [end, process] : byEnd) {
        auto record = std::make_unique<CKouteiLink>(process);
        index.CandidateNumbers(*process, touching);
        for (const std::uint32_t number : touching) {
            CKoutei* other = index.ProcessAt(number);
            int part = 0;
            int otherPart = 0;
            if (CKouteiChains::ContactKind(process, other, TRUE, part, otherPart) != 0 &&
                part == kContactStart && otherPart == kContactEnd) {
                record->AddLink(other);
            }
        }
        records.push_back(std::move(record));
    }
    return linkMode;
}

// ---- Move and copy ------------------------------------------------------------------------------

void CTembraDoc::MoveKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag* drag,
                            BOOL adjustSpare, KouteiMoveCaller caller) {
    // A copy keeps the order of the selection: the relation lines copied with the processes
    // they join are given the copies' numbers once every copy is made, wherever they stand, and
    // an undone copy leaves the processes in the order they had.
    const bool copying = IsCopyOperation(operation);
    if (GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();

    KouteiLinkList records;
    const int linkMode = PrepareMoveLinks(records, offset, caller == KouteiMoveCaller::Drag);
    RecordFollower follower(records);

    IKouteiDocument& seam = m_seams.Koutei();
    KouteiRenumbering renumbering;
    ForEachSelected(
        [&](POSITION pos, CDataHeader* object) {
            CKoutei* old = AsKoutei(object);
            if (old == nullptr) {
                return;
            }
            if (linkMode == kLinkCalendarDays) {
                RefreshSpans(*old, seam, offset, caller == KouteiMoveCaller::Drag);
            }
            std::unique_ptr<CKoutei> moved = CopyKoutei(old, copying ? FALSE : TRUE);
            if (moved == nullptr) {
                return; // the copy has said why; the others go on
            }
            if (copying) {
                UnselectAt(pos); // the old process stays where it was
            } else {
                // The pivot mark of a duration change stays with the process it marks, and the
                // process that leaves the lists takes none along.
                moved->SetAdjustMark(old->GetAdjustMark());
                old->SetAdjustMark(0);
                moved->UpdateViews(seam);
            }

            bool keep = false;
            if (operation == COperationState::kOpMoveBend && !copying) {
                CKouteiLines& lines = *moved->GetLines();
                lines.SetBendOffset(
                    static_cast<short>(moved->GetBendRow() + rows - moved->GetStartRow()));
            } else {
                const KeptSpans kept(*moved, KeepsSpans(*moved, linkMode));
                keep = kept.IsKept();
                moved->MoveBy(&seam, offset, rows, drag,
                              KouteiMoveFlags::SelectedOnly |
                                  MoveFlagIf(linkMode == kLinkCalendarDays,
                                             KouteiMoveFlags::WithoutCalendar) |
                                  MoveFlagIf(adjustSpare, KouteiMoveFlags::AdjustSpare));
            }
            if (!keep && IsPoint(*moved)) {
                // Moved onto its other node: the process goes, and so does a copy made that way. No
                // record stands for it any more.
                follower.Follow(old, nullptr);
                if (!copying) {
                    DeleteSelAt(pos);
                }
                return;
            }
            follower.Follow(old, moved.get());
            if (copying) {
                if (moved->IsRelationLine() != 0) {
                    renumbering.AddRelationLine(moved.get());
                } else {
                    renumbering.Add(*old, *moved);
                }
                CKoutei* added = moved.release();
                AddSel(added);
                m_undo.AddNew(added);
            } else {
                ReplaceSelAt(pos, moved.release(), 0);
            }
        },
        sizeof(CKoutei)); // each process is copied whole
    renumbering.Apply();

    std::erase_if(records, [](const auto& record) { return record->GetKoutei() == nullptr; });
    if (linkMode != kLinkMixed) {
        return;
    }
    if (caller == KouteiMoveCaller::Duration) {
        // The duration just given to the first process stays; the others adapt to it.
        const CKoutei* head = AsKoutei(GetSelAt(GetHeadSelPosition()));
        for (const auto& record : records) {
            if (head != nullptr && record->GetKoutei() == head) {
                record->Refresh();
            }
        }
    }
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        if (AdjustKoutei(records, adjustSpare, FALSE, caller) != 0) {
            break;
        }
    }
}

// ---- Stretch ------------------------------------------------------------------------------------

void CTembraDoc::StretchKoutei(CTimeSpan offset, int rows, [[maybe_unused]] int operation,
                               const CKouteiDrag* drag, BOOL adjustSpare) {
    if (GetSelList().IsEmpty()) {
        return;
    }
    KouteiLinkList records;
    const int linkMode = PrepareMoveLinks(records, offset, true);
    if (linkMode == kLinkWorkingDays) {
        return;
    }
    IKouteiDocument& seam = m_seams.Koutei();
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        if (linkMode == kLinkCalendarDays) {
            RefreshSpans(*process, seam, offset, true);
            process->MoveBy(&seam, offset, rows, drag,
                            KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::WithoutCalendar |
                                MoveFlagIf(adjustSpare, KouteiMoveFlags::AdjustSpare));
            return;
        }
        const KeptSpans kept(*process, KeepsSpans(*process, linkMode));
        process->MoveBy(&seam, offset, rows, drag,
                        KouteiMoveFlags::SelectedOnly |
                            MoveFlagIf(adjustSpare, KouteiMoveFlags::AdjustSpare));
    });
    if (linkMode != kLinkMixed) {
        return;
    }
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        if (AdjustKoutei(records, adjustSpare, TRUE, KouteiMoveCaller::Drag) != 0) {
            break;
        }
    }
}

// ---- Adjustment ---------------------------------------------------------------------------------

int CTembraDoc::AdjustKoutei(KouteiLinkList& records, BOOL adjustSpare, BOOL noRedraw,
                             KouteiMoveCaller caller) {
    // A pass in which no process lacks or has too much of its net span changes nothing: the one
    // that ends the passes of a drag, which need not index the selection to tell so.
    const bool anyToAdjust =
        std::any_of(records.begin(), records.end(), [caller](const auto& record) {
            const CKoutei* process = record->GetKoutei();
            return process != nullptr && !adjust::IsStretched(*process, caller) &&
                   adjust::NetSpan(*process) != adjust::SavedNetSpan(*record);
        });
    if (!anyToAdjust) {
        return 1;
    }
    const KouteiAdjustPass pass{GetSelList(), records,  m_seams.Koutei(),
                                adjustSpare,  noRedraw, caller};
    if (const std::optional<int> result = AdjustCarried(pass)) {
        return *result;
    }
    return AdjustStepwise(pass);
}

// ---- Queries and order --------------------------------------------------------------------------

int CTembraDoc::CountFreeLands() const {
    int free = 0;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        if (const CKoutei* process = AsKoutei(GetNextSel(pos))) {
            free += process->IsStartLandSelected() == 0 ? 1 : 0;
            free += process->IsEndLandSelected() == 0 ? 1 : 0;
        }
    }
    return free;
}

int CTembraDoc::MoveRelationLinesLast(ObList<CDataHeader>& list) {
    const POSITION last = list.GetTailPosition();
    int found = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const bool isLast = current == last;
        CDataHeader* object = list.GetNext(pos);
        if (const CKoutei* process = AsKoutei(object);
            process != nullptr && process->IsRelationLine() != 0) {
            // Its new entry first, so that it is never out of the list.
            list.AddTail(object);
            list.RemoveAt(current);
            found = 1;
        }
        if (isLast) {
            break;
        }
    }
    return found;
}

} // namespace tembra
