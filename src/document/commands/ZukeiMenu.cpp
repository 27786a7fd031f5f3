// The shape menu (属性 > 線画) and the line-drawing bar: the value commands through their table,
// styles and the text mode, the "その他" colours, the text font, grouping, order, deformation,
// corner radius, grid and the batch change. The appliers are the shapes
// part's (ChartShapesSelAttr.cpp).
#include "document/commands/ZukeiMenu.h"

#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/CommandIds.h"
#include "document/FontSelDlgRequest.h"
#include "document/TembraDoc.h"
#include "document/ZukeiAttrCommands.h"
#include "document/ZukeiDialogRequests.h"
#include "document/commands/DocCommandTable.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <unordered_set>
#include <vector>

namespace tembra {

namespace {

using F = ZukeiAttrField;
using Op = COperationState;

constexpr UINT IDS_NO_SHAPE_DATA = 5021;

// The style code a group is made with.
constexpr short kGroupStyle = 17;

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

void ApplyZukeiStyle(CTembraDoc& doc, short code, bool framesText) {
    CZukeiAttr& defaults = doc.GetSyokiSet().GetZukei().GetAttr();
    if (!framesText) {
        defaults.m_style = code;
        return;
    }
    if (doc.GetShapes().CountSelectedZukei() == 1) {
        // One text takes the outline as its frame; one other shape keeps its style.
        CZukei* shape = nullptr;
        doc.ForEachSelected([&shape](POSITION, CDataHeader* object) {
            if (shape == nullptr) {
                shape = AsZukei(object);
            }
        });
        if (auto* text = DynamicDowncast<CZukeiString>(shape)) {
            text->SetStyleNo(code);
            text->SetFrameKind(static_cast<WORD>(code + 1));
            text->SetUpdate(TRUE);
            doc.MarkChanged();
            doc.RedrawObject(text);
        }
        return;
    }
    if (doc.GetShapes().GetZukeiTextMode()) {
        defaults.m_style = kTextZukeiStyle;
        doc.GetShapes().SetZukeiFrameStyle(code);
    } else {
        defaults.m_style = code;
    }
}

void UpdateStyleUI(CTembraDoc& doc, CCmdUI* cmdUI, short code, bool framesText) {
    const CZukeiAttr& defaults = doc.GetSyokiSet().GetZukei().GetAttr();
    if (doc.GetShapes().CountSelectedZukei() == 0) {
        cmdUI->Enable(TRUE);
        const bool framed = framesText && defaults.m_style == kTextZukeiStyle &&
                            doc.GetShapes().GetZukeiFrameStyle() == code;
        cmdUI->SetCheck(defaults.m_style == code || framed ? 1 : 0);
        return;
    }
    const CZukei* first = doc.GetShapes().GetFirstSelectedZukei();
    if (first == nullptr) {
        cmdUI->Enable(FALSE);
        cmdUI->SetCheck(0);
        return;
    }
    const auto* text = DynamicDowncast<CZukeiString>(first);
    if (framesText && text != nullptr) {
        cmdUI->SetCheck(text->GetStyleNo() == code ? 1 : 0);
        cmdUI->Enable(doc.GetShapes().CountSelectedZukei() == 1);
        return;
    }
    cmdUI->SetCheck(first->GetStyle() == code ? 1 : 0);
    cmdUI->Enable(FALSE);
}

void OnZukeiTextMode(CTembraDoc& doc) {
    CZukeiAttr& defaults = doc.GetSyokiSet().GetZukei().GetAttr();
    doc.GetShapes().SetZukeiTextMode(doc.GetShapes().GetZukeiTextMode() ? FALSE : TRUE);
    if (!doc.GetShapes().GetZukeiTextMode() && defaults.m_style == kTextZukeiStyle) {
        defaults.m_style = doc.GetShapes().GetZukeiFrameStyle();
    }
    const short style = defaults.m_style == kTextZukeiStyle ? doc.GetShapes().GetZukeiFrameStyle()
                                                            : defaults.m_style;
    for (const ZukeiAttrCommand& command : ZukeiAttrCommands()) {
        if (command.field == F::Style && command.framesText &&
            static_cast<short>(command.value) == style) {
            ApplyZukeiStyle(doc, style, true);
            return;
        }
    }
}

void OnUpdateZukeiTextMode(CTembraDoc& doc, CCmdUI* cmdUI) {
    if (doc.GetShapes().CountSelectedZukei() == 0) {
        cmdUI->SetCheck(doc.GetShapes().GetZukeiTextMode() ? 1 : 0);
    } else {
        cmdUI->SetCheck(
            DynamicDowncast<CZukeiString>(doc.GetShapes().GetFirstSelectedZukei()) != nullptr ? 1
                                                                                              : 0);
    }
    cmdUI->Enable(doc.GetOperation().GetOperation() == Op::kOpDraw);
}

void OnZukeiLineNone(CTembraDoc& doc) {
    if (doc.GetShapes().CountSelectedTextZukei() > 0) {
        doc.GetShapes().SetSelZukeiLineType(kNoLineType);
    }
}

void OnUpdateZukeiLineNone(CTembraDoc& doc, CCmdUI* cmdUI) {
    const int texts = doc.GetShapes().CountSelectedTextZukei();
    cmdUI->Enable(texts > 0);
    const CZukei* first = texts > 0 ? doc.GetShapes().GetFirstSelectedTextZukei() : nullptr;
    cmdUI->SetCheck(first != nullptr && first->GetLineType() == kNoLineType ? 1 : 0);
}

void OnZukeiOtherColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return; // Cancel applies nothing
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (doc.GetShapes().CountSelectedZukei() > 0) {
        doc.GetShapes().SetSelZukeiColor(color);
    } else {
        doc.GetSyokiSet().GetZukei().GetAttr().m_color = color;
    }
}

void OnZukeiOtherHatchColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (doc.GetShapes().CountSelectedZukei() > 0) {
        doc.GetShapes().SetSelZukeiHatchColor(color);
    } else {
        doc.GetSyokiSet().GetZukei().GetAttr().m_hatchColor = color;
    }
}

void OnZukeiOtherTextColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetZukeiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetZukeiCustomColor(color);
    if (doc.GetShapes().CountSelectedTextZukei() > 0) {
        doc.GetShapes().SetSelTextColor(color);
    } else {
        doc.GetSyokiSet().GetZukei().GetTextAttr().m_color = color;
    }
}

void UpdateOtherColorUI(CTembraDoc& /*doc*/, CCmdUI* cmdUI, COLORREF color) {
    const bool other = IsOtherColor(color);
    if (other) {
        GetAppState()->SetZukeiCustomColor(color);
    }
    cmdUI->SetCheck(other ? 1 : 0);
}

void OnUpdateZukeiOtherColor(CTembraDoc& doc, CCmdUI* cmdUI) {
    const CZukei* first = doc.GetShapes().GetFirstSelectedZukei();
    UpdateOtherColorUI(doc, cmdUI,
                       doc.GetShapes().CountSelectedZukei() > 0
                           ? (first != nullptr ? first->GetColor() : RGB(0, 0, 0))
                           : doc.GetSyokiSet().GetZukei().GetAttr().m_color);
}

void OnUpdateZukeiOtherHatchColor(CTembraDoc& doc, CCmdUI* cmdUI) {
    const CZukei* first = doc.GetShapes().GetFirstSelectedZukei();
    UpdateOtherColorUI(doc, cmdUI,
                       doc.GetShapes().CountSelectedZukei() > 0
                           ? (first != nullptr ? first->GetHatchColor() : RGB(0, 0, 0))
                           : doc.GetSyokiSet().GetZukei().GetAttr().m_hatchColor);
}

void OnUpdateZukeiOtherTextColor(CTembraDoc& doc, CCmdUI* cmdUI) {
    const CZukeiString* text = doc.GetShapes().CountSelectedTextZukei() > 0
                                   ? doc.GetShapes().GetFirstSelectedTextZukei()
                                   : nullptr;
    UpdateOtherColorUI(doc, cmdUI,
                       text != nullptr ? text->GetTextAttr().m_color
                                       : doc.GetSyokiSet().GetZukei().GetTextAttr().m_color);
}

void OnZukeiTextFont(CTembraDoc& doc) {
    const bool texts = doc.GetShapes().CountSelectedTextZukei() > 0;
    FontSelDlgRequest request;
    request.font = texts ? doc.GetShapes().GetFirstSelectedTextZukei()->GetFont()
                         : doc.GetSyokiSet().GetZukei().GetLogFont();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    LOGFONT font = request.font;
    font.lfWidth = 0;
    if (!texts) {
        doc.GetSyokiSet().GetZukei().SetLogFont(font);
        return;
    }
    doc.GetShapes().ChangeSelZukei(true, false, [&font](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        text.SetFont(font);
        text.SetUpdate(TRUE);
    });
}

void OnUpdateZukeiGroup(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetShapes().CountSelectedZukei() >= 2);
}

void OnUpdateZukeiUngroup(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetShapes().CountSelectedGroups() > 0);
}

void OnZukeiToBack(CTembraDoc& doc) {
    doc.GetShapes().ChangeZukeiOrder(FALSE);
}

void OnZukeiToFront(CTembraDoc& doc) {
    doc.GetShapes().ChangeZukeiOrder(TRUE);
}

void OnUpdateZukeiOrder(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetShapes().CountSelectedZukei() > 0);
}

void OnZukeiDeform(CTembraDoc& doc) {
    doc.GetOperation().SetOperation(Op::kOpDeformApply);
}

void OnUpdateZukeiDeform(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetOperation().GetMode() == Op::kModeZukei);
    const LONG operation = doc.GetOperation().GetOperation();
    cmdUI->SetCheck(operation == Op::kOpDeformApply || operation == Op::kOpDeformPick ? 1 : 0);
}

void OnZukeiRoundRadius(CTembraDoc& doc) {
    if (doc.GetShapes().CountSelectedZukei() == 0) {
        RoundRadiusSetDlgRequest request(doc.GetSyokiSet());
        Ui().RunDialog(request);
        return;
    }
    RoundRadiusChangeDlgRequest request;
    const CZukei* box = doc.GetShapes().FindSelectedRoundBox();
    request.radius = box != nullptr ? box->GetBoxRay() : 1;
    if (Ui().RunDialog(request) == IDOK) {
        doc.GetShapes().SetSelZukeiBoxRay(request.radius);
    }
}

void OnUpdateZukeiRoundRadius(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetShapes().CountSelectedZukei() == 0 ||
                  doc.GetShapes().CountSelectedRoundBoxes() > 0);
}

void OnZukeiGridSet(CTembraDoc& doc) {
    GridSetDlgRequest request(doc.GetSyokiSet());
    Ui().RunDialog(request);
}

void OnZukeiAttrBatch(CTembraDoc& doc) {
    if (doc.GetShapes().CountSelectedZukei() == 0) {
        ZukeiAttrSetDlgRequest request(doc.GetSyokiSet());
        Ui().RunDialog(request);
        return;
    }
    const CZukei* first = nullptr;
    doc.ForEachSelected([&first](POSITION, CDataHeader* object) {
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
        doc.GetShapes().SetSelZukeiAttrs(request.attr, request.mask);
    }
}

constexpr std::array kZukeiMenu{
    DocCommand{ID_ZUKEI_STYLE_TEXT, &OnZukeiTextMode, &OnUpdateZukeiTextMode},
    DocCommand{ID_ZUKEI_LINE_NONE, &OnZukeiLineNone, &OnUpdateZukeiLineNone},
    DocCommand{ID_ZUKEI_COLOR_OTHER, &OnZukeiOtherColor, &OnUpdateZukeiOtherColor},
    DocCommand{ID_ZUKEI_HATCH_COLOR_OTHER, &OnZukeiOtherHatchColor, &OnUpdateZukeiOtherHatchColor},
    DocCommand{ID_ZUKEI_TEXT_COLOR_OTHER, &OnZukeiOtherTextColor, &OnUpdateZukeiOtherTextColor},
    DocCommand{ID_ZUKEI_TEXT_FONT, &OnZukeiTextFont, nullptr, "FontSelDlg"},
    DocCommand{ID_ZUKEI_GROUP, &OnZukeiGroup, &OnUpdateZukeiGroup},
    DocCommand{ID_ZUKEI_UNGROUP, &OnZukeiUngroup, &OnUpdateZukeiUngroup},
    DocCommand{ID_ZUKEI_TO_BACK, &OnZukeiToBack, &OnUpdateZukeiOrder},
    DocCommand{ID_ZUKEI_TO_FRONT, &OnZukeiToFront, &OnUpdateZukeiOrder},
    DocCommand{ID_ZUKEI_TRANSFORM, &OnZukeiDeform, &OnUpdateZukeiDeform},
    // Each of these only opens a dialog (the selection decides which of a pair; both come with
    // one dialog library), so each stays disabled until its dialogs are there.
    DocCommand{ID_ZUKEI_ROUND_RADIUS, &OnZukeiRoundRadius, &OnUpdateZukeiRoundRadius,
               "RoundRadiusChangeDlg"},
    DocCommand{ID_ZUKEI_GRID, &OnZukeiGridSet, nullptr, "GridSetDlg"},
    DocCommand{ID_ZUKEI_ATTR_BULK, &OnZukeiAttrBatch, nullptr, "ZukeiAttrChangeDlg"},
};

} // namespace

BOOL OnZukeiAttrCommand(CTembraDoc& doc, UINT id) {
    const ZukeiAttrCommand* command = FindZukeiAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    if (command->field == F::Style) {
        ApplyZukeiStyle(doc, static_cast<short>(command->value), command->framesText);
        return TRUE;
    }
    const DWORD value = command->value;
    if (IsTextField(command->field)) {
        if (doc.GetShapes().CountSelectedTextZukei() > 0) {
            switch (command->field) {
            case F::TextAlign:
                doc.GetShapes().SetSelTextAlign(static_cast<WORD>(value));
                break;
            case F::TextColor:
                doc.GetShapes().SetSelTextColor(value);
                break;
            default:
                doc.GetShapes().SetSelTextFlags(static_cast<WORD>(value));
                break;
            }
            return TRUE;
        }
        CTextAttr& text = doc.GetSyokiSet().GetZukei().GetTextAttr();
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
    if (doc.GetShapes().CountSelectedZukei() > 0) {
        switch (command->field) {
        case F::PointMode:
            doc.GetShapes().SetSelZukeiPointMode(static_cast<short>(value));
            break;
        case F::LineType:
            doc.GetShapes().SetSelZukeiLineType(static_cast<WORD>(value));
            break;
        case F::Width:
            doc.GetShapes().SetSelZukeiWidth(static_cast<short>(value));
            break;
        case F::Color:
            doc.GetShapes().SetSelZukeiColor(value);
            break;
        case F::Hatch:
            doc.GetShapes().SetSelZukeiHatch(static_cast<WORD>(value));
            break;
        case F::HatchColor:
            doc.GetShapes().SetSelZukeiHatchColor(value);
            break;
        default:
            break;
        }
        return TRUE;
    }
    CZukeiAttr& defaults = doc.GetSyokiSet().GetZukei().GetAttr();
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

void UpdateZukeiAttrUI(CTembraDoc& doc, CCmdUI* cmdUI) {
    const ZukeiAttrCommand* command = FindZukeiAttrCommand(cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    if (command->field == F::Style) {
        UpdateStyleUI(doc, cmdUI, static_cast<short>(command->value), command->framesText);
        return;
    }
    if (IsTextField(command->field)) {
        const CZukeiString* text = doc.GetShapes().CountSelectedTextZukei() > 0
                                       ? doc.GetShapes().GetFirstSelectedTextZukei()
                                       : nullptr;
        const CTextAttr& attr =
            text != nullptr ? text->GetTextAttr() : doc.GetSyokiSet().GetZukei().GetTextAttr();
        cmdUI->SetCheck(TextHolds(attr, *command) ? 1 : 0);
        if (command->field == F::TextVertical && text != nullptr) {
            cmdUI->Enable(text->GetEditState() == 0);
        }
        return;
    }
    if (doc.GetShapes().CountSelectedZukei() == 0) {
        cmdUI->SetCheck(FieldOf(doc.GetSyokiSet().GetZukei().GetAttr(), command->field) ==
                        command->value);
        return;
    }
    const CZukei* first = doc.GetShapes().GetFirstSelectedZukei();
    cmdUI->SetCheck(
        first != nullptr && FieldOf(first->GetAttr(), command->field) == command->value ? 1 : 0);
}

void OnZukeiGroup(CTembraDoc& doc) {
    doc.GetUndoHistory().Reset();
    OwnedObList<CDataHeader>& shapes = doc.GetZukeiList();
    std::unique_ptr<CZukeiGroup> group;
    std::vector<CZukei*> members;
    std::unordered_set<const CDataHeader*> taken;
    try {
        // From the tail of the selection: the last selected shape becomes the first member.
        int depth = 0;
        for (POSITION pos = doc.GetSelList().GetTailPosition(); pos != nullptr;) {
            CZukei* shape = AsZukei(doc.GetSelList().GetPrev(pos));
            if (shape == nullptr) {
                continue;
            }
            members.push_back(shape);
            taken.insert(shape);
            if (const auto* nested = DynamicDowncast<CZukeiGroup>(shape)) {
                depth = std::max(depth, nested->GetDepth());
            }
        }
        if (members.empty()) {
            return; // no shape, no group
        }
        if (depth >= CZukeiGroup::kMaxDepth) {
            BeepWarning(); // a file could not hold it
            return;
        }
        group = std::make_unique<CZukeiGroup>();
        group->ReserveMembers(members.size());
        group->SetLayer(static_cast<WORD>(doc.GetCurrentLayer()));
        CZukeiAttr attr = doc.GetSyokiSet().GetZukei().GetAttr();
        attr.m_style = kGroupStyle;
        group->SetAttr(attr);
        shapes.AddTail(group.get());
    } catch (const std::bad_alloc&) {
        AfxMessageBox(IDS_NO_SHAPE_DATA);
        return;
    }
    CZukeiGroup* made = group.release();

    // The members leave the shape list (in one pass) for the group.
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        if (taken.count(shapes.GetNext(pos)) != 0) {
            shapes.RemoveAt(current);
        }
    }
    for (CZukei* member : members) {
        made->AddMember(std::unique_ptr<CZukei>(member));
    }
    doc.MarkChanged();
    doc.RedrawObject(made);
    doc.GetShapes().DeselectAllZukei();
}

void OnZukeiUngroup(CTembraDoc& doc) {
    doc.GetUndoHistory().Reset();
    OwnedObList<CDataHeader>& shapes = doc.GetZukeiList();
    std::vector<CZukeiGroup*> dissolved;
    doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        auto* group = DynamicDowncast<CZukeiGroup>(AsZukei(object));
        if (group == nullptr || group->GetKind() != kZukeiGroup) {
            return;
        }
        // Every member into the shape list first, so that a failure leaves the group whole.
        std::vector<POSITION> added;
        try {
            dissolved.reserve(dissolved.size() + 1);
            added.reserve(static_cast<std::size_t>(group->GetElementCount()));
            for (int i = 0; i < group->GetElementCount(); ++i) {
                added.push_back(shapes.AddTail(group->GetMember(i)));
            }
        } catch (const std::bad_alloc&) {
            for (const POSITION at : added) {
                shapes.RemoveAt(at);
            }
            AfxMessageBox(IDS_NO_SHAPE_DATA);
            return;
        }
        for (std::unique_ptr<CZukei>& member : group->TakeMembers()) {
            CZukei* shape = member.release(); // the shape list's now
            shape->Deselect();
            doc.MarkChanged();
            doc.RedrawObject(shape);
        }
        group->Deselect();
        doc.GetSelList().RemoveAt(pos);
        dissolved.push_back(group);
    });
    if (!dissolved.empty()) {
        const std::unordered_set<const CDataHeader*> gone(dissolved.begin(), dissolved.end());
        for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            if (gone.count(shapes.GetNext(pos)) != 0) {
                shapes.RemoveAt(current);
            }
        }
        for (CZukeiGroup* group : dissolved) {
            delete group;
        }
    }
    doc.GetShapes().DeselectAllZukei();
}

std::span<const DocCommand> DocZukeiMenu() {
    return kZukeiMenu;
}

} // namespace tembra
