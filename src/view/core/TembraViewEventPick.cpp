// Picking events with a click or a band, and the edit operation of the event mode built on it:
// click to select (its text goes into the term bar), click again to deselect, a band for many,
// a double click for the position move or the hyperlink, a drag of the selection to move it.
#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Event.h"
#include "model/LayerSet.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/EditGesture.h"
#include "view/core/EventDragGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

// Half the side of a click's test square, device pixels.
constexpr LONG kClickPixels = 1;

bool Meets(CRect bounds, const CRect& test) {
    bounds.NormalizeRect();
    CRect common;
    return common.IntersectRect(bounds, test) != FALSE;
}

} // namespace

int CTembraView::PickEvent(CDC* dc, const CMouseEvent& mouse, CEvent** out, UINT flags,
                           int keepOrder) {
    CTembraDoc& doc = *GetDocument();
    if (out != nullptr) {
        *out = nullptr;
    }
    const CPoint start = mouse.GetStartPoint();
    const CPoint point = mouse.GetPoint();
    const bool click = start == point;
    // The test rectangle in device pixels.
    CRect test;
    if (click) {
        CPoint device = point;
        dc->LPtoDP(&device);
        test = CRect(device.x - kClickPixels, device.y - kClickPixels, device.x + kClickPixels + 1,
                     device.y + kClickPixels + 1);
    } else {
        CRect band(std::min(start.x, point.x), std::max(start.y, point.y),
                   std::max(start.x, point.x), std::min(start.y, point.y));
        if (m_layout.IsScrolledDown() != FALSE) {
            const CRect chart = m_layout.GetChartRect();
            band.top = std::min(band.top, chart.top);
            band.bottom = std::max(band.bottom, chart.bottom);
        }
        test = band;
        dc->LPtoDP(&test);
        test.NormalizeRect();
        test.InflateRect(0, 0, 1, 1);
    }
    // An event counts when the bounds of both drawing passes meet the test.
    const auto hit = [&](const CEvent& event) {
        m_layout.SetDrawPassFlag(TRUE);
        const CRect passBounds = m_layout.GetObjectBounds(dc, &event, 1);
        m_layout.SetDrawPassFlag(FALSE);
        return Meets(passBounds, test) && Meets(m_layout.GetObjectBounds(dc, &event, 1), test);
    };
    CEvent* first = nullptr;
    const auto take = [&](CEvent* event) {
        if (first == nullptr) {
            first = event;
        }
    };
    if ((flags & kPickObjects) != 0) {
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CEvent* event = AsEvent(doc.GetNextObj(pos));
            if (event == nullptr ||
                doc.GetChartLayers().IsObjectLayerVisible(event) != CLayerSet::kShown ||
                !hit(*event)) {
                continue;
            }
            event->Select();
            doc.SelectAt(at);
            take(event);
            if (click) {
                break;
            }
        }
    }
    if ((flags & kPickSelection) != 0 && !(click && first != nullptr) && doc.GetSelCount() > 0) {
        const bool deselect = (flags & kPickDeselect) != 0;
        const CDataHeader* last = doc.GetSelAt(doc.GetTailSelPosition());
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CDataHeader* object = doc.GetNextSel(pos);
            const bool end = object == last;
            CEvent* event = AsEvent(object);
            if (event != nullptr && hit(*event)) {
                if (deselect) {
                    if (event->IsSelected() != 0) {
                        event->Deselect();
                        doc.UnselectAt(at, TRUE);
                        take(event);
                        if (click) {
                            break;
                        }
                    }
                } else if (event->IsSelected() == 0 || flags == kPickSelection) {
                    event->Select();
                    take(event);
                    if (keepOrder == 0) {
                        doc.MoveSelToTail(at);
                    }
                    if (click) {
                        break;
                    }
                }
            }
            if (end) {
                break;
            }
        }
    }
    if (out != nullptr) {
        *out = first;
    }
    return first != nullptr ? 1 : 0;
}

BOOL CTembraView::TrackSelectEvent(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    const auto endCapture = [&] {
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    // A click that takes an event: its text goes into the term bar, the history holds nothing,
    // and the bar's text counts as the event's, not as typed.
    const auto taken = [&](CEvent* event) {
        CAppState* app = GetAppState();
        if (event != nullptr) {
            app->SetYogoText(event->GetText());
        }
        doc.GetUndoHistory().Reset();
        app->SetEditModify(false);
    };
    switch (config.GetState()) {
    case 0:
        if (code == CMouseEvent::kLeftPress) {
            const int zone = m_layout.HitZone(point);
            if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
                return FALSE;
            }
            m_host.SetCapture();
            m_host.SetAutoScroll(true);
            m_mouse.StoreStart();
            m_mouse.StoreLast();
            m_trackRect.SetRectEmpty();
            m_bandDrawn = FALSE;
            config.SetState(1);
            return TRUE;
        }
        if (code == CMouseEvent::kDoubleClick && doc.GetSelCount() > 0) {
            Ui().PostCommand(m_mouse.IsCtrl() ? ID_EVENT_LINK_OPEN : ID_EVENT_MOVE_TO);
        }
        return FALSE;
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(0);
            endCapture();
            return TRUE;
        }
        if (code == CMouseEvent::kMoveLeft) {
            if (PickEvent(dc, PressPoint(m_mouse), nullptr, kPickSelection, 1) != 0) {
                // The drag goes to the copy or move operation, which comes back to this one.
                config.SaveOperation();
                config.ChangeOperation(m_mouse.IsCtrl() ? Op::kOpCopy : Op::kOpMove);
                config.SetState(1);
                OnSetCursor();
                CPoint device = point;
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
                m_host.SetCapture();
                return TRUE;
            }
        } else if (code != CMouseEvent::kLeftRelease) {
            return FALSE;
        }
        if (PickEvent(dc, m_mouse, nullptr, kPickDeselect | kPickSelection, 0) != 0) {
            endCapture();
            config.SetState(0);
            return TRUE;
        }
        if (CEditGesture::ClearsSelection(config.GetMultiEdit(), m_mouse.IsCtrl())) {
            doc.UnselectAll();
        }
        CEvent* event = nullptr;
        if (PickEvent(dc, m_mouse, &event, kPickObjects | kPickSelection, 0) == 0) {
            config.SetState(2);
            m_trackRect.SetRectEmpty();
            m_bandDrawn = FALSE;
            return TRUE;
        }
        endCapture();
        config.SetState(0);
        taken(event);
        return TRUE;
    }
    case 2:
    case 3: {
        SelectBand band;
        band.drawn = &m_bandDrawn;
        band.pick = [&] {
            return PickEvent(dc, m_mouse, nullptr, kPickObjects | kPickSelection, 0) != 0;
        };
        return TrackSelectBand(dc, band);
    }
    default:
        config.SetState(0);
        return FALSE;
    }
}

bool CTembraView::IsEventMoveFeedbackDrawn() const {
    return m_eventDrag->IsFeedbackDrawn();
}

} // namespace tembra
