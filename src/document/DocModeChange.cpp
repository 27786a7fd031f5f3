// Settings > initial settings and Settings > the switch between calendar days and elapsed days:
// the dialogs of the current counting, and the conversion of every process and event of the
// chart to the other one.
#include "document/AppState.h"
#include "document/ModeChangeRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigPath.h"
#include "platform/Ui.h"

#include <cmath>
#include <unordered_set>

namespace tembra {

namespace {

// "すでに初期設定ダイアログが表示されています。..."
constexpr UINT IDS_SYOKI_DLG_OPEN = 5132;
// The update hint of a chart whose settings changed.
constexpr LPARAM kSettingsHint = 128;
// Selection modes of the conversion.
constexpr int kSelectProcesses = 1;
constexpr int kSelectEvents = 6;

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
    if (elapsed) {
        SyokiSetNobeDlgRequest request;
        request.document = &doc;
        request.conversion = conversion;
        request.results = results;
        if (Ui().RunDialog(request) != IDOK) {
            return false;
        }
        results = request.results;
        return true;
    }
    SyokiSetRekiDlgRequest request;
    request.document = &doc;
    request.conversion = conversion;
    request.results = results;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    results = request.results;
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

void CTembraDoc::OnChangeNobeReki() {
    if (RefusedWhileSyokiDlgOpen()) {
        return;
    }
    const bool calendarDays = m_syokiSet.GetNobeMode() <= 0;
    if (HoldsNothing()) {
        // Nothing to convert: a new chart of the other counting, then its settings.
        InitNewDocument(calendarDays ? 1 : 0);
        UpdateAllViews(nullptr, 0);
        OnSyokiSet();
        return;
    }
    if (calendarDays) {
        SyokiSetNobe();
    } else {
        SyokiSetReki();
    }
}

void CTembraDoc::OnSyokiSet() {
    if (RefusedWhileSyokiDlgOpen()) {
        return;
    }
    if (m_syokiSet.GetNobeMode() > 0) {
        SyokiSetNobe();
    } else {
        SyokiSetReki();
    }
}

void CTembraDoc::SyokiSetReki() {
    RunSyokiSet(false);
}

void CTembraDoc::SyokiSetNobe() {
    RunSyokiSet(true);
}

BOOL CTembraDoc::HoldsNothing() const {
    const bool empty =
        GetObjList().IsEmpty() && GetSelList().IsEmpty() && m_objects.GetZukeiList().IsEmpty() &&
        m_objects.GetShincyokuList().IsEmpty() && m_objects.GetHatchList().IsEmpty() &&
        m_objects.GetChartList().IsEmpty() && GetKoumokuRowCount(-1) <= 0;
    return empty ? TRUE : FALSE;
}

// ---- One run of the initial settings ------------------------------------------------------------

void CTembraDoc::RunSyokiSet(bool elapsed) {
    Before before;
    before.paper = m_syokiSet.GetPageSetting().GetPaper();
    before.layoutPath = m_syokiSet.GetPath().GetLayoutFilePath();
    before.nobeBase = m_syokiSet.GetNobeBaseDate();
    const bool converting = (m_syokiSet.GetNobeMode() > 0) != elapsed;

    DayConversion conversion;
    if (converting && elapsed) {
        CalDateToDayDlgRequest request;
        request.settings = &m_syokiSet;
        if (Ui().RunDialog(request) != IDOK) {
            return;
        }
        conversion = request.conversion;
    } else if (converting) {
        DayToCalDateDlgRequest request;
        request.settings = &m_syokiSet;
        if (Ui().RunDialog(request) != IDOK) {
            return;
        }
        conversion = request.conversion;
    }
    SyokiSetResults results;
    if (!RunSettingsDialog(*this, elapsed, converting ? &conversion : nullptr, results)) {
        return;
    }

    CWaitCursor wait;
    m_undo.Reset();
    const auto store = [this, &results] {
        m_syokiSet = results.settings;
        m_syokiSet.SetDocument(this);
    };
    if (!converting) {
        store();
    } else if (elapsed) {
        ConvertToElapsed(conversion, before.nobeBase, store);
    } else {
        ConvertToCalendar(conversion, before.nobeBase, store);
    }

    InvalidateTextZukei();
    SetModifiedFlag(TRUE);
    SetChangedFlag(TRUE);
    RenewPrintHeader(before.paper, before.layoutPath, results);
    SetTitle();
    UpdateAllViews(nullptr, kSettingsHint);
}

void CTembraDoc::RenewPrintHeader(short oldPaper, const std::string& oldLayoutPath,
                                  const SyokiSetResults& results) {
    const short paper = m_syokiSet.GetPageSetting().GetPaper();
    const CConfigPath& path = m_syokiSet.GetPath();
    if (results.temporaryLayout) {
        m_prHeader.InitFromSettings(this, paper, ConfigPathToFs(path.GetLayoutTempPath()), FALSE);
        m_prHeader.SetLocalLayout(1);
        return;
    }
    const bool same = paper == oldPaper && path.GetLayoutFilePath() == oldLayoutPath &&
                      m_prHeader.GetLocalLayout() == results.layoutNumber;
    if (same && !results.rebuildHeader) {
        return;
    }
    // The header's inputs (the chart's title ...) go over to the rebuilt header.
    m_prHeader.InitFromSettings(this, paper, ConfigPathToFs(path.GetLayoutFilePath()), TRUE);
}

void CTembraDoc::ConvertChartToCalendar(const DayConversion& conversion,
                                        const std::function<void()>& store) {
    m_undo.Reset();
    ConvertToCalendar(conversion, m_syokiSet.GetNobeBaseDate(), store);
}

// ---- The conversion -----------------------------------------------------------------------------

int CTembraDoc::SelectAllAnyLayer(int mode) {
    int moved = 0;
    OwnedObList<CDataHeader>& objects = GetObjList();
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = objects.GetNext(pos);
        if (CKoutei* process = AsKoutei(object); process != nullptr && mode == kSelectProcesses) {
            process->Select();
        } else if (mode == kSelectEvents && AsEvent(object) != nullptr) {
            object->Select();
        } else {
            continue;
        }
        SelectAt(current);
        ++moved;
    }
    return moved;
}

std::vector<CKoutei*> CTembraDoc::RedateSelectedKoutei(const CTime& base, BOOL noHoliday,
                                                       double factor) {
    OwnedObList<CDataHeader> list([](const CDataHeader*) { return false; });
    std::vector<CKoutei*> all;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        if (CKoutei* process = AsKoutei(GetNextSel(pos))) {
            list.AddTail(process);
            all.push_back(process);
        }
    }
    RedateKoutei(list, base, noHoliday, factor);
    std::unordered_set<const CDataHeader*> kept;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        kept.insert(list.GetNext(pos));
    }
    std::vector<CKoutei*> points;
    for (CKoutei* process : all) {
        if (kept.count(process) == 0) {
            points.push_back(process);
        }
    }
    return points;
}

void CTembraDoc::DeleteSelectedPoints(const std::vector<CKoutei*>& points) {
    for (CKoutei* process : points) {
        if (const POSITION pos = FindSel(process)) {
            GetSelList().RemoveAt(pos);
            delete process;
        }
    }
}

void CTembraDoc::ConvertToElapsed(const DayConversion& conversion, const CTime& nobeBase,
                                  const std::function<void()>& store) {
    const CTime target = nobeBase + conversion.offset;
    const BOOL noHoliday = conversion.holidayChoice != 0 ? TRUE : FALSE;

    // Events first, while the calendar still holds the holidays they are counted over.
    SelectAllAnyLayer(kSelectEvents);
    RemoveEventHolidays(conversion.date, noHoliday);
    ShiftEventsByDays(conversion.date, target, TRUE);
    UnselectAll(TRUE);

    SelectAllAnyLayer(kSelectProcesses);
    KouteiList calendarDays;
    const bool repair = ClassifyHolidayUse(&calendarDays) == 3 && conversion.holidayChoice == 0;
    KouteiLinkList links;
    if (repair) {
        SaveKouteiSpans(calendarDays, links);
    }
    RecalcSelectedDurations(conversion.date, noHoliday);
    m_calendar.Clear();
    store();
    const std::vector<CKoutei*> points =
        RedateSelectedKoutei(target, noHoliday, conversion.Factor(true));
    if (repair) {
        ConvertNobeReki(0, links);
    }
    // Only now: the link records and the repair still named them.
    DeleteSelectedPoints(points);
    UnselectAll(TRUE);
}

void CTembraDoc::ConvertToCalendar(const DayConversion& conversion, const CTime& nobeBase,
                                   const std::function<void()>& store) {
    const CTime source = nobeBase + conversion.offset;
    const BOOL noHoliday = conversion.holidayChoice != 0 ? TRUE : FALSE;
    const int oldMode = m_syokiSet.GetNobeMode();

    SelectAllAnyLayer(kSelectProcesses);
    KouteiList calendarDays;
    const bool repair = ClassifyHolidayUse(&calendarDays) == 3 && conversion.holidayChoice == 0;
    KouteiLinkList links;
    if (repair) {
        SaveKouteiSpans(calendarDays, links);
    }
    RecalcSelectedDurations(source, noHoliday);
    m_calendar.MakeHolidays(nullptr, TRUE, TRUE);
    store();
    const std::vector<CKoutei*> points =
        RedateSelectedKoutei(conversion.date, noHoliday, conversion.Factor(false));
    if (repair) {
        ConvertNobeReki(oldMode > 0 ? oldMode : 1, links);
    }
    DeleteSelectedPoints(points);
    UnselectAll(TRUE);

    SelectAllAnyLayer(kSelectEvents);
    ShiftEventsByDays(source, conversion.date, noHoliday);
    UnselectAll(TRUE);
}

} // namespace tembra
