// The rubber band of the edit operation's selection, shared by the modes that pick with one:
// drawn inverted from the press to the pointer, closed by a click or a release away from the
// press, stepped back or ended with the right button.
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

bool CTembraView::WaitsForPaint() {
    CRect pending;
    if (!m_host.GetUpdateRect(pending)) {
        return false;
    }
    if (m_mouse.GetCode() == CMouseEvent::kMoveNoButton ||
        m_mouse.GetCode() == CMouseEvent::kMoveLeft) {
        return true;
    }
    m_host.UpdateWindow();
    return false;
}

BOOL CTembraView::TrackSelectBand(CDC* dc, const SelectBand& band) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    BOOL& drawn = *band.drawn;
    const auto end = [&] {
        if (band.end) {
            band.end();
            return;
        }
        config.SetState(0);
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    if (config.GetState() == band.drawing) {
        if (WaitsForPaint()) {
            return FALSE;
        }
        switch (code) {
        case CMouseEvent::kLeftPress:
        case CMouseEvent::kLeftRelease:
            if (!m_host.HasCapture() || point == m_mouse.GetStartPoint()) {
                return FALSE;
            }
            if (code == CMouseEvent::kLeftRelease) {
                // Letting go after a drag closes the band at once.
                CPoint device = point;
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
            }
            config.SetState(static_cast<WORD>(band.drawing + 1));
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawTrackRect(dc, 0, m_mouse, drawn);
            end();
            return TRUE;
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            DrawTrackRect(dc, 1, m_mouse, drawn);
            return TRUE;
        default:
            return FALSE;
        }
    }
    if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
        DrawTrackRect(dc, 0, m_mouse, drawn);
        const bool taken = band.pick();
        if (taken) {
            doc.GetUndoHistory().Reset();
        }
        end();
        return taken || !band.answersTaken ? TRUE : FALSE;
    }
    if (code == CMouseEvent::kRightRelease) {
        DrawTrackRect(dc, 1, m_mouse, drawn);
        config.SetState(band.drawing);
        return TRUE;
    }
    return FALSE;
}

} // namespace tembra
