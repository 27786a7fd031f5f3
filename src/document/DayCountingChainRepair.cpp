// The process links across a change of the day counting. Calendar-day processes keep their length
// in days while the working-day processes around them are counted anew, so a successor that
// started at a process's end no longer would: before the dates move the contacts are recorded
// (KouteiChainOrder), and afterwards each process that followed others starts again where the
// latest of them now ends, keeping its own length as the new side counts it. What follows it
// follows in turn, in one walk over the chains.
//
// The successors keep their spare days: taking the difference from them would lose what the way
// back needs to find the dates again, and a chart switched to elapsed days and back must come
// back as it was.
#include "document/DayCountingChange.h"

#include "document/DayCounting.h"
#include "document/KouteiChainOrder.h"
#include "model/Koutei.h"

#include <algorithm>

namespace tembra {

void CDayCountingChange::RepairKouteiChains(const std::vector<CKoutei*>& processes,
                                            const KouteiChainOrder& chains,
                                            const DayCounting& counting) {
    for (const std::size_t i : chains.Order()) {
        const auto predecessors = chains.PredecessorsOf(i);
        if (predecessors.empty()) {
            continue;
        }
        CTime start = processes[predecessors.front()]->GetEndTime();
        for (const std::size_t p : predecessors) {
            start = std::max(start, processes[p]->GetEndTime());
        }
        CKoutei& process = *processes[i];
        if (start == process.GetStartTime()) {
            continue;
        }
        const bool workingDays = process.GetLines()->GetAttr().GetHoliday() != 0;
        const CTimeSpan length =
            counting.LengthOf(process.GetStartTime(), process.GetEndTime(), workingDays);
        process.SetStartDate(start);
        process.SetEndDate(counting.EndOf(start, length, workingDays));
    }
}

} // namespace tembra
