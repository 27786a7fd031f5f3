// The terms of the selected processes as the term menu and the find and replace dialog change
// them: their attributes, their removal, and the search and replacement of their texts. Each
// changed process is replaced by a changed copy that keeps its number.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/YogoAttrCommands.h"
#include "model/OperationState.h"
#include "model/Utility.h"

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

// ---- Attributes ---------------------------------------------------------------------------------

void CTembraDoc::SetYogoAttr(int form, COLORREF color, WORD decoration, int size,
                             std::string_view text, int linkPosition, int ownFont,
                             const LOGFONT* logFont) {
    const bool setForm = form >= 0;
    const bool setColor = color != kUnchangedColor;
    const bool setDecoration = decoration != kUnchangedFlags;
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
        ActsOnSelection(m_operation.GetOperation()) && !GetSelList().IsEmpty()) {
        m_undo.Reset();
        ForEachSelected([&](POSITION pos, CDataHeader* object) {
            const CKoutei* process = AsKoutei(object);
            if (process == nullptr || process->CountSelectedYogo() == 0) {
                return;
            }
            RedrawObject(object);
            std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
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
            ReplaceSelAt(pos, copy.release(), setColor ? 1 : 0);
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

void CTembraDoc::UpdateYogoAttrUI(CCmdUI* cmdUI) {
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
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr && selected == nullptr;) {
            const CKoutei* process = AsKoutei(GetNextSel(pos));
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

void CTembraDoc::RemoveSelYogo() {
    if (GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();
    ForEachSelected([&](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process == nullptr || process->CountSelectedYogo() == 0) {
            return;
        }
        RedrawObject(object);
        std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        for (int i = copy->GetYogoCount() - 1; i >= 0; --i) {
            if (copy->IsYogoSelected(i) != 0) {
                copy->RemoveYogo(i, TRUE);
            }
        }
        ReplaceSelAt(pos, copy.release(), 1);
    });
}

// ---- Find and replace ---------------------------------------------------------------------------

int CTembraDoc::FindReplaceYogo(int mode, std::string_view findText, std::string_view replaceText,
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
    const POSITION lastObject = GetObjList().GetTailPosition();
    int matched = 0;
    ForEachSelected([&](POSITION pos, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        if (!replacing) {
            if (search(*process, selectionOnly != FALSE, false)) {
                ++matched;
            } else {
                UnselectAt(pos);
            }
            return;
        }
        std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        if (!search(*copy, selectionOnly != FALSE, true)) {
            UnselectAt(pos); // no match: the copy goes
            return;
        }
        ++matched;
        RedrawObject(object);
        ReplaceSelAt(pos, copy.release(), 0);
    });
    if (!selectionOnly && lastObject != nullptr) {
        OwnedObList<CDataHeader>& objects = GetObjList();
        for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            const bool isLast = current == lastObject;
            CKoutei* process = AsKoutei(objects.GetNext(pos));
            if (process != nullptr && !replacing && search(*process, false, false)) {
                ++matched;
                SelectAt(current);
            } else if (process != nullptr && replacing) {
                std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
                if (copy != nullptr && search(*copy, false, true)) {
                    ++matched;
                    ReplaceObjAt(current, copy.release());
                    SelectAt(current);
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
