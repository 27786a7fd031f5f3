// The commands of 属性 > 用語 that take more than their id, and the term bar's text and colour,
// which go to the events, the item cells or the terms by the object mode.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/DocCommandTable.h"
#include "document/FontSelDlgRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/YogoAttrCommands.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeWord = 0x8000;
constexpr int kOtherEntry = 6;
constexpr UINT kZukeiTextEditCommand = 33094; // 文字編集 of the active chart view

constexpr std::array kYogoMenu{
    DocCommand{33070, &CTembraDoc::OnYogoOtherColor, &CTembraDoc::UpdateYogoAttrUI},
    DocCommand{33018, &CTembraDoc::OnYogoBatch, nullptr, "YogoAttr2Dlg"},
    DocCommand{40066, &CTembraDoc::OnYogoFont, nullptr, "FontSelDlg"},
    DocCommand{32985, &CTembraDoc::OnYogoTextEdit, &CTembraDoc::OnUpdateYogoTextEdit},
    DocCommand{33042, &CTembraDoc::OnYogoBarTextEdit, nullptr},
    DocCommand{32981, &CTembraDoc::OnYogoStackUp, &CTembraDoc::OnUpdateYogoStackUp},
    DocCommand{32980, &CTembraDoc::OnYogoStackDown, &CTembraDoc::OnUpdateYogoStackDown},
    DocCommand{33134, &CTembraDoc::OnYogoLinkInsert, &CTembraDoc::OnUpdateYogoLinkInsert,
               "HyperLink"},
    DocCommand{33135, &CTembraDoc::OnYogoLinkEdit, &CTembraDoc::OnUpdateYogoLinkEdit, "HyperLink"},
    DocCommand{33133, &CTembraDoc::OnYogoLinkOpen, &CTembraDoc::OnUpdateYogoLinkEdit},
    DocCommand{kYogoBarColorId, &CTembraDoc::OnYogoBarColor, &CTembraDoc::OnUpdateYogoBarColor},
    DocCommand{kYogoComboId, &CTembraDoc::OnYogoComboEdit, &CTembraDoc::OnUpdateYogoCombo},
};

// The first selected term of the selected processes, or null.
const CYogo* FirstSelectedYogo(const CTembraDoc& doc) {
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const CKoutei* process = AsKoutei(doc.GetNextSel(pos));
        for (int i = 0; process != nullptr && i < process->GetYogoCount(); ++i) {
            if (process->IsYogoSelected(i) != 0) {
                return process->GetYogo(i);
            }
        }
    }
    return nullptr;
}

void ApplyYogoColor(CTembraDoc& doc, COLORREF color) {
    doc.SetYogoAttr(-1, color, CTembraDoc::kUnchangedFlags, -1, {}, -1, -1, nullptr);
}

} // namespace

std::span<const DocCommand> DocYogoMenu() {
    return kYogoMenu;
}

BOOL CTembraDoc::OnYogoAttrCommand(UINT id) {
    const YogoAttrCommand* command = FindYogoAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    const auto value = static_cast<int>(command->value);
    switch (command->arg) {
    case YogoAttrArg::Form:
        SetYogoAttr(value, kUnchangedColor, kUnchangedFlags, -1, {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::LinkPosition:
        SetYogoAttr(-1, kUnchangedColor, kUnchangedFlags, -1, {}, value, -1, nullptr);
        return TRUE;
    case YogoAttrArg::Color:
        ApplyYogoColor(*this, command->value);
        return TRUE;
    case YogoAttrArg::Flags:
        SetYogoAttr(-1, kUnchangedColor, static_cast<WORD>(value), -1, {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::Size:
        SetYogoAttr(-1, kUnchangedColor, kUnchangedFlags, value, {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::OtherColor:
    case YogoAttrArg::Text:
    case YogoAttrArg::BarColor:
        break; // they have handlers of their own
    }
    return FALSE;
}

void CTembraDoc::OnYogoOtherColor() {
    COLORREF color = GetAppState()->GetYogoCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetYogoCustomColor(color);
        ApplyYogoColor(*this, color);
    }
}

void CTembraDoc::OnYogoBatch() {
    YogoAttr2DlgRequest request;
    const CYogo* term = FirstSelectedYogo(*this);
    const CElemAttr& attr = term != nullptr ? term->GetAttr() : m_syokiSet.GetChart().GetYogoAttr();
    request.attr = {attr.m_form, attr.m_color, attr.m_attrb, attr.m_fontHeigh, attr.m_fontWidth};
    request.position = attr.m_linkPosition;
    request.fromSelection = term != nullptr;
    request.document = this;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    SetYogoAttr(ValueOrLeave(request.attr.form), request.attr.color,
                static_cast<WORD>(request.attr.flags | kWholeWord),
                ValueOrLeave(request.attr.SizeCode()), {}, ValueOrLeave(request.position), -1,
                nullptr);
}

void CTembraDoc::OnYogoFont() {
    FontSelDlgRequest request;
    const CYogo* term = FirstSelectedYogo(*this);
    request.font = term != nullptr && term->GetAttr().m_ownFont != 0
                       ? term->GetAttr().GetLogFont()
                       : m_syokiSet.GetChart().GetYogoAttr().GetLogFont();
    request.baseFontCheck = term != nullptr && term->GetAttr().m_ownFont == 0 ? 1 : 0;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    SetYogoAttr(-1, kUnchangedColor, kUnchangedFlags, -1, {}, -1,
                request.baseFontCheck == 1 ? 0 : 1, &request.font);
}

// ---- Text ---------------------------------------------------------------------------------------

namespace {

void ApplyBarTextToYogo(CTembraDoc& doc) {
    CAppState& app = *GetAppState();
    if (!app.IsYogoBarVisible() || app.RefusesYogoText()) {
        return;
    }
    const std::string text = app.GetYogoText();
    if (!text.empty()) {
        doc.SetYogoAttr(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1, text, -1,
                        -1, nullptr);
    }
}

} // namespace

void CTembraDoc::OnYogoTextEdit() {
    BarTextByMode(false);
}

void CTembraDoc::OnUpdateYogoTextEdit(CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, &CTembraDoc::UpdateYogoAttrUI);
}

void CTembraDoc::OnYogoBarTextEdit() {
    BarTextByMode(true);
}

void CTembraDoc::BarTextByMode(bool termModeOnly) {
    switch (m_operation.GetMode()) {
    case Op::kModeEvent:
        OnEventTextEdit();
        return;
    case Op::kModeKoumoku:
        OnKoumokuTextEdit();
        return;
    case Op::kModeYogo:
        ApplyBarTextToYogo(*this);
        return;
    case Op::kModeZukei:
        // The bar's text edit of a framed text is the active chart view's 文字編集.
        if (termModeOnly) {
            Ui().PostCommand(kZukeiTextEditCommand);
            return;
        }
        break;
    default:
        break;
    }
    // The bar's own text edit acts on terms only in the term mode; the menu's in any other.
    if (!termModeOnly) {
        ApplyBarTextToYogo(*this);
    }
}

void CTembraDoc::UpdateBarTextEdit(CCmdUI* cmdUI, void (CTembraDoc::*updater)(CCmdUI*)) {
    if (!GetAppState()->IsYogoBarVisible()) {
        cmdUI->Enable(FALSE);
        return;
    }
    (this->*updater)(cmdUI);
}

// ---- The stacking direction of new terms --------------------------------------------------------

void CTembraDoc::OnYogoStackUp() {
    m_syokiSet.GetChart().GetYogoAttr().m_stack = 0;
}

void CTembraDoc::OnYogoStackDown() {
    m_syokiSet.GetChart().GetYogoAttr().m_stack = 1;
}

void CTembraDoc::OnUpdateYogoStackUp(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_syokiSet.GetChart().GetYogoAttr().m_stack == 0 ? 1 : 0);
}

void CTembraDoc::OnUpdateYogoStackDown(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_syokiSet.GetChart().GetYogoAttr().m_stack == 1 ? 1 : 0);
}

// ---- The term bar's colour list and input -------------------------------------------------------

void CTembraDoc::OnYogoBarColor() {
    CAppState& app = *GetAppState();
    const LONG mode = m_operation.GetMode();
    COLORREF color = app.GetYogoColor();
    if (app.GetYogoColorIndex() == kOtherEntry) {
        // The colour dialog starts from the colour remembered for the kind the mode works on.
        COLORREF (CAppState::*get)() const = &CAppState::GetYogoCustomColor;
        void (CAppState::*set)(COLORREF) = &CAppState::SetYogoCustomColor;
        if (mode == Op::kModeEvent) {
            get = &CAppState::GetEventCustomColor;
            set = &CAppState::SetEventCustomColor;
        } else if (mode == Op::kModeKoumoku) {
            get = &CAppState::GetKoumokuCustomColor;
            set = &CAppState::SetKoumokuCustomColor;
        }
        color = (app.*get)();
        if (!ChooseOtherColor(color)) {
            app.FocusYogoCombo(1);
            return;
        }
        (app.*set)(color);
    }
    if (mode == Op::kModeEvent) {
        SetSelectedAttributes(-1, color, kUnchangedFlags, -1, {}, -1, nullptr);
    } else if (mode == Op::kModeKoumoku) {
        SetKoumokuAttr(-1, color, -1, -1, {}, -1, -1, -1, -1, nullptr);
    } else {
        ApplyYogoColor(*this, color);
    }
    app.FocusYogoCombo(1);
}

void CTembraDoc::OnYogoBarColorCancel() {
    GetAppState()->FocusYogoCombo(1);
}

void CTembraDoc::OnUpdateYogoBarColor(CCmdUI* cmdUI) {
    switch (m_operation.GetMode()) {
    case Op::kModeEvent:
        UpdateEventAttrUI(cmdUI);
        return;
    case Op::kModeKoumoku:
        UpdateKoumokuAttrUI(cmdUI);
        return;
    default:
        UpdateYogoAttrUI(cmdUI);
        return;
    }
}

void CTembraDoc::OnYogoComboEdit() {
    BeginTermInput();
}

void CTembraDoc::OnUpdateYogoCombo(CCmdUI* cmdUI) {
    const LONG mode = m_operation.GetMode();
    const bool active =
        (mode == Op::kModeKoumoku || mode == Op::kModeYogo || mode == Op::kModeEvent) &&
        m_operation.GetOperation() == Op::kOpDraw;
    if (m_nYogoComboActive != (active ? 1 : 0)) {
        m_nYogoComboActive = active ? 1 : 0;
        GetAppState()->SetYogoComboActive(active);
    }
    cmdUI->Enable(TRUE);
}

} // namespace tembra
