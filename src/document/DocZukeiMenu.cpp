// The shape menu (属性 > 線画) and the line-drawing bar: the value commands through their table,
// the appliers that change the selected shapes as one undo step, styles and the text mode, the
// "その他" colours, the text font, order, deformation, corner radius, grid and the batch change.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/DocCommandTable.h"
#include "document/FontSelDlgRequest.h"
#include "document/TembraDoc.h"
#include "document/ZukeiAttrCommands.h"
#include "document/ZukeiDialogRequests.h"
#include "platform/Ui.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

#include <array>
#include <memory>

namespace tembra {

namespace {

using F = ZukeiAttrField;
using Op = COperationState;

constexpr std::array kZukeiMenu{
    DocCommand{33081, &CTembraDoc::OnZukeiTextMode, &CTembraDoc::OnUpdateZukeiTextMode},
    DocCommand{33100, &CTembraDoc::OnZukeiLineNone, &CTembraDoc::OnUpdateZukeiLineNone},
    DocCommand{33073, &CTembraDoc::OnZukeiOtherColor, &CTembraDoc::OnUpdateZukeiOtherColor},
    DocCommand{33074, &CTembraDoc::OnZukeiOtherHatchColor,
               &CTembraDoc::OnUpdateZukeiOtherHatchColor},
    DocCommand{33103, &CTembraDoc::OnZukeiOtherTextColor, &CTembraDoc::OnUpdateZukeiOtherTextColor},
    DocCommand{33083, &CTembraDoc::OnZukeiTextFont, nullptr, "FontSelDlg"},
    DocCommand{33015, &CTembraDoc::OnZukeiGroup, &CTembraDoc::OnUpdateZukeiGroup},
    DocCommand{33016, &CTembraDoc::OnZukeiUngroup, &CTembraDoc::OnUpdateZukeiUngroup},
    DocCommand{32791, &CTembraDoc::OnZukeiToBack, &CTembraDoc::OnUpdateZukeiOrder},
    DocCommand{32792, &CTembraDoc::OnZukeiToFront, &CTembraDoc::OnUpdateZukeiOrder},
    DocCommand{32789, &CTembraDoc::OnZukeiDeform, &CTembraDoc::OnUpdateZukeiDeform},
    // Each of these only opens a dialog (the selection decides which of a pair; both come with
    // one dialog library), so each stays disabled until its dialogs are there.
    DocCommand{40031, &CTembraDoc::OnZukeiRoundRadius, &CTembraDoc::OnUpdateZukeiRoundRadius,
               "RoundRadiusChangeDlg"},
    DocCommand{40032, &CTembraDoc::OnZukeiGridSet, nullptr, "GridSetDlg"},
    DocCommand{33014, &CTembraDoc::OnZukeiAttrBatch, nullptr, "ZukeiAttrChangeDlg"},
};

// The shape kinds whose outline is a rounded box.
bool IsRoundBox(const CZukei& shape) {
    if (shape.GetKind() == kZukeiBox2) {
        return true;
    }
    if (const auto* text = DynamicDowncast<CZukeiString>(&shape)) {
        return text->GetKind() == kZukeiFramedString && text->GetFrameKind() == kZukeiBox2;
    }
    if (const auto* group = DynamicDowncast<CZukeiGroup>(&shape)) {
        for (int i = 0; i < group->GetElementCount(); ++i) {
            if (IsRoundBox(*group->GetMember(i))) {
                return true;
            }
        }
    }
    return false;
}

// The value of the field in a shape's attributes or in a text's attributes.
DWORD FieldOf(const CZukeiAttr& attr, F field) {
    switch (field) {
    case F::Style:
        return static_cast<DWORD>(attr.m_style);
    case F::PointMode:
        return static_cast<DWORD>(attr.m_pointMode);
    case F::LineType:
        return attr.m_type;
    case F::Width:
        return static_cast<DWORD>(attr.m_width);
    case F::Color:
        return attr.m_color;
    case F::Hatch:
        return attr.m_hatch;
    case F::HatchColor:
        return attr.m_hatchColor;
    default:
        return 0;
    }
}

// Whether the text attributes hold the command's value (X and V).
bool TextHolds(const CTextAttr& attr, const ZukeiAttrCommand& command) {
    switch (command.field) {
    case F::TextEmphasis:
        return (attr.m_attrb & kTextEmphasisBit) != 0;
    case F::TextAlign:
        return attr.m_form == command.value;
    case F::TextVertical:
        return (attr.m_attrb & (kTextTopBit | kTextBottomBit)) == command.value;
    case F::TextColor:
        return attr.m_color == command.value;
    default:
        return false;
    }
}

// The flag rule of the text menu: emphasis toggles, the vertical bits replace each other.
WORD ApplyTextFlag(WORD current, WORD flag) {
    if (flag == kTextEmphasisBit) {
        return static_cast<WORD>(current ^ kTextEmphasisBit);
    }
    return static_cast<WORD>((current & ~(kTextTopBit | kTextBottomBit)) | flag);
}

} // namespace

std::span<const DocCommand> DocZukeiMenu() {
    return kZukeiMenu;
}

// ---- Selection -----------------------------------------------------------------------------

int CTembraDoc::CountSelectedZukei() const {
    int count = 0;
    const ObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        if (AsZukei(selection.GetNext(pos)) != nullptr) {
            ++count;
        }
    }
    return count;
}

CZukei* CTembraDoc::GetFirstSelectedZukei() const {
    const ObList<CDataHeader>& selection = GetSelList();
    return selection.IsEmpty() ? nullptr : AsZukei(selection.GetHead());
}

CZukeiString* CTembraDoc::GetFirstSelectedTextZukei() const {
    const ObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        if (auto* text = DynamicDowncast<CZukeiString>(AsZukei(selection.GetNext(pos)))) {
            return text;
        }
    }
    return nullptr;
}

int CTembraDoc::CountSelectedGroups() const {
    int count = 0;
    const ObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && shape->GetKind() == kZukeiGroup) {
            ++count;
        }
    }
    return count;
}

int CTembraDoc::CountSelectedRoundBoxes() const {
    int count = 0;
    const ObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && IsRoundBox(*shape)) {
            ++count;
        }
    }
    return count;
}

const CZukei* CTembraDoc::FindSelectedRoundBox() const {
    const ObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && shape->GetKind() != kZukeiGroup && IsRoundBox(*shape)) {
            return shape;
        }
    }
    return nullptr;
}

// ---- Appliers ------------------------------------------------------------------------------

template <class Change>
void CTembraDoc::ChangeSelZukei(bool textsOnly, bool deselect, Change change) {
    m_undo.Reset();
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CZukei* shape = AsZukei(object);
        if (shape == nullptr || (textsOnly && DynamicDowncast<CZukeiString>(shape) == nullptr)) {
            return;
        }
        std::unique_ptr<CZukei> before = shape->Clone();
        if (before == nullptr) {
            return;
        }
        change(*shape);
        m_notifier.MarkChanged();
        if (m_undo.AddChange(before.get(), shape) != 0) {
            before.release(); // the history's now
        }
        if (!deselect) {
            RedrawObject(shape);
        }
    });
    if (deselect) {
        // After the walk: deselecting takes the shape out of the list being walked.
        for (POSITION pos = GetSelList().GetHeadPosition(); pos != nullptr;) {
            CZukei* shape = AsZukei(GetSelList().GetNext(pos));
            if (shape != nullptr &&
                (!textsOnly || DynamicDowncast<CZukeiString>(shape) != nullptr)) {
                DeselectZukei(shape);
            }
        }
    }
}

void CTembraDoc::SetSelZukeiPointMode(short mode) {
    ChangeSelZukei(false, false, [mode](CZukei& shape) { shape.SetPointMode(mode); });
}

void CTembraDoc::SetSelZukeiLineType(WORD type) {
    ChangeSelZukei(false, false, [type](CZukei& shape) { shape.SetLineType(type); });
}

void CTembraDoc::SetSelZukeiWidth(short width) {
    ChangeSelZukei(false, false, [width](CZukei& shape) { shape.SetWidth(width); });
}

void CTembraDoc::SetSelZukeiColor(COLORREF color) {
    ChangeSelZukei(false, true, [color](CZukei& shape) { shape.SetColor(color); });
}

void CTembraDoc::SetSelZukeiHatch(WORD hatch) {
    ChangeSelZukei(false, false, [hatch](CZukei& shape) { shape.SetHatch(hatch); });
}

void CTembraDoc::SetSelZukeiHatchColor(COLORREF color) {
    ChangeSelZukei(false, true, [color](CZukei& shape) { shape.SetHatchColor(color); });
}

void CTembraDoc::SetSelZukeiBoxRay(WORD ray) {
    ChangeSelZukei(false, false, [ray](CZukei& shape) { shape.SetBoxRay(ray); });
}

void CTembraDoc::SetSelTextFlags(WORD flag) {
    ChangeSelZukei(true, false, [flag](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_attrb = ApplyTextFlag(attr.m_attrb, flag);
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE);
    });
}

void CTembraDoc::SetSelTextAlign(WORD align) {
    ChangeSelZukei(true, false, [align](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_form = align;
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE); // laid out again; an edit in place goes on
    });
}

void CTembraDoc::SetSelTextColor(COLORREF color) {
    ChangeSelZukei(true, false, [color](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_color = color;
        text.SetTextAttr(attr);
    });
}

void CTembraDoc::SetSelTextSize(WORD size) {
    ChangeSelZukei(true, false, [size](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.SetSize(size);
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE);
    });
}

void CTembraDoc::SetSelZukeiAttrs(const CZukeiAttr& attr, UINT mask) {
    ChangeSelZukei(false, false, [&attr, mask](CZukei& shape) {
        if ((mask & kZukeiMaskLineType) != 0)
            shape.SetLineType(attr.m_type);
        if ((mask & kZukeiMaskWidth) != 0)
            shape.SetWidth(attr.m_width);
        if ((mask & kZukeiMaskColor) != 0)
            shape.SetColor(attr.m_color);
        if ((mask & kZukeiMaskHatch) != 0)
            shape.SetHatch(attr.m_hatch);
        if ((mask & kZukeiMaskHatchColor) != 0)
            shape.SetHatchColor(attr.m_hatchColor);
        if ((mask & kZukeiMaskBoxRay) != 0)
            shape.SetBoxRay(attr.m_boxRay);
        if ((mask & kZukeiMaskPointMode) != 0)
            shape.SetPointMode(attr.m_pointMode);
    });
}

// ---- Value commands ------------------------------------------------------------------------

void CTembraDoc::ApplyZukeiStyle(short code, bool framesText) {
    CZukeiAttr& defaults = m_syokiSet.GetZukei().GetAttr();
    if (!framesText) {
        defaults.m_style = code;
        return;
    }
    if (CountSelectedZukei() == 1) {
        // One text takes the outline as its frame; one other shape keeps its style.
        CZukei* shape = nullptr;
        ForEachSelected([&shape](POSITION, CDataHeader* object) {
            if (shape == nullptr) {
                shape = AsZukei(object);
            }
        });
        if (auto* text = DynamicDowncast<CZukeiString>(shape)) {
            text->SetStyleNo(code);
            text->SetFrameKind(static_cast<WORD>(code + 1));
            text->SetUpdate(TRUE);
            m_notifier.MarkChanged();
            RedrawObject(text);
        }
        return;
    }
    if (m_bZukeiTextMode) {
        defaults.m_style = kTextZukeiStyle;
        m_nZukeiFrameStyle = code;
    } else {
        defaults.m_style = code;
    }
}

BOOL CTembraDoc::OnZukeiAttrCommand(UINT id) {
    const ZukeiAttrCommand* command = FindZukeiAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    if (command->field == F::Style) {
        ApplyZukeiStyle(static_cast<short>(command->value), command->framesText);
        return TRUE;
    }
    const DWORD value = command->value;
    if (IsTextField(command->field)) {
        if (CountSelectedTextZukei() > 0) {
            switch (command->field) {
            case F::TextAlign:
                SetSelTextAlign(static_cast<WORD>(value));
                break;
            case F::TextColor:
                SetSelTextColor(value);
                break;
            default:
                SetSelTextFlags(static_cast<WORD>(value));
                break;
            }
            return TRUE;
        }
        CTextAttr& text = m_syokiSet.GetZukei().GetTextAttr();
        switch (command->field) {
        case F::TextAlign:
            text.m_form = static_cast<WORD>(value);
            break;
        case F::TextColor:
            text.m_color = value;
            break;
        default:
            text.m_attrb = ApplyTextFlag(text.m_attrb, static_cast<WORD>(value));
            break;
        }
        return TRUE;
    }
    if (CountSelectedZukei() > 0) {
        switch (command->field) {
        case F::PointMode:
            SetSelZukeiPointMode(static_cast<short>(value));
            break;
        case F::LineType:
            SetSelZukeiLineType(static_cast<WORD>(value));
            break;
        case F::Width:
            SetSelZukeiWidth(static_cast<short>(value));
            break;
        case F::Color:
            SetSelZukeiColor(value);
            break;
        case F::Hatch:
            SetSelZukeiHatch(static_cast<WORD>(value));
            break;
        case F::HatchColor:
            SetSelZukeiHatchColor(value);
            break;
        default:
            break;
        }
        return TRUE;
    }
    CZukeiAttr& defaults = m_syokiSet.GetZukei().GetAttr();
    switch (command->field) {
    case F::PointMode:
        defaults.m_pointMode = static_cast<short>(value);
        break;
    case F::LineType:
        defaults.m_type = static_cast<WORD>(value);
        break;
    case F::Width:
        defaults.m_width = static_cast<short>(value);
        break;
    case F::Color:
        defaults.m_color = value;
        break;
    case F::Hatch:
        defaults.m_hatch = static_cast<WORD>(value);
        break;
    case F::HatchColor:
        defaults.m_hatchColor = value;
        break;
    default:
        break;
    }
    return TRUE;
}

void CTembraDoc::UpdateStyleUI(CCmdUI* cmdUI, short code, bool framesText) {
    const CZukeiAttr& defaults = m_syokiSet.GetZukei().GetAttr();
    if (CountSelectedZukei() == 0) {
        cmdUI->Enable(TRUE);
        const bool framed =
            framesText && defaults.m_style == kTextZukeiStyle && m_nZukeiFrameStyle == code;
        cmdUI->SetCheck(defaults.m_style == code || framed ? 1 : 0);
        return;
    }
    const CZukei* first = GetFirstSelectedZukei();
    if (first == nullptr) {
        cmdUI->Enable(FALSE);
        cmdUI->SetCheck(0);
        return;
    }
    const auto* text = DynamicDowncast<CZukeiString>(first);
    if (framesText && text != nullptr) {
        cmdUI->SetCheck(text->GetStyleNo() == code ? 1 : 0);
        cmdUI->Enable(CountSelectedZukei() == 1);
        return;
    }
    cmdUI->SetCheck(first->GetStyle() == code ? 1 : 0);
    cmdUI->Enable(FALSE);
}

void CTembraDoc::UpdateZukeiAttrUI(CCmdUI* cmdUI) {
    const ZukeiAttrCommand* command = FindZukeiAttrCommand(cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    if (command->field == F::Style) {
        UpdateStyleUI(cmdUI, static_cast<short>(command->value), command->framesText);
        return;
    }
    if (IsTextField(command->field)) {
        const CZukeiString* text =
            CountSelectedTextZukei() > 0 ? GetFirstSelectedTextZukei() : nullptr;
        const CTextAttr& attr =
            text != nullptr ? text->GetTextAttr() : m_syokiSet.GetZukei().GetTextAttr();
        cmdUI->SetCheck(TextHolds(attr, *command) ? 1 : 0);
        if (command->field == F::TextVertical && text != nullptr) {
            cmdUI->Enable(text->GetEditState() == 0);
        }
        return;
    }
    if (CountSelectedZukei() == 0) {
        cmdUI->SetCheck(FieldOf(m_syokiSet.GetZukei().GetAttr(), command->field) == command->value);
        return;
    }
    const CZukei* first = GetFirstSelectedZukei();
    cmdUI->SetCheck(
        first != nullptr && FieldOf(first->GetAttr(), command->field) == command->value ? 1 : 0);
}

// ---- Commands of their own -----------------------------------------------------------------

void CTembraDoc::OnZukeiTextMode() {
    CZukeiAttr& defaults = m_syokiSet.GetZukei().GetAttr();
    m_bZukeiTextMode = !m_bZukeiTextMode;
    if (!m_bZukeiTextMode && defaults.m_style == kTextZukeiStyle) {
        defaults.m_style = m_nZukeiFrameStyle;
    }
    const short style = defaults.m_style == kTextZukeiStyle ? m_nZukeiFrameStyle : defaults.m_style;
    for (const ZukeiAttrCommand& command : ZukeiAttrCommands()) {
        if (command.field == F::Style && command.framesText &&
            static_cast<short>(command.value) == style) {
            ApplyZukeiStyle(style, true);
            return;
        }
    }
}

void CTembraDoc::OnUpdateZukeiTextMode(CCmdUI* cmdUI) {
    if (CountSelectedZukei() == 0) {
        cmdUI->SetCheck(m_bZukeiTextMode ? 1 : 0);
    } else {
        cmdUI->SetCheck(DynamicDowncast<CZukeiString>(GetFirstSelectedZukei()) != nullptr ? 1 : 0);
    }
    cmdUI->Enable(m_operation.GetOperation() == Op::kOpDraw);
}

void CTembraDoc::OnZukeiLineNone() {
    if (CountSelectedTextZukei() > 0) {
        SetSelZukeiLineType(kNoLineType);
    }
}

void CTembraDoc::OnUpdateZukeiLineNone(CCmdUI* cmdUI) {
    const int texts = CountSelectedTextZukei();
    cmdUI->Enable(texts > 0);
    const CZukei* first = texts > 0 ? GetFirstSelectedTextZukei() : nullptr;
    cmdUI->SetCheck(first != nullptr && first->GetLineType() == kNoLineType ? 1 : 0);
}

void CTembraDoc::OnZukeiOtherColor() {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return; // Cancel applies nothing
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (CountSelectedZukei() > 0) {
        SetSelZukeiColor(color);
    } else {
        m_syokiSet.GetZukei().GetAttr().m_color = color;
    }
}

void CTembraDoc::OnZukeiOtherHatchColor() {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (CountSelectedZukei() > 0) {
        SetSelZukeiHatchColor(color);
    } else {
        m_syokiSet.GetZukei().GetAttr().m_hatchColor = color;
    }
}

void CTembraDoc::OnZukeiOtherTextColor() {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (CountSelectedTextZukei() > 0) {
        SetSelTextColor(color);
    } else {
        m_syokiSet.GetZukei().GetTextAttr().m_color = color;
    }
}

void CTembraDoc::UpdateOtherColorUI(CCmdUI* cmdUI, COLORREF color) {
    const bool other = IsOtherColor(color);
    if (other) {
        GetAppState()->SetZukeiCustomColor(color);
    }
    cmdUI->SetCheck(other ? 1 : 0);
}

void CTembraDoc::OnUpdateZukeiOtherColor(CCmdUI* cmdUI) {
    const CZukei* first = GetFirstSelectedZukei();
    UpdateOtherColorUI(cmdUI, CountSelectedZukei() > 0
                                  ? (first != nullptr ? first->GetColor() : RGB(0, 0, 0))
                                  : m_syokiSet.GetZukei().GetAttr().m_color);
}

void CTembraDoc::OnUpdateZukeiOtherHatchColor(CCmdUI* cmdUI) {
    const CZukei* first = GetFirstSelectedZukei();
    UpdateOtherColorUI(cmdUI, CountSelectedZukei() > 0
                                  ? (first != nullptr ? first->GetHatchColor() : RGB(0, 0, 0))
                                  : m_syokiSet.GetZukei().GetAttr().m_hatchColor);
}

void CTembraDoc::OnUpdateZukeiOtherTextColor(CCmdUI* cmdUI) {
    const CZukeiString* text = CountSelectedTextZukei() > 0 ? GetFirstSelectedTextZukei() : nullptr;
    UpdateOtherColorUI(cmdUI, text != nullptr ? text->GetTextAttr().m_color
                                              : m_syokiSet.GetZukei().GetTextAttr().m_color);
}

void CTembraDoc::OnZukeiTextFont() {
    const bool texts = CountSelectedTextZukei() > 0;
    FontSelDlgRequest request;
    request.font =
        texts ? GetFirstSelectedTextZukei()->GetFont() : m_syokiSet.GetZukei().GetLogFont();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    LOGFONT font = request.font;
    font.lfWidth = 0;
    if (!texts) {
        m_syokiSet.GetZukei().SetLogFont(font);
        return;
    }
    ChangeSelZukei(true, false, [&font](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        text.SetFont(font);
        text.SetUpdate(TRUE);
    });
}

void CTembraDoc::OnUpdateZukeiGroup(CCmdUI* cmdUI) {
    cmdUI->Enable(CountSelectedZukei() >= 2);
}

void CTembraDoc::OnUpdateZukeiUngroup(CCmdUI* cmdUI) {
    cmdUI->Enable(CountSelectedGroups() > 0);
}

void CTembraDoc::OnZukeiToBack() {
    ChangeZukeiOrder(FALSE);
}

void CTembraDoc::OnZukeiToFront() {
    ChangeZukeiOrder(TRUE);
}

void CTembraDoc::OnUpdateZukeiOrder(CCmdUI* cmdUI) {
    cmdUI->Enable(CountSelectedZukei() > 0);
}

void CTembraDoc::OnZukeiDeform() {
    m_operation.SetOperation(Op::kOpDeformApply);
}

void CTembraDoc::OnUpdateZukeiDeform(CCmdUI* cmdUI) {
    cmdUI->Enable(m_operation.GetMode() == Op::kModeZukei);
    const LONG operation = m_operation.GetOperation();
    cmdUI->SetCheck(operation == Op::kOpDeformApply || operation == Op::kOpDeformPick ? 1 : 0);
}

void CTembraDoc::OnZukeiRoundRadius() {
    if (CountSelectedZukei() == 0) {
        RoundRadiusSetDlgRequest request(m_syokiSet);
        Ui().RunDialog(request);
        return;
    }
    RoundRadiusChangeDlgRequest request;
    const CZukei* box = FindSelectedRoundBox();
    request.radius = box != nullptr ? box->GetBoxRay() : 1;
    if (Ui().RunDialog(request) == IDOK) {
        SetSelZukeiBoxRay(request.radius);
    }
}

void CTembraDoc::OnUpdateZukeiRoundRadius(CCmdUI* cmdUI) {
    cmdUI->Enable(CountSelectedZukei() == 0 || CountSelectedRoundBoxes() > 0);
}

void CTembraDoc::OnZukeiGridSet() {
    GridSetDlgRequest request(m_syokiSet);
    Ui().RunDialog(request);
}

void CTembraDoc::OnZukeiAttrBatch() {
    if (CountSelectedZukei() == 0) {
        ZukeiAttrSetDlgRequest request(m_syokiSet);
        Ui().RunDialog(request);
        return;
    }
    const CZukei* first = nullptr;
    ForEachSelected([&first](POSITION, CDataHeader* object) {
        if (first == nullptr) {
            first = AsZukei(object);
        }
    });
    ZukeiAttrChangeDlgRequest request;
    request.attr = first->GetAttr();
    if (const auto* text = DynamicDowncast<CZukeiString>(first)) {
        request.flags = text->GetTextAttr().m_attrb;
    }
    // Only what the user confirmed is applied: a cancelled dialog changes nothing.
    if (Ui().RunDialog(request) == IDOK && request.mask != 0) {
        SetSelZukeiAttrs(request.attr, request.mask);
    }
}

} // namespace tembra
