// The batch input of events: 属性 > 行事 > 一括入力 > 日付指定 and 曜日指定 take the text of the
// term bar and the dates in a dialog, the user places a sample with the mouse, and a copy of it
// stands on every chosen date of the displayed period at the sample's row, time of day and
// offsets, all in one undo step. A right click while placing goes back to the dialog.
#include "document/AppState.h"
#include "document/EventRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Event.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

constexpr UINT kNoEventText = 5006; // "先に行事入力を行ってください"
constexpr int kFocusCombo = 1;
// The sub-states of the two batch inputs: the dialog, placing the sample, pressed, placed.
enum : WORD {
    kDateDialog = 100,
    kDatePlacing = 101,
    kDatePressed = 102,
    kDatePlaced = 103,
    kWeekDialog = 110,
    kWeekPlacing = 111,
    kWeekPressed = 112,
    kWeekPlaced = 113,
};
// The step from a date state to the weekday state of the same meaning.
constexpr WORD kWeekStep = kWeekDialog - kDateDialog;

// A sample does not balloon: it stands as a plain text on its date.
constexpr WORD kPlainForm = kEventFormCenter;
constexpr WORD kSampleFlag = 0x1000;

// Runs the dialog of the batch on the application's table: true on OK (the table taken over).
bool AskBatch(bool byWeekday, const std::string& text, const CTime& start, const CTime& end) {
    CAppState& app = *GetAppState();
    if (byWeekday) {
        EventBatchWeekRequest request;
        request.text = text;
        request.table = app.GetEventBatchWeeks();
        request.start = start;
        request.end = end;
        if (Ui().RunDialog(request) != IDOK) {
            return false;
        }
        app.GetEventBatchWeeks() = request.table;
        return true;
    }
    EventBatchDateRequest request;
    request.text = text;
    request.table = app.GetEventBatchDates();
    request.start = start;
    request.end = end;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    app.GetEventBatchDates() = request.table;
    return true;
}

} // namespace

void CTembraView::OnEventBatch(bool byWeekday) {
    CTembraDoc& doc = *GetDocument();
    CAppState& app = *GetAppState();
    if (byWeekday) {
        app.GetEventBatchWeeks().Clear();
    } else {
        app.GetEventBatchDates().Clear();
    }
    std::string text;
    if (app.RefusesYogoText()) {
        return;
    }
    if (!EventTextPending(text)) {
        AfxMessageBox(kNoEventText);
        app.FocusYogoCombo(kFocusCombo);
        return;
    }
    if (!AskBatch(byWeekday, text, m_layout.GetStartDate(), m_layout.GetEndDate())) {
        return;
    }
    std::unique_ptr<CEvent> sample = doc.GetEvents().CreateEvent();
    if (!sample) {
        return;
    }
    sample->SetText(text);
    if (sample->GetForm() == kEventFormBalloonRight || sample->GetForm() == kEventFormBalloonLeft) {
        sample->SetForm(kPlainForm);
    }
    sample->GetAttr().AddFlags(kSampleFlag);
    m_newEvent = std::move(sample);
    m_sampleDrawn = false;
    doc.GetOperation().SetState(byWeekday ? kWeekPlacing : kDatePlacing);
    m_host.PostMouseEvent(CMouseEvent::kMove, 0, m_host.GetCursorPos());
    OnSetCursor();
    m_host.SetCapture();
}

void CTembraView::DrawEventSample(CDC* dc, int mode) {
    if (m_sampleDrawn && m_newEvent) {
        InvertEventBox(dc, *m_newEvent, false);
    }
    m_sampleDrawn = false;
    if (mode == 0 || !m_newEvent) {
        return;
    }
    m_newEvent->SetStartDate(m_mouse.GetCursorDate());
    m_newEvent->SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
    SetOffsetFromPoint(*m_newEvent, m_layout, m_mouse.GetPoint());
    InvertEventBox(dc, *m_newEvent, false);
    m_sampleDrawn = true;
}

void CTembraView::PlaceEventBatch(bool byWeekday) {
    CTembraDoc& doc = *GetDocument();
    CAppState& app = *GetAppState();
    const CEvent& sample = *m_newEvent;
    const CTime start = m_layout.GetStartDate();
    const CTime end = m_layout.GetEndDate();
    const std::vector<CTime> dates = byWeekday ? ChosenDates(app.GetEventBatchWeeks(), start, end)
                                               : ChosenDates(app.GetEventBatchDates(), start, end);
    const CTime day = sample.GetStartDate();
    const CTimeSpan timeOfDay = day - CTime(day.GetYear(), day.GetMonth(), day.GetDay());
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    int placed = 0;
    for (const CTime& date : dates) {
        std::unique_ptr<CEvent> copy = doc.GetEvents().CopyEvent(sample);
        if (!copy) {
            continue;
        }
        copy->SetStartDate(date + timeOfDay);
        CEvent* raw = copy.get();
        if (doc.AddObj(copy.release(), TRUE) != nullptr) {
            undo.AddNew(raw);
            ++placed;
        }
    }
    if (!byWeekday) {
        app.GetEventBatchDates().count = placed;
    }
}

BOOL CTembraView::TrackEventBatch(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const WORD state = config.GetState();
    const bool byWeekday = state >= kWeekDialog;
    const WORD step = state - (byWeekday ? kWeekStep : 0);
    const auto go = [&](WORD dateState) {
        config.SetState(static_cast<WORD>(dateState + (byWeekday ? kWeekStep : 0)));
    };
    const int code = m_mouse.GetCode();
    switch (step) {
    case kDateDialog: {
        // The dialog again, on the tables as the last OK left them.
        m_host.ReleaseCapture();
        std::string text = m_newEvent ? m_newEvent->GetText() : std::string();
        if (!m_newEvent ||
            !AskBatch(byWeekday, text, m_layout.GetStartDate(), m_layout.GetEndDate())) {
            // The sample waiting to be placed goes with the batch.
            DropNewEvent();
            return TRUE;
        }
        go(kDatePlacing);
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kMove, 0, device);
        OnSetCursor();
        m_host.SetCapture();
        return TRUE;
    }
    case kDatePlacing:
        switch (code) {
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            DrawEventSample(dc, 1);
            return TRUE;
        case CMouseEvent::kLeftPress:
            if (!m_host.HasCapture()) {
                return FALSE;
            }
            DrawEventSample(dc, 1);
            go(kDatePressed);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawEventSample(dc, 0);
            go(kDateDialog);
            return TRUE;
        default:
            return FALSE;
        }
    case kDatePressed:
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            DrawEventSample(dc, 0);
            go(kDatePlaced);
            PlaceEventBatch(byWeekday);
            DropNewEvent();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            go(kDatePlacing);
            return TRUE;
        }
        return FALSE;
    default:
        DropNewEvent();
        return FALSE;
    }
}

} // namespace tembra
