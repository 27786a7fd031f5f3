// New terms, and the terms of the selected processes as the term menu and the find and replace
// dialog change them: their attributes, their removal, and the search and replacement of their
// texts. Each changed process is replaced by a changed copy that keeps its number.
#include "document/ChartTerms.h"
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/YogoAttrCommands.h"
#include "model/OperationState.h"
#include "model/Utility.h"
#include "platform/Ui.h"

#include <new>
#include <optional>
#include <string>

namespace tembra {

namespace {

// Mode of FindReplaceYogo that replaces; any other only finds.
constexpr int kReplaceMode = 2;

// The size code: high byte the height factor, low byte the width factor.
WORD PackedSize(const CElemAttr& attr) {
    return static_cast<WORD>(((attr.m_fontHeigh & 0xFF) << 8) | (attr.m_fontWidth & 0xFF));
}

void SetPackedSize(CElemAttr& attr, int size) {
    attr.m_fontHeigh = static_cast<WORD>((size >> 8) & 0xFF);
    attr.m_fontWidth = static_cast<WORD>(size & 0xFF);
}

// The operations with which the term menu changes the selected terms: edit, copy, move and the
// copy and move waiting for a selection.
bool ActsOnSelection(LONG operation) {
    switch (operation) {
    case COperationState::kOpEdit:
    case COperationState::kOpCopy:
    case COperationState::kOpMove:
    case COperationState::kOpCopyPick:
    case COperationState::kOpMovePick:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- Creation ---------------------------------------------------------------------------------

std::unique_ptr<CYogo> CChartTerms::CreateYogo() {
    std::unique_ptr<CYogo> term;
    try {
        term = std::make_unique<CYogo>();
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoYogoDataMessage);
        return nullptr;
    }
    term->SetLayer(static_cast<WORD>(m_doc.GetCurrentLayer()));
    const CElemAttr& defaults = m_syokiSet.GetChart().GetYogoAttr();
    CElemAttr& attr = term->GetAttr();
    attr.m_fontHeigh = defaults.m_fontHeigh;
    attr.m_fontWidth = defaults.m_fontWidth;
    attr.m_form = defaults.m_form;
    attr.m_color = defaults.m_color;
    attr.m_attrb = defaults.m_attrb;
    attr.m_linkWord = defaults.m_linkWord;
    attr.m_linkPosition = defaults.m_linkPosition;
    attr.m_offsetX = defaults.m_offsetX;
    attr.m_offsetY = defaults.m_offsetY;
    attr.m_drawerX = defaults.m_drawerX;
    attr.m_drawerY = defaults.m_drawerY;
    attr.m_stack = 0;
    term->SetText("");
    term->SetLogFont(defaults.GetLogFont());
    return term;
}

std::unique_ptr<CYogo> CChartTerms::CopyYogo(const CYogo& source) {
    std::unique_ptr<CYogo> copy;
    try {
        copy = std::make_unique<CYogo>();
        copy->CopyFrom(source);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoYogoDataMessage);
        return nullptr;
    }
    return copy;
}

// ---- Attributes ---------------------------------------------------------------------------------

void CChartTerms::SetYogoAttr(int form, COLORREF color, WORD decoration, int size,
                              std::string_view text, int linkPosition, int ownFont,
                              const LOGFONT* logFont) {
    const bool setForm = form >= 0;
    const bool setColor = color != CTembraDoc::kUnchangedColor;
    const bool setDecoration = decoration != CTembraDoc::kUnchangedFlags;
    const bool setSize = size >= 0;
    const bool setText = !text.empty();
    const bool setLinkPosition = linkPosition >= 0;
    const bool setOwnFont = ownFont >= 0;
    if (!setForm && !setColor && !setDecoration && !setSize && !setText && !setLinkPosition &&
        !setOwnFont) {
        return;
    }
    const auto apply = [&](CElemAttr& attr) {
        if (setForm) {
            attr.m_form = static_cast<WORD>(form);
        }
        if (setColor) {
            attr.m_color = color;
        }
        if (setDecoration) {
            attr.m_attrb = ApplyAttrFlags(attr.m_attrb, decoration);
        }
        if (setSize) {
            SetPackedSize(attr, size);
        }
        if (setOwnFont) {
            attr.m_ownFont = static_cast<short>(ownFont);
            if (ownFont != 0 && logFont != nullptr) {
                attr.SetLogFont(*logFont);
            }
        }
        if (setLinkPosition) {
            attr.m_linkPosition = static_cast<short>(linkPosition);
        }
    };

    bool replaced = false;
    if (m_operation.GetMode() == COperationState::kModeYogo &&
        ActsOnSelection(m_operation.GetOperation()) && !m_doc.GetSelList().IsEmpty()) {
        m_undo.Reset();
        m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
            const CKoutei* process = AsKoutei(object);
            if (process == nullptr || process->CountSelectedYogo() == 0) {
                return;
            }
            m_doc.RedrawObject(object);
            std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
            if (copy == nullptr) {
                return;
            }
            for (int i = 0; i < copy->GetYogoCount(); ++i) {
                if (copy->IsYogoSelected(i) == 0) {
                    continue;
                }
                CYogo& term = *copy->GetYogo(i);
                apply(term.GetAttr());
                if (setText) {
                    term.SetText(text); // cut to 128 bytes on a character boundary
                }
            }
            replaced = true;
            // A new colour shows only on a process that is not drawn selected.
            m_doc.ReplaceSelAt(pos, copy.release(), setColor ? 1 : 0);
        });
        if (replaced && setText) {
            GetAppState()->AddYogoHistory(std::string(text));
        }
    }
    if (replaced) {
        return;
    }

    // Nothing was changed: the values are for the next new terms.
    apply(m_syokiSet.GetChart().GetYogoAttr());
    if (setColor && IsOtherColor(color)) {
        GetAppState()->SetYogoCustomColor(color);
    }
}

void CChartTerms::UpdateYogoAttrUI(CCmdUI* cmdUI) {
    // The term bar is the terms' in every mode but the event and the item mode, where it is the
    // event and the item bar.
    const auto showColorInBar = [this](COLORREF color) {
        const LONG mode = m_operation.GetMode();
        if (mode != COperationState::kModeEvent && mode != COperationState::kModeKoumoku) {
            GetAppState()->SetYogoColor(color);
        }
    };
    const YogoAttrCommand* command = FindYogoAttrCommand(cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    const CYogo* selected = nullptr;
    if (m_operation.GetMode() == COperationState::kModeYogo) {
        for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr && selected == nullptr;) {
            const CKoutei* process = AsKoutei(m_doc.GetNextSel(pos));
            for (int i = 0; process != nullptr && i < process->GetYogoCount(); ++i) {
                if (process->IsYogoSelected(i) != 0) {
                    selected = process->GetYogo(i);
                    break;
                }
            }
        }
    }
    const CElemAttr& attr =
        selected != nullptr ? selected->GetAttr() : m_syokiSet.GetChart().GetYogoAttr();
    CAppState& app = *GetAppState();
    int check = 0;
    switch (command->arg) {
    case YogoAttrArg::Form:
        check = attr.m_form == command->value;
        break;
    case YogoAttrArg::LinkPosition:
        check = attr.m_linkPosition == static_cast<short>(command->value);
        break;
    case YogoAttrArg::Color:
        check = attr.m_color == command->value;
        showColorInBar(attr.m_color);
        break;
    case YogoAttrArg::OtherColor:
        check = IsOtherColor(attr.m_color);
        if (check != 0) {
            app.SetYogoCustomColor(attr.m_color);
        }
        showColorInBar(attr.m_color);
        break;
    case YogoAttrArg::Flags:
        check = (attr.m_attrb & command->value) != 0;
        break;
    case YogoAttrArg::Size:
        check = PackedSize(attr) == command->value;
        break;
    case YogoAttrArg::Text:
        cmdUI->Enable(selected != nullptr ? TRUE : FALSE);
        return;
    case YogoAttrArg::BarColor:
        showColorInBar(attr.m_color);
        return;
    }
    cmdUI->SetCheck(check);
}

// ---- Removal ------------------------------------------------------------------------------------

void CChartTerms::RemoveSelYogo() {
    if (m_doc.GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();
    m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process == nullptr || process->CountSelectedYogo() == 0) {
            return;
        }
        m_doc.RedrawObject(object);
        std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        for (int i = copy->GetYogoCount() - 1; i >= 0; --i) {
            if (copy->IsYogoSelected(i) != 0) {
                copy->RemoveYogo(i, TRUE);
            }
        }
        m_doc.ReplaceSelAt(pos, copy.release(), 1);
    });
}

// ---- Find and replace ---------------------------------------------------------------------------

int CChartTerms::FindReplaceYogo(int mode, std::string_view findText, std::string_view replaceText,
                                 BOOL wholeMatch, BOOL selectionOnly) {
    const bool replacing = mode == kReplaceMode;
    // The text a term would get, or nothing when it does not match. A match never begins or ends
    // inside a double-byte character.
    const auto replaced = [&](const CYogo& term) -> std::optional<std::string> {
        std::string text = term.GetText();
        if (wholeMatch) {
            if (text != findText) {
                return std::nullopt;
            }
            text = replaceText;
        } else if (!ReplaceAll(text, findText, replaceText)) {
            return std::nullopt;
        }
        return text;
    };
    // Marks each term tested by whether it matches (giving a match the replaced text when asked);
    // true when any matched.
    const auto search = [&](CKoutei& process, bool selectedOnly, bool giveText) {
        bool any = false;
        for (int i = 0; i < process.GetYogoCount(); ++i) {
            CYogo& term = *process.GetYogo(i);
            if (selectedOnly && term.IsSelected() == 0) {
                continue;
            }
            const std::optional<std::string> text = replaced(term);
            if (!text) {
                term.Deselect();
                continue;
            }
            term.Select();
            if (giveText) {
                term.SetText(*text); // cut to 128 bytes on a character boundary
            }
            any = true;
        }
        return any;
    };

    if (replacing) {
        m_undo.Reset();
        m_undo.BeginGroup();
    }
    // Processes deselected below join the object list after its present last entry.
    const POSITION lastObject = m_doc.GetObjList().GetTailPosition();
    int matched = 0;
    m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        if (!replacing) {
            if (search(*process, selectionOnly != FALSE, false)) {
                ++matched;
            } else {
                m_doc.UnselectAt(pos);
            }
            return;
        }
        std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        if (!search(*copy, selectionOnly != FALSE, true)) {
            m_doc.UnselectAt(pos); // no match: the copy goes
            return;
        }
        ++matched;
        m_doc.RedrawObject(object);
        m_doc.ReplaceSelAt(pos, copy.release(), 0);
    });
    if (!selectionOnly && lastObject != nullptr) {
        OwnedObList<CDataHeader>& objects = m_doc.GetObjList();
        for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            const bool isLast = current == lastObject;
            CKoutei* process = AsKoutei(objects.GetNext(pos));
            if (process != nullptr && !replacing && search(*process, false, false)) {
                ++matched;
                m_doc.SelectAt(current);
            } else if (process != nullptr && replacing) {
                std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
                if (copy != nullptr && search(*copy, false, true)) {
                    ++matched;
                    m_doc.ReplaceObjAt(current, copy.release());
                    m_doc.SelectAt(current);
                }
            }
            if (isLast) {
                break;
            }
        }
    }
    if (replacing) {
        m_undo.EndGroup();
    }
    return matched;
}

} // namespace tembra
