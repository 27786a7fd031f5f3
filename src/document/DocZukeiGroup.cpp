// Binding selected shapes into a group and dissolving groups, deselecting every shape, and
// marking the framed texts for a new layout.
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

constexpr UINT IDS_NO_SHAPE_DATA = 5021;

// The style code a group is made with.
constexpr short kGroupStyle = 17;

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

void CTembraDoc::OnZukeiGroup() {
    m_undo.Reset();
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    std::unique_ptr<CZukeiGroup> group;
    std::vector<CZukei*> members;
    std::unordered_set<const CDataHeader*> taken;
    try {
        // From the tail of the selection: the last selected shape becomes the first member.
        int depth = 0;
        for (POSITION pos = GetSelList().GetTailPosition(); pos != nullptr;) {
            CZukei* shape = AsZukei(GetSelList().GetPrev(pos));
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
        group->SetLayer(static_cast<WORD>(GetCurrentLayer()));
        CZukeiAttr attr = m_syokiSet.GetZukei().GetAttr();
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
    m_notifier.MarkChanged();
    RedrawObject(made);
    DeselectAllZukei();
}

void CTembraDoc::OnZukeiUngroup() {
    m_undo.Reset();
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    std::vector<CZukeiGroup*> dissolved;
    ForEachSelected([&](POSITION pos, CDataHeader* object) {
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
            m_notifier.MarkChanged();
            RedrawObject(shape);
        }
        group->Deselect();
        GetSelList().RemoveAt(pos);
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
    DeselectAllZukei();
}

void CTembraDoc::DeselectAllZukei() {
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (object->GetType() == kTypeZukei) {
            m_selection.UnselectAt(pos, TRUE);
        }
    });
}

void CTembraDoc::InvalidateTextZukei() {
    const OwnedObList<CDataHeader>& shapes = GetZukeiList();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        if (CZukei* shape = AsZukei(shapes.GetNext(pos))) {
            MarkForLayout(*shape);
        }
    }
}

} // namespace tembra
