// The change of a chart's day counting and its initial settings, as a part of the document:
// Settings > "初期設定" and Settings > "[暦・延]モード変更" run the dialogs of the current
// counting, and a chart that changes its counting is converted whole, in one undo step: every
// process, event, progress line and date-range hatching is re-dated, the chains of a chart of
// both kinds of processes are repaired, and the calendar is cleared (kept for the way back) or
// given back.
//
// It works over the whole document (the settings, the print header, the calendar, the lists and
// the undo history), so it holds a reference to it. Its own state is the calendar a chart that
// left calendar days in this session keeps for the way back.
#pragma once

#include "model/Calendar.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

class CKoutei;
class CPrHeader;
class CSyokiSet;
class CTembraDoc;
class DayCounting;
class KouteiChainOrder;
struct DayConversion;
struct SyokiSetResults;

class CDayCountingChange {
public:
    explicit CDayCountingChange(CTembraDoc& doc) : m_doc(doc) {}
    CDayCountingChange(const CDayCountingChange&) = delete;
    CDayCountingChange& operator=(const CDayCountingChange&) = delete;

    // Settings > "[暦・延]モード変更": a chart holding nothing becomes a new chart of the other
    // counting and opens its settings; any other is converted (SyokiSetNobe or SyokiSetReki).
    // Refused with message 5132 while an initial-settings dialog is open.
    void OnChangeNobeReki();
    // Settings > "初期設定": the initial-settings dialog of the current counting (5132 as above).
    void OnSyokiSet();
    // The initial settings of calendar days (elapsed days), converting a chart of the other
    // counting first: the conversion dialog, the settings dialog, then (OK in both) the chart is
    // converted (ConvertDayCounting) in one undo step. Without a conversion the undo history is
    // emptied.
    void SyokiSetReki();
    void SyokiSetNobe();
    // An elapsed-day chart to calendar days without the dialogs (the automation call), in one
    // undo step; store writes the new settings at the step the conversion needs them.
    void ConvertChartToCalendar(const DayConversion& conversion,
                                const std::function<void()>& store);
    // The calendar a chart counting elapsed days takes when it goes back to calendar days: the
    // one it had when it left them in this session, else the rules it was made or opened with.
    void CopyReturnCalendar(CCalendar* target) const;
    // What an undo of a change of the day counting puts back besides the objects and the
    // calendar: the settings, the calendar kept while the chart counts elapsed days and (when
    // given) the print header are exchanged with those given; the title and the views follow.
    void ExchangeDayCountingState(CSyokiSet& settings, std::unique_ptr<CCalendar>& ownCalendar,
                                  CPrHeader* header);
    // A new chart keeps no calendar for the way back; a chart read into a document of its own
    // brings the one it kept.
    void ForgetReturnCalendar() { m_ownCalendar.reset(); }
    void TakeReturnCalendar(CDayCountingChange& source) {
        m_ownCalendar = std::move(source.m_ownCalendar);
    }
    // After the re-dating of a change of the day counting: each process of the chains (recorded
    // before the dates moved) starts where the latest of its predecessors now ends and keeps
    // its length as the new side counts it (DayCounting::LengthOf), in the chains' order.
    static void RepairKouteiChains(const std::vector<CKoutei*>& processes,
                                   const KouteiChainOrder& chains, const DayCounting& counting);

private:
    // The steps of SyokiSetReki and SyokiSetNobe.
    void RunSyokiSet(bool elapsed);
    // The conversion of a chart to elapsed days (toElapsed) or calendar days, every step
    // recorded for undo (the caller holds the undo group): nothing stays selected; every process,
    // event, progress line and date-range hatching of every layer is re-dated through the
    // conversion's day counting (DayCounting) from nobeBase, the elapsed-day base date before
    // the change; in a chart of both kinds of processes with holidays counted the chains are
    // repaired (RepairKouteiChains); the calendar is cleared (and kept for the way back) or
    // given back (CopyReturnCalendar); store writes the new settings; processes left as points
    // are deleted. Shapes keep their places.
    void ConvertDayCounting(bool toElapsed, const DayConversion& conversion, const CTime& nobeBase,
                            const std::function<void()>& store);
    // TRUE when the header was built again.
    BOOL RenewPrintHeader(short oldPaper, const std::string& oldLayoutPath,
                          const SyokiSetResults& results);

    CTembraDoc& m_doc;
    // The calendar of a chart that left calendar days in this session, for the way back.
    std::unique_ptr<CCalendar> m_ownCalendar;
};

} // namespace tembra
