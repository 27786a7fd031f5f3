// The appliers of the shape menu (属性 > 線画) and the line-drawing bar: each changes the selected
// shapes as one undo step; and the counts and finds over the selected shapes the menu's rules use.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/ChartShapes.h"
#include "document/FontSelDlgRequest.h"
#include "document/TembraDoc.h"
#include "document/ZukeiAttrCommands.h"
#include "document/ZukeiDialogRequests.h"
#include "document/commands/DocCommandTable.h"
#include "platform/Ui.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

#include <array>
#include <memory>

namespace tembra {

namespace {

using F = ZukeiAttrField;
using Op = COperationState;

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

} // namespace

// ---- Selection -----------------------------------------------------------------------------

int CChartShapes::CountSelectedZukei() const {
    int count = 0;
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        if (AsZukei(selection.GetNext(pos)) != nullptr) {
            ++count;
        }
    }
    return count;
}

CZukei* CChartShapes::GetFirstSelectedZukei() const {
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    return selection.IsEmpty() ? nullptr : AsZukei(selection.GetHead());
}

CZukeiString* CChartShapes::GetFirstSelectedTextZukei() const {
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        if (auto* text = DynamicDowncast<CZukeiString>(AsZukei(selection.GetNext(pos)))) {
            return text;
        }
    }
    return nullptr;
}

int CChartShapes::CountSelectedGroups() const {
    int count = 0;
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && shape->GetKind() == kZukeiGroup) {
            ++count;
        }
    }
    return count;
}

int CChartShapes::CountSelectedRoundBoxes() const {
    int count = 0;
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && IsRoundBox(*shape)) {
            ++count;
        }
    }
    return count;
}

const CZukei* CChartShapes::FindSelectedRoundBox() const {
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape != nullptr && shape->GetKind() != kZukeiGroup && IsRoundBox(*shape)) {
            return shape;
        }
    }
    return nullptr;
}

// ---- Appliers ------------------------------------------------------------------------------

void CChartShapes::ChangeSelZukei(bool textsOnly, bool deselect,
                                  const std::function<void(CZukei&)>& change) {
    m_undo.Reset();
    m_selection.ForEachSelected([&](POSITION, CDataHeader* object) {
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
            m_notifier.RedrawObject(shape);
        }
    });
    if (deselect) {
        // After the walk: deselecting takes the shape out of the list being walked.
        for (POSITION pos = m_objects.GetSelList().GetHeadPosition(); pos != nullptr;) {
            CZukei* shape = AsZukei(m_objects.GetSelList().GetNext(pos));
            if (shape != nullptr &&
                (!textsOnly || DynamicDowncast<CZukeiString>(shape) != nullptr)) {
                DeselectZukei(shape);
            }
        }
    }
}

void CChartShapes::SetSelZukeiPointMode(short mode) {
    ChangeSelZukei(false, false, [mode](CZukei& shape) { shape.SetPointMode(mode); });
}

void CChartShapes::SetSelZukeiLineType(WORD type) {
    ChangeSelZukei(false, false, [type](CZukei& shape) { shape.SetLineType(type); });
}

void CChartShapes::SetSelZukeiWidth(short width) {
    ChangeSelZukei(false, false, [width](CZukei& shape) { shape.SetWidth(width); });
}

void CChartShapes::SetSelZukeiColor(COLORREF color) {
    ChangeSelZukei(false, true, [color](CZukei& shape) { shape.SetColor(color); });
}

void CChartShapes::SetSelZukeiHatch(WORD hatch) {
    ChangeSelZukei(false, false, [hatch](CZukei& shape) { shape.SetHatch(hatch); });
}

void CChartShapes::SetSelZukeiHatchColor(COLORREF color) {
    ChangeSelZukei(false, true, [color](CZukei& shape) { shape.SetHatchColor(color); });
}

void CChartShapes::SetSelZukeiBoxRay(WORD ray) {
    ChangeSelZukei(false, false, [ray](CZukei& shape) { shape.SetBoxRay(ray); });
}

void CChartShapes::SetSelTextFlags(WORD flag) {
    ChangeSelZukei(true, false, [flag](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_attrb = ApplyTextFlag(attr.m_attrb, flag);
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE);
    });
}

void CChartShapes::SetSelTextAlign(WORD align) {
    ChangeSelZukei(true, false, [align](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_form = align;
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE); // laid out again; an edit in place goes on
    });
}

void CChartShapes::SetSelTextColor(COLORREF color) {
    ChangeSelZukei(true, false, [color](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.m_color = color;
        text.SetTextAttr(attr);
    });
}

void CChartShapes::SetSelTextSize(WORD size) {
    ChangeSelZukei(true, false, [size](CZukei& shape) {
        auto& text = static_cast<CZukeiString&>(shape);
        CTextAttr attr = text.GetTextAttr();
        attr.SetSize(size);
        text.SetTextAttr(attr);
        text.SetUpdate(TRUE);
    });
}

void CChartShapes::SetSelZukeiAttrs(const CZukeiAttr& attr, UINT mask) {
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

// ---- Commands of their own -----------------------------------------------------------------

} // namespace tembra
