// The resources of processes with the mouse: a click gives a process the resources of the
// input window, a click or a band picks processes for the edit window, and a click carries the
// resources of the picked process to another one (copied, or moved). Every change is made on
// copies of the processes, so that one undo gives them back.
#include "document/AppState.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/LayerSet.h"
#include "model/Shigen.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/KouteiRoute.h"
#include "view/core/EditGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoShigenNames = 5104;  // "資源名称が入力されていません。..."
constexpr UINT kNoQuantities = 5105;   // "工数が１つも設定されていません。..."
constexpr UINT kMixedProcesses = 5106; // "異なる工程の資源が混在しています"
constexpr UINT kNoShigenCopy = 5108; // "メモリ不足で資源データの複製ができません"
constexpr UINT kCopyOntoSource = 5109; // "複写元と複写先が同じ工程です。"
constexpr UINT kMoveOntoSource = 5110; // "移動元と移動先が同じ工程です。"

// Hit flags: the object list, the selection, the narrow box.
constexpr UINT kHitObjects = 1;
constexpr UINT kHitSelection = 2;
constexpr UINT kHitNarrow = 0x1000;
constexpr UINT kHitAll = 15;

bool InChart(const CPageLayout& layout, const CPoint& point) {
    return (layout.HitZone(point) & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) != 0;
}

// Selects the processes whose line passes through the box: the unselected ones (kHitObjects),
// the selected ones counted (kHitSelection). 1 when any was met, the first in out.
int HitProcessesIn(CTembraDoc& doc, const CPageLayout& layout, CDC* dc, const CRect& box,
                   CKoutei** out, UINT flags) {
    int bits = 0;
    const auto note = [&](CKoutei* process) {
        if (bits == 0 && out != nullptr) {
            *out = process;
        }
        bits = 1;
    };
    const auto hit = [&](const CKoutei& process) {
        return HitTestPart(process, layout, dc, box.left, box.top, box.right, box.bottom, kHitLine,
                           0) != 0;
    };
    if ((flags & kHitSelection) != 0) {
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            CKoutei* process = AsKoutei(doc.GetNextSel(pos));
            if (process != nullptr && hit(*process)) {
                note(process);
            }
        }
    }
    if ((flags & kHitObjects) != 0) {
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CKoutei* process = AsKoutei(doc.GetNextObj(pos));
            if (process == nullptr ||
                doc.GetChartLayers().IsObjectLayerVisible(process) != CLayerSet::kShown ||
                !hit(*process)) {
                continue;
            }
            process->Select();
            doc.SelectAt(at);
            note(process);
        }
    }
    return bits;
}

} // namespace

int CTembraView::HitResourceProcess(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags) {
    if (out != nullptr) {
        *out = nullptr;
    }
    const CPoint point = mouse.GetPoint();
    CRect box;
    if (mouse.IsShift()) {
        box = CRect(point.x - 2, point.y + 2, point.x + 2, point.y - 2);
    } else {
        int half = m_layout.GetScaledKouteiSize();
        if ((flags & kHitNarrow) != 0) {
            half = std::max(half / 2, 1);
        }
        const int row = m_layout.YToRow(point.y);
        box = CRect(point.x - half, m_layout.RowToY(row, -1), point.x + half,
                    m_layout.RowToY(row, 1));
    }
    return HitProcessesIn(*GetDocument(), m_layout, dc, box, out, flags);
}

int CTembraView::HitResourceArea(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags) {
    if (out != nullptr) {
        *out = nullptr;
    }
    const CPoint start = mouse.GetStartPoint();
    const CPoint last = mouse.GetLastPoint();
    CRect box;
    if (start == last) {
        const int row = m_layout.YToRow(start.y);
        box = CRect(start.x - 1, m_layout.RowToY(row, -1), start.x + 1, m_layout.RowToY(row, 1));
    } else {
        box = CRect(std::min(start.x, last.x), std::max(start.y, last.y), std::max(start.x, last.x),
                    std::min(start.y, last.y));
        if (m_layout.IsScrolledDown() != FALSE) {
            const CRect chart = m_layout.GetChartRect();
            box.top = std::min(box.top, chart.top);
            box.bottom = std::max(box.bottom, chart.bottom);
        }
    }
    return HitProcessesIn(*GetDocument(), m_layout, dc, box, out, flags);
}

void CTembraView::ShowFirstShigenProcess() {
    CTembraDoc& doc = *GetDocument();
    if (CAppState* state = GetAppState()) {
        state->ShowShigenKoutei(AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition())));
    }
}

// ---- Attaching ----------------------------------------------------------------------------------

BOOL CTembraView::AttachResource(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Resource);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const auto end = [&] {
        m_newShigen.reset();
        m_shigenHit = nullptr;
        config.SetState(0);
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    switch (config.GetState()) {
    case 0:
        if (code != CMouseEvent::kLeftPress || !InChart(m_layout, m_mouse.GetPoint())) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        config.SetState(1);
        return TRUE;
    case 1:
        break;
    default:
        config.SetState(0);
        return FALSE;
    }
    if (code == CMouseEvent::kRightRelease) {
        end();
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease) {
        return FALSE;
    }
    CKoutei* hit = nullptr;
    if (HitResourceProcess(dc, m_mouse, &hit, kHitAll) == 0 || hit == nullptr) {
        end();
        return TRUE;
    }
    if (doc.GetShigenNames().empty()) {
        AfxMessageBox(kNoShigenNames);
        doc.ClearAllSelections(FALSE);
        end();
        return TRUE;
    }
    m_shigenHit = hit;
    m_newShigen = CChartResources::CreateShigen();
    if (!m_newShigen) {
        end();
        return TRUE;
    }
    const CAppState* state = GetAppState();
    for (const CShigenData& row :
         state != nullptr ? state->GetShigenInputEntries() : std::vector<CShigenData>()) {
        if (row.GetQuantity() != 0) {
            m_newShigen->AddShigenData(std::make_unique<CShigenData>(row));
        }
    }
    if (m_newShigen->GetCount() == 0) {
        AfxMessageBox(kNoQuantities);
        doc.ClearAllSelections(FALSE);
        end();
        return TRUE;
    }
    // Sub-state 4 passes at once: the process becomes a copy with the new resources.
    config.SetState(4);
    doc.GetUndoHistory().Reset();
    if (std::unique_ptr<CKoutei> copy = doc.CopyKoutei(hit, TRUE)) {
        copy->SetShigen(std::move(m_newShigen));
        if (POSITION pos = doc.FindSel(hit)) {
            doc.ReplaceSelAt(pos, copy.release(), 0);
        }
    }
    doc.ClearAllSelections(FALSE);
    end();
    return TRUE;
}

// ---- Picking ------------------------------------------------------------------------------------

BOOL CTembraView::PickResource(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Resource);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    const auto end = [&] {
        config.SetState(0);
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    switch (config.GetState()) {
    case 0:
        if (code != CMouseEvent::kLeftPress || !InChart(m_layout, point)) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_bandDrawn = FALSE;
        config.SetState(1);
        return TRUE;
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            end();
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
            return FALSE;
        }
        CMouseEvent press = PressPoint(m_mouse);
        press.SetLastPoint(press.GetStartPoint());
        if (HitResourceArea(dc, press, nullptr, kHitSelection | kHitNarrow) != 0) {
            end();
            ShowFirstShigenProcess();
            return TRUE;
        }
        if (CEditGesture::ClearsSelection(config.GetMultiEdit(), m_mouse.IsCtrl())) {
            doc.UnselectAll();
        }
        if (HitResourceArea(dc, press, nullptr, kHitAll) == 0) {
            config.SetState(4);
            m_bandDrawn = FALSE;
            return TRUE;
        }
        doc.GetUndoHistory().Reset();
        ShowFirstShigenProcess();
        end();
        if (CAppState* state = GetAppState()) {
            state->SetEditModify(false);
        }
        return TRUE;
    }
    case 4:
    case 5: {
        SelectBand band;
        band.drawing = 4;
        band.drawn = &m_bandDrawn;
        band.pick = [&] {
            if (HitResourceArea(dc, m_mouse, nullptr, kHitAll) == 0) {
                return false;
            }
            ShowFirstShigenProcess();
            return true;
        };
        band.end = end;
        band.answersTaken = false;
        return TrackSelectBand(dc, band);
    }
    default:
        config.SetState(0);
        return FALSE;
    }
}

// ---- Copying and moving -------------------------------------------------------------------------

BOOL CTembraView::TransferResource(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Resource);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const auto end = [&] {
        m_shigenHit = nullptr;
        config.SetState(0);
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    switch (config.GetState()) {
    case 0:
        if (doc.GetSelCount() > 1) {
            AfxMessageBox(kMixedProcesses);
            config.SetEditOperation();
            config.SetState(0);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress || !InChart(m_layout, m_mouse.GetPoint())) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_trackRect.SetRectEmpty();
        config.SetState(1);
        return TRUE;
    case 1:
        break;
    default:
        config.SetState(0);
        return FALSE;
    }
    if (code == CMouseEvent::kRightRelease) {
        end();
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease) {
        return FALSE;
    }
    CKoutei* source = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    CKoutei* target = nullptr;
    if (source == nullptr || HitResourceProcess(dc, m_mouse, &target, kHitObjects) == 0 ||
        target == nullptr) {
        // The source itself under the point is refused by name.
        if (source != nullptr && HitResourceProcess(dc, m_mouse, nullptr, kHitSelection) != 0) {
            AfxMessageBox(config.GetOperation() == Op::kOpCopy ? kCopyOntoSource : kMoveOntoSource);
        }
        end();
        return TRUE;
    }
    config.SetState(4);
    if (CarryResources(source, target, config.GetOperation() != Op::kOpCopy) == FALSE) {
        doc.CancelLastSel();
    }
    end();
    return TRUE;
}

BOOL CTembraView::CarryResources(CKoutei* source, CKoutei* target, bool moving) {
    CTembraDoc& doc = *GetDocument();
    // Nothing changes until every copy is made: a resource list that cannot be copied leaves
    // both processes as they were.
    std::unique_ptr<CShigen> carried;
    if (const CShigen* resources = source->GetShigen()) {
        carried = CChartResources::CopyShigen(*resources);
    }
    if (!carried) {
        AfxMessageBox(kNoShigenCopy);
        return FALSE;
    }
    std::unique_ptr<CShigen> emptied = moving ? CChartResources::CreateShigen() : nullptr;
    if (moving && !emptied) {
        AfxMessageBox(kNoShigenCopy);
        return FALSE;
    }
    // A process that cannot be copied says so itself.
    std::unique_ptr<CKoutei> targetCopy = doc.CopyKoutei(target, TRUE);
    std::unique_ptr<CKoutei> sourceCopy =
        moving && targetCopy ? doc.CopyKoutei(source, TRUE) : nullptr;
    if (!targetCopy || (moving && !sourceCopy)) {
        return FALSE;
    }
    // The source's label goes from where it stood.
    doc.UpdateAllViews(nullptr, 0, source);
    doc.GetUndoHistory().Reset();
    targetCopy->SetShigen(std::move(carried));
    targetCopy->DeselectLines();
    targetCopy->DeselectStartLand();
    targetCopy->DeselectEndLand();
    if (moving) {
        sourceCopy->SetShigen(std::move(emptied));
        if (POSITION pos = doc.FindSel(source)) {
            doc.ReplaceSelAt(pos, sourceCopy.release(), 0);
        }
    }
    if (POSITION pos = doc.FindSel(target)) {
        doc.ReplaceSelAt(pos, targetCopy.release(), 1);
    }
    return TRUE;
}

} // namespace tembra
