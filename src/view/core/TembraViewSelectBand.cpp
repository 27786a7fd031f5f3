// The rubber band of the edit operation's selection, shared by the modes that pick with one:
// drawn inverted from the press to the pointer, closed by a click or a release away from the
// press, stepped back or ended with the right button.
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

BOOL CTembraView::TrackSelectBand(CDC* dc, const std::function<bool()>& pickBand) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    const auto endCapture = [&] {
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    if (config.GetState() == 2) {
        CRect pending;
        if (m_host.GetUpdateRect(pending)) {
            return FALSE;
        }
        switch (code) {
        case CMouseEvent::kLeftPress:
        case CMouseEvent::kLeftRelease:
            if (!m_host.HasCapture() || point == m_mouse.GetStartPoint()) {
                return FALSE;
            }
            if (code == CMouseEvent::kLeftRelease) {
                CPoint device = point;
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
            }
            config.SetState(3);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawTrackRect(dc, 0, m_mouse, m_bandDrawn);
            config.SetState(0);
            endCapture();
            return TRUE;
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            DrawTrackRect(dc, 1, m_mouse, m_bandDrawn);
            return TRUE;
        default:
            return FALSE;
        }
    }
    if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
        DrawTrackRect(dc, 0, m_mouse, m_bandDrawn);
        const bool taken = pickBand();
        if (taken) {
            doc.GetUndoHistory().Reset();
        }
        endCapture();
        config.SetState(0);
        return taken ? TRUE : FALSE;
    }
    if (code == CMouseEvent::kRightRelease) {
        DrawTrackRect(dc, 1, m_mouse, m_bandDrawn);
        config.SetState(2);
        return TRUE;
    }
    return FALSE;
}

} // namespace tembra
