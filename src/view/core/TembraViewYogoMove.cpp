// The copy and move operations of the term mode: the selected terms of one process are carried
// to the process clicked (or dropped on after a drag); a lone free term takes a second click for
// its text's place. Both processes are replaced by copies, so that one undo gives both back; the
// other moving operations carry their terms the same way as the move.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <set>
#include <vector>

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kMixedProcesses = 5052; // "異なる工程の用語が混在しています"
constexpr UINT kSeveralOntoOwn = 5046; // "同一工程への複数移動または複写はできません"
constexpr UINT kPartsKept = 5047; // "複数移動または複写は接続先を変えられません..."
constexpr UINT kTooManyTerms = 5062; // "これ以上用語は付けられません"
constexpr UINT kNoTermCopy = 5025;   // "メモリ不足で用語の複製ができません"

bool HasLeadOut(WORD form) {
    return form >= kYogoPlaceFree && form <= kYogoPlaceLeaderRight;
}

WORD SelectedPart(const CKoutei& process) {
    if (process.IsStartLandSelected() != 0) {
        return kYogoOnStart;
    }
    if (process.IsEndLandSelected() != 0) {
        return kYogoOnEnd;
    }
    return kYogoOnLine;
}

void DeselectParts(CKoutei& process) {
    process.DeselectLines();
    process.DeselectStartLand();
    process.DeselectEndLand();
}

// The only selected term of the process, or -1.
int LoneSelectedYogo(const CKoutei& process) {
    if (process.CountSelectedYogo() != 1) {
        return -1;
    }
    for (int i = 0; i < process.GetYogoCount(); ++i) {
        if (process.IsYogoSelected(i) != 0) {
            return i;
        }
    }
    return -1;
}

// The process under the release point: one not yet picked there, or, when the part there is
// selected already (the source's own part after a drag), that one.
CKoutei* PickTarget(CTembraView& view, CDC* dc, const CMouseEvent& mouse, int& bits) {
    CMouseEvent release = mouse;
    release.SetStartPoint(mouse.GetPoint());
    CKoutei* target = nullptr;
    bits = view.PickKoutei(dc, release, &target, 0x0F, 0);
    if (bits == 0 || target == nullptr) {
        bits = view.PickKoutei(dc, release, &target,
                               CTembraView::kPickSelection | CTembraView::kPickTestOnly, 1);
    }
    return bits != 0 ? target : nullptr;
}

} // namespace

BOOL CTembraView::YogoCopyMove(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Term);
    CTembraDoc& doc = *GetDocument();
    if (doc.GetSelCount() == 0) {
        return FALSE;
    }
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (doc.GetSelCount() > 1) {
            AfxMessageBox(kMixedProcesses);
            config.SetEditOperation();
            config.SetState(0);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        const int zone = m_layout.HitZone(m_mouse.GetPoint());
        if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_yogoProcess = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
        m_yogoTarget = nullptr;
        m_yogoIndex = -1;
        m_yogoDrawn = false;
        m_yogoDragged = false;
        config.SetState(1);
        return TRUE;
    }
    case 1:
        if (code == CMouseEvent::kRightRelease) {
            EndYogoGesture(true);
            return TRUE;
        }
        return code == CMouseEvent::kLeftRelease ? YogoMovePick(dc) : FALSE;
    case 2:
    case 3:
        return YogoMovePlace(dc);
    default:
        EndYogoGesture(true);
        return FALSE;
    }
}

BOOL CTembraView::YogoMovePick(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CKoutei* source = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    int bits = 0;
    const int selectedBefore = doc.GetSelCount();
    CKoutei* target = PickTarget(*this, dc, m_mouse, bits);
    if (target == nullptr || source == nullptr) {
        EndYogoGesture(true);
        return TRUE;
    }
    m_yogoTargetSelected = doc.GetSelCount() > selectedBefore;
    m_yogoProcess = source;
    m_yogoTarget = target;
    const int lone = LoneSelectedYogo(*source);
    if (lone < 0 || !HasLeadOut(source->GetYogo(lone)->GetAttr().m_form)) {
        YogoMoveFinish(dc);
        return TRUE;
    }
    m_yogoIndex = lone;
    if ((bits & kPickedLine) != 0 && (bits & kPickedNodes) == 0) {
        m_mouse.SetStartPoint(NearestRoutePoint(*target, m_layout, m_mouse.GetStartPoint()));
    }
    m_mouse.SetLastPoint(m_mouse.GetStartPoint());
    m_yogoDrawn = false;
    doc.GetOperation().SetState(2);
    return TRUE;
}

BOOL CTembraView::YogoMovePlace(CDC* dc) {
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const WORD state = config.GetState();
    switch (m_mouse.GetCode()) {
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (state == 2) {
            DrawYogoFeedback(dc, 1, m_mouse, m_yogoDrawn);
        }
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (state != 2 || !m_host.HasCapture() || m_mouse.GetPoint() == m_mouse.GetStartPoint()) {
            return FALSE;
        }
        config.SetState(3);
        return TRUE;
    case CMouseEvent::kLeftRelease:
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        if (state == 2) {
            if (config.GetSavedOperation() == 0) {
                return FALSE;
            }
            // The end of a drag handed over by the edit operation: the term goes where the
            // button was let go, onto the process under that point.
            m_yogoDragged = true;
            DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
            int bits = 0;
            CKoutei* target = PickTarget(*this, dc, m_mouse, bits);
            if (target == nullptr) {
                EndYogoGesture(true);
                return TRUE;
            }
            m_yogoTarget = target;
        }
        YogoMoveFinish(dc);
        return TRUE;
    case CMouseEvent::kRightRelease:
        if (state == 3) {
            DrawYogoFeedback(dc, 1, m_mouse, m_yogoDrawn);
            config.SetState(2);
        } else {
            DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
            // Only a target the pick selected is taken back: a drag handed over by the edit
            // operation picked none, and the selection is the user's own.
            if (m_yogoTargetSelected) {
                doc.CancelLastSel();
            }
            EndYogoGesture(true);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CTembraView::YogoMoveFinish(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    // The carry decides what is selected from here.
    m_yogoOwnerBefore.reset();
    DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
    CKoutei* source = m_yogoProcess;
    CKoutei* target = m_yogoTarget;
    if (source == nullptr || target == nullptr || doc.FindSel(source) == nullptr) {
        EndYogoGesture(true);
        return;
    }
    const bool copying = config.GetOperation() == Op::kOpCopy;
    if (source->CountSelectedYogo() >= 2 && target == source) {
        AfxMessageBox(kSeveralOntoOwn);
        DeselectParts(*target);
        if (POSITION pos = doc.FindSel(source)) {
            doc.MoveSelToTail(pos);
        }
        EndYogoGesture(true);
        return;
    }

    // What the processes show now goes: the carried terms leave the source's place.
    doc.UpdateAllViews(nullptr, 0, source);
    if (target != source) {
        doc.UpdateAllViews(nullptr, 0, target);
    }
    doc.GetUndoHistory().Reset();
    // Every operation but the copy to another process takes terms off the source: it is done
    // on a copy of it, recorded for undo with the target.
    std::unique_ptr<CKoutei> sourceCopy;
    CKoutei* sourceSide = source;
    if (!copying || target == source) {
        sourceCopy = doc.CopyKoutei(source, TRUE);
        if (!sourceCopy) {
            EndYogoGesture(true);
            return;
        }
        sourceSide = sourceCopy.get();
    }
    std::unique_ptr<CKoutei> targetCopy;
    CKoutei* targetSide = sourceSide;
    if (target != source) {
        targetCopy = doc.CopyKoutei(target, TRUE);
        if (!targetCopy) {
            EndYogoGesture(true);
            return;
        }
        targetSide = targetCopy.get();
    }

    std::vector<std::unique_ptr<CYogo>> carried;
    std::set<WORD> parts;
    for (int i = 0; i < sourceSide->GetYogoCount();) {
        if (sourceSide->IsYogoSelected(i) == 0) {
            ++i;
            continue;
        }
        if (targetSide->GetYogoCount() + static_cast<int>(carried.size()) >= CKoutei::kMaxYogo) {
            AfxMessageBox(kTooManyTerms);
            break;
        }
        if (copying) {
            std::unique_ptr<CYogo> duplicate = CChartTerms::CopyYogo(*sourceSide->GetYogo(i));
            if (!duplicate) {
                AfxMessageBox(kNoTermCopy);
                break;
            }
            sourceSide->DeselectYogo(i);
            carried.push_back(std::move(duplicate));
            ++i;
        } else {
            carried.push_back(sourceSide->DetachYogo(i));
        }
        parts.insert(carried.back()->GetDateKind());
    }

    const WORD part = SelectedPart(*targetSide);
    if (carried.size() > 1 && !(parts.size() == 1 && *parts.begin() == part)) {
        AfxMessageBox(kPartsKept);
    } else if (carried.size() == 1) {
        CYogo& term = *carried.front();
        term.SetDateKind(part);
        const bool leadOut = HasLeadOut(term.GetAttr().m_form);
        if (m_yogoDragged || leadOut) {
            if (!leadOut) {
                term.GetAttr().m_form = kYogoPlaceFree;
            }
            const CPoint anchor = m_mouse.GetStartPoint();
            const CPoint place = m_mouse.GetLastPoint();
            SetYogoSubPosition(*targetSide, m_layout, term, anchor.x, anchor.y);
            SetYogoPosition(*targetSide, m_layout, term, place.x, place.y);
        }
    }
    const BOOL atEnd = doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack != 0 ? TRUE : FALSE;
    for (std::unique_ptr<CYogo>& term : carried) {
        // A term the process cannot take any more is dropped with its message.
        targetSide->AddYogo(term, atEnd);
    }

    if (target != source) {
        if (POSITION pos = doc.FindSel(source)) {
            if (copying) {
                doc.UnselectAt(pos);
            } else {
                doc.ReplaceSelAt(pos, sourceCopy.release(), 1);
            }
        }
    }
    DeselectParts(*targetSide);
    if (POSITION pos = doc.FindSel(target)) {
        doc.ReplaceSelAt(pos, target == source ? sourceCopy.release() : targetCopy.release(), 0);
    }
    EndYogoGesture(true);
}

} // namespace tembra
