// The commands of 属性 > 用語 that take more than their id, and the term bar's text and colour,
// which go to the events, the item cells or the terms by the object mode.
#include "document/commands/YogoMenu.h"

#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/CommandIds.h"
#include "document/FontSelDlgRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/YogoAttrCommands.h"
#include "document/commands/DocCommandTable.h"
#include "document/commands/EventMenu.h"
#include "document/commands/HyperlinkMenu.h"
#include "document/commands/KoumokuMenu.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeWord = 0x8000;
constexpr int kOtherEntry = 6;
constexpr UINT kZukeiTextEditCommand = ID_ZUKEI_TEXT_EDIT; // 文字編集 of the active chart view

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
    doc.GetTerms().SetYogoAttr(-1, color, CTembraDoc::kUnchangedFlags, -1, {}, -1, -1, nullptr);
}

void ApplyBarTextToYogo(CTembraDoc& doc) {
    CAppState& app = *GetAppState();
    if (!app.IsYogoBarVisible() || app.RefusesYogoText()) {
        return;
    }
    const std::string text = app.GetYogoText();
    if (!text.empty()) {
        doc.GetTerms().SetYogoAttr(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1,
                                   text, -1, -1, nullptr);
    }
}

void OnYogoOtherColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetYogoCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetYogoCustomColor(color);
        ApplyYogoColor(doc, color);
    }
}

void OnYogoBatch(CTembraDoc& doc) {
    YogoAttr2DlgRequest request;
    const CYogo* term = FirstSelectedYogo(doc);
    const CElemAttr& attr =
        term != nullptr ? term->GetAttr() : doc.GetSyokiSet().GetChart().GetYogoAttr();
    request.attr = {attr.m_form, attr.m_color, attr.m_attrb, attr.m_fontHeigh, attr.m_fontWidth};
    request.position = attr.m_linkPosition;
    request.fromSelection = term != nullptr;
    request.document = &doc;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetTerms().SetYogoAttr(ValueOrLeave(request.attr.form), request.attr.color,
                               static_cast<WORD>(request.attr.flags | kWholeWord),
                               ValueOrLeave(request.attr.SizeCode()), {},
                               ValueOrLeave(request.position), -1, nullptr);
}

void OnYogoFont(CTembraDoc& doc) {
    FontSelDlgRequest request;
    const CYogo* term = FirstSelectedYogo(doc);
    request.font = term != nullptr && term->GetAttr().m_ownFont != 0
                       ? term->GetAttr().GetLogFont()
                       : doc.GetSyokiSet().GetChart().GetYogoAttr().GetLogFont();
    request.baseFontCheck = term != nullptr && term->GetAttr().m_ownFont == 0 ? 1 : 0;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetTerms().SetYogoAttr(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1, {},
                               -1, request.baseFontCheck == 1 ? 0 : 1, &request.font);
}

// The term bar's text to the events, the cells or the terms by mode; with termModeOnly the
// terms take it only in the term mode.
void BarTextByMode(CTembraDoc& doc, bool termModeOnly) {
    switch (doc.GetOperation().GetMode()) {
    case Op::kModeEvent:
        OnEventTextEdit(doc);
        return;
    case Op::kModeKoumoku:
        OnKoumokuTextEdit(doc);
        return;
    case Op::kModeYogo:
        ApplyBarTextToYogo(doc);
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
        ApplyBarTextToYogo(doc);
    }
}

void OnYogoTextEdit(CTembraDoc& doc) {
    BarTextByMode(doc, false);
}

void OnUpdateYogoTextEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, [&doc](CCmdUI* ui) { doc.GetTerms().UpdateYogoAttrUI(ui); });
}

void OnYogoBarTextEdit(CTembraDoc& doc) {
    BarTextByMode(doc, true);
}

void OnYogoStackUp(CTembraDoc& doc) {
    doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack = 0;
}

void OnYogoStackDown(CTembraDoc& doc) {
    doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack = 1;
}

void OnUpdateYogoStackUp(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack == 0 ? 1 : 0);
}

void OnUpdateYogoStackDown(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack == 1 ? 1 : 0);
}

void OnUpdateYogoBarColor(CTembraDoc& doc, CCmdUI* cmdUI) {
    switch (doc.GetOperation().GetMode()) {
    case Op::kModeEvent:
        doc.GetEvents().UpdateEventAttrUI(cmdUI);
        return;
    case Op::kModeKoumoku:
        doc.GetKoumokuCells().UpdateKoumokuAttrUI(cmdUI);
        return;
    default:
        doc.GetTerms().UpdateYogoAttrUI(cmdUI);
        return;
    }
}

void OnUpdateYogoCombo(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG mode = doc.GetOperation().GetMode();
    const bool active =
        (mode == Op::kModeKoumoku || mode == Op::kModeYogo || mode == Op::kModeEvent) &&
        doc.GetOperation().GetOperation() == Op::kOpDraw;
    if (doc.GetYogoBarInput().NoteYogoComboActive(active)) {
        GetAppState()->SetYogoComboActive(active);
    }
    cmdUI->Enable(TRUE);
}

constexpr std::array kYogoMenu{
    DocCommand{ID_YOGO_COLOR_OTHER, &OnYogoOtherColor,
               [](CTembraDoc& doc, CCmdUI* cmdUI) { doc.GetTerms().UpdateYogoAttrUI(cmdUI); }},
    DocCommand{ID_YOGO_ATTR_BULK, &OnYogoBatch, nullptr, "YogoAttr2Dlg"},
    DocCommand{ID_YOGO_FONT, &OnYogoFont, nullptr, "FontSelDlg"},
    DocCommand{ID_YOGO_TEXT_EDIT, &OnYogoTextEdit, &OnUpdateYogoTextEdit},
    DocCommand{ID_YOGO_BAR_TEXT_EDIT, &OnYogoBarTextEdit, nullptr},
    DocCommand{ID_YOGO_STACK_UP, &OnYogoStackUp, &OnUpdateYogoStackUp},
    DocCommand{ID_YOGO_STACK_DOWN, &OnYogoStackDown, &OnUpdateYogoStackDown},
    DocCommand{ID_YOGO_LINK_INSERT, &OnYogoLinkInsert, &OnUpdateYogoLinkInsert, "HyperLink"},
    DocCommand{ID_YOGO_LINK_EDIT, &OnYogoLinkEdit, &OnUpdateYogoLinkEdit, "HyperLink"},
    DocCommand{ID_YOGO_LINK_OPEN, &OnYogoLinkOpen, &OnUpdateYogoLinkEdit},
    DocCommand{kYogoBarColorId, &OnYogoBarColor, &OnUpdateYogoBarColor},
    DocCommand{kYogoComboId, &OnYogoComboEdit, &OnUpdateYogoCombo},
};

} // namespace

BOOL OnYogoAttrCommand(CTembraDoc& doc, UINT id) {
    const YogoAttrCommand* command = FindYogoAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    const auto value = static_cast<int>(command->value);
    switch (command->arg) {
    case YogoAttrArg::Form:
        doc.GetTerms().SetYogoAttr(value, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags,
                                   -1, {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::LinkPosition:
        doc.GetTerms().SetYogoAttr(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1,
                                   {}, value, -1, nullptr);
        return TRUE;
    case YogoAttrArg::Color:
        ApplyYogoColor(doc, command->value);
        return TRUE;
    case YogoAttrArg::Flags:
        doc.GetTerms().SetYogoAttr(-1, CTembraDoc::kUnchangedColor, static_cast<WORD>(value), -1,
                                   {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::Size:
        doc.GetTerms().SetYogoAttr(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags,
                                   value, {}, -1, -1, nullptr);
        return TRUE;
    case YogoAttrArg::OtherColor:
    case YogoAttrArg::Text:
    case YogoAttrArg::BarColor:
        break; // they have handlers of their own
    }
    return FALSE;
}

void OnYogoBarColor(CTembraDoc& doc) {
    CAppState& app = *GetAppState();
    const LONG mode = doc.GetOperation().GetMode();
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
        doc.GetEvents().SetSelectedAttributes(-1, color, CTembraDoc::kUnchangedFlags, -1, {}, -1,
                                              nullptr);
    } else if (mode == Op::kModeKoumoku) {
        doc.GetKoumokuCells().SetKoumokuAttr(-1, color, -1, -1, {}, -1, -1, -1, -1, nullptr);
    } else {
        ApplyYogoColor(doc, color);
    }
    app.FocusYogoCombo(1);
}

void OnYogoBarColorCancel(CTembraDoc& /*doc*/) {
    GetAppState()->FocusYogoCombo(1);
}

void OnYogoComboEdit(CTembraDoc& doc) {
    doc.GetYogoBarInput().BeginTermInput();
}

std::span<const DocCommand> DocYogoMenu() {
    return kYogoMenu;
}

} // namespace tembra
