// The safety-board commands of the chart view and the shape commands of the command table.
// Three commands lay out whole sets of frames from their dialogs; two fill a selected pair of
// framed texts with texts of the safety plan: the pair is recognised by the roles its frames
// carry, or, when the user agrees, given them by position (the upper frame, or the left one at
// the same height, takes the first role).
#include "document/CommandIds.h"
#include "document/SafetyBoardRequests.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "shapes/ZukeiString.h"
#include "view/core/TembraView.h"

#include <array>
#include <vector>

namespace tembra {

namespace {

constexpr UINT kNotAPairQuestion = 5145;
constexpr UINT kSelectTwoMessage = 5143;

// A pair of frames: the words of its two roles and the role codes.
struct BoardPair {
    UINT firstWord;
    UINT secondWord;
    WORD firstRole;
    WORD secondRole;
};
constexpr std::array<BoardPair, 2> kPairs{{
    {5504, 5505, CZukeiString::kTagSai, CZukeiString::kTagTai},    // 災害, 対策
    {5500, 5501, CZukeiString::kTagMoku, CZukeiString::kTagJitsu}, // 週間目標, 実施項目
}};

std::vector<CZukeiString*> SelectedFramedTexts(CTembraDoc& doc) {
    std::vector<CZukeiString*> texts;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        auto* text = DynamicDowncast<CZukeiString>(AsZukei(doc.GetNextSel(pos)));
        if (text != nullptr && text->GetKind() == kZukeiFramedString) {
            texts.push_back(text);
        }
    }
    return texts;
}

// Runs a frame dialog on the view's layout; the view's mouse record is the same afterwards,
// whatever the frame builder did with the view.
template <class Request>
int RunFrameDialog(Request& request, CTembraDoc& doc, const CPageLayout& layout,
                   CMouseEvent& mouse) {
    request.settings = &doc.GetSyokiSet();
    request.document = &doc;
    request.layout = &layout;
    const CMouseEvent saved = mouse;
    const int answer = Ui().RunDialog(request);
    mouse = saved;
    return answer;
}

} // namespace

void CTembraView::OnDisasterFrames() {
    EndStringEdit();
    DisasterFrameRequest request;
    RunFrameDialog(request, *GetDocument(), m_layout, m_mouse);
}

void CTembraView::OnWeekTargetFrames() {
    EndStringEdit();
    WeekTargetFrameRequest request;
    RunFrameDialog(request, *GetDocument(), m_layout, m_mouse);
}

void CTembraView::OnSafetyDutyFrames() {
    EndStringEdit();
    CTembraDoc& doc = *GetDocument();
    ToubanCreateSelRequest choice;
    if (RunFrameDialog(choice, doc, m_layout, m_mouse) != IDOK) {
        return;
    }
    ManeiToubanSheetRequest sheet;
    sheet.choice = choice.choice;
    RunFrameDialog(sheet, doc, m_layout, m_mouse);
}

void CTembraView::OnDisasterText() {
    ZukeiTextCommand(0);
}

void CTembraView::OnWeekTargetText() {
    ZukeiTextCommand(1);
}

void CTembraView::ZukeiTextCommand(int pair) {
    EndStringEdit();
    CTembraDoc& doc = *GetDocument();
    const BoardPair& words = kPairs[static_cast<std::size_t>(pair)];
    const std::string first = LoadString(words.firstWord);
    const std::string second = LoadString(words.secondWord);
    std::vector<CZukeiString*> texts = SelectedFramedTexts(doc);
    bool paired = false;
    if (doc.GetShapes().CountSelectedTextZukei() == 2 && texts.size() == 2) {
        const WORD a = texts[0]->GetFrameTag();
        const WORD b = texts[1]->GetFrameTag();
        if (a == words.secondRole && b == words.firstRole) {
            std::swap(texts[0], texts[1]);
            paired = true;
        } else if (a == words.firstRole && b == words.secondRole) {
            paired = true;
        } else if (AfxMessageBox(FormatString(LoadString(kNotAPairQuestion), {first, second}),
                                 MB_YESNO | MB_ICONQUESTION) == IDYES) {
            // The upper frame takes the first role; at the same height the left one; at the
            // same corner the first of the selection.
            CRect r0 = texts[0]->GetDeviceRect(*this);
            CRect r1 = texts[1]->GetDeviceRect(*this);
            NormalizeLogRect(r0);
            NormalizeLogRect(r1);
            const bool secondFirst = r1.top > r0.top || (r1.top == r0.top && r1.left < r0.left);
            if (secondFirst) {
                std::swap(texts[0], texts[1]);
            }
            texts[0]->SetFrameTag(words.firstRole);
            texts[1]->SetFrameTag(words.secondRole);
            doc.SetModifiedFlag();
            for (CZukeiString* text : texts) {
                doc.UpdateAllViews(nullptr, kHintGeneral, text);
            }
            paired = true;
        }
    }
    if (!paired) {
        AfxMessageBox(FormatString(LoadString(kSelectTwoMessage), {first, second}), MB_OK);
        return;
    }
    if (pair == 0) {
        DisasterTextRequest request;
        request.document = &doc;
        request.first = texts[0];
        request.second = texts[1];
        Ui().RunDialog(request);
    } else {
        WeekTargetTextRequest request;
        request.document = &doc;
        request.first = texts[0];
        request.second = texts[1];
        Ui().RunDialog(request);
    }
}

// ---- The command table --------------------------------------------------------------------------

bool CTembraView::OnZukeiCommand(UINT id) {
    switch (id) {
    case ID_ZUKEI_TEXT_EDIT:
        OnZukeiTextEdit();
        return true;
    case ID_DISASTER_FRAMES:
        OnDisasterFrames();
        return true;
    case ID_DISASTER_TEXT:
        OnDisasterText();
        return true;
    case ID_WEEK_TARGET_FRAMES:
        OnWeekTargetFrames();
        return true;
    case ID_WEEK_TARGET_TEXT:
        OnWeekTargetText();
        return true;
    case ID_SAFETY_DUTY_FRAMES:
        OnSafetyDutyFrames();
        return true;
    default:
        return false;
    }
}

bool CTembraView::OnUpdateZukeiCommand(CCmdUI& cmdUI) const {
    switch (cmdUI.m_nID) {
    case ID_ZUKEI_TEXT_EDIT:
        OnUpdateZukeiTextEdit(cmdUI);
        return true;
    case ID_DISASTER_FRAMES:
    case ID_DISASTER_TEXT:
    case ID_WEEK_TARGET_TEXT:
        cmdUI.Enable(TRUE);
        return true;
    case ID_WEEK_TARGET_FRAMES:
    case ID_SAFETY_DUTY_FRAMES:
        // The weekly frames and the roster stand on calendar dates.
        cmdUI.Enable(GetDocument()->GetSyokiSet().GetNobeMode() == 0);
        return true;
    default:
        return false;
    }
}

} // namespace tembra
