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
#include "view/core/YogoGesture.h"

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

BOOL CYogoGesture::CopyMove(CDC* dc) {
    CTembraDoc& doc = Doc();
    if (doc.GetSelCount() == 0) {
        return FALSE;
    }
    CConfigOperation& config = doc.GetOperation();
    const int code = Mouse().GetCode();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle: {
        if (doc.GetSelCount() > 1) {
            AfxMessageBox(kMixedProcesses);
            config.SetEditOperation();
            SetStep(Step::Idle);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        if (!Press()) {
            return FALSE;
        }
        m_process = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
        m_target = nullptr;
        m_index = -1;
        m_drawn = false;
        m_dragged = false;
        SetStep(Step::Pressed);
        return TRUE;
    }
    case Step::Pressed:
        if (code == CMouseEvent::kRightRelease) {
            End(true);
            return TRUE;
        }
        return code == CMouseEvent::kLeftRelease ? MovePick(dc) : FALSE;
    case Step::Placing:
    case Step::Placed:
        return MovePlace(dc);
    default:
        End(true);
        return FALSE;
    }
}

BOOL CYogoGesture::MovePick(CDC* dc) {
    CTembraDoc& doc = Doc();
    CKoutei* source = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    int bits = 0;
    const int selectedBefore = doc.GetSelCount();
    CKoutei* target = PickTarget(m_view, dc, Mouse(), bits);
    if (target == nullptr || source == nullptr) {
        End(true);
        return TRUE;
    }
    m_targetSelected = doc.GetSelCount() > selectedBefore;
    m_process = source;
    m_target = target;
    const int lone = LoneSelectedYogo(*source);
    if (lone < 0 || !HasLeadOut(source->GetYogo(lone)->GetAttr().m_form)) {
        MoveFinish(dc);
        return TRUE;
    }
    m_index = lone;
    if ((bits & CTembraView::kPickedLine) != 0 && (bits & CTembraView::kPickedNodes) == 0) {
        Mouse().SetStartPoint(NearestRoutePoint(*target, Layout(), Mouse().GetStartPoint()));
    }
    Mouse().SetLastPoint(Mouse().GetStartPoint());
    m_drawn = false;
    SetStep(Step::Placing);
    return TRUE;
}

BOOL CYogoGesture::MovePlace(CDC* dc) {
    CRect pending;
    if (Host().GetUpdateRect(pending)) {
        return FALSE;
    }
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const Step step = static_cast<Step>(config.GetState());
    switch (Mouse().GetCode()) {
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (step == Step::Placing) {
            DrawFeedback(dc, true);
        }
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (step != Step::Placing || !Host().HasCapture() ||
            Mouse().GetPoint() == Mouse().GetStartPoint()) {
            return FALSE;
        }
        SetStep(Step::Placed);
        return TRUE;
    case CMouseEvent::kLeftRelease:
        if (!Host().HasCapture()) {
            return FALSE;
        }
        if (step == Step::Placing) {
            if (config.GetSavedOperation() == 0) {
                return FALSE;
            }
            // The end of a drag handed over by the edit operation: the term goes where the
            // button was let go, onto the process under that point.
            m_dragged = true;
            DrawFeedback(dc, false);
            int bits = 0;
            CKoutei* target = PickTarget(m_view, dc, Mouse(), bits);
            if (target == nullptr) {
                End(true);
                return TRUE;
            }
            m_target = target;
        }
        MoveFinish(dc);
        return TRUE;
    case CMouseEvent::kRightRelease:
        if (step == Step::Placed) {
            DrawFeedback(dc, true);
            SetStep(Step::Placing);
        } else {
            DrawFeedback(dc, false);
            // Only a target the pick selected is taken back: a drag handed over by the edit
            // operation picked none, and the selection is the user's own.
            if (m_targetSelected) {
                doc.CancelLastSel();
            }
            End(true);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CYogoGesture::MoveFinish(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    // The carry decides what is selected from here.
    m_ownerBefore.reset();
    DrawFeedback(dc, false);
    CKoutei* source = m_process;
    CKoutei* target = m_target;
    if (source == nullptr || target == nullptr || doc.FindSel(source) == nullptr) {
        End(true);
        return;
    }
    const bool copying = config.GetOperation() == Op::kOpCopy;
    if (source->CountSelectedYogo() >= 2 && target == source) {
        AfxMessageBox(kSeveralOntoOwn);
        DeselectParts(*target);
        if (POSITION pos = doc.FindSel(source)) {
            doc.MoveSelToTail(pos);
        }
        End(true);
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
            End(true);
            return;
        }
        sourceSide = sourceCopy.get();
    }
    std::unique_ptr<CKoutei> targetCopy;
    CKoutei* targetSide = sourceSide;
    if (target != source) {
        targetCopy = doc.CopyKoutei(target, TRUE);
        if (!targetCopy) {
            End(true);
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
        if (m_dragged || leadOut) {
            if (!leadOut) {
                term.GetAttr().m_form = kYogoPlaceFree;
            }
            const CPoint anchor = Mouse().GetStartPoint();
            const CPoint place = Mouse().GetLastPoint();
            SetYogoSubPosition(*targetSide, Layout(), term, anchor.x, anchor.y);
            SetYogoPosition(*targetSide, Layout(), term, place.x, place.y);
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
    End(true);
}

} // namespace tembra
