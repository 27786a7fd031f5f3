// Event input in the draw operation of the event mode: the frame of the text typed in the term
// bar follows the pointer over the chart, a click places the event (snapped by the event
// settings' "Attrb"), a balloon takes a second click for its box, Alt with a click types the
// date and row in. Each placed event is one undo step.
#include "document/AppState.h"
#include "document/PositionRequest.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Event.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoEventText = 5006; // "先に行事入力を行ってください"
// The "Attrb" bits of the event settings that snap the placement point.
constexpr WORD kSnapDateStart = 0x0001;
constexpr WORD kSnapMidDay = 0x0002;
constexpr WORD kSnapMidRow = 0x0100;
// The focus bits of the term bar's combo a missing text asks for.
constexpr int kFocusCombo = 1;
// Sub-states of the input.
enum : WORD { kIdle = 0, kPressed = 1, kBalloon = 2, kBalloonPressed = 3, kFirstBatch = 100 };

bool IsBalloonForm(WORD form) {
    return form == kEventFormBalloonRight || form == kEventFormBalloonLeft;
}

constexpr int kChartZones = CPageLayout::kZoneChart | CPageLayout::kZoneKoutei;

} // namespace

bool CTembraView::EventTextPending(std::string& text) const {
    const CAppState* app = GetAppState();
    if (!app->IsYogoBarVisible()) {
        return false;
    }
    text = app->GetYogoText();
    return !text.empty();
}

void CTembraView::SnapEventPoint(CDC* dc, bool resnap) {
    static_cast<void>(dc);
    const WORD attrb = GetDocument()->GetSyokiSet().GetEvent().GetAttrb();
    CPoint point = m_mouse.GetPoint();
    const int snap = GetDateSnap(m_mouse.IsCtrl());
    if ((attrb & kSnapDateStart) != 0) {
        point.x = m_layout.DateToX(m_mouse.GetCursorDate());
    }
    if ((attrb & kSnapMidDay) != 0) {
        CTime date = m_mouse.GetCursorDate();
        if (resnap) {
            date = m_layout.XToDate(point.x, snap, 0);
        }
        const CTimeSpan unit = snap == 0 ? CTimeSpan(1, 0, 0, 0) : CTimeSpan(0, 1, 0, 0);
        point.x = (m_layout.DateToX(date) + m_layout.DateToX(date + unit)) / 2;
    }
    if ((attrb & kSnapMidRow) != 0) {
        point.y = m_layout.RowToY(m_layout.YToRow(point.y), 0);
    }
    m_mouse.SetPoint(point);
}

// ---- Feedback -----------------------------------------------------------------------------------

void CTembraView::InvertEventBox(CDC* dc, const CEvent& event, bool line) {
    CRect rect;
    if (CalcTextRect(event, m_layout, dc, nullptr, nullptr, &rect) == 0) {
        return;
    }
    const int saved = dc->SaveDC();
    if (line) {
        const CPoint tip = GetDateRowPoint(event, m_layout);
        const CPoint anchor = GetAnchorPoint(event, m_layout);
        DrawStyledPolyline(dc, tip.x, tip.y, anchor.x, anchor.y, 0, 0, RGB(0, 0, 0), R2_NOT,
                           TRANSPARENT);
    }
    DrawStyledRect(dc, rect, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT, TRANSPARENT);
    dc->RestoreDC(saved);
}

void CTembraView::DrawEventFrame(CDC* dc, int mode) {
    CTembraDoc& doc = *GetDocument();
    const auto invert = [&] {
        const int saved = dc->SaveDC();
        DrawStyledRect(dc, m_eventFrameRect, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT,
                       TRANSPARENT);
        dc->RestoreDC(saved);
    };
    if (mode == 0) {
        if (m_hoverEvent.shown) {
            invert();
            m_hoverEvent.shown = false;
        }
        return;
    }
    const CPoint point = m_mouse.GetPoint();
    if (m_hoverEvent.shown && point == m_eventFramePoint) {
        return;
    }
    if (m_hoverEvent.shown) {
        invert();
        m_hoverEvent.shown = false;
    }
    m_eventFramePoint = point;
    std::string text;
    // A balloon's text stands where its second click puts it: no frame at the tip.
    if (!EventTextPending(text) ||
        IsBalloonForm(doc.GetSyokiSet().GetEvent().GetTextAttr().m_form)) {
        return;
    }
    // A probe with the defaults a new event takes, laid out and dropped at once.
    CEvent probe;
    const CConfigEvent& defaults = doc.GetSyokiSet().GetEvent();
    probe.SetAttr(defaults.GetTextAttr());
    probe.SetLogFont(defaults.GetLogFont());
    probe.SetText(text);
    probe.SetStartDate(m_mouse.GetCursorDate());
    probe.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
    SetOffsetFromPoint(probe, m_layout, point);
    if (CalcTextRect(probe, m_layout, dc, nullptr, nullptr, &m_eventFrameRect) == 0) {
        return;
    }
    invert();
    m_hoverEvent.shown = true;
}

bool CTembraView::DrawEventBalloon(CDC* dc, int mode) {
    const auto invert = [&] {
        const int saved = dc->SaveDC();
        DrawStyledPolyline(dc, m_balloonTip.x, m_balloonTip.y, m_balloonAnchor.x, m_balloonAnchor.y,
                           0, 0, RGB(0, 0, 0), R2_NOT, TRANSPARENT);
        DrawStyledRect(dc, m_balloonRect, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT,
                       TRANSPARENT);
        dc->RestoreDC(saved);
    };
    if (m_balloonDrawn) {
        invert();
        m_balloonDrawn = false;
    }
    if (mode == 0 || !m_newEvent) {
        return mode == 0;
    }
    const CPoint point = m_mouse.GetPoint();
    ScrollForCursor(dc, point.x, point.y);
    // The tip stays at the first click; the box goes where the pointer is.
    SetOffsetFromPoint(*m_newEvent, m_layout, point);
    KeepInChart(*m_newEvent, m_layout, TRUE);
    if (CalcTextRect(*m_newEvent, m_layout, dc, nullptr, nullptr, &m_balloonRect) == 0) {
        return false;
    }
    m_balloonTip = GetDateRowPoint(*m_newEvent, m_layout);
    m_balloonAnchor = GetAnchorPoint(*m_newEvent, m_layout);
    invert();
    m_balloonDrawn = true;
    return true;
}

// ---- The state machine --------------------------------------------------------------------------

void CTembraView::DropNewEvent() {
    m_newEvent.reset();
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
    GetDocument()->GetOperation().SetState(kIdle);
}

void CTembraView::CommitNewEvent() {
    CTembraDoc& doc = *GetDocument();
    std::unique_ptr<CEvent> event = std::move(m_newEvent);
    const bool balloon = IsBalloonForm(event->GetForm());
    // The text stands at the click within the date's cell (a balloon's box at its second click,
    // its tip at the first).
    SetOffsetFromPoint(*event, m_layout, m_mouse.GetLastPoint());
    KeepInChart(*event, m_layout, balloon ? TRUE : FALSE);
    CEvent* raw = event.get();
    if (doc.AddObj(event.release(), TRUE) != nullptr) {
        doc.GetUndoHistory().Reset();
        doc.GetUndoHistory().AddNew(raw);
    }
    DropNewEvent();
}

BOOL CTembraView::EventInputPressed(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    if (m_mouse.IsAlt()) {
        DrawEventFrame(dc, 0);
        m_trackPos.SetStartDate(m_mouse.GetCursorDate());
        m_trackPos.SetEndDate(m_mouse.GetCursorDate());
        m_trackPos.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
        if (!AskPosition(PositionRequest::TemplateFor(true, IsElapsedChart()), m_trackPos)) {
            return TRUE;
        }
        // The event goes to the typed date, in the middle of its day (or hour), with no further
        // click: the release is posted at once.
        const CTime date = m_trackPos.GetEndDate();
        const int row = m_trackPos.GetEndRow();
        const CTimeSpan half =
            GetDateSnap(m_mouse.IsCtrl()) == 0 ? CTimeSpan(0, 12, 0, 0) : CTimeSpan(0, 0, 30, 0);
        const CPoint at(m_layout.DateToX(date + half), m_layout.RowToY(row, 0));
        m_mouse.SetPoint(at);
        m_mouse.SetCursorPosition(date, row, m_mouse.GetCursorColumn(), row);
        SnapEventPoint(dc, false);
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
    }
    m_trackPos.SetStartDate(m_mouse.GetCursorDate());
    m_trackPos.SetEndDate(m_mouse.GetCursorDate());
    m_trackPos.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
    m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
    const CPoint press = m_mouse.GetPoint();
    m_mouse.SetPoint(CPoint(m_layout.DateToX(m_trackPos.GetStartDate()),
                            m_layout.RowToY(m_trackPos.GetStartRow(), 0)));
    m_mouse.StoreStart();
    m_mouse.SetPoint(press);
    m_mouse.StoreLast();
    m_host.SetCapture();
    config.SetState(kPressed);
    return TRUE;
}

BOOL CTembraView::TrackEventInput(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const WORD state = config.GetState();
    if (state >= kFirstBatch) {
        return TrackEventBatch(dc);
    }
    SnapEventPoint(dc, true);
    const int code = m_mouse.GetCode();
    CRect pending;
    const bool paintPending = m_host.GetUpdateRect(pending);
    switch (state) {
    case kIdle:
        if (code == CMouseEvent::kMoveNoButton) {
            if (paintPending) {
                return FALSE;
            }
            const int zone = m_layout.HitZone(m_mouse.GetPoint());
            DrawEventFrame(dc, IsCursorOverView() && (zone & kChartZones) != 0 ? 1 : 0);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress &&
            (m_layout.HitZone(m_mouse.GetPoint()) & kChartZones) != 0) {
            return EventInputPressed(dc);
        }
        return FALSE;
    case kPressed:
        if (code == CMouseEvent::kLeftRelease) {
            DrawEventFrame(dc, 0);
            std::string text;
            if (GetAppState()->RefusesYogoText()) {
                DropNewEvent();
                return TRUE;
            }
            if (!EventTextPending(text)) {
                AfxMessageBox(kNoEventText);
                GetAppState()->FocusYogoCombo(kFocusCombo);
                DropNewEvent();
                return TRUE;
            }
            m_newEvent = doc.GetEvents().CreateEvent();
            if (!m_newEvent) {
                DropNewEvent();
                return TRUE;
            }
            m_newEvent->SetText(text);
            GetAppState()->CommitYogoText();
            m_newEvent->SetStartDate(m_trackPos.GetStartDate());
            m_newEvent->SetStartRow(m_trackPos.GetStartRow());
            if (IsBalloonForm(m_newEvent->GetForm())) {
                config.SetState(kBalloon);
                m_balloonDrawn = false;
                DrawEventBalloon(dc, 1);
                return TRUE;
            }
            CommitNewEvent();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DropNewEvent();
            return TRUE;
        }
        return FALSE;
    case kBalloon:
        if (paintPending) {
            return FALSE;
        }
        switch (code) {
        case CMouseEvent::kLeftPress:
            if (!m_host.HasCapture() || m_mouse.GetPoint() == m_mouse.GetStartPoint()) {
                return FALSE;
            }
            m_mouse.StoreLast();
            config.SetState(kBalloonPressed);
            return TRUE;
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            if (DrawEventBalloon(dc, 1)) {
                return TRUE;
            }
            [[fallthrough]];
        case CMouseEvent::kRightRelease:
            DrawEventBalloon(dc, 0);
            DropNewEvent();
            return TRUE;
        default:
            return FALSE;
        }
    case kBalloonPressed:
        if (paintPending) {
            return FALSE;
        }
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            DrawEventBalloon(dc, 0);
            CommitNewEvent();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DrawEventBalloon(dc, 1);
            config.SetState(kBalloon);
            return TRUE;
        }
        return FALSE;
    default:
        DropNewEvent();
        return FALSE;
    }
}

} // namespace tembra
