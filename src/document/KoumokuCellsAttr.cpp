// The attributes of the selected item cells from the item attribute menu, with its menu state,
// and the find and replace of cell texts.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/KoumokuCells.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"

#include <optional>
#include <string>

namespace tembra {

namespace {

constexpr int kUnchanged = -1;
// Mode of ReplaceKoumokuText that replaces; any other finds.
constexpr int kReplaceMode = 2;

constexpr WORD kAlignBits = CKoumokuData::kTop | CKoumokuData::kBottom;

// The flag rule of the item menus. Top and bottom exclude each other, and both together (行中央)
// clear the vertical placement alone: the other decorations stay. Then bit 15 gives the whole
// word, 0 clears it, and other bits toggle together.
WORD ApplyKoumokuFlags(WORD current, int code) {
    WORD bits = static_cast<WORD>(code);
    if ((bits & kAlignBits) == kAlignBits) {
        current = static_cast<WORD>(current & ~kAlignBits);
        bits = static_cast<WORD>(bits & ~kAlignBits);
        if (bits == 0) {
            return current;
        }
    } else if ((bits & CKoumokuData::kTop) != 0) {
        current = static_cast<WORD>(current & ~CKoumokuData::kBottom);
    } else if ((bits & CKoumokuData::kBottom) != 0) {
        current = static_cast<WORD>(current & ~CKoumokuData::kTop);
    }
    return ApplyAttrFlags(current, bits);
}

// The values an item command is compared with.
struct KoumokuLook {
    WORD format = 0;
    COLORREF color = 0;
    WORD flags = 0;
    WORD size = 0;
};

int CheckOf(const AttrCommand& command, const KoumokuLook& look) {
    switch (command.arg) {
    case AttrArg::Form:
        return look.format == command.value ? 1 : 0;
    case AttrArg::Color:
        return look.color == command.value ? 1 : 0;
    case AttrArg::OtherColor:
        return IsOtherColor(look.color) ? 1 : 0;
    case AttrArg::Flags:
        if (command.value == kAlignBits) {
            return (look.flags & kAlignBits) == 0 ? 1 : 0; // 行中央: neither placement bit
        }
        return (look.flags & command.value) != 0 ? 1 : 0;
    case AttrArg::Size:
        return look.size == command.value ? 1 : 0;
    case AttrArg::Text:
    case AttrArg::BarColor:
        break;
    }
    return 0;
}

} // namespace

// ---- Attributes ---------------------------------------------------------------------------------

void CKoumokuCells::SetKoumokuAttr(int format, COLORREF color, int flagCode, int sizeCode,
                                   std::string_view text, int rowLineType, int lineA, int lineB,
                                   int ownFont, const LOGFONT* font, WORD flagMask) {
    const bool setColor = color != CTembraDoc::kUnchangedColor;
    // Gives the values to a cell; whether it received any.
    const auto apply = [&](CKoumokuData& cell) {
        bool received = false;
        if (format != kUnchanged) {
            cell.SetFormat(static_cast<WORD>(format));
            received = true;
        }
        if (setColor) {
            cell.SetColor(color);
            received = true;
        }
        if (flagCode != kUnchanged) {
            const WORD current = cell.GetFlags();
            cell.SetFlags(flagMask == 0xFFFF
                              ? ApplyKoumokuFlags(current, flagCode)
                              : static_cast<WORD>((current & ~flagMask) | (flagCode & flagMask)));
            received = true;
        }
        if (sizeCode != kUnchanged) {
            cell.SetSize(static_cast<WORD>(sizeCode));
            received = true;
        }
        if (!text.empty()) {
            cell.SetText(text);
            GetAppState()->AddYogoHistory(std::string(text));
            received = true;
        }
        if (lineA != kUnchanged) {
            cell.SetKeisenWord1(static_cast<WORD>(lineA));
            received = true;
        }
        if (lineB != kUnchanged) {
            cell.SetKeisenWord2(static_cast<WORD>(lineB));
            received = true;
        }
        if (ownFont != kUnchanged) {
            cell.SetOwnFont(static_cast<WORD>(ownFont));
            if (ownFont != 0 && font != nullptr) {
                cell.SetLogFont(*font);
            }
            received = true;
        }
        return received;
    };

    bool anyReceived = false;
    const LONG operation = m_doc.GetOperation().GetOperation();
    if (m_doc.GetOperation().GetMode() == COperationState::kModeKoumoku &&
        (operation == COperationState::kOpDraw || operation == COperationState::kOpEdit) &&
        IsKoumokuSelected()) {
        m_doc.GetUndoHistory().Reset();
        if (rowLineType != kUnchanged) {
            RecordKeisenTypes();
        }
        for (int column = GetKoumokuColCount() - 1; column >= 0; --column) {
            for (int row = GetKoumokuRowCount(column) - 1; row >= 0; --row) {
                CKoumokuData* cell = GetKoumokuCell(row, column);
                if (cell == nullptr || cell->IsSelected() == 0) {
                    continue;
                }
                m_doc.RedrawObject(cell);
                if (rowLineType != kUnchanged) {
                    m_objects.GetKoumoku().SetKeisenType(row, static_cast<WORD>(rowLineType));
                }
                std::unique_ptr<CKoumokuData> copy = CopyKoumokuData(row, column, cell);
                if (copy != nullptr && apply(*copy)) {
                    SetKoumokuCell(row, column, std::move(copy));
                    anyReceived = true;
                }
            }
        }
    }
    if (anyReceived) {
        return;
    }

    // No cell took them: the values are for the next new cells.
    CFontAttr& defaults = m_doc.GetSyokiSet().GetChart().GetKoumokuAttr();
    if (format != kUnchanged) {
        defaults.m_form = static_cast<WORD>(format);
    }
    if (setColor) {
        defaults.m_color = color;
        if (IsOtherColor(color)) {
            GetAppState()->SetKoumokuCustomColor(color);
        }
    }
    if (flagCode != kUnchanged) {
        defaults.m_attrb = ApplyKoumokuFlags(defaults.m_attrb, flagCode);
    }
    if (sizeCode != kUnchanged) {
        defaults.m_fontHeigh = static_cast<WORD>((sizeCode >> 8) & 0xFF);
        defaults.m_fontWidth = static_cast<WORD>(sizeCode & 0xFF);
    }
    if (font != nullptr) {
        m_doc.GetUndoHistory().Reset();
        defaults.SetLogFont(*font);
        m_doc.UpdateAllViews(nullptr);
    }
}

void CKoumokuCells::UpdateKoumokuAttrUI(CCmdUI* cmdUI) {
    // The term bar is the item bar in the item mode only.
    const auto showColorInBar = [this](COLORREF color) {
        if (m_doc.GetOperation().GetMode() == COperationState::kModeKoumoku) {
            GetAppState()->SetYogoColor(color);
        }
    };
    const AttrCommand* command = FindAttrCommand(KoumokuAttrCommands(), cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    const LONG operation = m_doc.GetOperation().GetOperation();
    const bool onCells =
        m_doc.GetOperation().GetMode() == COperationState::kModeKoumoku &&
        (operation == COperationState::kOpDraw || operation == COperationState::kOpEdit) &&
        IsKoumokuSelected();
    KoumokuLook look;
    if (onCells) {
        int firstRow = -1;
        int lastRow = -1;
        int firstColumn = -1;
        int lastColumn = -1;
        GetSelectedKoumokuRows(firstRow, lastRow);
        GetSelectedKoumokuCols(firstColumn, lastColumn);
        const CKoumokuData* cell = GetKoumokuCell(firstRow, firstColumn);
        if (cell == nullptr) {
            return;
        }
        look = {cell->GetFormat(), cell->GetColor(), cell->GetFlags(), cell->GetSize()};
    } else {
        const CFontAttr& defaults = m_doc.GetSyokiSet().GetChart().GetKoumokuAttr();
        look = {defaults.m_form, defaults.m_color, defaults.m_attrb,
                static_cast<WORD>(((defaults.m_fontHeigh & 0xFF) << 8) |
                                  (defaults.m_fontWidth & 0xFF))};
    }

    switch (command->arg) {
    case AttrArg::Text:
        cmdUI->Enable(onCells ? TRUE : FALSE);
        return;
    case AttrArg::BarColor:
        showColorInBar(look.color);
        return;
    case AttrArg::Color:
    case AttrArg::OtherColor:
        if (IsOtherColor(look.color)) {
            GetAppState()->SetKoumokuCustomColor(look.color);
        }
        break;
    default:
        break;
    }
    cmdUI->SetCheck(CheckOf(*command, look));
}

BOOL CKoumokuCells::OnKoumokuAttrCommand(UINT id) {
    const AttrCommand* command = FindAttrCommand(KoumokuAttrCommands(), id);
    if (command == nullptr) {
        return FALSE;
    }
    const int value = static_cast<int>(command->value);
    switch (command->arg) {
    case AttrArg::Form:
        SetKoumokuAttr(value, CTembraDoc::kUnchangedColor, kUnchanged, kUnchanged, {}, kUnchanged,
                       kUnchanged, kUnchanged, kUnchanged, nullptr);
        return TRUE;
    case AttrArg::Color:
        SetKoumokuAttr(kUnchanged, command->value, kUnchanged, kUnchanged, {}, kUnchanged,
                       kUnchanged, kUnchanged, kUnchanged, nullptr);
        return TRUE;
    case AttrArg::OtherColor:
        SetKoumokuAttr(kUnchanged, GetAppState()->GetKoumokuCustomColor(), kUnchanged, kUnchanged,
                       {}, kUnchanged, kUnchanged, kUnchanged, kUnchanged, nullptr);
        return TRUE;
    case AttrArg::Flags:
        SetKoumokuAttr(kUnchanged, CTembraDoc::kUnchangedColor, value, kUnchanged, {}, kUnchanged,
                       kUnchanged, kUnchanged, kUnchanged, nullptr);
        return TRUE;
    case AttrArg::Size:
        SetKoumokuAttr(kUnchanged, CTembraDoc::kUnchangedColor, kUnchanged, value, {}, kUnchanged,
                       kUnchanged, kUnchanged, kUnchanged, nullptr);
        return TRUE;
    case AttrArg::Text:
    case AttrArg::BarColor:
        break; // their values come from the term bar
    }
    return FALSE;
}

// ---- Find and replace ---------------------------------------------------------------------------

int CKoumokuCells::ReplaceKoumokuText(int mode, std::string_view search,
                                      std::string_view replacement, BOOL whole, BOOL selectedOnly) {
    const bool replace = mode == kReplaceMode;
    if (replace) {
        m_doc.GetUndoHistory().Reset();
        m_doc.GetUndoHistory().BeginGroup();
    }
    int matched = 0;
    for (int column = GetKoumokuColCount() - 1; column >= 0; --column) {
        for (int row = GetKoumokuRowCount(column) - 1; row >= 0; --row) {
            CKoumokuData* cell = GetKoumokuCell(row, column);
            if (cell == nullptr || (selectedOnly && cell->IsSelected() == 0)) {
                continue;
            }
            std::string text = cell->GetText();
            if (whole) {
                if (text != search) {
                    continue;
                }
                text = replacement;
            } else if (!ReplaceAll(text, search, replacement)) {
                continue;
            }
            ++matched;
            if (!replace) {
                continue;
            }
            if (std::unique_ptr<CKoumokuData> copy = CopyKoumokuData(row, column, cell)) {
                copy->SetText(text);
                m_doc.RedrawObject(cell);
                SetKoumokuCell(row, column, std::move(copy));
            }
        }
    }
    if (replace) {
        m_doc.GetUndoHistory().EndGroup();
    }
    return matched;
}

} // namespace tembra
