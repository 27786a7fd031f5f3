// Deselecting every shape, and marking the framed texts for a new layout.
#include "document/ChartShapes.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_set>
#include <vector>

namespace tembra {

namespace {

// A framed text, or every framed text inside a group, is laid out again at its next drawing.
void MarkForLayout(CZukei& shape) {
    if (auto* text = DynamicDowncast<CZukeiString>(&shape)) {
        if (text->GetKind() == kZukeiFramedString) {
            text->SetUpdate(TRUE);
        }
        return;
    }
    if (const auto* group = DynamicDowncast<CZukeiGroup>(&shape)) {
        for (int i = 0; i < group->GetElementCount(); ++i) {
            MarkForLayout(*group->GetMember(i));
        }
    }
}

} // namespace

void CChartShapes::DeselectAllZukei() {
    m_selection.ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (object->GetType() == kTypeZukei) {
            m_selection.UnselectAt(pos, TRUE);
        }
    });
}

void CChartShapes::InvalidateTextZukei() {
    const OwnedObList<CDataHeader>& shapes = m_objects.GetZukeiList();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        if (CZukei* shape = AsZukei(shapes.GetNext(pos))) {
            MarkForLayout(*shape);
        }
    }
}

} // namespace tembra
