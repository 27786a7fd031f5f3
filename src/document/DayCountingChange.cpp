// Settings > initial settings and Settings > the switch between calendar days and elapsed days:
// the dialogs of the current counting, and the conversion of every process and event of the
// chart to the other one.
#include "document/DayCountingChange.h"

#include "document/AppState.h"
#include "document/DayCounting.h"
#include "document/KouteiChainOrder.h"
#include "document/ModeChangeRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/UndoExchange.h"
#include "model/ConfigPath.h"
#include "platform/Ui.h"

#include <cmath>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tembra {

namespace {

// "すでに初期設定ダイアログが表示されています。..."
constexpr UINT IDS_SYOKI_DLG_OPEN = 5132;
// The update hint of a chart whose settings changed.
constexpr LPARAM kSettingsHint = 128;

// An initial-settings dialog is open somewhere: the user is told and nothing runs.
bool RefusedWhileSyokiDlgOpen() {
    const CAppState* app = GetAppState();
    if (app == nullptr || app->GetSyokiDlgCount() <= 0) {
        return false;
    }
    AfxMessageBox(IDS_SYOKI_DLG_OPEN, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

// The values a run remembers before the dialogs change the settings.
struct Before {
    short paper = 0;
    std::string layoutPath;
    CTime nobeBase;
};

// One initial-settings dialog on a copy of results; OK hands the edited copy back.
template <class Request>
bool RunSettingsRequest(CTembraDoc& doc, const DayConversion* conversion,
                        SyokiSetResults& results) {
    Request request;
    request.document = &doc;
    request.conversion = conversion;
    request.results = results;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    results = request.results;
    return true;
}

// Runs the initial-settings dialog of the counting; the copy it edits starts as the chart's
// settings in that counting.
bool RunSettingsDialog(CTembraDoc& doc, bool elapsed, const DayConversion* conversion,
                       SyokiSetResults& results) {
    const CSyokiSet& current = doc.GetSyokiSet();
    results.settings = current;
    results.layoutNumber = doc.GetPrHeader().GetLocalLayout();
    if (elapsed && current.GetNobeMode() <= 0) {
        results.settings.SetNobeMode(1);
    } else if (!elapsed) {
        results.settings.SetNobeMode(0);
    }
    return elapsed ? RunSettingsRequest<SyokiSetNobeDlgRequest>(doc, conversion, results)
                   : RunSettingsRequest<SyokiSetRekiDlgRequest>(doc, conversion, results);
}

// The conversion dialog of one direction, on the chart's settings; false when it was cancelled.
template <class Request> bool RunConversionDialog(CSyokiSet& settings, DayConversion& conversion) {
    Request request;
    request.settings = &settings;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    conversion = request.conversion;
    return true;
}

} // namespace

double DayConversion::Factor(bool toElapsed) const {
    const int from = std::max(toElapsed ? calendarRatio : elapsedRatio, 1);
    const int to = std::max(toElapsed ? elapsedRatio : calendarRatio, 1);
    const double factor = static_cast<double>(to) / from;
    // Negative: the spans keep their times of day. Equal parts change no span, so nothing is
    // rounded to whole days then either.
    return round && from != to ? factor : -factor;
}

// ---- Commands -----------------------------------------------------------------------------------

void CDayCountingChange::OnChangeNobeReki() {
    if (RefusedWhileSyokiDlgOpen()) {
        return;
    }
    const bool calendarDays = m_doc.GetSyokiSet().GetNobeMode() <= 0;
    if (m_doc.HoldsNothing()) {
        // Nothing to convert: a new chart of the other counting, then its settings.
        m_doc.InitNewDocument(calendarDays ? 1 : 0);
        m_doc.UpdateAllViews(nullptr, 0);
        OnSyokiSet();
        return;
    }
    if (calendarDays) {
        SyokiSetNobe();
    } else {
        SyokiSetReki();
    }
}

void CDayCountingChange::OnSyokiSet() {
    if (RefusedWhileSyokiDlgOpen()) {
        return;
    }
    if (m_doc.GetSyokiSet().GetNobeMode() > 0) {
        SyokiSetNobe();
    } else {
        SyokiSetReki();
    }
}

void CDayCountingChange::SyokiSetReki() {
    RunSyokiSet(false);
}

void CDayCountingChange::SyokiSetNobe() {
    RunSyokiSet(true);
}

// ---- One run of the initial settings ------------------------------------------------------------

namespace {

// What a change of the day counting replaces besides the objects and the calendar, as it was
// before: the undo of the change exchanges it with the chart's.
class DayCountingImage : public CUndoExchange {
public:
    DayCountingImage(CTembraDoc& doc, const CCalendar* ownCalendar)
        : m_doc(doc), m_settings(doc.GetSyokiSet()) {
        if (ownCalendar != nullptr) {
            m_ownCalendar = std::make_unique<CCalendar>();
            const_cast<CCalendar*>(ownCalendar)->CopyTo(m_ownCalendar.get());
        }
        m_header.CopyFrom(doc.GetPrHeader());
    }
    // The header stays out of the exchange (it was not built again).
    void LeaveHeader() { m_withHeader = false; }

    int Exchange() override {
        m_doc.GetDayCounting().ExchangeDayCountingState(m_settings, m_ownCalendar,
                                                        m_withHeader ? &m_header : nullptr);
        return 1;
    }

private:
    CTembraDoc& m_doc;
    CSyokiSet m_settings;
    std::unique_ptr<CCalendar> m_ownCalendar;
    CPrHeader m_header;
    bool m_withHeader = true;
};

// Records the image as the change's last record; without room for it the step cannot be undone
// whole, and the history is emptied.
void RecordImage(CChartUndo& undo, std::unique_ptr<DayCountingImage> image) {
    if (undo.AddOther(image.get()) != 0) {
        image.release();
    } else {
        undo.ClearUndo();
    }
}

} // namespace

void CDayCountingChange::RunSyokiSet(bool elapsed) {
    Before before;
    before.paper = m_doc.GetSyokiSet().GetPageSetting().GetPaper();
    before.layoutPath = m_doc.GetSyokiSet().GetPath().GetLayoutFilePath();
    before.nobeBase = m_doc.GetSyokiSet().GetNobeBaseDate();
    const bool converting = (m_doc.GetSyokiSet().GetNobeMode() > 0) != elapsed;

    DayConversion conversion;
    if (converting) {
        const bool chosen =
            elapsed ? RunConversionDialog<CalDateToDayDlgRequest>(m_doc.GetSyokiSet(), conversion)
                    : RunConversionDialog<DayToCalDateDlgRequest>(m_doc.GetSyokiSet(), conversion);
        if (!chosen) {
            return;
        }
    }
    SyokiSetResults results;
    if (!RunSettingsDialog(m_doc, elapsed, converting ? &conversion : nullptr, results)) {
        return;
    }

    CWaitCursor wait;
    m_doc.GetUndoHistory().Reset();
    const auto store = [this, &results] {
        m_doc.GetSyokiSet() = results.settings;
        m_doc.GetSyokiSet().SetDocument(&m_doc);
    };
    std::unique_ptr<DayCountingImage> image;
    if (!converting) {
        store();
    } else {
        // A conversion is one undo step.
        m_doc.GetUndoHistory().BeginGroup();
        image = std::make_unique<DayCountingImage>(m_doc, m_ownCalendar.get());
        ConvertDayCounting(elapsed, conversion, before.nobeBase, store);
    }

    m_doc.GetShapes().InvalidateTextZukei();
    m_doc.SetModifiedFlag(TRUE);
    m_doc.SetChangedFlag(TRUE);
    const BOOL renewed = RenewPrintHeader(before.paper, before.layoutPath, results);
    if (image != nullptr) {
        if (!renewed) {
            image->LeaveHeader();
        }
        RecordImage(m_doc.GetUndoHistory(), std::move(image));
        m_doc.GetUndoHistory().EndGroup();
    }
    m_doc.SetTitle();
    m_doc.UpdateAllViews(nullptr, kSettingsHint);
}

BOOL CDayCountingChange::RenewPrintHeader(short oldPaper, const std::string& oldLayoutPath,
                                          const SyokiSetResults& results) {
    const short paper = m_doc.GetSyokiSet().GetPageSetting().GetPaper();
    const CConfigPath& path = m_doc.GetSyokiSet().GetPath();
    if (results.temporaryLayout) {
        m_doc.GetPrHeader().InitFromSettings(&m_doc, paper,
                                             ConfigPathToFs(path.GetLayoutTempPath()), FALSE);
        m_doc.GetPrHeader().SetLocalLayout(1);
        return TRUE;
    }
    const bool same = paper == oldPaper && path.GetLayoutFilePath() == oldLayoutPath &&
                      m_doc.GetPrHeader().GetLocalLayout() == results.layoutNumber;
    if (same && !results.rebuildHeader) {
        return FALSE;
    }
    // The header's inputs (the chart's title ...) go over to the rebuilt header.
    m_doc.GetPrHeader().InitFromSettings(&m_doc, paper, ConfigPathToFs(path.GetLayoutFilePath()),
                                         TRUE);
    return TRUE;
}

void CDayCountingChange::ConvertChartToCalendar(const DayConversion& conversion,
                                                const std::function<void()>& store) {
    m_doc.GetUndoHistory().Reset();
    m_doc.GetUndoHistory().BeginGroup();
    auto image = std::make_unique<DayCountingImage>(m_doc, m_ownCalendar.get());
    image->LeaveHeader();
    ConvertDayCounting(false, conversion, m_doc.GetSyokiSet().GetNobeBaseDate(), store);
    RecordImage(m_doc.GetUndoHistory(), std::move(image));
    m_doc.GetUndoHistory().EndGroup();
}

void CDayCountingChange::CopyReturnCalendar(CCalendar* target) const {
    if (target == nullptr) {
        return;
    }
    if (m_ownCalendar != nullptr) {
        m_ownCalendar->CopyTo(target);
        return;
    }
    m_doc.GetWorkCalendar().CopyTo(target);
    target->RestoreRules();
}

void CDayCountingChange::ExchangeDayCountingState(CSyokiSet& settings,
                                                  std::unique_ptr<CCalendar>& ownCalendar,
                                                  CPrHeader* header) {
    std::swap(m_doc.GetSyokiSet(), settings);
    m_doc.GetSyokiSet().SetDocument(&m_doc);
    std::swap(m_ownCalendar, ownCalendar);
    if (header != nullptr) {
        CPrHeader current;
        current.CopyFrom(m_doc.GetPrHeader());
        m_doc.GetPrHeader().CopyFrom(*header);
        m_doc.GetPrHeader().SetDocument(&m_doc);
        header->CopyFrom(current);
    }
    m_doc.SetTitle();
    m_doc.UpdateAllViews(nullptr, kSettingsHint);
}

// ---- The conversion -----------------------------------------------------------------------------

namespace {

bool IsPointKoutei(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

// What a conversion re-dates: every process and event of every layer, every progress line and
// every date-range hatching.
struct DatedObjects {
    std::vector<CKoutei*> processes;
    std::vector<CEvent*> events;
    std::vector<CShincyoku*> lines;
    std::vector<CKtkmHatch*> hatches;
    // 1: calendar-day processes among them, 2: working-day ones.
    int kinds = 0;
};

DatedObjects CollectDatedObjects(CTembraDoc& doc) {
    DatedObjects objects;
    for (POSITION pos = doc.GetObjList().GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = doc.GetObjList().GetNext(pos);
        if (CKoutei* process = AsKoutei(object)) {
            objects.processes.push_back(process);
            objects.kinds |= process->GetLines()->GetAttr().GetHoliday() != 0 ? 2 : 1;
        } else if (CEvent* event = AsEvent(object)) {
            objects.events.push_back(event);
        }
    }
    for (POSITION pos = doc.GetProgressLines().GetHeadShincyokuPosition(); pos != nullptr;) {
        if (CShincyoku* line = doc.GetProgressLines().GetNextShincyoku(pos)) {
            objects.lines.push_back(line);
        }
    }
    for (POSITION pos = doc.GetHatchList()->GetHeadPosition(); pos != nullptr;) {
        CKtkmHatch* hatch = doc.GetHatchList()->GetNext(pos);
        if (hatch != nullptr && hatch->GetKind() == CKtkmHatch::kDateBand) {
            objects.hatches.push_back(hatch);
        }
    }
    return objects;
}

// The dates (and a process's spans) of every object a conversion re-dates, as they were: the
// undo of the conversion exchanges them with the objects' own. A conversion changes nothing else
// of an object, so the record keeps a few values of each instead of a copy. An object that is no
// longer in the chart's lists when the record is undone is left alone.
class DatesImage : public CUndoExchange {
public:
    DatesImage(CTembraDoc& doc, const DatedObjects& objects) : m_doc(doc) {
        m_processes.reserve(objects.processes.size());
        for (CKoutei* process : objects.processes) {
            m_processes.push_back(ProcessDates::Of(*process));
        }
        m_events.reserve(objects.events.size());
        for (CEvent* event : objects.events) {
            m_events.emplace_back(event, event->GetStartDate());
        }
        for (CShincyoku* line : objects.lines) {
            std::vector<CTime> dates{line->GetDate()};
            for (int row = 0; row < line->GetPointCount(); ++row) {
                const CShinPoint* point = line->GetPoint(row);
                dates.push_back(point != nullptr ? point->GetDate() : CTime());
            }
            m_lines.emplace_back(line, std::move(dates));
        }
        for (CKtkmHatch* hatch : objects.hatches) {
            m_hatches.push_back({hatch, hatch->GetStartDate(), hatch->GetEndDate()});
        }
    }

    int Exchange() override {
        const std::unordered_set<const void*> listed = Listed();
        for (ProcessDates& kept : m_processes) {
            if (listed.count(kept.process) != 0) {
                const ProcessDates now = ProcessDates::Of(*kept.process);
                kept.PutBack();
                kept = now;
            }
        }
        for (auto& [event, date] : m_events) {
            if (listed.count(event) != 0) {
                const CTime now = event->GetStartDate();
                event->SetStartDate(date);
                date = now;
            }
        }
        for (auto& [line, dates] : m_lines) {
            if (listed.count(line) != 0) {
                ExchangeLine(*line, dates);
            }
        }
        for (HatchDates& kept : m_hatches) {
            if (listed.count(kept.hatch) != 0) {
                const HatchDates now{kept.hatch, kept.hatch->GetStartDate(),
                                     kept.hatch->GetEndDate()};
                kept.hatch->SetStartDate(kept.start);
                kept.hatch->SetEndDate(kept.end);
                kept = now;
            }
        }
        m_doc.UpdateAllViews(nullptr, 0);
        return 1;
    }

private:
    struct ProcessDates {
        CKoutei* process;
        CTime start;
        CTime end;
        CTimeSpan spare;
        CTimeSpan startOffset;
        CTimeSpan duration;

        static ProcessDates Of(CKoutei& process) {
            return {&process,
                    process.GetStartTime(),
                    process.GetEndTime(),
                    process.GetSpareDays(),
                    process.GetStartOffset(),
                    process.GetDuration()};
        }
        void PutBack() const {
            process->SetStartDate(start);
            process->SetEndDate(end);
            process->SetSpareDays(spare);
            process->SetStartOffset(startOffset);
            process->SetDuration(duration);
        }
    };
    struct HatchDates {
        CKtkmHatch* hatch;
        CTime start;
        CTime end;
    };

    // Every object of the chart's lists that a conversion dates.
    std::unordered_set<const void*> Listed() const {
        std::unordered_set<const void*> listed;
        const auto add = [&listed](const auto& list) {
            for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
                listed.insert(list.GetNext(pos));
            }
        };
        add(m_doc.GetObjList());
        add(m_doc.GetSelList());
        add(m_doc.GetShincyokuList());
        add(*m_doc.GetHatchList());
        return listed;
    }
    // The line's date, then its points' dates by row (0 where a row has no point).
    static void ExchangeLine(CShincyoku& line, std::vector<CTime>& dates) {
        const CTime date = line.GetDate();
        line.SetDate(dates.front());
        dates.front() = date;
        for (std::size_t row = 1; row < dates.size(); ++row) {
            if (CShinPoint* point = line.GetPoint(static_cast<int>(row) - 1)) {
                const CTime kept = point->GetDate();
                point->SetDate(dates[row]);
                dates[row] = kept;
            }
        }
    }

    CTembraDoc& m_doc;
    std::vector<ProcessDates> m_processes;
    std::vector<std::pair<CEvent*, CTime>> m_events;
    std::vector<std::pair<CShincyoku*, std::vector<CTime>>> m_lines;
    std::vector<HatchDates> m_hatches;
};

// The dates that are no process's: an event, a progress line's date and the dates of its points,
// a hatching's range (its end stays at the end of the working time it covers).
void RedateMarks(const DatedObjects& objects, const DayCounting& counting) {
    for (CEvent* event : objects.events) {
        event->SetStartDate(counting.Convert(event->GetStartDate()));
    }
    for (CShincyoku* line : objects.lines) {
        line->SetDate(counting.Convert(line->GetDate()));
        for (int row = 0; row < line->GetPointCount(); ++row) {
            // A point without a date stands at the line's date and follows it.
            if (CShinPoint* point = line->GetPoint(row);
                point != nullptr && point->GetDate().GetTime() != 0) {
                point->SetDate(counting.Convert(point->GetDate()));
            }
        }
    }
    for (CKtkmHatch* hatch : objects.hatches) {
        hatch->SetStartDate(counting.Convert(hatch->GetStartDate()));
        hatch->SetEndDate(counting.Convert(hatch->GetEndDate(), DayCounting::Edge::kEnd));
    }
}

} // namespace

void CDayCountingChange::ConvertDayCounting(bool toElapsed, const DayConversion& conversion,
                                            const CTime& nobeBase,
                                            const std::function<void()>& store) {
    const bool countHolidays = conversion.holidayChoice == 0;
    const CTime elapsedBase = nobeBase + conversion.offset;
    m_doc.UnselectAll(TRUE);

    auto calendarBefore = std::make_unique<CCalendar>();
    m_doc.GetWorkCalendar().CopyTo(calendarBefore.get());
    const DatedObjects objects = CollectDatedObjects(m_doc);
    auto datesBefore = std::make_unique<DatesImage>(m_doc, objects);

    // In a chart of both kinds, with holidays counted, a calendar-day process no longer ends
    // where its successors start once the dates move: the contacts are taken before.
    const bool repair = objects.kinds == 3 && countHolidays;
    std::unique_ptr<KouteiChainOrder> chains;
    if (repair) {
        chains = std::make_unique<KouteiChainOrder>(objects.processes);
    }

    // The stored spans as the old side counts them; then the calendar of the new side.
    for (CKoutei* process : objects.processes) {
        if (toElapsed) {
            process->RecalcDuration(&m_doc.GetSeams().Koutei(), conversion.date,
                                    countHolidays ? FALSE : TRUE);
        } else {
            process->RecalcDuration(nullptr, elapsedBase, TRUE);
        }
    }
    std::unique_ptr<CCalendar> sourceCalendar;
    if (toElapsed) {
        // Counted over the calendar the chart leaves, which it keeps for the way back.
        sourceCalendar = std::make_unique<CCalendar>();
        m_doc.GetWorkCalendar().CopyTo(sourceCalendar.get());
        m_doc.GetWorkCalendar().Clear();
    } else {
        CopyReturnCalendar(&m_doc.GetWorkCalendar());
    }
    store();
    const CCalendar* holidays = toElapsed ? sourceCalendar.get() : &m_doc.GetWorkCalendar();
    const DayCounting counting(toElapsed ? DayCounting::Target::kElapsed
                                         : DayCounting::Target::kCalendar,
                               countHolidays ? holidays : nullptr, conversion.date, elapsedBase,
                               conversion.Factor(toElapsed));
    for (CKoutei* process : objects.processes) {
        counting.Redate(*process);
    }
    if (repair) {
        RepairKouteiChains(objects.processes, *chains, counting);
    }
    RedateMarks(objects, counting);
    if (toElapsed) {
        m_ownCalendar = std::move(sourceCalendar);
    }

    // The dates before, recorded ahead of the deletions below: an undo puts the deleted processes
    // back first, then their dates.
    bool recorded = m_doc.GetUndoHistory().AddOther(datesBefore.get()) != 0;
    if (recorded) {
        datesBefore.release();
    }
    // Processes left as points go (recorded with their places).
    for (POSITION pos = m_doc.GetObjList().GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CKoutei* process = AsKoutei(m_doc.GetObjList().GetNext(pos));
        if (process != nullptr && IsPointKoutei(*process)) {
            m_doc.DeleteObjAt(current);
        }
    }
    recorded = recorded && m_doc.GetUndoHistory().AddOther(calendarBefore.get()) != 0;
    if (recorded) {
        calendarBefore.release();
    } else {
        // Without room for its records the step cannot be undone whole.
        m_doc.GetUndoHistory().ClearUndo();
    }
}

} // namespace tembra
