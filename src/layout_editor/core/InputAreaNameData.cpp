#include "layout_editor/core/InputAreaNameData.h"

#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutOwner.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PaperData.h"

#include <algorithm>

namespace marquell {

namespace {

constexpr UINT kFixedName = 61248;
constexpr UINT kNameUsed = 61213;

// Another input area of the paper, not selected, that carries the name.
const CPHeadInputArea* SameName(const CLayoutData& element, const CPHeadInputArea& area,
                                const std::string& name) {
    const auto* other = dynamic_cast<const CPHeadInputArea*>(&element);
    if (other == nullptr || other == &area || other->IsSelected() || other->GetName() != name) {
        return nullptr;
    }
    return other;
}

bool HasRectangle(const CLayoutData& element) {
    const CRect r = NormalizedLayoutRect(element.GetFrameRect());
    return r.left != r.right && r.top != r.bottom;
}

} // namespace

CInputAreaNameData::CInputAreaNameData(CPaperData& paper, ILayoutOwner& owner,
                                       CPHeadInputArea& area, int& chosenBase)
    : name(area.GetName()), defaultText(area.GetDefaultText()), m_paper(paper), m_owner(owner),
      m_area(area), m_chosenBase(chosenBase) {}

std::vector<std::string> CInputAreaNameData::BaseNames() const {
    std::vector<std::string> names;
    for (const auto& base : m_paper.GetBaseInputAreas()) {
        names.push_back(base->GetName());
    }
    return names;
}

bool CInputAreaNameData::IsNameEditable() const {
    return m_area.GetBaseFlag() != 0;
}

UINT CInputAreaNameData::Check() {
    if (const UINT refused = CheckInputAreaName(name); refused != 0) {
        return refused;
    }
    if (const UINT refused = CheckDefaultText(defaultText); refused != 0) {
        return refused;
    }
    if (m_area.GetBaseIndex() != 0 && m_area.GetBaseIndex() != kNoBaseIndex) {
        return kFixedName;
    }
    auto& elements = m_paper.GetElements();
    const bool placed = std::any_of(elements.begin(), elements.end(), [&](const auto& element) {
        const CPHeadInputArea* other = SameName(*element, m_area, name);
        return other != nullptr && HasRectangle(*other);
    });
    if (placed) {
        return kNameUsed;
    }
    // The placeholder of a base input area gives way to the area that takes its name.
    const auto placeholder = [&](const auto& element) {
        return SameName(*element, m_area, name) != nullptr;
    };
    if (std::any_of(elements.begin(), elements.end(), placeholder)) {
        m_owner.GetUndoHistory().Reset();
        elements.erase(std::remove_if(elements.begin(), elements.end(), placeholder),
                       elements.end());
        m_owner.SetModifiedFlag();
    }
    return 0;
}

void CInputAreaNameData::Apply() {
    for (const auto& base : m_paper.GetBaseInputAreas()) {
        if (base->GetName() == name && base->GetBaseIndex() != 0) {
            m_area.SetBaseIndex(base->GetBaseIndex());
            break;
        }
    }
    m_area.SetName(name);
    m_area.SetDefaultText(defaultText);
}

} // namespace marquell
